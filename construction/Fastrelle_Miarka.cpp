// The measuring tape: its start, the base curve under the cursor, the end moved by motion
// or by a typed length, and the geometry its observers read (length, end, normals).
#include "construction/Fastrelle_Miarka.h"

#include "db/ZcDbCurve.h"
#include "ed/SelectionSets.h"
#include "ed/zced.h"
#include "framework/ResBuf.h"
#include "framework/ResString.h"
#include "framework/Strings.h"
#include "framework/UI_Kolekcja.h"
#include "geometry/PointHelpers.h"

namespace {

// Half side of the square in which curves are looked for around the end.
constexpr double kSearchHalfSide = 10.0;
// A point this near its curve lies on it and tells no side.
constexpr double kOnCurve = 1e-6;

// The curve's first derivative at its point P; zero when it cannot be computed.
ZcGeVector3d FirstDerivativeAt(UI_Curve& curve, const ZcGePoint3d& p) {
  ZcGeVector3d d;
  ZcDbCurve* c = curve.Curve();
  if (!c || c->getFirstDeriv(p, d) != Zcad::eOk) return ZcGeVector3d();
  return d;
}

}  // namespace

int Fastrelle_Miarka::PickStart() {
  ZcGePoint3d p;
  if (GetPointFromUser(LoadResString(40005), nullptr, p) != RTNORM) return kDragCancelled;
  SetStartPoint(p);
  return 0;
}

int Fastrelle_Miarka::OnDrag() {
  m_end = m_lastPoint;
  ZcGePoint3d ucs = WcsToUcs(m_end);
  ads_point in = {ucs.x, ucs.y, ucs.z}, snapped = {0, 0, 0};
  if (zcedOsnap(in, L"_nea", snapped) == RTNORM) m_end = UcsToWcs(ZcGePoint3d(snapped[0], snapped[1], snapped[2]));
  m_cursorEnd = m_end;
  ChooseBaseCurve();
  NotifyMove();
  return 0;
}

void Fastrelle_Miarka::ChooseBaseCurve() {
  UI_Kolekcja candidates;
  ResBuf noFilter;
  ZcGeVector3d half(kSearchHalfSide, kSearchHalfSide, 0.0);
  candidates.SelectCrossing(noFilter, WcsToUcs(m_end - half), WcsToUcs(m_end + half));
  if (candidates.Length() == 0) return;
  candidates.SortByDistance(m_end);
  // Sorted nearest first: the first curve that can be measured is the nearest one.
  for (ZcDbObjectId id : candidates.Ids()) {
    UI_Curve c;
    if (!c.Attach(id) || !c.Curve()) continue;  // no curve (texts, symbols, points)
    if (c.DistanceToPoint(m_end) < 0.0) continue;
    if (id != m_baseCurve.Id()) SetBaseCurve(id);
    return;
  }
}

bool Fastrelle_Miarka::SetBaseCurve(ZcDbObjectId id) {
  UI_Curve c;
  if (!c.Attach(id) || !c.Curve()) return false;
  m_baseCurve = c;
  ZcGePoint3d onCurve;
  if (m_baseCurve.GetClosestPoint(m_start, onCurve) == 0) m_start = onCurve;
  NotifyBegin();
  return true;
}

int Fastrelle_Miarka::OnText() {
  if (m_text.IsEmpty()) {  // nothing typed (any more): the end is where the cursor put it
    m_end = m_cursorEnd;
    NotifyMove();
    return 0;
  }
  CString text = m_text;
  double value = 0.0;
  if (!ParseDouble(text, value)) return 0;  // "a5": not a length
  ZcGePoint3d p;
  if (PointTowards(value, m_cursorEnd, p) == 0) {
    m_end = p;
    NotifyMove();
  }
  return 0;
}

int Fastrelle_Miarka::PointTowards(double x, const ZcGePoint3d& towards, ZcGePoint3d& point) {
  if (!m_baseCurve.Entity()) {
    point = PointAtDistanceTowards(m_start, towards, x);
    return 0;
  }
  double s0 = m_baseCurve.DistanceAlongCurveToPoint(m_start);
  double s1 = m_baseCurve.DistanceAlongCurveToPoint(towards);
  double sign = s1 > s0 ? 1.0 : (s1 < s0 ? -1.0 : 0.0);
  return m_baseCurve.PointAtDistanceOnCurve(s0 + sign * x, point);
}

int Fastrelle_Miarka::PointAtDistance(double distance, ZcGePoint3d& point) {
  return PointTowards(distance, m_end, point);
}

ZcGeVector3d Fastrelle_Miarka::StraightNormal() const { return (m_start - m_end).perpVector(); }

ZcGeVector3d Fastrelle_Miarka::NormalAtDistance(double distance) {
  ZcGePoint3d p;
  if (m_baseCurve.Entity() && PointAtDistance(distance, p) == 0) return UnitNormalAt(p);
  return StraightNormal();
}

ZcGePoint3d Fastrelle_Miarka::EndPoint() {
  if (!m_baseCurve.Entity()) return m_end;
  ZcGePoint3d onCurve;
  if (m_baseCurve.GetClosestPoint(m_end, onCurve) != 0) {
    zcutPrintText(L"\n_BaseCurve is not initialized yet");
    return m_end;
  }
  return onCurve;
}

ZcGeVector3d Fastrelle_Miarka::NormalAtEnd() { return UnitNormalAt(EndPoint()); }

double Fastrelle_Miarka::GetLength() {
  if (!m_baseCurve.Entity()) return m_start.distanceTo(m_end);
  double s0 = m_baseCurve.DistanceAlongCurveToPoint(m_start);
  double s1 = m_baseCurve.DistanceAlongCurveToPoint(m_end);
  return s1 > s0 ? s1 - s0 : s0 - s1;
}

ZcGeVector3d Fastrelle_Miarka::UnitNormalAt(const ZcGePoint3d& p) {
  if (!m_baseCurve.Entity()) return StraightNormal();
  ZcGePoint3d f;
  if (m_baseCurve.GetClosestPoint(m_end, f) != 0) return StraightNormal();
  ZcGeVector3d n = FirstDerivativeAt(m_baseCurve, f).perpVector().normal();
  // The side of the curve the cursor is on. The end was snapped onto the curve, so the
  // raw cursor tells the side; an end off the curve tells it itself.
  ZcGeVector3d u = m_end.distanceTo(f) < kOnCurve ? (m_lastPoint - f) : (m_end - f);
  if (u.length() < kOnCurve) u = ZcGeVector3d();  // no side: the normal is reversed
  ZcGeVector3d t = FirstDerivativeAt(m_baseCurve, p);
  if (!(u.dotProduct(n) > 0.0)) t.negate();
  return t.perpVector().normal();
}

ZcDbObjectId Fastrelle_Miarka::GetBaseCurveId() { return m_baseCurve.Id(); }
