// A collection of entity ids with bulk operations: selecting into it, moving and
// transforming, copying, re-layering, recolouring, deleting, filtering by class and
// sorting by distance. Used by the construction, grading and layout commands.
#ifndef FRAMEWORK_UI_KOLEKCJA_H
#define FRAMEWORK_UI_KOLEKCJA_H

#include "db/ZcCmColor.h"
#include "db/ZcDbObject.h"
#include "ge/ZcGeMatrix3d.h"
#include "mfc/CString.h"

class ResBuf;
class ZcRxClass;

/// Entity ids in order. Bulk operations open each entity for what they do and close it
/// again; an entity that does not open is skipped (ApplyTransform stops instead).
class UI_Kolekcja {
public:
  UI_Kolekcja() : m_ids(0, 8) {}
  virtual ~UI_Kolekcja() = default;

  ZcDbObjectIdArray& Ids() { return m_ids; }
  const ZcDbObjectIdArray& Ids() const { return m_ids; }
  int Length() const { return m_ids.length(); }

  /// 600 for an invalid id, 260 when it is held already (nothing changes); else 0.
  int Add(ZcDbObjectId id);
  /// Prints the prompt, then lets the user select entities of the given types (an OR of
  /// (0 type) items); every selected id is appended, held ones again. PICKSTYLE is left
  /// as it is. 0.
  int Select(const CString& prompt, const CStringArray& typeNames);
  /// Appends the entities crossing the box of the corners that pass `filter`, with
  /// "pickstyle" at 0 meanwhile. 0.
  int SelectCrossing(ResBuf& filter, const ZcGePoint3d& corner1, const ZcGePoint3d& corner2);
  /// The points of each entity (a point's position, a polyline's vertices, a curve's ends).
  int GetPoints(ZcGePoint3dArray& points);
  /// Erases every entity; one that does not open prints "UI_Kolekcja::DeleteAll" and its
  /// status, and the walk goes on.
  void DeleteAll();
  /// Moves every entity by (to - from) through ApplyTransform.
  int Move(const ZcGePoint3d& from, const ZcGePoint3d& to);
  /// Transforms every entity (an MText only moves by the matrix's translation); the first
  /// failure ends the walk and is returned. When every entity lies in model space, the
  /// host's move by zero runs over them so that the host redraws them. 0.
  int ApplyTransform(const ZcGeMatrix3d& m);
  /// Transforms every entity that opens; a failed upgrade prints its status. 0.
  int TransformBy(const ZcGeMatrix3d& m);
  /// Copies every entity (UI_Entity::Copy) into `other`. 0.
  int CopyTo(UI_Kolekcja& other);
  /// 3 for an empty name; creates the layer when missing; sets it on every entity. 0.
  int SetLayer(const CString& layerName);
  int SetLTScale(double scale);
  int SetLinetype(ZcDbObjectId linetypeId);
  virtual void SetColorIndex(int index);
  virtual void SetColor(const ZcCmColor& color);
  /// Adds to `other` the ids whose objects derive from `cls`.
  virtual void KeepClass(const ZcRxClass* cls, UI_Kolekcja& other);
  /// Drops the ids whose objects open but are no entities.
  virtual void RemoveNonEntities();
  /// The distance from the point to the entity at `index`: a block reference's position,
  /// a curve's closest point (a curve wins); -1.0 for anything else or an object that
  /// does not open.
  double GetDistFrom(int index, const ZcGePoint3d& point);
  /// Sorts by GetDistFrom, nearest first (unmeasurable -1.0 entries first; equal
  /// distances in any order) and re-adds through Add, so invalid and repeated ids drop out.
  void SortByDistance(const ZcGePoint3d& point);
  /// Appends the ids of this collection that open and occur in `ids`, once per occurrence
  /// there. 0.
  int GetCommon(const ZcDbObjectIdArray& ids, ZcDbObjectIdArray& common);

private:
  ZcDbObjectIdArray m_ids;
};

/// Walks a collection opening each object in turn; the caller closes the last object once
/// the iterator is done.
class UI_Kolekcja_Iterator {
public:
  explicit UI_Kolekcja_Iterator(UI_Kolekcja& collection, int mode = 0)
      : m_collection(collection), m_mode(mode), m_done(collection.Length() == 0) {}
  virtual ~UI_Kolekcja_Iterator() = default;
  /// Closes the previous object (the status is its close status), opens the next one in
  /// the mode and returns it, or null when its open failed.
  virtual ZcDbObject* Next();
  bool Done() const { return m_done; }
  int Status() const { return m_status; }

private:
  UI_Kolekcja& m_collection;
  int m_status = 374;
  int m_mode;
  ZcDbObject* m_current = nullptr;
  int m_index = 0;
  bool m_done;
};

#endif
