// Winding numbers of closed chains of exact curves about a point, private to the geometry
// kernel: the boundary tracer picks faces by them and regions answer point queries with them.
#ifndef PLATFORM_GE_GEWINDING_H
#define PLATFORM_GE_GEWINDING_H

#include <memory>
#include <vector>

#include "ge/ZcGeCurve3d.h"
#include "ge/ZcGePoint2d.h"

namespace ge {

/// The angle (radians, signed counter-clockwise) through which the ray from `p` to the curve
/// turns as the curve runs from its start to its end, seen in the XY plane. Lines and arcs in
/// the XY plane in closed form; other curves (splines, elliptic arcs, arcs out of the plane) by
/// their Bézier spans, halved until `p` lies outside a piece's control box: the piece and its
/// chord then wind round `p` alike. `p` must not lie on the curve.
double sweptAngle(const ZcGeCurve3d& c, const ZcGePoint2d& p);

/// Winding number of the closed chain `loop` about `p` (not on it), on the exact curves:
/// non-zero inside.
int winding(const std::vector<std::unique_ptr<ZcGeCurve3d>>& loop, const ZcGePoint2d& p);

}  // namespace ge

#endif
