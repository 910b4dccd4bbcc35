// The curve protocol, answered by the geometry kernel's curve of each entity; and the
// intersections of entities (curves through the kernel, points by distance, block
// references through their contents).
#include "db/ZcDbCurve.h"

#include "db/DbInternal.h"
#include "db/ExtentsCache.h"
#include "db/ZcDb2dPolyline.h"
#include "db/ZcDbArc.h"
#include "db/ZcDbBlockReference.h"
#include "db/ZcDbEllipse.h"
#include "db/ZcDbLine.h"
#include "db/ZcDbPoint.h"
#include "db/ZcDbPolyline.h"
#include "db/ZcDbRegion.h"
#include "db/ZcDbSpline.h"
#include "ge/ZcGeBulgePolyline3d.h"
#include "ge/ZcGeCircArc3d.h"
#include "ge/ZcGeEllipArc3d.h"
#include "ge/ZcGeLineSeg3d.h"
#include "ge/ZcGeNurbCurve3d.h"
#include "ge/ZcGeRegion.h"

ZCRX_DEFINE_MEMBERS(ZcDbCurve, ZcDbEntity)

namespace {
// Runs `query` on the entity's kernel curve; eDegenerateGeometry without one.
template <class F>
Zcad::ErrorStatus Ask(const ZcDbCurve* c, F query) {
  // A spline keeps its kernel curve: it is asked in place rather than through a copy.
  if (c->isA() == ZcDbSpline::desc()) {
    const ZcGeCurve3d* kept = static_cast<const ZcDbSpline*>(c)->keptGeCurve();
    return kept ? query(*kept) : Zcad::eDegenerateGeometry;
  }
  std::unique_ptr<ZcGeCurve3d> ge = c->toGeCurve();
  if (!ge) return Zcad::eDegenerateGeometry;
  return query(*ge);
}

// Kernel curves to entities with the source's properties.
Zcad::ErrorStatus ToEntities(const ZcDbCurve* source, Zcad::ErrorStatus es, ZcGeCurve3dArray& ge,
                             std::vector<ZcDbCurve*>& out) {
  if (es != Zcad::eOk) return es;
  for (auto& g : ge) {
    ZcDbCurve* c = ZcDbCurve::createFromGeCurve(*g);
    if (!c) continue;
    c->setPropertiesFrom(source);
    out.push_back(c);
  }
  return Zcad::eOk;
}
}  // namespace

ZcDbCurve* ZcDbCurve::createFromGeCurve(const ZcGeCurve3d& curve) {
  ZcDbCurve* c = nullptr;
  switch (curve.kind()) {
    case ZcGeCurve3d::kLineSeg: c = new ZcDbLine; break;
    case ZcGeCurve3d::kCircArc:
      c = static_cast<const ZcGeCircArc3d&>(curve).isFullCircle() ? static_cast<ZcDbCurve*>(new ZcDbCircle)
                                                                   : new ZcDbArc;
      break;
    case ZcGeCurve3d::kEllipArc: c = new ZcDbEllipse; break;
    case ZcGeCurve3d::kBulgePolyline:
      c = static_cast<const ZcGeBulgePolyline3d&>(curve).is3d() ? static_cast<ZcDbCurve*>(new ZcDb3dPolyline)
                                                                 : new ZcDbPolyline;
      break;
    case ZcGeCurve3d::kNurbCurve: c = new ZcDbSpline; break;
  }
  if (c && c->setFromGeCurve(curve) != Zcad::eOk) {
    delete c;
    c = nullptr;
  }
  return c;
}

bool ZcDbCurve::isClosed() const {
  std::unique_ptr<ZcGeCurve3d> ge = toGeCurve();
  return ge && ge->isClosed();
}
bool ZcDbCurve::isPeriodic() const {
  std::unique_ptr<ZcGeCurve3d> ge = toGeCurve();
  return ge && ge->isPeriodic();
}

Zcad::ErrorStatus ZcDbCurve::getStartParam(double& p) const {
  return Ask(this, [&](const ZcGeCurve3d& g) { return g.getStartParam(p); });
}
Zcad::ErrorStatus ZcDbCurve::getEndParam(double& p) const {
  return Ask(this, [&](const ZcGeCurve3d& g) { return g.getEndParam(p); });
}
Zcad::ErrorStatus ZcDbCurve::getStartPoint(ZcGePoint3d& p) const {
  return Ask(this, [&](const ZcGeCurve3d& g) { return g.getStartPoint(p); });
}
Zcad::ErrorStatus ZcDbCurve::getEndPoint(ZcGePoint3d& p) const {
  return Ask(this, [&](const ZcGeCurve3d& g) { return g.getEndPoint(p); });
}
Zcad::ErrorStatus ZcDbCurve::getPointAtParam(double param, ZcGePoint3d& p) const {
  return Ask(this, [&](const ZcGeCurve3d& g) { return g.getPointAtParam(param, p); });
}
Zcad::ErrorStatus ZcDbCurve::getParamAtPoint(const ZcGePoint3d& p, double& param) const {
  return Ask(this, [&](const ZcGeCurve3d& g) { return g.getParamAtPoint(p, param); });
}
Zcad::ErrorStatus ZcDbCurve::getDistAtParam(double param, double& dist) const {
  return Ask(this, [&](const ZcGeCurve3d& g) { return g.getDistAtParam(param, dist); });
}
Zcad::ErrorStatus ZcDbCurve::getParamAtDist(double dist, double& param) const {
  return Ask(this, [&](const ZcGeCurve3d& g) { return g.getParamAtDist(dist, param); });
}
Zcad::ErrorStatus ZcDbCurve::getDistAtPoint(const ZcGePoint3d& p, double& dist) const {
  return Ask(this, [&](const ZcGeCurve3d& g) { return g.getDistAtPoint(p, dist); });
}
Zcad::ErrorStatus ZcDbCurve::getPointAtDist(double dist, ZcGePoint3d& p) const {
  return Ask(this, [&](const ZcGeCurve3d& g) { return g.getPointAtDist(dist, p); });
}
Zcad::ErrorStatus ZcDbCurve::getFirstDeriv(double param, ZcGeVector3d& d) const {
  return Ask(this, [&](const ZcGeCurve3d& g) { return g.getFirstDeriv(param, d); });
}
Zcad::ErrorStatus ZcDbCurve::getFirstDeriv(const ZcGePoint3d& p, ZcGeVector3d& d) const {
  return Ask(this, [&](const ZcGeCurve3d& g) { return g.getFirstDeriv(p, d); });
}
Zcad::ErrorStatus ZcDbCurve::getSecondDeriv(double param, ZcGeVector3d& d) const {
  return Ask(this, [&](const ZcGeCurve3d& g) { return g.getSecondDeriv(param, d); });
}
Zcad::ErrorStatus ZcDbCurve::getClosestPointTo(const ZcGePoint3d& given, ZcGePoint3d& closest,
                                               bool extend) const {
  return Ask(this, [&](const ZcGeCurve3d& g) { return g.getClosestPointTo(given, closest, extend); });
}

Zcad::ErrorStatus ZcDbCurve::getArea(double& area) const {
  return Ask(this, [&](const ZcGeCurve3d& g) {
    if (!g.isClosed()) return Zcad::eNotApplicable;
    ZcGeCurve3dArray one;
    one.push_back(g.copy());
    ZcGeRegion region;
    Zcad::ErrorStatus es = ZcGeRegion::fromLoop(std::move(one), region);
    return es == Zcad::eOk ? region.getArea(area) : es;
  });
}

Zcad::ErrorStatus ZcDbCurve::getOffsetCurves(double dist, std::vector<ZcDbCurve*>& curves) const {
  return Ask(this, [&](const ZcGeCurve3d& g) {
    ZcGeCurve3dArray out;
    return ToEntities(this, g.getOffsetCurves(dist, out), out, curves);
  });
}

Zcad::ErrorStatus ZcDbCurve::getSplitCurves(const ZcGeDoubleArray& params, std::vector<ZcDbCurve*>& curves) const {
  return Ask(this, [&](const ZcGeCurve3d& g) {
    ZcGeCurve3dArray out;
    std::vector<double> at(params.begin(), params.end());
    return ToEntities(this, g.getSplitCurves(at, out), out, curves);
  });
}

Zcad::ErrorStatus ZcDbCurve::getSplitCurves(const ZcGePoint3dArray& points, std::vector<ZcDbCurve*>& curves) const {
  return Ask(this, [&](const ZcGeCurve3d& g) {
    ZcGeCurve3dArray out;
    std::vector<ZcGePoint3d> at(points.begin(), points.end());
    return ToEntities(this, g.getSplitCurves(at, out), out, curves);
  });
}

Zcad::ErrorStatus ZcDbCurve::extend(bool atStart, const ZcGePoint3d& point) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  std::unique_ptr<ZcGeCurve3d> ge = toGeCurve();
  if (!ge) return Zcad::eDegenerateGeometry;
  Zcad::ErrorStatus es = ge->extend(atStart, point);
  return es == Zcad::eOk ? setFromGeCurve(*ge) : es;
}

Zcad::ErrorStatus ZcDbCurve::reverseCurve() {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  std::unique_ptr<ZcGeCurve3d> ge = toGeCurve();
  if (!ge) return Zcad::eDegenerateGeometry;
  Zcad::ErrorStatus es = ge->reverse();
  return es == Zcad::eOk ? setFromGeCurve(*ge) : es;
}

Zcad::ErrorStatus ZcDbCurve::getGeomExtents(ZcDbExtents& extents) const {
  Zcad::ErrorStatus kept = Zcad::eOk;
  if (zcdb::RecallExtents(this, false, kept, extents)) return kept;
  Zcad::ErrorStatus es = Ask(this, [&](const ZcGeCurve3d& g) {
    ZcGePoint3d lo, hi;
    Zcad::ErrorStatus found = g.getGeomExtents(lo, hi);
    if (found == Zcad::eOk) extents = ZcDbExtents(lo, hi);
    return found;
  });
  if (es == Zcad::eOk) zcdb::KeepExtents(this, es, extents);
  return es;
}

// --- Intersections ---------------------------------------------------------------------------

namespace {
// The kernel curves standing for an entity: a curve's own, a region's boundary edges.
bool KernelCurves(const ZcDbEntity* e, ZcGeCurve3dArray& out) {
  if (auto* c = dynamic_cast<const ZcDbCurve*>(e)) {
    if (auto g = c->toGeCurve()) out.push_back(std::move(g));
    return true;
  }
  if (auto* r = dynamic_cast<const ZcDbRegion*>(e)) {
    r->geRegion().explode(out);
    return true;
  }
  return false;
}

constexpr double kPointOnCurve = 1e-9;
}  // namespace

Zcad::ErrorStatus ZcDbEntity::intersectWith(const ZcDbEntity* other, ZcDb::Intersect type,
                                            ZcGePoint3dArray& points) const {
  if (!other) return Zcad::eNullEntityPointer;
  if (other->isKindOf(ZcDbBlockReference::desc())) {
    // A reference meets this entity where its contents do.
    // Its contents are placed once per state of the reference; parts whose boxes are apart
    // from this entity's are passed over when neither is extended.
    auto* ref = static_cast<const ZcDbBlockReference*>(other);
    ZcDbExtents box, whole;
    const bool boxed = zcdb::Caching() && type == ZcDb::kOnBothOperands && getGeomExtents(box) == Zcad::eOk &&
                       !box.isEmpty();
    if (boxed && ref->getGeomExtents(whole) == Zcad::eOk &&
        zcdb::BoxesApart(whole.minPoint(), whole.maxPoint(), box.minPoint(), box.maxPoint()))
      return Zcad::eOk;
    std::shared_ptr<const zcdb::PlacedContents> contents = ref->placedContents();
    for (std::size_t i = 0; i < contents->size(); ++i) {
      if (boxed && contents->boxed(i) &&
          zcdb::BoxesApart(contents->lo(i), contents->hi(i), box.minPoint(), box.maxPoint()))
        continue;
      const ZcDbEntity* part = contents->entity(i);
      if (!part) continue;
      Zcad::ErrorStatus es = intersectWith(part, type, points);
      if (es != Zcad::eOk && es != Zcad::eNotApplicable) return es;
    }
    return Zcad::eOk;
  }
  auto* myPoint = dynamic_cast<const ZcDbPoint*>(this);
  auto* theirPoint = dynamic_cast<const ZcDbPoint*>(other);
  ZcGeCurve3dArray mine, theirs;
  bool mineOk = myPoint || KernelCurves(this, mine);
  bool theirsOk = theirPoint || KernelCurves(other, theirs);
  if (!mineOk || !theirsOk) return Zcad::eNotApplicable;  // texts and the like meet nothing
  if (myPoint || theirPoint) {
    // A point entity meets what passes through it.
    if (myPoint && theirPoint) {
      if (myPoint->position().distanceTo(theirPoint->position()) <= kPointOnCurve)
        points.append(myPoint->position());
      return Zcad::eOk;
    }
    ZcGePoint3d p = myPoint ? myPoint->position() : theirPoint->position();
    bool extendCurve = myPoint ? (type == ZcDb::kExtendArg || type == ZcDb::kExtendBoth)
                               : (type == ZcDb::kExtendThis || type == ZcDb::kExtendBoth);
    for (auto& c : myPoint ? theirs : mine) {
      ZcGePoint3d q;
      if (c->getClosestPointTo(p, q, extendCurve) == Zcad::eOk && q.distanceTo(p) <= kPointOnCurve) {
        points.append(p);
        break;
      }
    }
    return Zcad::eOk;
  }
  auto mode = static_cast<ZcGeCurve3d::ExtendMode>(type);
  for (auto& a : mine)
    for (auto& b : theirs) {
      std::vector<ZcGePoint3d> found;
      Zcad::ErrorStatus es = a->intersectWith(*b, mode, found);
      if (es != Zcad::eOk) return es;
      for (const ZcGePoint3d& p : found) points.append(p);
    }
  return Zcad::eOk;
}
