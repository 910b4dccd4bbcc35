// Splines: control and fit data, their validation, box and DXF record. Evaluation waits for
// the geometry kernel; the ends of a clamped spline are its first and last control points.
#include "db/ZcDbSpline.h"

#include "db/DbInternal.h"
#include "ge/ZcGeNurbCurve3d.h"
#include "db/ZcDbDxfFiler.h"

ZCRX_DEFINE_MEMBERS(ZcDbSpline, ZcDbCurve)

Zcad::ErrorStatus ZcDbSpline::getControlPointAt(int i, ZcGePoint3d& p) const {
  if (i < 0 || i >= controlPoints_.length()) return Zcad::eInvalidIndex;
  p = controlPoints_[i];
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbSpline::setControlPointAt(int i, const ZcGePoint3d& p) {
  if (!zcdb::Finite(p)) return Zcad::eInvalidInput;
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
  if (!zcdb::Finite(cps, knots, weights)) return Zcad::eInvalidInput;
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
  if (!zcdb::Finite(fit, tol, st, et)) return Zcad::eInvalidInput;
  if (fit.length() < 2 || degree < 1 || tol < 0) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  ZcGeNurbCurve3d g;
  std::vector<ZcGePoint3d> points(fit.begin(), fit.end());
  if (Zcad::ErrorStatus es = g.setFitData(points, st, et, tol); es != Zcad::eOk) return es;
  return setFromGeCurve(g);
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

Zcad::ErrorStatus ZcDbSpline::transformBy(const ZcGeMatrix3d& m) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  for (ZcGePoint3d& p : controlPoints_) p.transformBy(m);
  for (ZcGePoint3d& p : fitPoints_) p.transformBy(m);
  startTangent_.transformBy(m);
  endTangent_.transformBy(m);
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
  if (controlPoints_.isEmpty() && !f->hasError()) {
    // Filed with fit points only: the control data of their interpolation is kept too (and
    // written), so that other programs draw the same curve rather than their own fit.
    if (std::unique_ptr<ZcGeCurve3d> g = toGeCurve()) {
      std::vector<double> knots, weights;
      std::vector<ZcGePoint3d> cps;
      bool periodic = false;
      static_cast<const ZcGeNurbCurve3d&>(*g).getNurbsData(degree_, knots, cps, weights, periodic);
      for (const ZcGePoint3d& p : cps) controlPoints_.append(p);
      for (double k : knots) knots_.append(k);
      for (double w : weights) weights_.append(w);
    }
  }
  return f->hasError() ? Zcad::eBadDxfFile : Zcad::eOk;
}

// --- The kernel's curve ------------------------------------------------------------------------

// The kernel curve is kept with the data it was made from, and toGeCurve hands out copies
// while the data is the same: a copy keeps the curve's Bézier spans, which are most of the
// cost of making it, and every query of a spline entity goes through here. The data is
// compared value for value, so no setter has to remember to drop the kept curve.
struct ZcDbSpline::Shape {
  int degree = 0;
  bool periodic = false;
  ZcGePoint3dArray controlPoints, fitPoints;
  ZcGeDoubleArray knots, weights;
  ZcGeVector3d startTangent, endTangent;
  double fitTolerance = 0.0;
  std::unique_ptr<ZcGeNurbCurve3d> curve;
};

namespace {
bool Same(double a, double b) { return a == b; }
bool Same(const ZcGePoint3d& a, const ZcGePoint3d& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }
bool Same(const ZcGeVector3d& a, const ZcGeVector3d& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }
template <class T>
bool Same(const ZcArray<T>& a, const ZcArray<T>& b) {
  if (a.length() != b.length()) return false;
  for (int i = 0; i < a.length(); ++i)
    if (!Same(a[i], b[i])) return false;
  return true;
}
}  // namespace

bool ZcDbSpline::shapeIsCurrent() const {
  const Shape* kept = shape_.get();
  return kept && kept->degree == degree_ && kept->periodic == periodic_ && Same(kept->controlPoints, controlPoints_) &&
         Same(kept->knots, knots_) && Same(kept->weights, weights_) && Same(kept->fitPoints, fitPoints_) &&
         Same(kept->startTangent, startTangent_) && Same(kept->endTangent, endTangent_) &&
         Same(kept->fitTolerance, fitTolerance_);
}

const ZcGeCurve3d* ZcDbSpline::keptGeCurve() const {
  if (!shapeIsCurrent()) toGeCurve();  // makes the curve and keeps it
  return shape_ ? shape_->curve.get() : nullptr;
}

std::unique_ptr<ZcGeCurve3d> ZcDbSpline::toGeCurve() const {
  if (shapeIsCurrent()) return shape_->curve ? std::make_unique<ZcGeNurbCurve3d>(*shape_->curve) : nullptr;
  std::unique_ptr<ZcGeNurbCurve3d> g;
  if (!controlPoints_.isEmpty()) {
    g = std::make_unique<ZcGeNurbCurve3d>();
    std::vector<double> knots(knots_.begin(), knots_.end()), weights(weights_.begin(), weights_.end());
    std::vector<ZcGePoint3d> cps(controlPoints_.begin(), controlPoints_.end());
    if (g->setNurbsData(degree_, knots, cps, weights, periodic_) != Zcad::eOk) g.reset();
  } else if (fitPoints_.length() >= 2) {
    g = std::make_unique<ZcGeNurbCurve3d>();
    std::vector<ZcGePoint3d> fit(fitPoints_.begin(), fitPoints_.end());
    if (g->setFitData(fit, startTangent_, endTangent_, fitTolerance_) != Zcad::eOk) g.reset();
  }
  auto shape = std::make_shared<Shape>();
  shape->degree = degree_;
  shape->periodic = periodic_;
  shape->controlPoints = controlPoints_;
  shape->fitPoints = fitPoints_;
  shape->knots = knots_;
  shape->weights = weights_;
  shape->startTangent = startTangent_;
  shape->endTangent = endTangent_;
  shape->fitTolerance = fitTolerance_;
  if (g) shape->curve = std::make_unique<ZcGeNurbCurve3d>(*g);
  shape_ = std::move(shape);
  return g;
}

Zcad::ErrorStatus ZcDbSpline::setFromGeCurve(const ZcGeCurve3d& curve) {
  if (curve.kind() != ZcGeCurve3d::kNurbCurve) return Zcad::eNotThatKindOfClass;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  auto& g = static_cast<const ZcGeNurbCurve3d&>(curve);
  std::vector<double> knots, weights;
  std::vector<ZcGePoint3d> cps;
  bool periodic = false;
  g.getNurbsData(degree_, knots, cps, weights, periodic);
  periodic_ = periodic;
  closed_ = g.isClosed();
  controlPoints_.removeAll();
  knots_.removeAll();
  weights_.removeAll();
  for (const ZcGePoint3d& p : cps) controlPoints_.append(p);
  for (double k : knots) knots_.append(k);
  for (double w : weights) weights_.append(w);
  fitPoints_.removeAll();
  if (g.hasFitData()) {
    for (const ZcGePoint3d& p : g.fitPoints()) fitPoints_.append(p);
    g.getFitTangents(startTangent_, endTangent_);
    fitTolerance_ = g.fitTolerance();
  }
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbSpline::setFitPointAt(int index, const ZcGePoint3d& p) {
  if (!zcdb::Finite(p)) return Zcad::eInvalidInput;
  if (!hasFitData()) return Zcad::eNotApplicable;
  if (index < 0 || index >= fitPoints_.length()) return Zcad::eInvalidIndex;
  ZcGePoint3dArray fit = fitPoints_;
  fit[index] = p;
  return setFitData(fit, degree_, fitTolerance_, startTangent_, endTangent_);
}

Zcad::ErrorStatus ZcDbSpline::setFitTangents(const ZcGeVector3d& start, const ZcGeVector3d& end) {
  if (!hasFitData()) return assertWrite();  // keeps its shape
  return setFitData(fitPoints_, degree_, fitTolerance_, start, end);
}
