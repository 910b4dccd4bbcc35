// Intersection seeds from Bézier spans, private to the geometry kernel: pairs of spans whose
// boxes overlap are subdivided until flat and seeded where their chords come nearest. Used by
// the numeric intersections of GeIntersect (splines, ellipses and the lines and arcs they meet).
#ifndef PLATFORM_GE_GESPANINTERSECT_H
#define PLATFORM_GE_GESPANINTERSECT_H

#include <vector>

#include "ge/GeSpans.h"

namespace ge {

/// A curve piece as Bézier spans, with the map from a span's local parameter to the piece's.
struct SpanCurve {
  BezierSpans spans;
  /// Linear pieces: parameter = p0 + (breaks[i] + u·width)·scale. Elliptic ones (quarter arcs of
  /// center + cos(a)·x + sin(a)·y from angle `start`): parameter = p0 + (angle − start)·scale.
  bool elliptic = false;
  ZcGePoint3d c;
  ZcGeVector3d x, y;
  double start = 0.0, p0 = 0.0, scale = 1.0;

  double param(int span, double u) const;
};

/// A spline's own spans over its whole range.
SpanCurve splineSpanCurve(const BezierSpans& spans);
/// The straight piece from `a` (parameter u0) to `b` (parameter u1).
SpanCurve lineSpanCurve(const ZcGePoint3d& a, const ZcGePoint3d& b, double u0, double u1);
/// The elliptic piece center + cos(a)·x + sin(a)·y, a from `start` over `sweep`, whose parameter
/// is p0 + (a − start)·scale.
SpanCurve ellipticSpanCurve(const ZcGePoint3d& center, const ZcGeVector3d& x, const ZcGeVector3d& y, double start,
                            double sweep, double p0, double scale);
/// A place where two pieces may meet: parameters (s on a, t on b) to start Newton from, and the
/// parameter ranges of the two sub-spans it came from (which hold at most one crossing).
struct SpanSeed {
  double s, t, s0, s1, t0, t1;
};

/// Seeds where the two may meet within `margin`, for Newton to polish; pairs of sub-spans are
/// pruned by their boxes and across their chords, and cut until their tangent directions part.
/// With `self` (b is a), only spans that are not neighbours (nor the two ends of a closed curve)
/// are paired: where a curve crosses itself. With `parallel`, flat pairs that may run parallel
/// somewhere (a sliver, a touch, an overlap) are put there as they are, one per pair (s, t at the
/// middle of x and its nearest place on y), for the caller to sweep along; without it they are
/// cut down to the smallest pieces, seeded at the ends and the middle of x.
std::vector<SpanSeed> spanSeeds(const SpanCurve& a, const SpanCurve& b, double margin, bool self = false,
                                std::vector<SpanSeed>* parallel = nullptr);

}  // namespace ge

#endif
