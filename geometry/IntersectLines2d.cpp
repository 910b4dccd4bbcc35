// Two-line crossing in the XY plane.
#include "geometry/IntersectLines2d.h"

#include <cmath>

bool IntersectLines2d(const ZcGePoint3d& a0, const ZcGePoint3d& a1, const ZcGePoint3d& b0, const ZcGePoint3d& b1,
                      ZcGePoint3d& point) {
  ZcGeVector3d u = (b1 - b0).normal(), dA = a1 - a0;
  double D = dA.x * u.y - u.x * dA.y;
  if (std::fabs(D) <= 1e-11) return false;
  double t = ((b0.x - a0.x) * u.y - u.x * (b0.y - a0.y)) / D;
  point = a0 + dA * t;
  return true;
}
