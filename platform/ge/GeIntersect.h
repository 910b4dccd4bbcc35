// Intersections of curve pieces: the exact line and circle cases and the Newton-polished
// numeric case for ellipses and splines. Used by ZcGeCurve3d::intersectWith, polyline offsets
// and the boundary tracer.
#ifndef PLATFORM_GE_GEINTERSECT_H
#define PLATFORM_GE_GEINTERSECT_H

#include <vector>

#include "ge/GeBulgePolylineSeg.h"

namespace ge {

/// Where the infinite line or full circle of `a` meets that of `b` (0, 1 or 2 points; none for
/// parallel or concentric carriers). Lines and circles must share a plane for circle cases.
std::vector<ZcGePoint3d> carrierIntersections(const PlineSeg& a, const PlineSeg& b);

/// A point found on two curves with its parameters on each.
struct CurveHit {
  ZcGePoint3d point;
  double paramA = 0.0, paramB = 0.0;
};

/// Intersections of two curves, `extA`/`extB` saying whether each is extended (see
/// ZcGeCurve3d::ExtendMode), in no particular order, merged within kMergeTol.
std::vector<CurveHit> intersectCurves(const ZcGeCurve3d& a, bool extA, const ZcGeCurve3d& b, bool extB);

}  // namespace ge

#endif
