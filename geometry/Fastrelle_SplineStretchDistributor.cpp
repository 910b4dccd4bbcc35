// The distributed ("tent") stretch of a spline.
#include "geometry/Fastrelle_SplineStretchDistributor.h"

#include "db/ZcDbCurve.h"
#include "ed/ErrorStatus.h"
#include "framework/Printer.h"
#include "geometry/UI_Curve.h"
#include "geometry/UI_Spline.h"

namespace {
void Report(const wchar_t* where, int status) {
  ZWPrinter().Print(where);
  PrintErrorStatus(status);
}
}  // namespace

int Fastrelle_SplineStretchDistributor::stretch(ZcDbObjectId id) {
  ZcGeVector3d v = to - from;
  if (v.isZeroLength()) return 0;
  m_moveLength = v.length();
  m_splineId = id;
  UI_Curve curve;
  if (!curve.Attach(id) || !curve.Curve()) Report(L"Fastrelle_SplineStretchDistributor::stretch", Zcad::eNotACurve);
  m_curveLength = curve.Curve() ? curve.GetLength() : 0.0;
  UI_Spline spline(id);
  if (spline.Id().isNull()) {
    Report(L"Fastrelle_SplineStretchDistributor::stretch", Zcad::eIllegalEntityType);
    m_splineId = ZcDbObjectId();
    return spline.SetEndTangents(ZcGeVector3d(), ZcGeVector3d());
  }
  ZcGePoint3dArray controlPoints, fitPoints;
  spline.GetControlPoints(controlPoints);
  spline.GetFitPoints(fitPoints);

  // The first derivatives at the end parameters: the same as at the feet of the end points,
  // without searching for them.
  ZcGeVector3d startTangent, endTangent;
  status = spline.GetEndTangents(startTangent, endTangent);

  if (m_curveLength > 0.0) {  // a length the host could not measure gives no tent
    m_distToFrom = curve.DistanceAlongCurveToPoint(from);
    if (!fitPoints.isEmpty()) status = stretchFitPoints();
    else if (!controlPoints.isEmpty()) status = stretchControlPoints();
    if (status) return status;
  }
  if ((status = SplineStretcher::stretch(id))) return status;
  return status = spline.SetEndTangents(startTangent, endTangent);
}

int Fastrelle_SplineStretchDistributor::stretchFitPoints() {
  ShiftInnerPoints(true);
  return 0;
}

int Fastrelle_SplineStretchDistributor::stretchControlPoints() {
  if (m_splineId.isNull()) {
    Report(L"Fastrelle_SplineStretchDistributor::stretchControlPoints", Zcad::eWrongObjectType);
    return Zcad::eWrongObjectType;
  }
  ShiftInnerPoints(false);
  return 0;
}

void Fastrelle_SplineStretchDistributor::ShiftInnerPoints(bool fitPoints) {
  UI_Spline spline(m_splineId);
  ZcGePoint3dArray points, shifted;
  status = fitPoints ? spline.GetFitPoints(points) : spline.GetControlPoints(points);
  for (const ZcGePoint3d& p : points) shifted.append(ShiftedPoint(p));  // all read before any moves
  for (int i = 1; i + 1 < shifted.length(); ++i)
    fitPoints ? spline.SetFitPointAt(i, shifted[i]) : spline.SetControlPointAt(i, shifted[i]);
}

ZcGePoint3d Fastrelle_SplineStretchDistributor::ShiftedPoint(const ZcGePoint3d& p) {
  UI_Curve curve(m_splineId);
  ZcDbCurve* c = curve.Curve();
  if (!c) return p;
  ZcGePoint3d q;
  double dF = m_distToFrom, dP = 0.0, t = 0.0;
  // A fit point lies on the spline: its parameter is found directly, with one search for
  // the foot instead of two.
  if ((status = c->getParamAtPoint(p, t)) || (status = c->getDistAtParam(t, dP))) {
    status = c->getClosestPointTo(p, q);
    if (status == 0) status = c->getDistAtPoint(q, dP);
  }
  if (!(dF > dP)) {  // P lies at or after the moved point: both measured from the end
    dF = m_curveLength - dF;
    dP = m_curveLength - dP;
  }
  double s = dF == 0.0 ? m_moveLength : dP * m_moveLength / dF;
  return p + (to - from).normal() * s;
}
