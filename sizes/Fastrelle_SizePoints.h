// The grade points of the drawing, of one layer, or of one number (one place over all
// sizes); the next free number and the point nearest a position. Used by grading, the
// grade-point commands and the parts model.
#ifndef SIZES_FASTRELLE_SIZEPOINTS_H
#define SIZES_FASTRELLE_SIZEPOINTS_H

#include "sizes/Fastrelle_Points_Gradable.h"
#include "sizes/Fastrelle_SizePoint.h"

/// A collection of grade points (the block of "GradePoint", loaded on construction).
class Fastrelle_SizePoints : public Fastrelle_Points_Gradable {
public:
  Fastrelle_SizePoints();
  std::unique_ptr<Fastrelle_Point_Gradable> NewPoint(ZcDbObjectId id) override;
  /// The points of the reference's number, one per size of the drawing in list order (a
  /// null id for a size without one); nothing for an invalid id.
  void AddInAllSizes(ZcDbObjectId reference) override;

  /// The point at `index` (kept inside the collection by the caller).
  Fastrelle_SizePoint GetAt(int index) const { return Fastrelle_SizePoint(m_ids[index]); }
  int GetCount() const { return m_ids.length(); }
  /// Appends every reference of the block in the working drawing; nothing when it is absent.
  void CollectReferences(const CString& blockName);
  /// Every grade point, then only those on `layer` (case aside).
  void LoadOnLayer(const CString& layer);
  /// The nearest point to `position` (ties keep the earlier; a point that does not open
  /// lies at the origin); -1 for an empty collection.
  int FindNearestIndex(const ZcGePoint3d& position) const;
};

/// The number a new place takes: one above the highest number of the drawing's grade
/// points, 1 when it has none; 0 when the highest is the largest int (no number is
/// free then). "3", "x7", "-2" => 4.
int NextGradePointNumber();

/// The grade points of one number: every grade point of the drawing whose number is the
/// text's leading integer (0 unless it starts with one of "0123456789.,-").
class Fastrelle_SizePoints_Set : public Fastrelle_SizePoints {
public:
  explicit Fastrelle_SizePoints_Set(const CString& number);
  int GetNumber() const { return m_number; }

private:
  int m_number = 0;
};

#endif
