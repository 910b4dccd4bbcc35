// The drawing fixture of the geometry helpers' tests: a fresh drawing plus builders of the
// curves they work on (bulge polylines, fit-point splines, arcs about either normal).
#ifndef TESTS_GEOMETRY_GEOMETRYTEST_H
#define TESTS_GEOMETRY_GEOMETRYTEST_H

#include <cmath>
#include <vector>

#include "DrawingFixture.h"
#include "db/ZcDbSpline.h"

class GeometryTest : public DrawingTest {
protected:
  static ZcDbObjectIdArray Ids(std::vector<ZcDbObjectId> ids) {
    ZcDbObjectIdArray out;
    for (ZcDbObjectId id : ids) out.append(id);
    return out;
  }
  ZcDbObjectId AddArcAbout(const ZcGeVector3d& normal, const ZcGePoint3d& c, double r, double from, double to) {
    return Add(new ZcDbArc(c, normal, r, from, to));
  }
  ZcDbObjectId AddBulgePolyline(const std::vector<std::pair<ZcGePoint2d, double>>& verts, bool closed = false) {
    auto* pl = new ZcDbPolyline();
    for (unsigned i = 0; i < verts.size(); ++i) pl->addVertexAt(i, verts[i].first, verts[i].second);
    pl->setClosed(closed);
    return Add(pl);
  }
  ZcDbObjectId AddSpline(const std::vector<ZcGePoint3d>& fit, ZcGeVector3d start = {}, ZcGeVector3d end = {}) {
    ZcGePoint3dArray points;
    for (const ZcGePoint3d& p : fit) points.append(p);
    auto* s = new ZcDbSpline();
    s->setFitData(points, 3, 0.0, start, end);
    return Add(s);
  }
  static ZcGePoint3d StartOf(ZcDbObjectId id) {
    ZcDbCurve* c = nullptr;
    ZcGePoint3d p;
    if (zcdbOpenObject(c, id, ZcDb::kForRead) == Zcad::eOk) c->getStartPoint(p), c->close();
    return p;
  }
  static ZcGePoint3d EndOf(ZcDbObjectId id) {
    ZcDbCurve* c = nullptr;
    ZcGePoint3d p;
    if (zcdbOpenObject(c, id, ZcDb::kForRead) == Zcad::eOk) c->getEndPoint(p), c->close();
    return p;
  }
  static bool Near(const ZcGePoint3d& a, const ZcGePoint3d& b, double tol = 1e-9) { return a.distanceTo(b) <= tol; }
};

#endif
