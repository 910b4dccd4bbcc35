// The drawing as the editor sees it: visible top-level entities (all of them, or those the
// spatial index finds near a box), their paths as kernel curves (lines, arcs, circles,
// ellipses, polylines with bulges, splines, region loops), window tests on those paths
// (a block reference's through its contents), the pick box and the drawing's extents.
#include "editor/Entities.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "db/ZcDb2dPolyline.h"
#include "db/ExtentsCache.h"
#include "db/ZcDbArc.h"
#include "db/ZcDbBlockReference.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbEllipse.h"
#include "db/ZcDbLine.h"
#include "db/ZcDbPoint.h"
#include "db/ZcDbPolyline.h"
#include "db/ZcDbRegion.h"
#include "db/ZcDbSpline.h"
#include "db/SpatialIndex.h"
#include "db/ZcDbSymbolTable.h"
#include "ed/SystemVariables.h"
#include "editor/Editor.h"
#include "ge/ZcGeBulgePolyline3d.h"
#include "ge/ZcGeCircArc3d.h"
#include "ge/ZcGeEllipArc3d.h"
#include "ge/ZcGeLineSeg3d.h"
#include "ge/ZcGeNurbCurve3d.h"

namespace editor {

namespace {

using Paths = std::vector<std::unique_ptr<ZcGeCurve3d>>;

template <class T>
const T* As(const ZcDbEntity* e) {
  return e->isKindOf(T::desc()) ? static_cast<const T*>(e) : nullptr;
}

std::unique_ptr<ZcGeCurve3d> PolylinePath(const ZcDbPolyline* pl) {
  std::vector<ZcGePoint3d> points;
  std::vector<double> bulges;
  for (unsigned i = 0; i < pl->numVerts(); ++i) {
    ZcGePoint3d p;
    double b = 0.0;
    pl->getPointAt(i, p);
    pl->getBulgeAt(i, b);
    points.push_back(p);
    bulges.push_back(b);
  }
  std::vector<ZcGePoint2d> flat;
  for (const ZcGePoint3d& p : points) flat.emplace_back(p.x, p.y);
  return std::make_unique<ZcGeBulgePolyline3d>(flat, bulges, pl->isClosed(), pl->elevation(), pl->normal());
}

std::unique_ptr<ZcGeCurve3d> VertexPolylinePath(const ZcDbVertexPolyline* pl) {
  std::vector<ZcGePoint2d> flat;
  std::vector<double> bulges;
  bool flatForm = true;
  for (unsigned i = 0; i < pl->numVerts(); ++i) {
    const auto& v = pl->vertexAt(i);
    flat.emplace_back(v.p.x, v.p.y);
    bulges.push_back(v.bulge);
    if (v.p.z != pl->vertexAt(0).p.z) flatForm = false;
  }
  if (flatForm)
    return std::make_unique<ZcGeBulgePolyline3d>(flat, bulges, pl->isClosed(),
                                                 pl->numVerts() ? pl->vertexAt(0).p.z : 0.0);
  std::vector<ZcGePoint3d> points;
  for (unsigned i = 0; i < pl->numVerts(); ++i) points.push_back(pl->vertexAt(i).p);
  return std::make_unique<ZcGeBulgePolyline3d>(points, pl->isClosed());
}

std::unique_ptr<ZcGeCurve3d> SplinePath(const ZcDbSpline* sp) {
  int degree;
  bool rational, closed, periodic;
  ZcGePoint3dArray cps;
  ZcGeDoubleArray knots, weights;
  if (sp->getNurbsData(degree, rational, closed, periodic, cps, knots, weights) != Zcad::eOk) return nullptr;
  std::vector<ZcGePoint3d> points(cps.begin(), cps.end());
  std::vector<double> k(knots.begin(), knots.end()), w(weights.begin(), weights.end());
  auto curve = std::make_unique<ZcGeNurbCurve3d>();
  if (curve->setNurbsData(degree, k, points, w, periodic) != Zcad::eOk) return nullptr;
  return curve;
}

// A region's exact boundary edges.
void RegionPaths(const ZcDbRegion* region, Paths& out) {
  ZcGeCurve3dArray edges;
  region->geRegion().explode(edges);
  for (auto& e : edges) out.push_back(std::move(e));
}

// The entity's box, for entities without a path; false when it has none.
bool BoxOf(const ZcDbEntity* e, Box& box) {
  ZcDbExtents ext;
  if (e->getGeomExtents(ext) != Zcad::eOk || ext.isEmpty()) return false;
  box = Box(ext.minPoint(), ext.maxPoint());
  return true;
}

bool BoxesOverlap(const Box& a, const Box& b) {
  return a.lo.x <= b.hi.x && b.lo.x <= a.hi.x && a.lo.y <= b.hi.y && b.lo.y <= a.hi.y;
}

// A reference is seen through its contents (placed, nested references opened) and its
// visible attributes: `test` is asked of each part that is not invisible, until it says so.
template <class Test>
bool AnyPartOf(const ZcDbBlockReference* ref, Test test) {
  std::shared_ptr<const zcdb::PlacedContents> contents = ref->placedContents();
  for (std::size_t i = 0; i < contents->size(); ++i) {
    const ZcDbEntity* part = contents->entity(i);
    if (part && part->visibility() != ZcDb::kInvisible && test(part)) return true;
  }
  for (ZcDbObjectId id : ref->attributeIds()) {
    ZcDbEntity* a = nullptr;
    if (zcdbOpenZcDbEntity(a, id, ZcDb::kForRead) != Zcad::eOk) continue;
    bool hit = IsVisible(a) && test(a);
    a->close();
    if (hit) return true;
  }
  return false;
}

}  // namespace

ZcDbDatabase* Drawing() { return zcdbHostApplicationServices()->workingDatabase(); }

std::vector<ZcDbObjectId> TopLevelEntities(bool paperSpace) {
  std::vector<ZcDbObjectId> ids;
  ZcDbDatabase* db = Drawing();
  if (!db) return ids;
  for (ZcDbObjectId space : {db->modelSpaceId(), paperSpace ? db->paperSpaceId() : ZcDbObjectId()}) {
    ZcDbBlockTableRecord* record = nullptr;
    if (space.isNull() || zcdbOpenObject(record, space, ZcDb::kForRead) != Zcad::eOk) continue;
    for (ZcDbObjectId id : record->entityIds())
      if (!id.isErased()) ids.push_back(id);
    record->close();
  }
  return ids;
}

std::vector<zcdb::NearEntity> EntitiesNear(const Box& box) {
  ZcDbDatabase* db = Drawing();
  std::vector<zcdb::NearEntity> found;
  if (!db) return found;
  for (const zcdb::NearEntity& n : zcdb::EntitiesNear(db, db->modelSpaceId(), box.lo, box.hi))
    if (!n.id.isErased()) found.push_back(n);
  return found;
}

int DecidedByExtents(const zcdb::NearEntity& n, const Box& box, bool crossing) {
  if (!n.boxed) return -1;
  // The paths' own extents may differ from the entity's by rounding: only a margin decides.
  double scale = std::max({std::abs(n.lo.x), std::abs(n.lo.y), std::abs(n.hi.x), std::abs(n.hi.y), 1.0});
  double m = 1e-9 * scale;
  if (n.lo.x - m >= box.lo.x && n.lo.y - m >= box.lo.y && n.hi.x + m <= box.hi.x && n.hi.y + m <= box.hi.y) return 1;
  if (!crossing && (n.lo.x + m < box.lo.x || n.lo.y + m < box.lo.y || n.hi.x - m > box.hi.x || n.hi.y - m > box.hi.y))
    return 0;
  return -1;
}

bool ModelBounds(Box& box) {
  ZcDbDatabase* db = Drawing();
  ZcGePoint3d lo, hi;
  if (!db || !zcdb::LayoutBounds(db, db->modelSpaceId(), lo, hi)) return false;
  box = Box(lo, hi);
  return true;
}

bool IsVisible(const ZcDbEntity* e) {
  if (!e || e->visibility() == ZcDb::kInvisible) return false;
  ZcDbLayerTableRecord* layer = nullptr;
  if (zcdbOpenObject(layer, e->layerId(), ZcDb::kForRead) != Zcad::eOk) return true;
  bool shown = !layer->isOff() && !layer->isFrozen();
  layer->close();
  return shown;
}

Paths PathsOf(const ZcDbEntity* e) {
  Paths paths;
  if (!e) return paths;
  if (auto* line = As<ZcDbLine>(e)) {
    paths.push_back(std::make_unique<ZcGeLineSeg3d>(line->startPoint(), line->endPoint()));
  } else if (auto* arc = As<ZcDbArc>(e)) {
    if (auto path = arc->toGeCurve()) paths.push_back(std::move(path));
  } else if (auto* circle = As<ZcDbCircle>(e)) {
    paths.push_back(std::make_unique<ZcGeCircArc3d>(circle->center(), circle->normal(), circle->radius()));
  } else if (auto* ellipse = As<ZcDbEllipse>(e)) {
    paths.push_back(std::make_unique<ZcGeEllipArc3d>(ellipse->center(), ellipse->normal(), ellipse->majorAxis(),
                                                     ellipse->radiusRatio(), ellipse->startAngle(),
                                                     ellipse->endAngle()));
  } else if (auto* pl = As<ZcDbPolyline>(e)) {
    paths.push_back(PolylinePath(pl));
  } else if (auto* vpl = As<ZcDbVertexPolyline>(e)) {
    paths.push_back(VertexPolylinePath(vpl));
  } else if (auto* sp = As<ZcDbSpline>(e)) {
    if (auto path = SplinePath(sp)) paths.push_back(std::move(path));
  } else if (auto* region = As<ZcDbRegion>(e)) {
    RegionPaths(region, paths);
  }
  return paths;
}

bool EntityInWindow(const ZcDbEntity* e, const Box& box) {
  Paths paths = PathsOf(e);
  if (paths.empty()) {
    Box own(ZcGePoint3d::kOrigin, ZcGePoint3d::kOrigin);
    return BoxOf(e, own) && box.Contains(own.lo) && box.Contains(own.hi);
  }
  for (const auto& p : paths)
    if (!CurveInWindow(*p, box)) return false;
  return true;
}

bool EntityCrossesWindow(const ZcDbEntity* e, const Box& box) {
  if (auto* ref = As<ZcDbBlockReference>(e))  // by its contents, not its box
    return AnyPartOf(ref, [&](const ZcDbEntity* part) { return EntityCrossesWindow(part, box); });
  if (auto* sp = As<ZcDbSpline>(e)) {  // most splines are decided on their control points
    int degree;
    bool rational, closed, periodic;
    ZcGePoint3dArray cps;
    ZcGeDoubleArray knots, weights;
    bool flat = sp->getNurbsData(degree, rational, closed, periodic, cps, knots, weights) == Zcad::eOk && !periodic;
    for (const ZcGePoint3d& p : cps) flat = flat && p.z == 0.0;  // in the plane of the window's edges
    if (flat) {
      int meets = NurbsMeetsBox(degree, std::vector<double>(knots.begin(), knots.end()),
                                std::vector<ZcGePoint3d>(cps.begin(), cps.end()),
                                rational ? std::vector<double>(weights.begin(), weights.end()) : std::vector<double>(),
                                box);
      if (meets >= 0) return meets == 1;
    }
  }
  auto* pl = As<ZcDbPolyline>(e);
  if (pl && pl->elevation() == 0.0 && pl->normal() == ZcGeVector3d::kZAxis) {  // decided segment by segment
    std::vector<ZcGePoint3d> vertices(pl->numVerts());
    std::vector<double> bulges(pl->numVerts());
    for (unsigned i = 0; i < pl->numVerts(); ++i) {
      pl->getPointAt(i, vertices[i]);
      pl->getBulgeAt(i, bulges[i]);
    }
    int meets = PolylineMeetsBox(vertices, bulges, pl->isClosed(), box);
    if (meets >= 0) return meets == 1;
  }
  Paths paths = PathsOf(e);
  if (paths.empty()) {
    Box own(ZcGePoint3d::kOrigin, ZcGePoint3d::kOrigin);
    return BoxOf(e, own) && BoxesOverlap(own, box);
  }
  for (const auto& p : paths)
    if (CurveCrossesWindow(*p, box)) return true;
  return false;
}

double PickBoxHalfSize() {
  resbuf rb{};
  int pixels = zcedGetVar(L"PICKBOX", &rb) == RTNORM ? rb.resval.rint : 3;
  return std::max(pixels, 1) * CurrentView().height / 900.0;
}

double DistanceTo(const ZcDbEntity* e, const ZcGePoint3d& wcs) {
  double best = std::numeric_limits<double>::max();
  if (auto* ref = As<ZcDbBlockReference>(e)) {  // the nearest of its contents
    AnyPartOf(ref, [&](const ZcDbEntity* part) {
      best = std::min(best, DistanceTo(part, wcs));
      return false;
    });
    return best;
  }
  Paths paths = PathsOf(e);
  for (const auto& p : paths) {
    ZcGePoint3d closest;
    if (p->getClosestPointTo(wcs, closest) == Zcad::eOk) best = std::min(best, closest.distanceTo(wcs));
  }
  Box own(ZcGePoint3d::kOrigin, ZcGePoint3d::kOrigin);
  if (paths.empty() && BoxOf(e, own)) {
    double dx = std::max({own.lo.x - wcs.x, 0.0, wcs.x - own.hi.x});
    double dy = std::max({own.lo.y - wcs.y, 0.0, wcs.y - own.hi.y});
    best = std::hypot(dx, dy);
  }
  return best;
}

ZcDbObjectId EntityAt(const ZcGePoint3d& wcs) {
  const double h = PickBoxHalfSize();
  const Box pickBox({wcs.x - h, wcs.y - h, 0.0}, {wcs.x + h, wcs.y + h, 0.0});
  ZcDbObjectId found;
  double best = std::numeric_limits<double>::max();
  for (const zcdb::NearEntity& near : EntitiesNear(pickBox)) {
    const ZcDbObjectId id = near.id;
    ZcDbEntity* e = nullptr;
    if (zcdbOpenZcDbEntity(e, id, ZcDb::kForRead) != Zcad::eOk) continue;
    if (IsVisible(e) && EntityCrossesWindow(e, pickBox)) {
      double d = DistanceTo(e, wcs);
      if (d <= best + 1e-9) {
        best = std::min(best, d);
        found = id;
      }
    }
    e->close();
  }
  return found;
}

bool DrawingExtents(ZcGePoint3d& lo, ZcGePoint3d& hi) {
  ZcDbExtents all;
  for (ZcDbObjectId id : TopLevelEntities()) {
    ZcDbEntity* e = nullptr;
    if (zcdbOpenZcDbEntity(e, id, ZcDb::kForRead) != Zcad::eOk) continue;
    ZcDbExtents ext;
    if (IsVisible(e) && e->getGeomExtents(ext) == Zcad::eOk) all.addExt(ext);
    e->close();
  }
  if (all.isEmpty()) return false;
  lo = all.minPoint();
  hi = all.maxPoint();
  return true;
}

}  // namespace editor
