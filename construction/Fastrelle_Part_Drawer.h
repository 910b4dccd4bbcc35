// A part in its drawing: its record (type and quantity, kept in the drawing's "Fastrelle"
// dictionary), building it from curves and copying its entities into every size. Used by
// the form commands, grading, the part tools and the layout.
#ifndef CONSTRUCTION_FASTRELLE_PART_DRAWER_H
#define CONSTRUCTION_FASTRELLE_PART_DRAWER_H

#include <vector>

#include "construction/Fastrelle_Part.h"
#include "db/ZcDbExtents.h"
#include "db/ZcDbObjectId.h"

class ZcDbDatabase;
class Fastrelle_Sizes_ZW;

/// Part record: in the named-objects dictionary's entry "Fastrelle" (a dictionary), key =
/// the part name, an empty Xrecord with the XData
///   (1001 "FastrellePart") (1000 name) (1071 type) (1071 quantity)
/// Values are written as 32-bit items; read from 1070 or 1071 items, a value outside 16
/// bits reads as its low 16 bits, sign-extended (as older drawings held them).
///
/// Entity kinds of AddEntities: 0 keep the layer, 1 seam, 2 extra elements (tech), 3 cut.
class Fastrelle_Part_Drawer : public Fastrelle_Part {
public:
  /// Opens the part `name` of `db` (null: the working drawing) and reads its record; a
  /// name without record stays type 0, quantity 1, and nothing is created.
  Fastrelle_Part_Drawer(const CString& name, ZcDbDatabase* db);
  /// The part `name` of the working drawing with that type: its record is written, keeping
  /// the stored quantity of an existing part (1 for a new one). A part of that name in
  /// another letter case is that part, under its stored name.
  Fastrelle_Part_Drawer(const CString& name, int type);
  /// The part holding the grade point of that number in the base size ("0" when the
  /// drawing has none).
  explicit Fastrelle_Part_Drawer(int gradePointNumber);
  /// The part whose group is `id`, or holds the entity `id`; no name when none.
  explicit Fastrelle_Part_Drawer(ZcDbObjectId id);

  /// A type outside 0-2 is printed and refused (its status, 3); else stored and written.
  int SetType(int type) override;
  /// A quantity outside 0-32767 is printed and refused; else stored and written.
  void SetQuantity(int quantity) override;

  /// Reads type and quantity: false when there is no record (the values stay) or its XData
  /// lacks the type or the quantity (what was read stays). Creates nothing.
  bool ReadRecord();
  /// Writes the record, making the dictionary and entry when missing; a failure is printed.
  void WriteRecord();
  /// Erases every record whose key is the name, case aside.
  void DeleteRecord();
  /// Renames the part's groups in every size (Fastrelle_Forms::Rename); the record stays.
  int Rename(const CString& name);
  /// The first non-empty "MaterialAttribute" text of a reference in the part's group of
  /// size "0"; "" when none.
  CString GetMaterial() const;
  /// Adds the extents of the part's groups in every size and "0": 374 when a size lacks a
  /// layer, the group's status when one is missing or empty.
  int GetExtents(ZcDbExtents& extents) const;
  /// The same over a size list the caller loaded.
  int GetExtents(ZcDbExtents& extents, const Fastrelle_Sizes_ZW& sizes) const;
  /// Adds the extents of the part `name`'s groups of the sizes named (layers unchecked):
  /// the first group's status that is not 0.
  static int GetGroupsExtents(ZcDbDatabase* db, const CString& name, const std::vector<CString>& sizes, ZcDbExtents& extents);
  /// Builds the part from the curves: size "0" made; a circle's closed polyline copy joins
  /// the part in its place (the circle stays outside); curves put on the seam layer of "0"
  /// and into its group; a grade point at each defining point (those nearer than 0.1
  /// merged), numbered on from the drawing's highest; then what this build put into "0"
  /// is copied into every size (AddEntities kind 0). Curves already in a part are left
  /// out. A failing grade-point insertion is printed once and the build goes on.
  int BuildFromCurves(const ZcDbObjectIdArray& curves);
  /// Puts the entities on the kind's layer of size "0" into the part there (kind not 0),
  /// then copies them into every size, by the suffix of their layer onto that size's
  /// seam, tech or cut layer, into the part's group. A failing copy or layer step erases
  /// that size's copies and is returned (earlier sizes keep theirs). A part without name
  /// is printed and nothing is added (3).
  int AddEntities(const ZcDbObjectIdArray& ids, int kind);
  int AddEntity(ZcDbObjectId id, int kind);
  /// Copies the master (group "0") into each size whose group is missing or empty; the
  /// record and the other sizes stay. The first failure.
  int CopyMasterIntoEmptySizes();

  const ZcDbObjectIdArray& Ids() const { return m_ids; }
  ZcDbDatabase* Database() const { return m_db; }

private:
  /// Copies the ids into one size: 0 or the failure, with that size's copies erased.
  int CopyIntoSize(const ZcDbObjectIdArray lists[3], const Fastrelle_Sizes_ZW& sizes, const CString& sizeName,
                   ZcDbObjectIdArray& copies);

  ZcDbDatabase* m_db = nullptr;
  ZcDbObjectIdArray m_ids{0, 8};
};

#endif
