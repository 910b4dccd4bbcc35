// Offsets of ellipses and splines as cubic splines, private to the geometry kernel: the exact
// offset is checked for cusps, approximated within kOffsetTol with exact ends and end tangents,
// and joined round (or trimmed at) the corners of a kinked curve. Used by GeEllipArc3d and
// GeNurbCurve3d.
#ifndef PLATFORM_GE_GECURVEOFFSET_H
#define PLATFORM_GE_GECURVEOFFSET_H

#include <vector>

#include "ge/ZcGeCurve3d.h"

namespace ge {

struct BezierSpans;

/// The largest distance between an approximated offset and the exact one.
constexpr double kOffsetTol = 1e-6;

/// The offset of `base` (evaluated through its Bézier `spans` when not null) at `dist` (right of the direction of travel seen from the plane normal
/// for dist > 0) as one cubic spline with the fewest knots the greedy refinement finds that keep
/// it within kOffsetTol of the exact offset, measured at dense samples. `breaks` are the base's
/// span breaks (the first knots of the fit, and where curvature is sampled afresh). `kinks` are the interior
/// parameters where the tangent turns abruptly: the offset runs round them on a circular arc or
/// is trimmed where the neighbouring pieces cross; so does a closed curve at a seam that is a
/// corner (the offset is then closed and starts there). `curvaturePeaks` are parameters where the
/// curvature may peak too sharply for sampling to see (an ellipse's vertices).
/// Statuses: eInvalidInput for a degenerate or non-planar base; eDegenerateGeometry when the
/// exact offset has a cusp (the radius of curvature on the offset side is below |dist|), crosses
/// itself (far parts of the base closer than 2|dist|) or a piece between two corners vanishes; eOutOfRange when the approximation cannot reach the
/// tolerance.
Zcad::ErrorStatus offsetByCubic(const ZcGeCurve3d& base, const BezierSpans* spans, double dist,
                                const std::vector<double>& breaks,
                                const std::vector<double>& kinks, const std::vector<double>& curvaturePeaks,
                                ZcGeCurve3dArray& out);

}  // namespace ge

#endif
