// One part in one size: the host group "<part>|<size>" that holds the part's entities in
// that size, and what is done to it (layers of the size's line kinds, extents, renaming,
// attributes, splitting curves, erasing). Used by the parts model, the form commands and
// the grading and construction tools.
#ifndef CONSTRUCTION_PARTSIZEGROUP_H
#define CONSTRUCTION_PARTSIZEGROUP_H

#include "db/ZcDbExtents.h"
#include "db/ZcDbObjectId.h"
#include "ge/ZcGePoint3d.h"
#include "mfc/CString.h"

class ZcDbDatabase;
class Fastrelle_Linetype;
class UI_Kolekcja;

/// Statuses: 0; 20 no such group; 261 group not created; 338 the names do not make a
/// group name (an empty part or size name, or a name without both halves); 374 empty
/// group; 600 invalid id; host statuses otherwise.
struct PartSizeGroup {
  PartSizeGroup() = default;
  /// `db` null: the working drawing.
  PartSizeGroup(ZcDbDatabase* db, const CString& part, const CString& size) : m_db(db), m_part(part), m_size(size) {}
  ~PartSizeGroup() { m_part.Empty(); }

  /// "<part>|<size>".
  CString GroupName() const { return m_part + L"|" + m_size; }
  /// Cuts `name` at every "|", empty pieces dropped: with two pieces or more, the first is
  /// the part and the second the size (true); else false and both stay.
  ///   "Front|38" => Front, 38;  "Front||38|x" => Front, 38;  "Front" => false
  static bool SplitGroupName(const CString& name, CString& part, CString& size);
  /// Part and size of the group holding the grade point of that number in size `size`.
  int FromGradePoint(int number, const CString& size);
  /// Part and size of the group `id` is, or of the group holding the entity `id`: 600 for
  /// an invalid id, 20 when it is in no group, 338 when the group's name does not split.
  int FromId(ZcDbObjectId id);
  /// True when the entity belongs to a group whose name splits into part and size.
  static bool IsInPart(ZcDbObjectId id);

  /// The group's id: 0; 338 for empty names; 20 when there is none; open failures.
  int GetGroupId(ZcDbObjectId& id) const;
  /// The members in group order (appended to `ids`): GetGroupId's status.
  int GetIds(ZcDbObjectIdArray& ids) const;
  /// Appends the ids (none twice), making the group when missing (selectable, description
  /// = its name): 338 for empty names, 261 when it cannot be made.
  int AddToGroup(const ZcDbObjectIdArray& ids);
  /// AddToGroup of one id, then the entity's colour is ByLayer: 600 for an invalid id.
  int AddEntity(ZcDbObjectId id);
  /// A grade point of this size at the point with that number, added by AddEntity; the
  /// insert's failure is returned (nothing added). Its id goes to `newId` when given.
  int AddGradePoint(const ZcGePoint3d& point, int number, ZcDbObjectId* newId = nullptr);

  /// Put the entities on this size's layer of a line kind (made when missing), add them to
  /// the group, give them the kind's linetype when it has one and its scale (1.0 for a
  /// scale not above 1e-7). The first failure is returned. The size is found by name in
  /// the drawing's sizes; a name of no size stands for size "0".
  int PutOnSeamLayer(const ZcDbObjectIdArray& ids);
  int PutOnCutLayer(const ZcDbObjectIdArray& ids);
  int PutOnTechLayer(const ZcDbObjectIdArray& ids);
  int PutOnTechLayer(ZcDbObjectId id);
  /// The same with a kind the caller bound already (one size list for a whole operation).
  int PutOnLayer(const Fastrelle_Linetype& kind, const ZcDbObjectIdArray& ids);
  /// The members by layer, compared exactly (case counts) with the size's seam, cut and
  /// tech layer names; members on other layers are left out. 0.
  int SplitByLineKind(ZcDbObjectIdArray& seam, ZcDbObjectIdArray& cut, ZcDbObjectIdArray& tech) const;

  /// Adds the members' geometric extents to `extents`: 20 no group, 374 empty.
  int GetExtents(ZcDbExtents& extents) const;
  /// Erases every member (one that does not open is reported and skipped), then the group
  /// itself and its entry in its drawing's group dictionary: 20 when there is none.
  int Erase();
  /// The group takes the name of the new part name and the size: 338 for an empty name
  /// (nothing changes), 20 when there is no group (the record keeps the new name), the
  /// host's refusal when another group has that name (nothing changes).
  int RenamePart(const CString& name);
  /// The same for the size name.
  int SetSizeName(const CString& name);
  /// In every attribute of the members' block references but grade points, each whole-word
  /// occurrence of `from` (bounded by the text's ends or by characters that are no letters
  /// or digits) becomes `to`. An empty `from` replaces nothing. 0.
  ///   "Front 1", "1" -> "2"  =>  "Front 2";   "10", "21"  stay
  int ReplaceInAttributes(const CString& from, const CString& to);
  /// The first attribute tagged as "MaterialAttribute" (case aside) of every member
  /// reference takes the text. 0.
  int SetMaterial(const CString& material);
  /// Appends the member reference of that block (case aside) nearest to the point: 374
  /// for an empty group, 600 when it has none.
  int FindBlockReferenceAt(const ZcGePoint3d& point, const CString& blockName, ZcDbObjectIdArray& ids) const;
  /// The block names of the member references nearest to the point: a reference within
  /// 5.0 of the best distance adds its name once; a nearer one by more starts the list
  /// again. 374 for an empty group.
  int GetBlockNamesAt(const ZcGePoint3d& point, CStringArray& names) const;
  /// Splits the members passing within 1e-7 of the point there; a curve is erased only
  /// when the split gave two pieces or more (one ending at the point stays whole). The
  /// pieces join the group: AddToGroup's status; 20 when there is no group.
  int SplitCurvesAtPoint(const ZcGePoint3d& point);

  ZcDbDatabase* m_db = nullptr;
  CString m_part;
  CString m_size;

private:
  int PutOnKind(int kind, const ZcDbObjectIdArray& ids);
  int Rename(const CString& part, const CString& size);
};

/// The defining points of the collection's entities (a point's position, polyline
/// vertices, other curves' ends), in order, each kept only when 0.1 or more from every
/// point kept before; appended to `points`. The points' status when not 0.
int MergePoints(UI_Kolekcja& collection, ZcGePoint3dArray& points);

#endif
