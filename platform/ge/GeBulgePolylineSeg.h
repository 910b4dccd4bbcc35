// One segment of a bulge polyline, resolved into a line or an arc; used by the polyline's own
// sources, its offsets and the intersector (which also describes circular arcs by it).
#ifndef PLATFORM_GE_GEBULGEPOLYLINESEG_H
#define PLATFORM_GE_GEBULGEPOLYLINESEG_H

#include "ge/ZcGeBulgePolyline3d.h"

namespace ge {

/// The segment p0 → p1 with local parameter u ∈ [0, 1]: linear along a line, linear in angle
/// along an arc (theta = 4·atan(bulge), signed about the polyline normal n).
///
/// A segment whose sagitta (|bulge| · chord / 2) is below the point tolerance is the straight
/// line it is. An arc is evaluated from its start point, tangent and radius, never from its
/// centre: a nearly straight arc (bulge 1e-9: radius 1e10 on a chord of 100) has a centre far
/// away whose coordinates carry rounding errors larger than the tolerance, while the points,
/// tangents and projections taken relative to p0 stay exact to the last bits.
struct PlineSeg {
  ZcGePoint3d p0, p1;
  ZcGeVector3d n;
  bool arc = false;
  ZcGePoint3d c;      // arc centre (far away and rounded on nearly straight arcs: avoid)
  double r = 0.0;     // arc radius
  double theta = 0.0; // signed sweep
  ZcGeVector3d v0;    // p0 − c
  ZcGeVector3d t0;    // unit tangent at p0, along the run
  ZcGeVector3d m0;    // arc: unit vector from p0 towards the centre
  double len = 0.0;

  static PlineSeg make(const ZcGePoint3d& p0, const ZcGePoint3d& p1, double bulge, const ZcGeVector3d& n);
  /// The arc about `centre` (unit normal `n`) from `p0` over the signed sweep `theta`.
  static PlineSeg circular(const ZcGePoint3d& centre, const ZcGeVector3d& n, const ZcGePoint3d& p0, double theta);
  ZcGePoint3d point(double u) const;
  /// The point at u by the arc's own formula (point() answers p1 itself at u = 1).
  ZcGePoint3d onArc(double u) const;
  ZcGeVector3d deriv(double u) const;
  ZcGeVector3d deriv2(double u) const;
  /// Arc: the unit vector from point(u) towards the centre.
  ZcGeVector3d inward(double u) const;
  /// Arc: the signed distance of `p` from the circle, positive outside (to first order in the
  /// distance, exact on the circle).
  double offCircle(const ZcGePoint3d& p) const;
  /// The local parameter nearest to `p`; with `extend`, a line is infinite and an arc its circle
  /// (then u may leave [0, 1]; on an arc it runs on in [0, 2π/|theta|)).
  double closest(const ZcGePoint3d& p, bool extend) const;
  /// The bulge of the part from u0 to u1.
  double bulgeOf(double u0, double u1) const;
};

}  // namespace ge

#endif
