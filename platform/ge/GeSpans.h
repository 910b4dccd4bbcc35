// Rational Bézier spans of splines and ellipses, private to the geometry kernel: the form in
// which splines are evaluated, their closest points found by root isolation, their lengths
// integrated and their intersections pruned. Built by GeNurbCurve3d and GeEllipArc3d.
#ifndef PLATFORM_GE_GESPANS_H
#define PLATFORM_GE_GESPANS_H

#include <functional>
#include <vector>

#include "ge/ZcGeCurve3d.h"

namespace ge {

/// Homogeneous point (x·w, y·w, z·w, w) of a rational Bézier control polygon.
struct HPoint {
  double x = 0.0, y = 0.0, z = 0.0, w = 1.0;
};

/// A curve cut into Bézier spans of one degree. Span i runs over the curve parameters
/// [breaks[i], breaks[i + 1]]; its local parameter u runs over [0, 1]. For a spline the curve
/// parameter is linear in u; for an ellipse (quarter arcs as rational quadratics) it is not, and
/// callers map points back to parameters through the curve.
struct BezierSpans {
  int degree = 0;
  bool rational = false;
  std::vector<double> breaks;  // size spans() + 1
  std::vector<HPoint> cp;      // (degree + 1) per span
  std::vector<ZcGePoint3d> boxLo, boxHi;  // per span: the box of the projected control points

  int spans() const { return breaks.empty() ? 0 : static_cast<int>(breaks.size()) - 1; }
  const HPoint* span(int i) const { return cp.data() + static_cast<size_t>(i) * (degree + 1); }
  /// The span holding curve parameter `t` (the first or last for parameters outside).
  int spanOf(double t) const;
  /// Point and derivatives with respect to the local parameter u of span `i` (`d1`, `d2` may be
  /// null). u outside [0, 1] continues the span's polynomial.
  void evalLocal(int i, double u, ZcGePoint3d& p, ZcGeVector3d* d1, ZcGeVector3d* d2) const;
  /// Point and derivatives with respect to the curve parameter (linear spans only).
  void eval(double t, ZcGePoint3d& p, ZcGeVector3d* d1, ZcGeVector3d* d2) const;
  /// Recomputes the span boxes from the control points.
  void computeBoxes();
  /// The box of all span boxes (holds the whole curve).
  void bounds(ZcGePoint3d& lo, ZcGePoint3d& hi) const;
};

/// The Bézier spans of the B-spline of `degree` over the flat knot vector `knots` (non-decreasing,
/// #knots = #ctrl + degree + 1) restricted to [knots[degree], knots[#ctrl]], by knot insertion
/// in homogeneous coordinates. `weights` empty for a non-rational spline.
BezierSpans bezierSpansOf(int degree, std::vector<double> knots, const std::vector<ZcGePoint3d>& ctrl,
                          const std::vector<double>& weights);

/// The elliptic arc center + cos(a)·x + sin(a)·y for a in [start, start + sweep] as rational
/// quadratic spans of at most a quarter turn; breaks are the offsets a − start.
BezierSpans ellipseSpans(const ZcGePoint3d& center, const ZcGeVector3d& x, const ZcGeVector3d& y, double start,
                         double sweep);

/// The parameter of the nearest point of `c` (whose spans are `s`) to `p`: spans are taken by
/// the distance of their boxes, the stationary points of the distance inside a span are isolated
/// as roots of a Bernstein polynomial and polished by Newton on `c`; span ends (kinks included)
/// are candidates. `toParam` maps (span, u) to the curve parameter where it is not linear in u
/// (ellipses); null for splines.
double closestOnSpans(const ZcGeCurve3d& c, const BezierSpans& s, const ZcGePoint3d& p,
                      const std::function<double(int, double)>* toParam = nullptr);

/// de Casteljau split of the control points `c` of a span of `degree` at its middle into the
/// control points of its two halves (degree + 1 each).
void splitSpanHalf(const HPoint* c, int degree, HPoint* left, HPoint* right);

/// Whether `p` lies within `tol` of some span's box (a quick test before a projection).
bool nearSpans(const BezierSpans& s, const ZcGePoint3d& p, double tol);

/// Arc length of a spline over [t0, t1] by Gauss–Kronrod per span, refined where a span's
/// estimate is not within ~1e-14 relative.
double lengthOnSpans(const BezierSpans& s, double t0, double t1);

/// The Bernstein coefficients of a polynomial on [0, 1]: its roots there, in increasing order,
/// isolated by subdivision and polished by safeguarded Newton; double roots (a touch) are
/// reported once where |f| is smallest, when that is within `zeroTol` of zero.
std::vector<double> bernsteinRoots(const std::vector<double>& coef, double zeroTol);

}  // namespace ge

#endif
