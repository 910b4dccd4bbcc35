// Free functions of the host's geometry that callers use on plain points.
#ifndef PLATFORM_GE_GEUTIL_H
#define PLATFORM_GE_GEUTIL_H

#include "ge/ZcGePoint2d.h"
#include "ge/ZcGePoint3d.h"

/// The angle of the direction from `from` to `to` in the XY plane, radians in [0, 2π)
/// (z is ignored). 0 when the points coincide in XY.
///   (0,0) → (1,0)  => 0        (0,0) → (0,1)  => π/2
///   (0,0) → (0,-1) => 3π/2     (1,1) → (1,1)  => 0
double zcutAngle(const ZcGePoint3d& from, const ZcGePoint3d& to);
double zcutAngle(const ZcGePoint2d& from, const ZcGePoint2d& to);
/// The same for points as three doubles (the host's point arrays).
double zcutAngle(const double* from, const double* to);

/// `angle` brought into [0, 2π).
double zcNormalizeAngle(double angle);

#endif
