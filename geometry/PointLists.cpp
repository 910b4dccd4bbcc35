// Nearest and farthest points of an array, and polylines through a point list.
#include "geometry/PointLists.h"

#include "db/ZcDbPolyline.h"
#include "ed/ErrorStatus.h"
#include "framework/ZWDrawer.h"

namespace {
ZcDbPolyline* PolylineThrough(const ZcGePoint3dArray& points) {
  auto* pl = new ZcDbPolyline();
  for (int i = 0; i < points.length(); ++i)
    pl->addVertexAt(static_cast<unsigned>(i), ZcGePoint2d(points[i].x, points[i].y), 0.0, -1.0, -1.0);
  return pl;
}
}  // namespace

ZcGePoint3d FindNearestPoint(const ZcGePoint3dArray& points, const ZcGePoint3d& p) {
  int index = -1;
  return FindNearestPointIndex(points, p, index) ? p : points[index];
}

int FindNearestPointIndex(const ZcGePoint3dArray& points, const ZcGePoint3d& p, int& index) {
  index = -1;
  if (points.isEmpty()) return Zcad::eNoInputFiles;
  index = 0;
  for (int i = 1; i < points.length(); ++i)
    if (points[i].distanceTo(p) < points[index].distanceTo(p)) index = i;
  return 0;
}

ZcGePoint3d FindFarthestPoint(const ZcGePoint3dArray& points, const ZcGePoint3d& p) {
  if (points.isEmpty()) return p;
  int best = 0;
  for (int i = 1; i < points.length(); ++i)
    if (points[i].distanceTo(p) > points[best].distanceTo(p)) best = i;
  return points[best];
}

int CreatePolylineFromPoints(const ZcGePoint3dArray& points) {
  ZcDbPolyline* pl = PolylineThrough(points);
  if (ZWDrawer::Add(pl)) {
    delete pl;
    return Zcad::eInvalidDwgVersion;
  }
  return pl->close();
}

int CreatePolylineFromPointsInOwner(const ZcGePoint3dArray& points, ZcDbObjectId owner) {
  ZcDbPolyline* pl = PolylineThrough(points);
  if (int es = AppendToModelSpace(pl, owner)) {
    delete pl;
    return es;
  }
  return pl->close();
}
