// Two curves met at a corner: where they cross (extended if need be, else through the
// tangents at their facing ends), and the trim or extension of each to that point. The
// corner joins, the overlap check and the piece mover use it.
#ifndef GEOMETRY_CURVEPAIR_H
#define GEOMETRY_CURVEPAIR_H

#include "db/ZcDbObjectId.h"
#include "ge/ZcGePoint3d.h"

/// The two ids, the last status and the chosen point. A point entity counts as a curve of
/// length 0 at its position. Statuses: 0, 4 the same curve twice, 20 the first does not
/// open, 551 no intersection, 600 an invalid id, 20075 the tangent fallback met an object
/// that is not a curve; host statuses otherwise.
class CurvePair {
public:
  CurvePair() = default;
  CurvePair(ZcDbObjectId first, ZcDbObjectId second) : m_first(first), m_second(second) {}

  /// The crossings of the two entities under `extendMode` (0 none, 1 the first extended,
  /// 2 the second, 3 both), in the host's order. None with mode 0: 551 (block references
  /// and points cross through their shapes). None with another mode: the crossing of the
  /// tangents at the facing ends, or, for parallel tangents, the first curve's facing end
  /// when the ends lie within 1e-6 of each other; else 551.
  int GetIntersections(int extendMode, ZcGePoint3dArray& points);
  /// The crossing with both curves extended needing the least extension of the two
  /// together (distance of the point from each unextended curve; the earliest of equals);
  /// 600 for an invalid first id, 551 for none. Stored in the pair with the status.
  int GetIntersection(ZcGePoint3d& point);
  /// The crossing (both extended) of `first` and `second` nearest to `reference` (the
  /// first of equals); 600 for an invalid id.
  int GetIntersectionNearestTo(ZcDbObjectId first, ZcDbObjectId second, const ZcGePoint3d& reference,
                               ZcGePoint3d& point);
  /// The end of curve `which` (0 first, 1 second) nearer to the other curve.
  int GetEndNearestToOther(int which, ZcGePoint3d& point);
  /// GetIntersection, then the first and the second curve trimmed or extended to it
  /// (TrimOrExtendCurveToPoint), their new ids kept in the pair; the first failure is
  /// printed and returned.
  int ExtendBothToIntersection();

  ZcDbObjectId m_first, m_second;
  int m_status = 0;
  ZcGePoint3d m_point;
};

/// Trims or extends the curve to P. When P lies on the curve (within 1e-9 of its closest
/// point) or beside it (that point is not an end, or P − that point is along the normal
/// there), the curve is split there and the longer piece kept: `id` becomes the kept
/// piece's and the curve before the split is erased. Otherwise the end nearer P is
/// extended to it: a spline through the host's spline editing, other curves along their
/// natural extension. 600 when the id does not open as a curve; failures are printed.
int TrimOrExtendCurveToPoint(ZcDbObjectId& id, const ZcGePoint3d& p);

/// P's foot on the curve: its closest point when P lies on or beside the curve; otherwise
/// the foot of the perpendicular from P on the tangent line at the nearest end. A point
/// entity gives its position; 20 without a curve.
int ProjectPointOnCurveOrTangent(ZcDbObjectId id, const ZcGePoint3d& p, ZcGePoint3d& foot);

#endif
