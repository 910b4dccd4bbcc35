// One segment of a bulge polyline, resolved into a line or an arc; used by the polyline's own
// sources and by the intersector.
#ifndef PLATFORM_GE_GEBULGEPOLYLINESEG_H
#define PLATFORM_GE_GEBULGEPOLYLINESEG_H

#include "ge/ZcGeBulgePolyline3d.h"

namespace ge {

/// The segment p0 → p1 with local parameter u ∈ [0, 1]: linear along a line, linear in angle
/// along an arc (theta = 4·atan(bulge), signed about the polyline normal n).
struct PlineSeg {
  ZcGePoint3d p0, p1;
  ZcGeVector3d n;
  bool arc = false;
  ZcGePoint3d c;      // arc centre
  double r = 0.0;     // arc radius
  double theta = 0.0; // signed sweep
  ZcGeVector3d v0;    // p0 − c
  double len = 0.0;

  static PlineSeg make(const ZcGePoint3d& p0, const ZcGePoint3d& p1, double bulge, const ZcGeVector3d& n);
  ZcGePoint3d point(double u) const;
  ZcGeVector3d deriv(double u) const;
  ZcGeVector3d deriv2(double u) const;
  /// The local parameter nearest to `p`; with `extend`, a line is infinite and an arc its circle
  /// (then u may leave [0, 1]).
  double closest(const ZcGePoint3d& p, bool extend) const;
  /// The bulge of the part from u0 to u1.
  double bulgeOf(double u0, double u1) const;
};

}  // namespace ge

#endif
