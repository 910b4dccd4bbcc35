// The spline wrapper's reads, writes and host-driven end move.
#include "geometry/UI_Spline.h"

#include <functional>

#include "db/ZcDbSpline.h"
#include "ed/ErrorStatus.h"
#include "framework/CommandSequences.h"
#include "framework/Guards.h"
#include "framework/ResBuf.h"
#include "geometry/PointHelpers.h"
#include "geometry/PointLists.h"
#include "geometry/UI_Curve.h"

UI_Spline::UI_Spline(ZcDbObjectId id) {
  ZcDbSpline* s = nullptr;
  if (zcdbOpenObject(s, id, ZcDb::kForRead) != Zcad::eOk) return;
  s->close();
  m_id = id;
}

int UI_Spline::Read(const std::function<int(const ZcDbSpline*)>& fn) {
  if (m_id.isNull()) return Zcad::eIllegalEntityType;
  ZcDbSpline* s = nullptr;
  if (zcdbOpenObject(s, m_id, ZcDb::kForRead) != Zcad::eOk) return Zcad::eWrongObjectType;
  int status = fn(s);
  s->close();
  return status;
}

template <class F>
int UI_Spline::Write(F change) {
  ZcDbSpline* s = nullptr;
  if (m_id.isNull() || zcdbOpenObject(s, m_id, ZcDb::kForWrite) != Zcad::eOk) return Zcad::eWrongObjectType;
  int status = change(s);
  s->close();
  return status;
}

int UI_Spline::GetControlPoints(ZcGePoint3dArray& points) {
  return Read([&](const ZcDbSpline* s) {
    ZcGePoint3d p;
    for (int i = 0; s->getControlPointAt(i, p) == Zcad::eOk; ++i) points.append(p);
    return 0;
  });
}

int UI_Spline::GetFitPoints(ZcGePoint3dArray& points) {
  return Read([&](const ZcDbSpline* s) {
    ZcGePoint3d p;
    for (int i = 0; s->getFitPointAt(i, p) == Zcad::eOk; ++i) points.append(p);
    return 0;
  });
}

int UI_Spline::SetControlPointAt(int index, const ZcGePoint3d& point) {
  return Write([&](ZcDbSpline* s) { return static_cast<int>(s->setControlPointAt(index, point)); });
}

int UI_Spline::SetFitPointAt(int index, const ZcGePoint3d& point) {
  return Write([&](ZcDbSpline* s) { return static_cast<int>(s->setFitPointAt(index, point)); });
}

int UI_Spline::GetEndTangents(ZcGeVector3d& start, ZcGeVector3d& end) {
  if (m_id.isNull()) return Zcad::eWrongObjectType;
  return Read([&](const ZcDbSpline* s) {
    s->getFitTangents(start, end);
    double e = 0.0;
    int status = s->getEndParam(e);
    s->getFirstDeriv(0.0, start);
    s->getFirstDeriv(e, end);
    return status;
  });
}

int UI_Spline::SetEndTangents(const ZcGeVector3d& start, const ZcGeVector3d& end) {
  return Write([&](ZcDbSpline* s) { return static_cast<int>(s->setFitTangents(start, end)); });
}

int UI_Spline::DeleteNearestControlPoint(const ZcGePoint3d& point) {
  ZcGePoint3dArray points;
  if (int es = GetControlPoints(points)) return es;
  int index = -1;
  if (int es = FindNearestPointIndex(points, point, index)) return es;
  return Write([&](ZcDbSpline* s) {
    int degree = 0;
    bool rational = false, closed = false, periodic = false;
    ZcGePoint3dArray cps;
    ZcGeDoubleArray knots, weights;
    if (int es = s->getNurbsData(degree, rational, closed, periodic, cps, knots, weights)) return es;
    int i = -1;
    if (FindNearestPointIndex(cps, point, i)) return 0;
    cps.removeAt(i);
    int k = i < 3 ? i + 4 : i;
    if (k >= knots.length()) return 0;
    knots.removeAt(k);
    return static_cast<int>(s->setNurbsData(degree, rational, closed, periodic, cps, knots, weights));
  });
}

int UI_Spline::MoveEndVertex(const ZcGePoint3d& target) {
  UI_Curve curve(m_id);
  if (m_id.isNull() || !curve.Curve()) return Zcad::eWrongObjectType;
  ZcGePoint3d v = curve.GetNearerEndPoint(target);
  OSNAP snaps;
  snaps.SaveAndSetZero();
  ResBuf list;
  list.AddString(L"_SPLINEDIT");
  list.AddEname(m_id);
  list.AddString(L"_M");
  list.AddString(L"_S");
  list.AddPoint(WcsToUcs(v));
  list.AddPoint(WcsToUcs(target));
  list.AddString(L"_X");
  list.AddString(L"_X");
  RunCommandAndWait(list);
  snaps.Restore();
  RunCommandString(L"_REGEN");
  return 0;
}
