// The work of AddPointIntersecting: a grade point, in every size, wherever a picked entity
// crosses the seam of a part's master, each size's point on that size's own seam there.
#ifndef SIZES_GRADEPOINTINTERSECTOR_H
#define SIZES_GRADEPOINTINTERSECTOR_H

#include <vector>

#include "db/ZcDbObjectId.h"
#include "ge/ZcGePoint3d.h"
#include "sizes/Fastrelle_Sizes.h"

/// The intersecting entity, an entity of the part, the last status, the drawing's sizes
/// with "0" at the end, and the part (name and quantity, from the parts model's link).
class GradePointIntersector {
public:
  GradePointIntersector(ZcDbObjectId intersecting, ZcDbObjectId partEntity)
      : m_intersecting(intersecting), m_partEntity(partEntity) {}
  virtual ~GradePointIntersector() = default;

  /// Both ids valid (else 374); the intersecting entity a curve (line, arc, circle,
  /// polyline, spline: else 20); the part of the second entity, with a name and a quantity
  /// above 0 (else 3, and no parts model registered is 3 too); the sizes loaded and "0"
  /// (colour "SizeDefaultColor") appended. The status, also kept as the last one.
  int Prepare();
  /// For each crossing P of the intersecting entity with a seam curve of the master (group
  /// "0"), curve by curve, neither extended: a crossing within 1e-6 of one already made
  /// or of a grade point of the master is that place again and is skipped; else a grade
  /// point of the next number goes at P into the part in every size and "0"
  /// (AddGradePointInAllSizes), each size's point is put straight (no stretch) onto the
  /// crossing of that size's seam curves with the entity extended that lies nearest P (a
  /// size the entity does not reach keeps its point at P), and that size's curves through
  /// its point are split there. The first failure ends it and is returned; 0.
  int Evaluate();

  /// The numbers of the grade points made, in order.
  const std::vector<int>& Numbers() const { return m_numbers; }
  int Status() const { return m_status; }
  const CString& PartName() const { return m_part; }

protected:
  /// The crossing of the size's seam curves with the intersecting entity extended nearest
  /// to `p` (strictly nearer replaces); false when there is none.
  bool NearestCrossing(const CString& size, const ZcGePoint3d& p, ZcGePoint3d& crossing) const;
  /// The positions of the grade points among the master's members.
  std::vector<ZcGePoint3d> MasterGradePoints() const;
  /// Makes the place at `p`: the grade points, their positions and the splits.
  int MakePlace(const ZcGePoint3d& p);

  ZcDbObjectId m_intersecting;
  ZcDbObjectId m_partEntity;
  int m_status = 0;
  Fastrelle_Sizes_ZW m_sizes;
  CString m_part;
  int m_quantity = 0;
  std::vector<int> m_numbers;
};

#endif
