// Splines: control and fit data, their validation, box and DXF record. Evaluation waits for
// the geometry kernel; the ends of a clamped spline are its first and last control points.
#include "db/ZcDbSpline.h"

#include "db/ZcDbDxfFiler.h"

ZCRX_DEFINE_MEMBERS(ZcDbSpline, ZcDbCurve)

Zcad::ErrorStatus ZcDbSpline::getControlPointAt(int i, ZcGePoint3d& p) const {
  if (i < 0 || i >= controlPoints_.length()) return Zcad::eInvalidIndex;
  p = controlPoints_[i];
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbSpline::setControlPointAt(int i, const ZcGePoint3d& p) {
  if (i < 0 || i >= controlPoints_.length()) return Zcad::eInvalidIndex;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  controlPoints_[i] = p;
  fitPoints_.removeAll();  // the fit data no longer describes the curve
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbSpline::getFitPointAt(int i, ZcGePoint3d& p) const {
  if (i < 0 || i >= fitPoints_.length()) return Zcad::eInvalidIndex;
  p = fitPoints_[i];
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbSpline::getFitTangents(ZcGeVector3d& s, ZcGeVector3d& e) const {
  if (!hasFitData()) return Zcad::eNotApplicable;
  s = startTangent_;
  e = endTangent_;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbSpline::setNurbsData(int degree, bool rational, bool closed, bool periodic,
                                           const ZcGePoint3dArray& cps, const ZcGeDoubleArray& knots,
                                           const ZcGeDoubleArray& weights) {
  if (degree < 1 || cps.length() < degree + 1 || knots.length() != cps.length() + degree + 1 ||
      (rational && weights.length() != cps.length()))
    return Zcad::eInvalidInput;
  for (int i = 1; i < knots.length(); ++i)
    if (knots[i] < knots[i - 1]) return Zcad::eInvalidInput;
  for (double w : weights)
    if (!(w > 0)) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  degree_ = degree;
  closed_ = closed;
  periodic_ = periodic;
  controlPoints_ = cps;
  knots_ = knots;
  weights_ = rational ? weights : ZcGeDoubleArray();
  fitPoints_.removeAll();
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbSpline::getNurbsData(int& degree, bool& rational, bool& closed, bool& periodic,
                                           ZcGePoint3dArray& cps, ZcGeDoubleArray& knots,
                                           ZcGeDoubleArray& weights) const {
  degree = degree_;
  rational = isRational();
  closed = closed_;
  periodic = periodic_;
  cps = controlPoints_;
  knots = knots_;
  weights = weights_;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbSpline::setFitData(const ZcGePoint3dArray& fit, int degree, double tol,
                                         const ZcGeVector3d& st, const ZcGeVector3d& et) {
  if (fit.length() < 2 || degree < 1 || tol < 0) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  fitPoints_ = fit;
  fitTolerance_ = tol;
  startTangent_ = st;
  endTangent_ = et;
  if (controlPoints_.isEmpty()) degree_ = degree;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbSpline::getFitData(ZcGePoint3dArray& fit, int& degree, double& tol,
                                         ZcGeVector3d& st, ZcGeVector3d& et) const {
  if (!hasFitData()) return Zcad::eNotApplicable;
  fit = fitPoints_;
  degree = degree_;
  tol = fitTolerance_;
  st = startTangent_;
  et = endTangent_;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbSpline::getStartPoint(ZcGePoint3d& p) const {
  if (hasFitData()) { p = fitPoints_.first(); return Zcad::eOk; }
  if (controlPoints_.isEmpty() || periodic_) return Zcad::eNotImplementedYet;
  p = controlPoints_.first();
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbSpline::getEndPoint(ZcGePoint3d& p) const {
  if (hasFitData()) { p = closed_ ? fitPoints_.first() : fitPoints_.last(); return Zcad::eOk; }
  if (controlPoints_.isEmpty() || periodic_) return Zcad::eNotImplementedYet;
  p = closed_ ? controlPoints_.first() : controlPoints_.last();
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbSpline::getStartParam(double& p) const {
  p = 0;
  return knots_.isEmpty() ? Zcad::eNotImplementedYet : Zcad::eOk;
}

Zcad::ErrorStatus ZcDbSpline::getEndParam(double& p) const {
  if (knots_.isEmpty()) return Zcad::eNotImplementedYet;
  p = knots_[knots_.length() - degree_ - 1] - knots_[degree_];
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbSpline::transformBy(const ZcGeMatrix3d& m) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  for (ZcGePoint3d& p : controlPoints_) p.transformBy(m);
  for (ZcGePoint3d& p : fitPoints_) p.transformBy(m);
  startTangent_.transformBy(m);
  endTangent_.transformBy(m);
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbSpline::getGeomExtents(ZcDbExtents& ext) const {
  if (controlPoints_.isEmpty() && fitPoints_.isEmpty()) return Zcad::eInvalidExtents;
  ext = ZcDbExtents();
  for (const ZcGePoint3d& p : controlPoints_) ext.addPoint(p);
  for (const ZcGePoint3d& p : fitPoints_) ext.addPoint(p);
  return Zcad::eOk;
}

ZcDbObject* ZcDbSpline::cloneObject() const {
  auto* c = new ZcDbSpline;
  c->degree_ = degree_;
  c->closed_ = closed_;
  c->periodic_ = periodic_;
  c->controlPoints_ = controlPoints_;
  c->fitPoints_ = fitPoints_;
  c->knots_ = knots_;
  c->weights_ = weights_;
  c->startTangent_ = startTangent_;
  c->endTangent_ = endTangent_;
  c->normal_ = normal_;
  c->fitTolerance_ = fitTolerance_;
  copyEntityTo(c);
  return c;
}

// SPLINE: 100 AcDbSpline, 210 normal, 70 flags (1 closed, 2 periodic, 4 rational, 8
// planar), 71 degree, 72 knot count, 73 control point count, 74 fit point count, 42/43/44
// knot, control and fit tolerances, 12 start and 13 end tangent (with fit data and when
// not zero), 40 each knot, 41 each weight (rational only), 10 each control point, 11 each
// fit point.
void ZcDbSpline::dxfOutFields(ZcDbDxfFiler* f) const {
  ZcDbEntity::dxfOutFields(f);
  f->writeRaw(100, "AcDbSpline");
  f->writeVector3d(210, normal_);
  f->writeInt(70, (closed_ ? 1 : 0) | (periodic_ ? 2 : 0) | (isRational() ? 4 : 0) | 8);
  f->writeInt(71, degree_);
  f->writeInt(72, knots_.length());
  f->writeInt(73, controlPoints_.length());
  f->writeInt(74, fitPoints_.length());
  f->writeDouble(42, knotTolerance_);
  f->writeDouble(43, controlTolerance_);
  f->writeDouble(44, fitTolerance_);
  if (hasFitData() && !startTangent_.isZeroLength()) f->writeVector3d(12, startTangent_);
  if (hasFitData() && !endTangent_.isZeroLength()) f->writeVector3d(13, endTangent_);
  for (double k : knots_) f->writeDouble(40, k);
  for (double w : weights_) f->writeDouble(41, w);
  for (const ZcGePoint3d& p : controlPoints_) f->writePoint3d(10, p);
  for (const ZcGePoint3d& p : fitPoints_) f->writePoint3d(11, p);
}

Zcad::ErrorStatus ZcDbSpline::dxfInFields(ZcDbDxfFiler* f) {
  if (Zcad::ErrorStatus es = ZcDbEntity::dxfInFields(f); es != Zcad::eOk) return es;
  f->seekMarker("AcDbSpline");
  ZcDbDxfPair p;
  int flags = 0;
  while (f->next(p)) {
    switch (p.code) {
      case 210: normal_ = f->toVector3d(p); break;
      case 70: flags = static_cast<int>(f->toInt(p)); break;
      case 71: degree_ = static_cast<int>(f->toInt(p)); break;
      case 42: knotTolerance_ = f->toDouble(p); break;
      case 43: controlTolerance_ = f->toDouble(p); break;
      case 44: fitTolerance_ = f->toDouble(p); break;
      case 12: startTangent_ = f->toVector3d(p); break;
      case 13: endTangent_ = f->toVector3d(p); break;
      case 40: knots_.append(f->toDouble(p)); break;
      case 41: weights_.append(f->toDouble(p)); break;
      case 10: controlPoints_.append(f->toPoint3d(p)); break;
      case 11: fitPoints_.append(f->toPoint3d(p)); break;
      default: break;
    }
  }
  closed_ = flags & 1;
  periodic_ = flags & 2;
  if (!controlPoints_.isEmpty() &&
      (degree_ < 1 || knots_.length() != controlPoints_.length() + degree_ + 1 ||
       (!weights_.isEmpty() && weights_.length() != controlPoints_.length())))
    f->setError(0, L"a spline whose knots, weights and control points do not fit its degree");
  return f->hasError() ? Zcad::eBadDxfFile : Zcad::eOk;
}
