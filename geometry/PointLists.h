// Picking points out of point arrays and building polylines through them; used by the
// corner, notch and layout code that collects crossing points and outlines.
#ifndef GEOMETRY_POINTLISTS_H
#define GEOMETRY_POINTLISTS_H

#include "db/ZcDbObjectId.h"
#include "ge/ZcGePoint3d.h"

/// The array point nearest to P (the first of equals); P itself for an empty array.
ZcGePoint3d FindNearestPoint(const ZcGePoint3dArray& points, const ZcGePoint3d& p);
/// The index of that point: 0, or 130 with index -1 for an empty array.
int FindNearestPointIndex(const ZcGePoint3dArray& points, const ZcGePoint3d& p, int& index);
/// The array point farthest from P (the first of equals); P itself for an empty array.
ZcGePoint3d FindFarthestPoint(const ZcGePoint3dArray& points, const ZcGePoint3d& p);

/// A new open lightweight polyline through the points (x, y; bulges 0, default widths) in
/// model space: the status of its close, or the drawer's status (nothing left behind).
int CreatePolylineFromPoints(const ZcGePoint3dArray& points);
/// The same, appended to the block table record `owner`.
int CreatePolylineFromPointsInOwner(const ZcGePoint3dArray& points, ZcDbObjectId owner);

#endif
