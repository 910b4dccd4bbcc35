// The curve wrapper: measuring, closest points, offsets, splits, extension and the exact
// polyline copy of a curve. Queries read the held object; changes open it by its id.
#include "geometry/UI_Curve.h"

#include <cmath>

#include "db/ZcDb2dPolyline.h"
#include "db/ZcDbArc.h"
#include "db/ZcDbEllipse.h"
#include "db/ZcDbLine.h"
#include "db/ZcDbPoint.h"
#include "db/ZcDbPolyline.h"
#include "ed/ErrorStatus.h"
#include "ed/SelectionSets.h"
#include "framework/Printer.h"
#include "framework/UI_Entity.h"
#include "framework/UI_Group.h"
#include "framework/ZWDrawer.h"

namespace {
constexpr double kPi = 3.141592653589793;

const ZcDbPoint* AsPoint(const ZcDbEntity* e) {
  return e && e->isKindOf(ZcDbPoint::desc()) ? static_cast<const ZcDbPoint*>(e) : nullptr;
}

// A new entity into model space, closed: its id, or the drawer's status.
int AddClosed(ZcDbEntity* e, ZcDbObjectId& id) {
  if (int es = ZWDrawer::Add(e)) return es;
  id = e->objectId();
  e->close();
  return 0;
}
}  // namespace

bool UI_Curve::Attach(ZcDbObjectId id) {
  ZcDbEntity* e = nullptr;
  if (zcdbOpenObject(e, id, ZcDb::kForRead) != Zcad::eOk) return false;
  e->close();
  if (!e->isKindOf(ZcDbCurve::desc()) && !AsPoint(e)) return false;
  m_entity = e;
  return true;
}

bool UI_Curve::PickCurve(const CString& prompt) {
  for (;;) {
    ads_name name;
    ads_point picked;
    const int result = zcedEntSel(prompt, name, picked);
    if (result == RTERROR) continue;  // a pick of nothing: the host said so, ask again
    if (result != RTNORM) return false;
    ZcDbObjectId id;
    ZcDbCurve* c = nullptr;
    if (zcdbGetObjectId(id, name) != Zcad::eOk) return false;
    Zcad::ErrorStatus es = zcdbOpenObject(c, id, ZcDb::kForRead);
    if (es == Zcad::eNotThatKindOfClass) continue;
    if (es != Zcad::eOk) return false;
    c->close();
    m_entity = c;
    return true;
  }
}

ZcDbCurve* UI_Curve::Curve() const {
  return m_entity && m_entity->isKindOf(ZcDbCurve::desc()) ? static_cast<ZcDbCurve*>(m_entity) : nullptr;
}

double UI_Curve::GetLength() {
  if (AsPoint(m_entity)) return 0.0;
  ZcDbCurve* c = Curve();
  if (!c) return -1.0;
  if (c->isPeriodic()) {
    if (c->isKindOf(ZcDbCircle::desc())) return 2 * kPi * static_cast<ZcDbCircle*>(c)->radius();
    if (c->isKindOf(ZcDbEllipse::desc())) {
      auto* el = static_cast<ZcDbEllipse*>(c);
      double a = el->majorAxis().length(), b = a * el->radiusRatio();
      return kPi * (1.5 * (a + b) - std::sqrt(a * b));
    }
  }
  // The distance at the end parameter: a closed curve's end point is its start, where
  // the distance at a point reads 0.
  double end = 0.0, length = 0.0;
  if ((m_status = c->getEndParam(end)) || (m_status = c->getDistAtParam(end, length))) return -1.0;
  return length;
}

double UI_Curve::DistanceToPoint(const ZcGePoint3d& p) {
  ZcGePoint3d q;
  return GetClosestPoint(p, q) ? -1.0 : q.distanceTo(p);
}

int UI_Curve::GetClosestPoint(const ZcGePoint3d& p, ZcGePoint3d& closest) {
  if (const ZcDbPoint* pt = AsPoint(m_entity)) {
    closest = pt->position();
    return m_status = 0;
  }
  ZcDbCurve* c = Curve();
  if (!c) return m_status = 374;
  return m_status = c->getClosestPointTo(p, closest, false);
}

int UI_Curve::GetClosestPointAndNormal(const ZcGePoint3d& p, ZcGePoint3d& closest, ZcGeVector3d& normal) {
  normal = ZcGeVector3d();
  if (int es = GetClosestPoint(p, closest)) return es;
  ZcDbCurve* c = Curve();
  if (!c) return 0;
  ZcGeVector3d d;
  if ((m_status = c->getFirstDeriv(closest, d))) return m_status;
  normal = d.perpVector();
  return 0;
}

double UI_Curve::DistanceAlongCurveToPoint(const ZcGePoint3d& p) {
  if (AsPoint(m_entity)) return 0.0;
  ZcDbCurve* c = Curve();
  if (!c) return -1.0;
  ZcGePoint3d q;
  double dist = 0.0;
  if ((m_status = c->getClosestPointTo(p, q, false)) || (m_status = c->getDistAtPoint(q, dist))) {
    ZWPrinter().Print(L"UI_Curve::DistanceAlongCurveToPoint");
    PrintErrorStatus(m_status);
    return -1.0;
  }
  return dist;
}

int UI_Curve::PointAtDistanceOnCurve(double x, ZcGePoint3d& point) {
  ZcDbCurve* c = Curve();
  if (!c) return m_status = 374;
  double end = 0.0, length = 0.0;
  if ((m_status = c->getEndParam(end)) || (m_status = c->getDistAtParam(end, length))) return m_status;
  return m_status = c->getPointAtDist(x > length - 1.0 ? length - 0.01 : x, point);
}

int UI_Curve::OffsetTowardsPoint(double d, ZcDbObjectIdArray& ids, const ZcGePoint3d& reference, int sign) {
  ZcDbCurve* c = Curve();
  if (!c) return m_status = 374;
  std::vector<ZcDbCurve*> offsets;
  Zcad::ErrorStatus es = c->getOffsetCurves(sign * d, offsets);
  auto dropAll = [&](int status) {
    for (ZcDbCurve* o : offsets) delete o;
    return m_status = status;
  };
  if (es != Zcad::eOk || offsets.empty() || !offsets[0]) return dropAll(380);
  ZcGePoint3d before, after;
  if (c->getClosestPointTo(reference, before) || offsets[0]->getClosestPointTo(reference, after)) return dropAll(380);
  double db = before.distanceTo(reference), da = after.distanceTo(reference);
  bool accepted = d > 0 ? db > da : (d < 0 && db < da);
  if (!accepted) return dropAll(337);
  for (std::size_t i = 0; i < offsets.size(); ++i) {
    ZcDbObjectId id;
    if (int st = AddClosed(offsets[i], id)) {
      for (std::size_t j = i; j < offsets.size(); ++j) delete offsets[j];
      return m_status = st;
    }
    ids.append(id);
  }
  return m_status = 0;
}

int UI_Curve::SplitAtPoint(const ZcGePoint3d& p, ZcDbObjectIdArray& ids) {
  ZcDbCurve* c = Curve();
  if (!c) return m_status = 374;
  ZcGePoint3d q, s, e;
  if ((m_status = c->getClosestPointTo(p, q)) || (m_status = GetEndPoints(s, e))) return m_status;
  if (q.distanceTo(s) <= 1e-6 || q.distanceTo(e) <= 1e-6) return m_status = 0;
  ZcGePoint3dArray at;
  at.append(q);
  std::vector<ZcDbCurve*> pieces;
  if (Zcad::ErrorStatus es = c->getSplitCurves(at, pieces)) {
    PrintErrorStatus(es);
    WriteScope([](ZcDbEntity* w) { return static_cast<int>(w->setColorIndex(123)); });
    return m_status = es;
  }
  ZcDbObjectIdArray made;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    ZcDbObjectId id;
    if (int st = AddClosed(pieces[i], id)) {
      for (std::size_t j = i; j < pieces.size(); ++j) delete pieces[j];
      m_status = st;
      break;
    }
    made.append(id);
  }
  ids.append(made);
  UI_Group group;
  if (!made.isEmpty() && group.SetFromEntity(c)) group.Append(made);
  return m_status;
}

int UI_Curve::SplitKeepLonger(const ZcGePoint3d& p) {
  ZcDbObjectIdArray ids;
  if (int es = SplitAtPoint(p, ids)) return es;
  if (ids.length() == 1) {
    Attach(ids[0]);
  } else if (ids.length() == 2) {
    UI_Curve first(ids[0]), second(ids[1]);
    bool keepFirst = first.GetLength() >= second.GetLength();
    UI_Curve& kept = keepFirst ? first : second;
    if (int es = (keepFirst ? second : first).Erase()) return m_status = es;
    m_entity = kept.m_entity;
  }
  return m_status = 0;
}

int UI_Curve::ExtendToPoint(const ZcGePoint3d& p) {
  ZcDbCurve* c = Curve();
  if (!c) return m_status = 374;
  double along = DistanceAlongCurveToPoint(p), length = GetLength();
  bool atStart = !(std::fabs(along - length) <= 1e-7);
  return m_status = WriteScope([&](ZcDbEntity* w) { return static_cast<int>(static_cast<ZcDbCurve*>(w)->extend(atStart, p)); });
}

int UI_Curve::Erase() {
  return m_status = WriteScope([](ZcDbEntity* w) { return static_cast<int>(w->erase(true)); });
}

int UI_Curve::Highlight(bool on) {
  if (!m_entity) return m_status = 374;
  return m_status = UI_Entity(m_entity).Highlight(on);
}

int UI_Curve::Hide() {
  return m_status = WriteScope([](ZcDbEntity* w) { return static_cast<int>(w->setVisibility(ZcDb::kInvisible, true)); });
}

int UI_Curve::NearestIntersectionWithLine(const ZcGePoint3d& point, const ZcGeVector3d& direction,
                                          ZcGePoint3d& crossing) {
  if (!m_entity) return m_status = 374;
  if (direction.isZeroLength()) return m_status = Zcad::eInvalidInput;
  ZcDbLine line(point, point + direction);  // a probe only: it never enters the drawing
  ZcGePoint3dArray points;
  if ((m_status = line.intersectWith(m_entity, ZcDb::kExtendThis, points))) return m_status;
  if (points.isEmpty()) return m_status = Zcad::eUnknownStatus;
  crossing = points[0];
  for (const ZcGePoint3d& q : points)
    if (q.distanceTo(point) < crossing.distanceTo(point)) crossing = q;
  return m_status = 0;
}

ZcGePoint3d UI_Curve::GetNearerEndPoint(const ZcGePoint3d& p) {
  ZcGePoint3d s, e;
  GetEndPoints(s, e);
  return s.distanceTo(p) < e.distanceTo(p) ? s : e;
}

double UI_Curve::EndPointGap(ZcDbObjectId other) {
  UI_Curve o(other);
  ZcGePoint3d s, e, os, oe;
  if (GetEndPoints(s, e) || o.GetEndPoints(os, oe)) return -1.0;
  return std::min(std::min(s.distanceTo(os), s.distanceTo(oe)), std::min(e.distanceTo(os), e.distanceTo(oe)));
}

int UI_Curve::GetEndPoints(ZcGePoint3d& start, ZcGePoint3d& end) {
  if (const ZcDbPoint* pt = AsPoint(m_entity)) {
    start = end = pt->position();
    return 0;
  }
  ZcDbCurve* c = Curve();
  if (!c) return 374;
  if (int es = c->getStartPoint(start)) return es;
  return c->getEndPoint(end);
}

int UI_Curve::AddCurveToPolyline(ZcDbObjectId& polylineId) {
  ZcDbCurve* c = Curve();
  if (!c) return m_status = 374;
  ZcDbPolyline* pl = nullptr;
  if (c->isKindOf(ZcDbPolyline::desc())) {
    pl = static_cast<ZcDbPolyline*>(c->cloneObject());
  } else {
    pl = new ZcDbPolyline();
    pl->setPropertiesFrom(c);
    ZcGePoint3d s, e;
    GetEndPoints(s, e);
    if (c->isKindOf(ZcDbLine::desc())) {
      pl->addVertexAt(0, ZcGePoint2d(s.x, s.y));
      pl->addVertexAt(1, ZcGePoint2d(e.x, e.y));
    } else if (c->isKindOf(ZcDbArc::desc())) {
      auto* arc = static_cast<ZcDbArc*>(c);
      double bulge = std::tan(arc->sweep() / 4);  // the plane's sweep; about −Z it runs clockwise
      pl->addVertexAt(0, ZcGePoint2d(s.x, s.y), arc->normal().z < 0 ? -bulge : bulge);
      pl->addVertexAt(1, ZcGePoint2d(e.x, e.y));
    } else if (c->isKindOf(ZcDbCircle::desc())) {
      auto* circle = static_cast<ZcDbCircle*>(c);
      ZcGePoint3d m = circle->center();
      double r = circle->radius(), bulge = circle->normal().z < 0 ? -1.0 : 1.0;
      pl->addVertexAt(0, ZcGePoint2d(m.x - r, m.y), bulge);
      pl->addVertexAt(1, ZcGePoint2d(m.x + r, m.y), bulge);
      pl->setClosed(true);
    } else if (c->isKindOf(ZcDb3dPolyline::desc())) {
      auto* p3 = static_cast<ZcDb3dPolyline*>(c);
      for (unsigned i = 0; i < p3->numVerts(); ++i)
        pl->addVertexAt(i, ZcGePoint2d(p3->vertexAt(i).p.x, p3->vertexAt(i).p.y));
      pl->setClosed(p3->isClosed());
    } else {
      delete pl;
      return m_status = Zcad::eNotThatKindOfClass;
    }
  }
  if (int es = AddClosed(pl, polylineId)) {
    ZWPrinter().Print(L"ZWDrawer::Add");
    delete pl;
    return m_status = es;
  }
  return m_status = 0;
}

int CopyEntityProperties(UI_Curve& curve, ZcDbEntity* target) {
  ZcDbEntity* source = curve.Entity();
  if (!source || !target) return 374;
  if (int es = target->setLayer(source->layerId(), true)) return es;
  if (int es = target->setColor(source->color(), true)) return es;
  if (int es = target->setLinetype(source->linetypeId(), true)) return es;
  if (int es = target->setLinetypeScale(source->linetypeScale(), true)) return es;
  return target->setLineWeight(source->lineWeight(), true);
}
