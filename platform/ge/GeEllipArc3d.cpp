// Ellipses and elliptic arcs: exact evaluation of our own; length through OpenCASCADE's Gauss
// integration; closest points over quarter arcs as Bézier spans; offsets as fitted cubic splines.
#include <algorithm>

#include <GCPnts_AbscissaPoint.hxx>
#include <GeomAdaptor_Curve.hxx>
#include <Standard_Failure.hxx>

#include "ge/GeInternal.h"
#include "ge/GeCurveOffset.h"
#include "ge/GeOcct.h"
#include "ge/GeSpans.h"
#include "ge/ZcGeEllipArc3d.h"

using Zcad::ErrorStatus;
using ge::kTwoPi;
using ge::normAngle;

ZcGeEllipArc3d::ZcGeEllipArc3d() = default;

ZcGeEllipArc3d::ZcGeEllipArc3d(const ZcGePoint3d& center, const ZcGeVector3d& normal, const ZcGeVector3d& majorAxis,
                               double radiusRatio, double startAngle, double endAngle) {
  set(center, normal, majorAxis, radiusRatio, startAngle, endAngle);
}

ErrorStatus ZcGeEllipArc3d::set(const ZcGePoint3d& center, const ZcGeVector3d& normal, const ZcGeVector3d& majorAxis,
                                double radiusRatio, double startAngle, double endAngle) {
  ZcGeVector3d n = normal.normal();
  if (n.isZeroLength() || majorAxis.isZeroLength() || !(radiusRatio > 0.0 && radiusRatio <= 1.0 + 1e-12) ||
      majorAxis.normal().crossProduct(n).length() < 1e-9)
    return Zcad::eInvalidInput;
  center_ = center;
  normal_ = n;
  majorAxis_ = majorAxis - n * majorAxis.dotProduct(n);  // kept exactly in the plane
  radiusRatio_ = std::min(radiusRatio, 1.0);
  setAngles(startAngle, endAngle);
  return Zcad::eOk;
}

ZcGeVector3d ZcGeEllipArc3d::minorAxis() const {
  return normal_.crossProduct(majorAxis_.normal()) * minorRadius();
}

double ZcGeEllipArc3d::endAngle() const { return normAngle(startAngle_ + sweep_); }

bool ZcGeEllipArc3d::isFullEllipse() const { return sweep_ >= kTwoPi - 1e-12; }

void ZcGeEllipArc3d::setAngles(double startAngle, double endAngle) {
  startAngle_ = normAngle(startAngle);
  sweep_ = normAngle(endAngle - startAngle);
  if (sweep_ <= 1e-14) sweep_ = kTwoPi;
}

void ZcGeEllipArc3d::setStartAngle(double angle) { setAngles(angle, startAngle_ + sweep_); }

void ZcGeEllipArc3d::setEndAngle(double angle) { setAngles(startAngle_, angle); }

double ZcGeEllipArc3d::angleOfPoint(const ZcGePoint3d& point) const {
  ZcGeVector3d v = point - center_;
  double x = v.dotProduct(majorAxis_.normal()) / majorRadius();
  double y = v.dotProduct(normal_.crossProduct(majorAxis_.normal())) / minorRadius();
  return (x == 0.0 && y == 0.0) ? startAngle_ : normAngle(std::atan2(y, x));
}

ZcGePoint3d ZcGeEllipArc3d::pointAtAngle(double angle) const {
  return center_ + majorAxis_ * std::cos(angle) + minorAxis() * std::sin(angle);
}

std::unique_ptr<ZcGeCurve3d> ZcGeEllipArc3d::copy() const { return std::make_unique<ZcGeEllipArc3d>(*this); }

ZcGePoint3d ZcGeEllipArc3d::evalPoint(double param) const { return pointAtAngle(startAngle_ + param); }

ZcGeVector3d ZcGeEllipArc3d::evalDeriv(double param) const {
  double u = startAngle_ + param;
  return majorAxis_ * -std::sin(u) + minorAxis() * std::cos(u);
}

ZcGeVector3d ZcGeEllipArc3d::evalDeriv2(double param) const { return -(evalPoint(param) - center_); }

double ZcGeEllipArc3d::closestParam(const ZcGePoint3d& point, bool) const {
  ge::BezierSpans spans = ge::ellipseSpans(center_, majorAxis_, minorAxis(), startAngle_, sweep_);
  // A point of a quarter arc answers its eccentric angle, taken within the quarter's range.
  std::function<double(int, double)> toParam = [&](int i, double u) {
    ZcGePoint3d q;
    spans.evalLocal(i, u, q, nullptr, nullptr);
    double lo = spans.breaks[i], hi = spans.breaks[i + 1];
    double rel = normAngle(angleOfPoint(q) - startAngle_ - lo);
    if (rel > hi - lo) rel = rel > 0.5 * (kTwoPi + hi - lo) ? 0.0 : hi - lo;
    return lo + rel;
  };
  return ge::closestOnSpans(*this, spans, point, &toParam);
}

double ZcGeEllipArc3d::lengthBetween(double t0, double t1) const {
  if (!(t1 > t0)) return 0.0;
  double shift = 0.0;
  Handle(Geom_Curve) c = ge::toOcct(*this, shift);
  try {
    GeomAdaptor_Curve adaptor(c);
    return GCPnts_AbscissaPoint::Length(adaptor, t0 + shift, t1 + shift, 1e-13);
  } catch (const Standard_Failure&) {
    return ZcGeCurve3d::lengthBetween(t0, t1);
  }
}

ErrorStatus ZcGeEllipArc3d::getOffsetCurves(double dist, ZcGeCurve3dArray& offsetCurves) const {
  // The curvature peaks at the ends of the major axis, too sharply on a flat ellipse for samples.
  std::vector<double> peaks, breaks{0.0};
  for (double a : {0.0, ge::kPi})
    if (normAngle(a - startAngle_) <= sweep_) peaks.push_back(normAngle(a - startAngle_));
  int quarters = std::max(1, static_cast<int>(std::ceil(sweep_ / (0.5 * ge::kPi) - 1e-9)));
  for (int i = 1; i <= quarters; ++i) breaks.push_back(sweep_ * i / quarters);
  return ge::offsetByCubic(*this, nullptr, dist, breaks, {}, peaks, offsetCurves);
}

ErrorStatus ZcGeEllipArc3d::getSplitCurves(const std::vector<double>& params, ZcGeCurve3dArray& pieces) const {
  std::vector<double> cuts = ge::cleanSplitParams(params, 0.0, sweep_);
  if (cuts.empty()) { pieces.push_back(copy()); return Zcad::eOk; }
  auto piece = [&](double from, double to) {
    auto e = std::make_unique<ZcGeEllipArc3d>(*this);
    e->startAngle_ = normAngle(startAngle_ + from);
    e->sweep_ = to - from;
    pieces.push_back(std::move(e));
  };
  for (auto [from, to] : ge::splitRanges(cuts, sweep_, isFullEllipse())) piece(from, to);
  return Zcad::eOk;
}

ErrorStatus ZcGeEllipArc3d::extend(bool atStart, const ZcGePoint3d& point) {
  if (isFullEllipse()) return Zcad::eNotApplicable;
  double a = angleOfPoint(point);
  if (pointAtAngle(a).distanceTo(point) > kOnCurveTol) return Zcad::eInvalidInput;
  double sweep = atStart ? normAngle(startAngle_ + sweep_ - a) : normAngle(a - startAngle_);
  if (sweep <= 1e-12) return Zcad::eInvalidInput;
  if (atStart) startAngle_ = a;
  sweep_ = sweep;
  return Zcad::eOk;
}

ErrorStatus ZcGeEllipArc3d::transformBy(const ZcGeMatrix3d& m) {
  ZcGeVector3d x = majorAxis_, y = minorAxis();
  x.transformBy(m);
  y.transformBy(m);
  double ratio = y.length() / x.length();
  if (!(x.length() > 0.0) || std::fabs(x.dotProduct(y)) > 1e-9 * x.lengthSqrd() ||
      std::fabs(ratio - radiusRatio_) > 1e-9)
    return Zcad::eNotApplicable;  // not a similarity: the axes would not stay axes
  ZcGeVector3d n = x.crossProduct(y).normal();
  double start = startAngle_;
  if (m.det() < 0.0) {  // keep turning counter-clockwise about the reflected normal
    n = -n;
    start = -(startAngle_ + sweep_);
  }
  center_.transformBy(m);
  normal_ = n;
  majorAxis_ = x;
  startAngle_ = normAngle(start);
  return Zcad::eOk;
}

ErrorStatus ZcGeEllipArc3d::reverse() {
  // Seen from the other side the minor axis points the other way: angle u becomes −u.
  normal_ = -normal_;
  startAngle_ = normAngle(-(startAngle_ + sweep_));
  return Zcad::eOk;
}

ErrorStatus ZcGeEllipArc3d::getGeomExtents(ZcGePoint3d& minPoint, ZcGePoint3d& maxPoint) const {
  ge::ellipticExtents(*this, center_, majorAxis_, minorAxis(), startAngle_, sweep_, minPoint, maxPoint);
  return Zcad::eOk;
}

ErrorStatus ZcGeEllipArc3d::getPlane(ZcGePoint3d& origin, ZcGeVector3d& normal) const {
  origin = center_;
  normal = normal_;
  return Zcad::eOk;
}
