// The class dispatch of a stretch and the handler of each entity class. Every handler opens
// the entity by its id and closes it on every path.
#include "geometry/StretchByDataBase.h"

#include <cmath>
#include <memory>

#include "db/ZcDb2dPolyline.h"
#include "db/ZcDbArc.h"
#include "db/ZcDbBlockReference.h"
#include "db/ZcDbLine.h"
#include "db/ZcDbPolyline.h"
#include "db/ZcDbSpline.h"
#include "ed/ErrorStatus.h"
#include "framework/Printer.h"
#include "ge/ZcGeCircArc3d.h"
#include "ge/ZcGeMatrix3d.h"
#include "geometry/ArcCalculator.h"
#include "geometry/SplineStretcher.h"

namespace {
enum Kind { kLine, kBlockReference, kPolyline, kArc, kSpline, kSequenceEnd, k2dPolyline, kUnhandled };

Kind KindOf(const ZcDbObject* o) {
  if (o->isKindOf(ZcDbLine::desc())) return kLine;
  if (o->isKindOf(ZcDbBlockReference::desc())) return kBlockReference;
  if (o->isKindOf(ZcDbPolyline::desc())) return kPolyline;
  if (o->isKindOf(ZcDbArc::desc())) return kArc;
  if (o->isKindOf(ZcDbSpline::desc())) return kSpline;
  if (o->isKindOf(ZcDbSequenceEnd::desc())) return kSequenceEnd;
  if (o->isKindOf(ZcDb2dPolyline::desc())) return k2dPolyline;
  return kUnhandled;
}

int ReportFailure(int status) {
  ZWPrinter().Print(L"StretchByDataBase::stretch");
  PrintErrorStatus(status);
  return status;
}
}  // namespace

StretchByDataBase::~StretchByDataBase() {
  delete m_arcCalculator;
  delete m_splineStretcher;
}

void StretchByDataBase::SetArcCalculator(ArcCalculator* calculator) {
  if (calculator == m_arcCalculator) return;
  delete m_arcCalculator;
  m_arcCalculator = calculator;
}

void StretchByDataBase::SetSplineStretcher(Stretch* stretcher) {
  if (stretcher == m_splineStretcher) return;
  delete m_splineStretcher;
  m_splineStretcher = stretcher;
}

int StretchByDataBase::CheckId(ZcDbObjectId id) {
  ZcDbObject* o = nullptr;
  if (int es = zcdbOpenObject(o, id, ZcDb::kForRead)) return es;
  Kind kind = KindOf(o);
  o->close();
  return kind == kUnhandled ? ReportFailure(1) : 0;
}

int StretchByDataBase::stretch(ZcDbObjectId id) {
  ZcDbObject* o = nullptr;
  if ((status = zcdbOpenObject(o, id, ZcDb::kForWrite))) return status;
  Kind kind = KindOf(o);
  status = o->close();
  switch (kind) {
    case kLine: return StretchLine(id);
    case kBlockReference: return StretchBlockReference(id);
    case kPolyline: return StretchPolyline(id);
    case kArc: return StretchArc(id);
    case kSpline: return StretchSpline(id);
    case kSequenceEnd: return 0;
    case k2dPolyline: return Stretch2dPolyline(id);
    default: return ReportFailure(1);
  }
}

int StretchByDataBase::StretchLine(ZcDbObjectId id) {
  ZcDbLine* line = nullptr;
  if ((status = zcdbOpenObject(line, id, ZcDb::kForWrite))) return status;
  ZcGeVector3d d = to - from;
  if (IsNear(line->startPoint())) status = line->setStartPoint(line->startPoint() + d);
  else if (IsNear(line->endPoint())) status = line->setEndPoint(line->endPoint() + d);
  line->close();
  return status;
}

int StretchByDataBase::StretchPolyline(ZcDbObjectId id) {
  ZcDbPolyline* pl = nullptr;
  if (zcdbOpenObject(pl, id, ZcDb::kForWrite)) return 374;
  for (unsigned i = 0; i < pl->numVerts(); ++i) {
    ZcGePoint3d p;
    if ((status = pl->getPointAt(i, p)) || !IsNear(p)) continue;
    status = pl->setPointAt(i, ZcGePoint2d(p.x + (to.x - from.x), p.y + (to.y - from.y)));
  }
  pl->close();
  return 0;
}

int StretchByDataBase::Stretch2dPolyline(ZcDbObjectId id) {
  ZcDb2dPolyline* pl = nullptr;
  if (int es = zcdbOpenObject(pl, id, ZcDb::kForWrite)) return es == Zcad::eNotThatKindOfClass ? 374 : es;
  std::unique_ptr<ZcDbObjectIterator> it(pl->vertexIterator());
  for (it->start(); !it->done(); it->step()) {
    ZcDb2dVertex* v = nullptr;
    if ((status = pl->openVertex(v, it->objectId(), ZcDb::kForWrite))) break;
    if (IsNear(v->position())) status = v->setPosition(v->position() + (to - from));
    v->close();
  }
  pl->close();
  return 0;
}

int StretchByDataBase::StretchBlockReference(ZcDbObjectId id) {
  ZcDbBlockReference* ref = nullptr;
  if (zcdbOpenObject(ref, id, ZcDb::kForWrite)) return 374;
  status = ref->transformBy(ZcGeMatrix3d::translation(to - from));
  ref->close();
  return status;
}

int StretchByDataBase::StretchArc(ZcDbObjectId id) {
  ZcDbArc* arc = nullptr;
  if ((status = zcdbOpenObject(arc, id, ZcDb::kForWrite))) return status;
  ZcGePoint3d s, e;
  if ((status = arc->getStartPoint(s)) || (status = arc->getEndPoint(e))) {
    arc->close();
    return status;
  }
  // Only an end within the pick distance moves: an arc passing by the moved point keeps
  // its ends, as lines and polylines do.
  bool startMoves = from.distanceTo(s) <= from.distanceTo(e);
  if (!IsNear(startMoves ? s : e)) {
    arc->close();
    return status = 0;
  }
  ZcGePoint3d p1 = startMoves ? s + (to - from) : s, p3 = startMoves ? e : e + (to - from);
  if (!m_arcCalculator) m_arcCalculator = new ArcCalculator();
  ArcCalculator& loaded = *m_arcCalculator;
  loaded.m_center = arc->center();
  loaded.m_radius = arc->radius();
  loaded.m_normal = arc->normal();
  loaded.SetStartAngle(arc->startAngle());
  loaded.SetEndAngle(arc->endAngle());
  double m = loaded.GetMidAngle();
  ZcGePoint3d mid(loaded.m_center.x + loaded.m_radius * std::cos(m), loaded.m_center.y + loaded.m_radius * std::sin(m),
                  loaded.m_center.z);
  ArcCalculator through(p1, p3, mid, arc->normal());
  if ((status = through.Status()) == 0) status = arc->setCenter(through.m_center);
  if (status == 0) status = arc->setRadius(through.m_radius);
  if (status == 0) {
    // The new start is P1 and the new end P3, measured in the arc's own plane.
    ZcGeCircArc3d plane(through.m_center, arc->normal(), through.m_radius);
    status = arc->setStartAngle(plane.angleOfPoint(p1));
    if (status == 0) status = arc->setEndAngle(plane.angleOfPoint(p3));
  }
  arc->close();
  return status ? ReportFailure(status) : 0;
}

int StretchByDataBase::StretchSpline(ZcDbObjectId id) {
  if (!m_splineStretcher) m_splineStretcher = new SplineStretcher();
  m_splineStretcher->from = from;
  m_splineStretcher->to = to;
  return m_splineStretcher->stretch(id);
}
