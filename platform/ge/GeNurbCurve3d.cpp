// NURBS splines held as OpenCASCADE's B-spline curve (validation, interpolation of fit data,
// splits) and as Bézier spans of their own (evaluation, length, projection, offsets), transforms.
#include <algorithm>

#include <GeomAPI_Interpolate.hxx>
#include <Standard_Failure.hxx>
#include <TColStd_HArray1OfBoolean.hxx>
#include <TColgp_Array1OfVec.hxx>
#include <TColgp_HArray1OfPnt.hxx>

#include "ge/GeCurveOffset.h"
#include "ge/GeInternal.h"
#include "ge/GeOcct.h"
#include "ge/GeSpans.h"

using Zcad::ErrorStatus;

namespace {

/// Builds the OpenCASCADE curve from flat knots, shifted so that the curve's range (which starts
/// at knot[degree], not knot[0], when the ends are not clamped) starts at 0; null when invalid.
Handle(Geom_BSplineCurve) makeCurve(int degree, const std::vector<double>& knots, const std::vector<ZcGePoint3d>& ctrl,
                                    const std::vector<double>& weights) {
  size_t n = ctrl.size();
  if (degree < 1 || degree > 25 || n < static_cast<size_t>(degree) + 1 || knots.size() != n + degree + 1) return nullptr;
  if (!weights.empty() && weights.size() != n) return nullptr;
  for (double w : weights)
    if (!(w > 0.0)) return nullptr;
  for (size_t i = 0; i + 1 < knots.size(); ++i)
    if (!(knots[i + 1] >= knots[i])) return nullptr;
  if (!(knots[degree] < knots[n])) return nullptr;
  std::vector<double> uniq;
  std::vector<int> mult;
  for (double k : knots) {
    double s = k - knots[degree];
    if (!uniq.empty() && s - uniq.back() <= 1e-14 * std::max(1.0, std::fabs(s))) ++mult.back();
    else { uniq.push_back(s); mult.push_back(1); }
  }
  for (int m : mult)
    if (m > degree + 1) return nullptr;
  TColgp_Array1OfPnt poles(1, static_cast<int>(n));
  for (size_t i = 0; i < n; ++i) poles(static_cast<int>(i) + 1) = ge::toPnt(ctrl[i]);
  TColStd_Array1OfReal k(1, static_cast<int>(uniq.size()));
  TColStd_Array1OfInteger m(1, static_cast<int>(uniq.size()));
  for (size_t i = 0; i < uniq.size(); ++i) { k(static_cast<int>(i) + 1) = uniq[i]; m(static_cast<int>(i) + 1) = mult[i]; }
  try {
    if (weights.empty()) return new Geom_BSplineCurve(poles, k, m, degree);
    TColStd_Array1OfReal w(1, static_cast<int>(n));
    for (size_t i = 0; i < n; ++i) w(static_cast<int>(i) + 1) = weights[i];
    return new Geom_BSplineCurve(poles, w, k, m, degree);
  } catch (const Standard_Failure&) {
    return nullptr;
  }
}

/// Interpolates `pts` (chord-length parameters) with optional end tangent directions.
Handle(Geom_BSplineCurve) interpolate(const std::vector<ZcGePoint3d>& pts, const ZcGeVector3d& t0, const ZcGeVector3d& t1) {
  if (pts.size() < 2) return nullptr;
  for (size_t i = 0; i + 1 < pts.size(); ++i)
    if (pts[i].distanceTo(pts[i + 1]) <= ZcGeContext::gTol.equalPoint()) return nullptr;
  int n = static_cast<int>(pts.size());
  Handle(TColgp_HArray1OfPnt) hp = new TColgp_HArray1OfPnt(1, n);
  for (int i = 0; i < n; ++i) hp->SetValue(i + 1, ge::toPnt(pts[i]));
  try {
    GeomAPI_Interpolate interp(hp, Standard_False, 1e-12);
    if (!t0.isZeroLength() || !t1.isZeroLength()) {
      TColgp_Array1OfVec tans(1, n);
      Handle(TColStd_HArray1OfBoolean) flags = new TColStd_HArray1OfBoolean(1, n);
      for (int i = 1; i <= n; ++i) { tans(i) = gp_Vec(0, 0, 0); flags->SetValue(i, Standard_False); }
      // The parameters are accumulated chord lengths, so the speed is about 1: unit tangents
      // give the given directions without loops.
      const double chord = 1.0;
      if (!t0.isZeroLength()) { ZcGeVector3d v = t0.normal() * chord; tans(1) = gp_Vec(v.x, v.y, v.z); flags->SetValue(1, Standard_True); }
      if (!t1.isZeroLength()) { ZcGeVector3d v = t1.normal() * chord; tans(n) = gp_Vec(v.x, v.y, v.z); flags->SetValue(n, Standard_True); }
      interp.Load(tans, flags, Standard_False);
    }
    interp.Perform();
    if (!interp.IsDone()) return nullptr;
    return interp.Curve();
  } catch (const Standard_Failure&) {
    return nullptr;
  }
}

/// `tail` followed by `head` (clamped pieces of one curve, degree p, tail's end on head's start)
/// as one spline: head's knots follow tail's, the seam knot of multiplicity p keeps both exact,
/// head's weights scaled to agree at the seam. The result starts where `tail` starts, however
/// short either piece is (a general curve joiner may attach a tiny piece at the other end).
Handle(Geom_BSplineCurve) joinAtSeam(const Handle(Geom_BSplineCurve)& tail, const Handle(Geom_BSplineCurve)& head) {
  int p = tail->Degree();
  if (head->Degree() != p) return nullptr;
  int nt = tail->NbPoles(), nh = head->NbPoles(), kt = tail->NbKnots(), kh = head->NbKnots();
  bool rational = tail->IsRational() || head->IsRational();
  TColgp_Array1OfPnt poles(1, nt + nh - 1);
  TColStd_Array1OfReal weights(1, nt + nh - 1);
  double scale = tail->Weight(nt) / head->Weight(1);
  for (int i = 1; i <= nt; ++i) { poles(i) = tail->Pole(i); weights(i) = tail->Weight(i); }
  for (int i = 2; i <= nh; ++i) { poles(nt + i - 1) = head->Pole(i); weights(nt + i - 1) = head->Weight(i) * scale; }
  TColStd_Array1OfReal knots(1, kt + kh - 1);
  TColStd_Array1OfInteger mults(1, kt + kh - 1);
  for (int i = 1; i <= kt; ++i) { knots(i) = tail->Knot(i); mults(i) = tail->Multiplicity(i); }
  mults(kt) = p;
  double shift = tail->Knot(kt) - head->Knot(1);
  for (int i = 2; i <= kh; ++i) { knots(kt + i - 1) = head->Knot(i) + shift; mults(kt + i - 1) = head->Multiplicity(i); }
  if (tail->Multiplicity(kt) != p + 1 || head->Multiplicity(1) != p + 1) return nullptr;
  try {
    if (rational) return new Geom_BSplineCurve(poles, weights, knots, mults, p);
    return new Geom_BSplineCurve(poles, knots, mults, p);
  } catch (const Standard_Failure&) {
    return nullptr;
  }
}
}  // namespace

void ZcGeNurbCurve3d::Impl::rebuildSpans() {
  spans = ge::BezierSpans();
  if (curve.IsNull()) return;
  int n = curve->NbPoles(), degree = curve->Degree();
  TColStd_Array1OfReal flat(1, n + degree + 1);
  curve->KnotSequence(flat);
  std::vector<double> knots(flat.begin(), flat.end());
  std::vector<ZcGePoint3d> poles;
  std::vector<double> w;
  for (int i = 1; i <= n; ++i) {
    poles.push_back(ge::fromPnt(curve->Pole(i)));
    if (curve->IsRational()) w.push_back(curve->Weight(i));
  }
  spans = ge::bezierSpansOf(degree, knots, poles, w);
}

ZcGeNurbCurve3d::ZcGeNurbCurve3d() : impl_(std::make_unique<Impl>()) {}

ZcGeNurbCurve3d::ZcGeNurbCurve3d(int degree, const std::vector<double>& knots, const std::vector<ZcGePoint3d>& controlPoints,
                                 const std::vector<double>& weights, bool periodic)
    : ZcGeNurbCurve3d() {
  setNurbsData(degree, knots, controlPoints, weights, periodic);
}

ZcGeNurbCurve3d::ZcGeNurbCurve3d(const std::vector<ZcGePoint3d>& fitPoints, const ZcGeVector3d& startTangent,
                                 const ZcGeVector3d& endTangent, double fitTolerance)
    : ZcGeNurbCurve3d() {
  setFitData(fitPoints, startTangent, endTangent, fitTolerance);
}

ZcGeNurbCurve3d::ZcGeNurbCurve3d(const ZcGeNurbCurve3d& other) : ZcGeCurve3d(other), impl_(std::make_unique<Impl>(*other.impl_)) {
  if (!impl_->curve.IsNull()) impl_->curve = Handle(Geom_BSplineCurve)::DownCast(impl_->curve->Copy());
}

ZcGeNurbCurve3d& ZcGeNurbCurve3d::operator=(const ZcGeNurbCurve3d& other) {
  if (this != &other) {
    ZcGeCurve3d::operator=(other);
    auto copy = std::make_unique<Impl>(*other.impl_);
    if (!copy->curve.IsNull()) copy->curve = Handle(Geom_BSplineCurve)::DownCast(copy->curve->Copy());
    impl_ = std::move(copy);
  }
  return *this;
}

ZcGeNurbCurve3d::~ZcGeNurbCurve3d() = default;

ErrorStatus ZcGeNurbCurve3d::setNurbsData(int degree, const std::vector<double>& knots,
                                          const std::vector<ZcGePoint3d>& controlPoints, const std::vector<double>& weights,
                                          bool periodic) {
  Handle(Geom_BSplineCurve) c = makeCurve(degree, knots, controlPoints, weights);
  if (c.IsNull()) return Zcad::eInvalidInput;
  *impl_ = Impl();
  impl_->curve = c;
  impl_->periodic = periodic;
  impl_->rebuildSpans();
  return Zcad::eOk;
}

void ZcGeNurbCurve3d::getNurbsData(int& degree, std::vector<double>& knots, std::vector<ZcGePoint3d>& controlPoints,
                                   std::vector<double>& weights, bool& periodic) const {
  degree = this->degree();
  knots = this->knots();
  controlPoints = this->controlPoints();
  weights = isRational() ? this->weights() : std::vector<double>{};
  periodic = impl_->periodic;
}

int ZcGeNurbCurve3d::degree() const { return impl_->curve.IsNull() ? 0 : impl_->curve->Degree(); }
bool ZcGeNurbCurve3d::isRational() const { return !impl_->curve.IsNull() && impl_->curve->IsRational(); }
unsigned ZcGeNurbCurve3d::numControlPoints() const { return impl_->curve.IsNull() ? 0 : impl_->curve->NbPoles(); }
unsigned ZcGeNurbCurve3d::numKnots() const { return impl_->curve.IsNull() ? 0 : numControlPoints() + degree() + 1; }

ErrorStatus ZcGeNurbCurve3d::getControlPointAt(unsigned index, ZcGePoint3d& point) const {
  if (index >= numControlPoints()) return Zcad::eInvalidIndex;
  point = ge::fromPnt(impl_->curve->Pole(static_cast<int>(index) + 1));
  return Zcad::eOk;
}

ErrorStatus ZcGeNurbCurve3d::setControlPointAt(unsigned index, const ZcGePoint3d& point) {
  if (index >= numControlPoints()) return Zcad::eInvalidIndex;
  impl_->curve->SetPole(static_cast<int>(index) + 1, ge::toPnt(point));
  impl_->rebuildSpans();
  impl_->hasFit = false;
  impl_->fitPoints.clear();
  return Zcad::eOk;
}

std::vector<double> ZcGeNurbCurve3d::knots() const {
  std::vector<double> out;
  if (impl_->curve.IsNull()) return out;
  TColStd_Array1OfReal flat(1, static_cast<int>(numKnots()));
  impl_->curve->KnotSequence(flat);
  for (int i = 1; i <= flat.Upper(); ++i) out.push_back(flat(i));
  return out;
}

std::vector<ZcGePoint3d> ZcGeNurbCurve3d::controlPoints() const {
  std::vector<ZcGePoint3d> out;
  for (unsigned i = 0; i < numControlPoints(); ++i) out.push_back(ge::fromPnt(impl_->curve->Pole(static_cast<int>(i) + 1)));
  return out;
}

std::vector<double> ZcGeNurbCurve3d::weights() const {
  std::vector<double> out;
  for (unsigned i = 0; i < numControlPoints(); ++i) out.push_back(impl_->curve->Weight(static_cast<int>(i) + 1));
  return out;
}

ErrorStatus ZcGeNurbCurve3d::setFitData(const std::vector<ZcGePoint3d>& fitPoints, const ZcGeVector3d& startTangent,
                                        const ZcGeVector3d& endTangent, double fitTolerance) {
  Handle(Geom_BSplineCurve) c = interpolate(fitPoints, startTangent, endTangent);
  if (c.IsNull()) return Zcad::eInvalidInput;
  *impl_ = Impl();
  impl_->curve = c;
  impl_->rebuildSpans();
  impl_->hasFit = true;
  impl_->fitPoints = fitPoints;
  impl_->startTangent = startTangent;
  impl_->endTangent = endTangent;
  impl_->fitTolerance = fitTolerance;
  return Zcad::eOk;
}

bool ZcGeNurbCurve3d::hasFitData() const { return impl_->hasFit; }
unsigned ZcGeNurbCurve3d::numFitPoints() const { return static_cast<unsigned>(impl_->fitPoints.size()); }
std::vector<ZcGePoint3d> ZcGeNurbCurve3d::fitPoints() const { return impl_->fitPoints; }
double ZcGeNurbCurve3d::fitTolerance() const { return impl_->fitTolerance; }

ErrorStatus ZcGeNurbCurve3d::getFitPointAt(unsigned index, ZcGePoint3d& point) const {
  if (index >= numFitPoints()) return Zcad::eInvalidIndex;
  point = impl_->fitPoints[index];
  return Zcad::eOk;
}

ErrorStatus ZcGeNurbCurve3d::setFitPointAt(unsigned index, const ZcGePoint3d& point) {
  if (!impl_->hasFit) return Zcad::eNotApplicable;
  if (index >= numFitPoints()) return Zcad::eInvalidIndex;
  std::vector<ZcGePoint3d> pts = impl_->fitPoints;
  pts[index] = point;
  return setFitData(pts, impl_->startTangent, impl_->endTangent, impl_->fitTolerance);
}

ErrorStatus ZcGeNurbCurve3d::getFitTangents(ZcGeVector3d& startTangent, ZcGeVector3d& endTangent) const {
  if (!impl_->hasFit) return Zcad::eNotApplicable;
  startTangent = impl_->startTangent;
  endTangent = impl_->endTangent;
  return Zcad::eOk;
}

ErrorStatus ZcGeNurbCurve3d::setFitTangents(const ZcGeVector3d& startTangent, const ZcGeVector3d& endTangent) {
  if (!impl_->hasFit) return Zcad::eOk;  // no fit data: the shape stays as it is
  return setFitData(impl_->fitPoints, startTangent, endTangent, impl_->fitTolerance);
}

void ZcGeNurbCurve3d::purgeFitData() {
  impl_->hasFit = false;
  impl_->fitPoints.clear();
  impl_->startTangent = impl_->endTangent = {};
}

std::unique_ptr<ZcGeCurve3d> ZcGeNurbCurve3d::copy() const { return std::make_unique<ZcGeNurbCurve3d>(*this); }

bool ZcGeNurbCurve3d::isPeriodic() const { return impl_->periodic && isClosed(); }

double ZcGeNurbCurve3d::endParam() const { return impl_->curve.IsNull() ? 0.0 : impl_->curve->LastParameter(); }

ZcGePoint3d ZcGeNurbCurve3d::evalPoint(double param) const {
  ZcGePoint3d p;
  if (impl_->spans.spans() > 0) impl_->spans.eval(param, p, nullptr, nullptr);
  return p;
}

ZcGeVector3d ZcGeNurbCurve3d::evalDeriv(double param) const {
  ZcGePoint3d p;
  ZcGeVector3d d;
  if (impl_->spans.spans() > 0) impl_->spans.eval(param, p, &d, nullptr);
  return d;
}

ZcGeVector3d ZcGeNurbCurve3d::evalDeriv2(double param) const {
  ZcGePoint3d p;
  ZcGeVector3d d1, d2;
  if (impl_->spans.spans() > 0) impl_->spans.eval(param, p, &d1, &d2);
  return d2;
}

std::vector<double> ZcGeNurbCurve3d::spanBreaks() const {
  if (impl_->spans.spans() == 0) return {0.0, 0.0};
  return impl_->spans.breaks;
}

double ZcGeNurbCurve3d::lengthBetween(double t0, double t1) const {
  if (impl_->spans.spans() == 0 || !(t1 > t0)) return 0.0;
  return ge::lengthOnSpans(impl_->spans, t0, t1);
}

double ZcGeNurbCurve3d::closestParam(const ZcGePoint3d& point, bool) const {
  if (impl_->spans.spans() == 0) return 0.0;
  return ge::closestOnSpans(*this, impl_->spans, point);
}

ErrorStatus ZcGeNurbCurve3d::getOffsetCurves(double dist, ZcGeCurve3dArray& offsetCurves) const {
  const ge::BezierSpans& s = impl_->spans;
  if (s.spans() == 0) return Zcad::eInvalidInput;
  // Corners: span joins where the tangent directions on the two sides differ.
  std::vector<double> kinks;
  for (int i = 1; i < s.spans(); ++i) {
    ZcGePoint3d p;
    ZcGeVector3d left, right;
    s.evalLocal(i - 1, 1.0, p, &left, nullptr);
    s.evalLocal(i, 0.0, p, &right, nullptr);
    if (left.isZeroLength() || right.isZeroLength() || left.normal().crossProduct(right.normal()).length() > 1e-9 ||
        left.dotProduct(right) < 0.0)
      kinks.push_back(s.breaks[i]);
  }
  return ge::offsetByCubic(*this, &s, dist, s.breaks, kinks, {}, offsetCurves);
}

ErrorStatus ZcGeNurbCurve3d::getSplitCurves(const std::vector<double>& params, ZcGeCurve3dArray& pieces) const {
  if (impl_->curve.IsNull()) return Zcad::eInvalidInput;
  double end = endParam();
  std::vector<double> cuts = ge::cleanSplitParams(params, 0.0, end);
  if (cuts.empty()) { pieces.push_back(copy()); return Zcad::eOk; }
  auto segment = [&](double a, double b) -> Handle(Geom_BSplineCurve) {
    Handle(Geom_BSplineCurve) c = Handle(Geom_BSplineCurve)::DownCast(impl_->curve->Copy());
    c->Segment(a, b);  // knot insertion up to the degree at both cuts
    return c;
  };
  try {
    bool wrap = isClosed();
    if (!wrap) pieces.push_back(ge::splineFromOcct(segment(0.0, cuts.front())));
    for (size_t i = 0; i + 1 < cuts.size(); ++i) pieces.push_back(ge::splineFromOcct(segment(cuts[i], cuts[i + 1])));
    if (!wrap) {
      pieces.push_back(ge::splineFromOcct(segment(cuts.back(), end)));
    } else {
      // The last piece runs over the seam: the tail, then the head.
      Handle(Geom_BSplineCurve) joined = joinAtSeam(segment(cuts.back(), end), segment(0.0, cuts.front()));
      if (joined.IsNull()) return Zcad::eInvalidInput;
      pieces.push_back(ge::splineFromOcct(joined));
    }
  } catch (const Standard_Failure&) {
    return Zcad::eInvalidInput;
  }
  return Zcad::eOk;
}

ErrorStatus ZcGeNurbCurve3d::transformBy(const ZcGeMatrix3d& m) {
  if (impl_->curve.IsNull()) return Zcad::eOk;
  // B-splines are affine invariant: transform the control points.
  for (int i = 1; i <= impl_->curve->NbPoles(); ++i) {
    ZcGePoint3d p = ge::fromPnt(impl_->curve->Pole(i));
    impl_->curve->SetPole(i, ge::toPnt(p.transformBy(m)));
  }
  impl_->rebuildSpans();
  for (ZcGePoint3d& p : impl_->fitPoints) p.transformBy(m);
  impl_->startTangent.transformBy(m);
  impl_->endTangent.transformBy(m);
  return Zcad::eOk;
}

ErrorStatus ZcGeNurbCurve3d::reverse() {
  if (impl_->curve.IsNull()) return Zcad::eOk;
  impl_->curve->Reverse();
  impl_->rebuildSpans();
  std::reverse(impl_->fitPoints.begin(), impl_->fitPoints.end());
  std::swap(impl_->startTangent, impl_->endTangent);
  impl_->startTangent = -impl_->startTangent;
  impl_->endTangent = -impl_->endTangent;
  return Zcad::eOk;
}

ErrorStatus ZcGeNurbCurve3d::getGeomExtents(ZcGePoint3d& minPoint, ZcGePoint3d& maxPoint) const {
  if (impl_->curve.IsNull()) return Zcad::eInvalidExtents;
  const ge::BezierSpans& s = impl_->spans;
  if (s.rational || s.spans() == 0) return ZcGeCurve3d::getGeomExtents(minPoint, maxPoint);
  // Without weights a span's extremes lie at its ends or where the derivative of a coordinate,
  // a Bernstein polynomial of one degree less, has a root: found exactly, not by sampling.
  minPoint = maxPoint = startPoint();
  const int d = s.degree;
  std::vector<double> slope(static_cast<size_t>(d));
  for (int i = 0; i < s.spans(); ++i) {
    const ge::HPoint* c = s.span(i);
    ge::growBox(minPoint, maxPoint, ZcGePoint3d(c[0].x, c[0].y, c[0].z));
    ge::growBox(minPoint, maxPoint, ZcGePoint3d(c[d].x, c[d].y, c[d].z));
    for (int k = 0; k < 3; ++k) {
      auto coord = [k](const ge::HPoint& h) { return k == 0 ? h.x : k == 1 ? h.y : h.z; };
      bool rises = false, falls = false;
      for (int j = 0; j < d; ++j) {
        slope[j] = d * (coord(c[j + 1]) - coord(c[j]));
        rises = rises || slope[j] > 0.0;
        falls = falls || slope[j] < 0.0;
      }
      if (!(rises && falls)) continue;  // monotone in this coordinate: the ends bound it
      for (double u : ge::bernsteinRoots(slope, 0.0)) {
        ZcGePoint3d p;
        s.evalLocal(i, u, p, nullptr, nullptr);
        ge::growBox(minPoint, maxPoint, p);
      }
    }
  }
  return Zcad::eOk;
}
