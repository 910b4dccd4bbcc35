// The curve protocol of the geometry kernel: one abstract class that every curve kind implements
// (lines, arcs and circles, ellipses, bulge polylines, NURBS splines). The database's curve
// entities hold one of these and delegate their whole curve protocol to it.
#ifndef PLATFORM_GE_ZCGECURVE3D_H
#define PLATFORM_GE_ZCGECURVE3D_H

#include <memory>
#include <vector>

#include "ed/ErrorStatus.h"
#include "ge/ZcGeMatrix3d.h"
#include "ge/ZcGePoint3d.h"
#include "ge/ZcGeVector3d.h"

class ZcGeCurve3d;

/// Curves a call hands back; the caller owns them.
using ZcGeCurve3dArray = std::vector<std::unique_ptr<ZcGeCurve3d>>;

/// A bounded curve in space with a parameter that runs from 0 to endParam().
///
/// Parameterisation of every kind (the value at the start is always 0):
///   line          [0, length]               unit speed
///   arc, circle   [0, sweep] in radians      speed = radius
///   elliptic arc  [0, end − start] in eccentric angle
///   polyline      [0, numVerts − 1], or numVerts when closed; segment i is [i, i + 1]
///   spline        the knot range shifted to start at 0
///
/// Tolerances: a point is "on" the curve (getParamAtPoint, getDistAtPoint, extend) when it is
/// within kOnCurveTol of it; closest points and intersections are exact to about 1e-10.
/// Every operation reports a Zcad::ErrorStatus; degenerate input gives a status, never a crash.
class ZcGeCurve3d {
public:
  /// The concrete kinds, for callers that must know what they hold (the database's wrappers).
  enum Kind { kLineSeg, kCircArc, kEllipArc, kBulgePolyline, kNurbCurve };

  /// How intersectWith extends its operands (numbered as the host's intersect modes):
  /// lines become infinite lines, arcs their circles, elliptic arcs their ellipses, an open
  /// polyline's first and last segments extend the same way; splines and closed curves do not.
  enum ExtendMode { kExtendNone = 0, kExtendThis = 1, kExtendArg = 2, kExtendBoth = 3 };

  /// Distance within which a given point counts as lying on the curve.
  static constexpr double kOnCurveTol = 1e-6;

  virtual ~ZcGeCurve3d() = default;

  virtual Kind kind() const = 0;
  /// A deep copy of the same kind.
  virtual std::unique_ptr<ZcGeCurve3d> copy() const = 0;

  // --- Shape ------------------------------------------------------------------------------------

  /// Start and end coincide (circles, full ellipses, closed polylines and splines).
  virtual bool isClosed() const;
  /// Closed and smooth across the seam with a parameter that may wrap (circles, full ellipses,
  /// periodic splines).
  virtual bool isPeriodic() const { return false; }
  /// The length is zero (zero-length line, polyline of one vertex, ...).
  bool isDegenerate() const;

  // --- Parameters and points --------------------------------------------------------------------

  double startParam() const { return 0.0; }
  virtual double endParam() const = 0;
  /// The point at `param`; parameters outside [0, endParam()] evaluate the natural
  /// continuation where the kind has one (line, circle, spline polynomial), else clamp.
  virtual ZcGePoint3d evalPoint(double param) const = 0;
  /// The first derivative at `param`; at a polyline vertex the outgoing segment's, at the end
  /// parameter the incoming one's.
  virtual ZcGeVector3d evalDeriv(double param) const = 0;
  /// The second derivative at `param` (same side rules as evalDeriv).
  virtual ZcGeVector3d evalDeriv2(double param) const = 0;
  ZcGePoint3d startPoint() const { return evalPoint(startParam()); }
  ZcGePoint3d endPoint() const { return evalPoint(endParam()); }
  /// Arc length from the start to the end.
  double length() const;

  Zcad::ErrorStatus getStartParam(double& param) const;
  Zcad::ErrorStatus getEndParam(double& param) const;
  Zcad::ErrorStatus getStartPoint(ZcGePoint3d& point) const;
  Zcad::ErrorStatus getEndPoint(ZcGePoint3d& point) const;
  /// eInvalidInput when `param` lies outside [0, endParam()] by more than 1e-9.
  Zcad::ErrorStatus getPointAtParam(double param, ZcGePoint3d& point) const;
  /// The parameter of a point on the curve (within kOnCurveTol, else eInvalidInput). On a
  /// closed curve its seam point answers 0.
  Zcad::ErrorStatus getParamAtPoint(const ZcGePoint3d& point, double& param) const;
  /// Arc length from the start to `param` (eInvalidInput outside the range).
  Zcad::ErrorStatus getDistAtParam(double param, double& dist) const;
  /// Arc length from the start to a point on the curve (within kOnCurveTol).
  Zcad::ErrorStatus getDistAtPoint(const ZcGePoint3d& point, double& dist) const;
  /// The parameter at arc length `dist` from the start; eInvalidInput when `dist` < 0 or
  /// beyond the length (by more than 1e-9).
  Zcad::ErrorStatus getParamAtDist(double dist, double& param) const;
  /// The point at arc length `dist` from the start; same failures as getParamAtDist.
  Zcad::ErrorStatus getPointAtDist(double dist, ZcGePoint3d& point) const;
  Zcad::ErrorStatus getFirstDeriv(double param, ZcGeVector3d& deriv) const;
  /// The first derivative at a point on the curve (within kOnCurveTol).
  Zcad::ErrorStatus getFirstDeriv(const ZcGePoint3d& point, ZcGeVector3d& deriv) const;
  Zcad::ErrorStatus getSecondDeriv(double param, ZcGeVector3d& deriv) const;

  // --- Closest point ----------------------------------------------------------------------------

  /// The parameter of the point of the curve nearest to `point` (the global minimum, exact to
  /// about 1e-10; an end when the nearest point is an end). With `extend`, lines count as
  /// infinite and arcs as their full circle; other kinds ignore it (the parameter may then lie
  /// outside the range).
  virtual double closestParam(const ZcGePoint3d& point, bool extend = false) const;
  Zcad::ErrorStatus getClosestPointTo(const ZcGePoint3d& point, ZcGePoint3d& closest,
                                      bool extend = false) const;

  // --- New curves -------------------------------------------------------------------------------

  /// Curves at distance `dist` beside this one, in its plane (normal()). Positive `dist` goes
  /// to the right of the direction of travel seen from +normal (outwards on a counter-clockwise
  /// arc), negative to the left. line → line, arc → arc, circle → circle, polyline → joined
  /// polyline, ellipse and spline → spline. The ends of the result are the base ends moved by
  /// `dist` along the end normals and its end tangents are parallel to the base ones.
  /// eInvalidInput when the result would collapse (an arc radius ≤ 0) or the curve is not planar;
  /// for ellipses and splines (cubic splines within 1e-6 of the exact offset) eDegenerateGeometry
  /// where the exact offset has a cusp (radius of curvature on its side below |dist|) or crosses
  /// itself.
  virtual Zcad::ErrorStatus getOffsetCurves(double dist, ZcGeCurve3dArray& offsetCurves) const = 0;

  /// Pieces of the curve split at `params`, in parameter order. Parameters outside the range,
  /// at an end or repeated (within 1e-9 of the parameter, or giving a piece shorter than 1e-9)
  /// are ignored. A closed curve split at one interior parameter gives one open curve starting
  /// there (circles: eInvalidInput, they have no start to keep). No split parameter gives one copy.
  virtual Zcad::ErrorStatus getSplitCurves(const std::vector<double>& params,
                                           ZcGeCurve3dArray& pieces) const = 0;
  /// As above, at the parameters of points on the curve (within kOnCurveTol).
  Zcad::ErrorStatus getSplitCurves(const std::vector<ZcGePoint3d>& points,
                                   ZcGeCurve3dArray& pieces) const;

  // --- Changes ----------------------------------------------------------------------------------

  /// Moves the start (or end) to `point` on the curve's natural extension: a line (and the line
  /// end segment of a polyline) along its line, an arc (and an arc end segment) along its
  /// circle, an elliptic arc along its ellipse; `point` must lie on that extension within
  /// kOnCurveTol, else eInvalidInput. A point at or past the other end of a line (segment)
  /// is refused too (eInvalidInput): the curve keeps its direction. Splines and closed curves:
  /// eNotApplicable.
  virtual Zcad::ErrorStatus extend(bool atStart, const ZcGePoint3d& point);
  /// Applies `m` to every defining point. A reflection keeps arcs and bulge polylines turning
  /// about +Z (angles swapped, bulges negated); a non-uniform scale of an arc or ellipse gives
  /// eNotApplicable and leaves the curve unchanged.
  virtual Zcad::ErrorStatus transformBy(const ZcGeMatrix3d& m) = 0;
  /// Runs the curve the other way; the point at t becomes the point at endParam() − t.
  virtual Zcad::ErrorStatus reverse() = 0;

  // --- Relations --------------------------------------------------------------------------------

  /// The points where this curve meets `other`, extended as `mode` says, ordered by their
  /// parameter on this curve. Each point lies within ~1e-10 of both curves; points closer than
  /// 1e-9 are merged; tangential touches and end-to-end touches are reported once; for a
  /// collinear or co-circular overlap the ends of the overlap are reported. Two lines are
  /// collinear when one lies along the other's line (both its ends within 1e-9 of it), however
  /// they are turned; otherwise they cross at one point at any angle, however small. The same
  /// set of points, bit for bit, whichever curve is `this`.
  Zcad::ErrorStatus intersectWith(const ZcGeCurve3d& other, ExtendMode mode,
                                  std::vector<ZcGePoint3d>& points) const;

  /// The tight axis-aligned box of the curve.
  virtual Zcad::ErrorStatus getGeomExtents(ZcGePoint3d& minPoint, ZcGePoint3d& maxPoint) const;

  /// The normal of the curve's plane (+Z for the usual XY curves; for a line the +Z-side
  /// perpendicular plane's normal when the line lies in XY). eNonCoplanarGeometry when the
  /// curve does not lie in one plane.
  virtual Zcad::ErrorStatus getPlane(ZcGePoint3d& origin, ZcGeVector3d& normal) const;

protected:
  ZcGeCurve3d() = default;
  ZcGeCurve3d(const ZcGeCurve3d&) = default;
  ZcGeCurve3d& operator=(const ZcGeCurve3d&) = default;

  /// Arc length over [t0, t1] (t0 ≤ t1 inside the range); by default adaptive Gauss quadrature
  /// of |C'| over the smooth spans.
  virtual double lengthBetween(double t0, double t1) const;
  /// The parameters where the curve may not be smooth (polyline vertices, spline knots),
  /// inside the range and in increasing order, ends included.
  virtual std::vector<double> spanBreaks() const;
};

#endif
