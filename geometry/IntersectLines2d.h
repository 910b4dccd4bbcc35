// The crossing of two infinite lines in the XY plane, used when two curves are joined
// through the tangents at their facing ends.
#ifndef GEOMETRY_INTERSECTLINES2D_H
#define GEOMETRY_INTERSECTLINES2D_H

#include "ge/ZcGePoint3d.h"

/// The crossing of line A (a0, a1) with line B (b0, b1), only x and y deciding, z taken
/// along line A. False (point unchanged) when they are parallel (|D| ≤ 1e-11 with B's
/// direction a unit vector) or B has no direction.
bool IntersectLines2d(const ZcGePoint3d& a0, const ZcGePoint3d& a1, const ZcGePoint3d& b0, const ZcGePoint3d& b1,
                      ZcGePoint3d& point);

#endif
