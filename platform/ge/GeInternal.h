// Helpers shared by the geometry kernel's sources only: angles, plane axes, quadrature and the
// Newton polishers that every curve kind uses.
#ifndef PLATFORM_GE_GEINTERNAL_H
#define PLATFORM_GE_GEINTERNAL_H

#include <cmath>
#include <functional>
#include <vector>

#include "ge/ZcGeCurve3d.h"

namespace ge {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;
/// Parameters closer than this are the same parameter.
constexpr double kParamTol = 1e-9;
/// Intersection points closer than this are one point.
constexpr double kMergeTol = 1e-9;

/// `a` brought into [0, 2π).
double normAngle(double a);
/// The X axis of the plane with unit normal `n`, by the host's arbitrary-axis rule (the world X
/// axis for n = +Z).
ZcGeVector3d planeXAxis(const ZcGeVector3d& n);
/// Gauss–Legendre integral of `f` over [a, b], adaptive to a relative ~1e-13.
double integrate(const std::function<double(double)>& f, double a, double b);
/// Polishes `t` towards a local minimum of |C(t) − p| inside [lo, hi] by Newton on
/// (C − p)·C' = 0, falling back to the start when Newton leaves the interval.
double polishClosest(const ZcGeCurve3d& c, const ZcGePoint3d& p, double t, double lo, double hi);
/// The parameter of the nearest point of `c` to `p` over [lo, hi] by dense sampling of each
/// span between `breaks` and Newton from the best samples. Ends included.
double closestBySampling(const ZcGeCurve3d& c, const ZcGePoint3d& p, double lo, double hi,
                         const std::vector<double>& breaks, int samplesPerSpan = 24);
/// Extents of `c` over its range: ends plus the roots of each coordinate's derivative found by
/// sampling and bisection within each span.
void extentsBySampling(const ZcGeCurve3d& c, const std::vector<double>& breaks, ZcGePoint3d& lo,
                       ZcGePoint3d& hi);
/// Includes `p` in the box [lo, hi].
void growBox(ZcGePoint3d& lo, ZcGePoint3d& hi, const ZcGePoint3d& p);
/// The parameters in `params` kept by a split: sorted, inside (lo, hi) by more than kParamTol
/// and apart from each other by more than kParamTol.
std::vector<double> cleanSplitParams(std::vector<double> params, double lo, double hi);
/// The parameter ranges of the pieces a split at `cuts` (cleaned, non-empty) of [0, end] gives,
/// in order. With `wrap` (a closed curve) the last range runs over the seam: it ends at
/// cuts.front() + end.
///   cuts {1, 2}, end 3        => [0, 1] [1, 2] [2, 3]
///   cuts {1, 2}, end 3, wrap  => [1, 2] [2, 4]
std::vector<std::pair<double, double>> splitRanges(const std::vector<double>& cuts, double end, bool wrap);
/// Extents of the elliptic arc center + cos(a)·x + sin(a)·y, a from `start` over `sweep`, whose
/// end points are those of `c`: the ends and the extreme points of each coordinate on the arc.
void ellipticExtents(const ZcGeCurve3d& c, const ZcGePoint3d& center, const ZcGeVector3d& x, const ZcGeVector3d& y,
                     double start, double sweep, ZcGePoint3d& lo, ZcGePoint3d& hi);

}  // namespace ge

#endif
