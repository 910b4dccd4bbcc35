// Small helpers on points and vectors that every curve and corner routine leans on: sums and
// differences, world/user conversion, a point from the user, perpendicular feet, points
// along a direction, a point's distance from a line, plane angles and polar points.
#ifndef GEOMETRY_POINTHELPERS_H
#define GEOMETRY_POINTHELPERS_H

#include "ge/ZcGePoint3d.h"
#include "mfc/CString.h"

/// The point moved by the vector.
ZcGePoint3d PointPlusVector(const ZcGePoint3d& point, const ZcGeVector3d& vector);
/// p - q.
ZcGeVector3d PointDifference(const ZcGePoint3d& p, const ZcGePoint3d& q);
/// A world point in the current user coordinate system (unchanged when the host cannot
/// convert it).
ZcGePoint3d WcsToUcs(const ZcGePoint3d& point);
/// A point of the current user coordinate system in world coordinates.
ZcGePoint3d UcsToWcs(const ZcGePoint3d& point);

/// Asks for a point with "\n" + prompt + ": ", rubber-banded from `base` (world) when given;
/// the answer in world coordinates. RTNORM (5100) on success, RTERROR (-5001) otherwise
/// (cancel included).
int GetPointFromUser(const CString& prompt, const ZcGePoint3d* base, ZcGePoint3d& point);

/// The distance of P from the infinite line through A and B: |AB x AP| / |AB|, 0 below
/// 1e-9. With A = B (no line) it is |PA|.
double DistancePointToLine(const ZcGePoint3d& p, const ZcGePoint3d& a, const ZcGePoint3d& b);
/// The foot of the perpendicular from P on the line through A and B; P itself when P lies
/// within 1e-7 of the line. (5,3) on (0,0)-(10,0) => (5,0); (-4,3) => (-4,0). With A = B: A.
ZcGePoint3d PerpendicularFoot(const ZcGePoint3d& p, const ZcGePoint3d& a, const ZcGePoint3d& b);
/// A when x is exactly 0 or when A = B; else A + x * unit(B - A) (x may be negative or
/// beyond B).
ZcGePoint3d PointAtDistanceTowards(const ZcGePoint3d& a, const ZcGePoint3d& b, double x);
/// The angle of the direction from `from` to `to` in the XY plane (z ignored), in [0, 2π).
double AngleInXYPlane(const ZcGePoint3d& from, const ZcGePoint3d& to);
/// (x + r cos t, y + r sin t, z).
ZcGePoint3d PolarPoint(const ZcGePoint3d& point, double angle, double distance);

#endif
