// Crossings of curve pairs, the tangent fallback, and trimming or extending a curve to a
// point.
#include "geometry/CurvePair.h"

#include <cmath>

#include "db/ZcDbSpline.h"
#include "ed/ErrorStatus.h"
#include "framework/Printer.h"
#include "framework/UI_Entity.h"
#include "geometry/IntersectLines2d.h"
#include "geometry/PointHelpers.h"
#include "geometry/UI_Curve.h"
#include "geometry/UI_Spline.h"

namespace {
// P lies on the curve, or beside it: its closest point Q is not an end (a point cannot lie
// beyond an inner point), or P − Q runs along the curve's normal at Q.
bool OnOrBeside(UI_Curve& curve, const ZcGePoint3d& p, ZcGePoint3d& q) {
  ZcGeVector3d normal;
  if (curve.GetClosestPointAndNormal(p, q, normal)) return false;
  if (p.distanceTo(q) < 1e-9) return true;
  ZcGePoint3d s, e;
  if (curve.GetEndPoints(s, e) == 0 && q.distanceTo(s) > 1e-9 && q.distanceTo(e) > 1e-9) return true;
  return !normal.isZeroLength() && (p - q).isParallelTo(normal);
}

// The measure of a candidate crossing: how far it lies from the unextended curve; -1 when
// the closest point cannot be found.
double Reach(UI_Curve& curve, const ZcGePoint3d& c) {
  ZcGePoint3d q;
  return curve.GetClosestPoint(c, q) ? -1.0 : q.distanceTo(c);
}
}  // namespace

int CurvePair::GetIntersections(int extendMode, ZcGePoint3dArray& points) {
  if (!m_second.isValid()) return m_status = Zcad::eNullIterator;
  if (m_first == m_second) return m_status = Zcad::eAmbiguousInput;
  UI_Entity first(m_first);
  if (!first.Entity()) return m_status = Zcad::eIllegalEntityType;
  if ((m_status = first.IntersectWithId(m_second, extendMode, points))) return m_status;
  if (!points.isEmpty()) return m_status = 0;
  if (extendMode == 0) return m_status = Zcad::eUnknownStatus;

  // Tangent fallback: the lines along the curves at their facing ends.
  UI_Curve a(m_first), b(m_second);
  if (!a.Curve() || !b.Curve()) return m_status = Zcad::eNotACurve;
  ZcGePoint3d ea, eb;
  ZcGeVector3d da, db;
  if ((m_status = GetEndNearestToOther(0, ea)) || (m_status = GetEndNearestToOther(1, eb))) return m_status;
  if ((m_status = a.Curve()->getFirstDeriv(ea, da)) || (m_status = b.Curve()->getFirstDeriv(eb, db))) return m_status;
  ZcGePoint3d crossing;
  if (IntersectLines2d(ea, ea + da, eb, eb + db, crossing)) {
    points.append(crossing);
  } else if (ea.distanceTo(eb) <= 1e-6) {
    points.append(ea);
  } else {
    return m_status = Zcad::eUnknownStatus;
  }
  return m_status = 0;
}

int CurvePair::GetIntersection(ZcGePoint3d& point) {
  if (!m_first.isValid()) return m_status = Zcad::eNullIterator;
  ZcGePoint3dArray points;
  if (GetIntersections(3, points)) return m_status;
  if (points.isEmpty()) return m_status = Zcad::eUnknownStatus;
  UI_Curve a(m_first), b(m_second);
  int best = 0;
  double bestMeasure = Reach(a, points[0]) + Reach(b, points[0]);
  for (int i = 1; i < points.length(); ++i) {
    double measure = Reach(a, points[i]) + Reach(b, points[i]);
    if (measure < bestMeasure) best = i, bestMeasure = measure;
  }
  point = m_point = points[best];
  return m_status = 0;
}

int CurvePair::GetIntersectionNearestTo(ZcDbObjectId first, ZcDbObjectId second, const ZcGePoint3d& reference,
                                        ZcGePoint3d& point) {
  if (!first.isValid() || !second.isValid()) return m_status = Zcad::eNullIterator;
  m_first = first;
  m_second = second;
  ZcGePoint3dArray points;
  if (GetIntersections(3, points)) return m_status;
  if (points.isEmpty()) return m_status = Zcad::eUnknownStatus;
  point = points[0];
  for (const ZcGePoint3d& p : points)
    if (p.distanceTo(reference) < point.distanceTo(reference)) point = p;
  return m_status = 0;
}

int CurvePair::GetEndNearestToOther(int which, ZcGePoint3d& point) {
  UI_Curve self(which == 0 ? m_first : m_second), other(which == 0 ? m_second : m_first);
  ZcGePoint3d s, e;
  if (int es = self.GetEndPoints(s, e)) return es;
  point = other.DistanceToPoint(e) < other.DistanceToPoint(s) ? e : s;
  return 0;
}

int CurvePair::ExtendBothToIntersection() {
  if (int status = GetIntersection(m_point)) {
    PrintErrorStatus(status);
    return status;
  }
  // The trims print their own failures.
  int status = TrimOrExtendCurveToPoint(m_first, m_point);
  if (status == 0) status = TrimOrExtendCurveToPoint(m_second, m_point);
  return m_status = status;
}

int TrimOrExtendCurveToPoint(ZcDbObjectId& id, const ZcGePoint3d& p) {
  UI_Curve curve;
  if (!curve.Attach(id) || !curve.Curve()) return Zcad::eNullIterator;
  ZcGePoint3d q;
  int status = 0;
  if (OnOrBeside(curve, p, q)) {
    status = curve.SplitKeepLonger(p);
    if (status == 0 && curve.Id() != id) {
      UI_Curve before(id);
      status = before.Erase();
      id = curve.Id();
    }
  } else if (curve.Curve()->isKindOf(ZcDbSpline::desc())) {
    status = UI_Spline(id).MoveEndVertex(p);
  } else {
    status = curve.ExtendToPoint(p);
  }
  if (status) PrintErrorStatus(status);
  return status;
}

int ProjectPointOnCurveOrTangent(ZcDbObjectId id, const ZcGePoint3d& p, ZcGePoint3d& foot) {
  UI_Curve curve;
  if (!curve.Attach(id)) return Zcad::eIllegalEntityType;
  ZcGePoint3d q;
  if (!curve.Curve()) return curve.GetClosestPoint(p, foot);  // a point entity: its position
  if (int es = curve.GetClosestPoint(p, q)) return es;
  if (OnOrBeside(curve, p, q)) {
    foot = q;
    return 0;
  }
  ZcGeVector3d d;
  if (int es = curve.Curve()->getFirstDeriv(q, d)) return es;
  foot = PerpendicularFoot(p, q, q + d);
  return 0;
}
