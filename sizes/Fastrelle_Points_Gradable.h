// Collections of references of one symbol block over the sizes of a part: the grade points
// of one place, or the notches and other symbols that grading moves with them. Built per
// operation by the grading commands and the parts model; nothing survives between them.
#ifndef SIZES_FASTRELLE_POINTS_GRADABLE_H
#define SIZES_FASTRELLE_POINTS_GRADABLE_H

#include <memory>
#include <vector>

#include "db/ZcDbObjectId.h"
#include "mfc/CString.h"
#include "sizes/Fastrelle_Point_Gradable.h"
#include "sizes/GradingOffset.h"

/// The references of one block (ids in the order they were gathered).
class Fastrelle_Points_Gradable {
public:
  explicit Fastrelle_Points_Gradable(const CString& blockName = CString()) : m_blockName(blockName), m_ids(0, 8) {}
  virtual ~Fastrelle_Points_Gradable() = default;
  /// The point of the collection in that size (FindInSize); null when there is none.
  virtual std::unique_ptr<Fastrelle_Point_Gradable> GetPointInSize(const CString& size);
  /// A point object for the id, the caller's.
  virtual std::unique_ptr<Fastrelle_Point_Gradable> NewPoint(ZcDbObjectId id);
  /// Gathers the references of the block standing where `reference` stands in each size of
  /// the part that holds it, through what the parts model registered (SetPartSymbolGatherer);
  /// nothing without it or when the id is no block reference.
  virtual void AddInAllSizes(ZcDbObjectId reference);

  /// The block of the file title of `path`, defined from that drawing when the working
  /// drawing lacks it: 0 (the collection takes the name); the definition's failure; 379
  /// when the block is still missing.
  int LoadSymbol(const CString& path);
  /// Inserts a reference of the collection's block at the position (uniform scale, rotation
  /// 0) and hands it to the part at the position as an extra element, through what the
  /// parts model registered (SetPartEntityAdder); the ids the part reports are appended.
  /// 379 when the block is not defined; the insert's failure; 374 when no part lies there
  /// (the reference stays where it was inserted); 0.
  int InsertSymbol(const ZcGePoint3d& position, double scale);
  /// The first point lying in the base size (its layer holds "^"); null when none.
  ZcDbObjectId FindBasePoint() const;
  /// The first point whose size is `size` (case aside); null when none.
  ZcDbObjectId FindInSize(const CString& size) const;
  /// Grades the place: each offset's size point moved by it from the base point, inside
  /// one undo group with "pickstyle" and "OSMODE" at 0, all three put back on every path;
  /// then the drawing is regenerated. Nothing without a base point.
  void ApplyOffsets(const std::vector<GradingOffset>& offsets);

  const CString& BlockName() const { return m_blockName; }
  const ZcDbObjectIdArray& Ids() const { return m_ids; }
  void Add(ZcDbObjectId id) { m_ids.append(id); }

protected:
  CString m_blockName;
  ZcDbObjectIdArray m_ids;
};

/// What the parts model gives for AddInAllSizes: the ids of the references of `blockName`
/// at the reference's position in each size of the part holding it, appended to `ids`.
typedef void (*PartSymbolGatherer)(ZcDbObjectId reference, const CString& blockName, ZcDbObjectIdArray& ids);
/// Registers it (null: none); the module that builds parts does at start-up.
void SetPartSymbolGatherer(PartSymbolGatherer gatherer);

/// What the parts model gives for InsertSymbol: adds the entity to the part at the point
/// as an extra element, appending the ids the part reports; 374 when no part lies there.
typedef int (*PartEntityAdder)(const ZcGePoint3d& point, ZcDbObjectId entity, ZcDbObjectIdArray& ids);
/// Registers it (null: none); the module that builds parts does at start-up.
void SetPartEntityAdder(PartEntityAdder adder);

/// A collection for the block: the grade points (Fastrelle_SizePoints) when it is the grade
/// point's block (case aside), else a plain collection of that name.
std::unique_ptr<Fastrelle_Points_Gradable> MakePointsCollection(const CString& blockName);
/// The collection of the reference's block with the reference's place over all sizes
/// (AddInAllSizes); null when the id is no block reference.
std::unique_ptr<Fastrelle_Points_Gradable> PointsFromReference(ZcDbObjectId id);
/// PointsFromReference of the entity of a database handle ("2F"); null when none opens.
std::unique_ptr<Fastrelle_Points_Gradable> PointsFromHandle(const CString& handle);

#endif
