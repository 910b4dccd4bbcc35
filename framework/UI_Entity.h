// The entity wrapper: the thin handle through which the system reads and edits one
// entity of the drawing. Most commands build one on the stack; the collection, group,
// block and curve wrappers build on its open / upgrade / close discipline.
#ifndef FRAMEWORK_UI_ENTITY_H
#define FRAMEWORK_UI_ENTITY_H

#include "db/ZcDbEntity.h"
#include "mfc/CString.h"

class ZcDbGroup;

/// Holds an entity pointer, normally closed: the database keeps a closed object's memory,
/// so the wrapper reopens it by its own id when it acts. An operation that changes the
/// entity opens it for write when it is not (upgrading a read open in place) and closes
/// it afterwards only when it made that open itself; an entity the caller opened for
/// write stays open. The wrapper never deletes or closes the entity on destruction.
/// Statuses: 0 success, 3 bad input, 16 the copy has no valid id, 20 no entity / wrong
/// kind, 221 no model space, 374 no entity held, 600 invalid id; host statuses otherwise.
class UI_Entity {
public:
  UI_Entity() = default;
  /// Opens the id for read and closes it at once, keeping the pointer; null on failure.
  explicit UI_Entity(ZcDbObjectId id);
  /// Holds an entity as the caller has it (open or not).
  explicit UI_Entity(ZcDbEntity* entity) : m_entity(entity) {}
  virtual ~UI_Entity() = default;

  /// Sets the opened flag, then Reopen(mode).
  virtual int Open(int mode);
  /// True when one of the entity's owners (330 items of its data list) is a group.
  virtual bool GetGroupId(ZcDbObjectId& groupId);
  /// The entity's group (read and closed again), or null.
  virtual void OpenGroup(ZcDbGroup*& group);
  /// Opens the entity's own id in `mode` (0 read, 1 write) into the held pointer; 374
  /// without entity.
  virtual int Reopen(int mode);
  /// Closes the held entity; 374 without entity.
  virtual int Close();
  /// Applies `m` in a write scope; the transform's status (374 without entity).
  virtual int TransformBy(const ZcGeMatrix3d& m);

  ZcDbEntity* Entity() const { return m_entity; }
  ZcDbObjectId Id() const { return m_entity ? m_entity->objectId() : ZcDbObjectId(); }
  /// The handle as hex text; empty without entity.
  CString GetHandle() const;
  /// Colour, layer, linetype, linetype scale and line weight of `source`: 374 when it is
  /// invalid, erased or does not open; 0 and nothing opened when it is this entity; the
  /// target's open failure after closing the source; else the source's close status.
  int MatchProperties(ZcDbObjectId source);
  int Erase();
  /// A copy in model space on the current layer, linetype and weight with the source's
  /// colour. `copyId` is its id, or null when the copy fails (nothing is left behind).
  /// An erased entity is not copied (eWasErased). An entity of another drawing (a side
  /// database) is deep-cloned with what it refers to: its block with the block's content,
  /// layer, linetype, text style (records of a name the working drawing has are used as
  /// they are); a clone that cannot be made gives its status.
  int Copy(ZcDbObjectId& copyId);
  int setLayer(const CString& layerName);
  int SetLinetype(ZcDbObjectId linetypeId);
  int SetColorIndex(unsigned short index);
  /// Appends a point's position, a polyline's vertices, or a curve's start and end point;
  /// expects the entity opened by the caller and closes it (the close status).
  int GetPoints(ZcGePoint3dArray& points);
  /// The layer name; empty without entity.
  CString GetLayerName();
  /// The intersections with the entity of `other`: 20 when either has no entity.
  int IntersectWithId(ZcDbObjectId other, int extendMode, ZcGePoint3dArray& points);
  int IntersectWith(UI_Entity& other, int extendMode, ZcGePoint3dArray& points);
  int Highlight(bool on);
  /// A mirrored copy about the line through p1 and p2: 3 when the points coincide.
  int MirrorCopy(const ZcGePoint3d& p1, const ZcGePoint3d& p2, ZcDbObjectId& copyId);
  /// Appends a new entity to model space and closes it; 20 without entity.
  int AddToModelSpace();
  /// Moves by (to - from), then closes the entity when still open; the move's status.
  int Move(const ZcGePoint3d& from, const ZcGePoint3d& to);

protected:
  /// Runs `change` with the entity open for write, closing it after only when it was
  /// opened here; the open's status when that fails.
  template <class F>
  int WriteScope(F change);

  ZcDbEntity* m_entity = nullptr;
  unsigned char m_opened = 0;

private:
  int CopyFromOtherDatabase(ZcDbObjectId& copyId);
};

template <class F>
int UI_Entity::WriteScope(F change) {
  bool upgraded = false;
  if (!m_entity->isWriteEnabled()) {
    if (int es = Reopen(1)) return es;
    upgraded = true;
  }
  int status = change();
  if (upgraded) m_entity->close();
  return status;
}

#endif
