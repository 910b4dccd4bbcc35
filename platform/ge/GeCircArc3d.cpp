// Circular arcs and circles: exact analytic evaluation, projection, offset, split, extension
// and the three-point construction.
#include <algorithm>

#include "ge/GeInternal.h"
#include "ge/ZcGeCircArc3d.h"

using Zcad::ErrorStatus;
using ge::kTwoPi;
using ge::normAngle;

namespace {
/// A similarity's scale factor (1 for rotations and reflections), or 0 when `m` distorts shapes.
double uniformScale(const ZcGeMatrix3d& m) {
  ZcGeVector3d c[3];
  for (unsigned k = 0; k < 3; ++k) c[k] = {m.entry[0][k], m.entry[1][k], m.entry[2][k]};
  double s = c[0].length();
  if (s <= 0.0) return 0.0;
  for (unsigned k = 0; k < 3; ++k) {
    if (std::fabs(c[k].length() - s) > 1e-9 * s) return 0.0;
    if (std::fabs(c[k].dotProduct(c[(k + 1) % 3])) > 1e-9 * s * s) return 0.0;
  }
  return s;
}
}  // namespace

ZcGeCircArc3d::ZcGeCircArc3d() : sweep_(kTwoPi) {}

ZcGeCircArc3d::ZcGeCircArc3d(const ZcGePoint3d& center, const ZcGeVector3d& normal, double radius) {
  set(center, normal, radius);
}

ZcGeCircArc3d::ZcGeCircArc3d(const ZcGePoint3d& center, const ZcGeVector3d& normal, const ZcGeVector3d& refVec,
                             double radius, double startAngle, double endAngle) {
  set(center, normal, refVec, radius, startAngle, endAngle);
}

ZcGeCircArc3d::ZcGeCircArc3d(const ZcGePoint3d& start, const ZcGePoint3d& pointOnArc, const ZcGePoint3d& end) {
  if (set(start, pointOnArc, end) != Zcad::eOk) {
    center_ = start;
    radius_ = 0.0;
    sweep_ = kTwoPi;
  }
}

void ZcGeCircArc3d::set(const ZcGePoint3d& center, const ZcGeVector3d& normal, double radius) {
  set(center, normal, ZcGeVector3d(), radius, 0.0, 0.0);
}

void ZcGeCircArc3d::set(const ZcGePoint3d& center, const ZcGeVector3d& normal, const ZcGeVector3d& refIn,
                        double radius, double startAngle, double endAngle) {
  const ZcGeVector3d refVec = refIn;  // a copy: callers may pass our own members
  center_ = center;
  radius_ = std::fabs(radius);
  normal_ = normal.isZeroLength() ? ZcGeVector3d::kZAxis : normal.normal();
  refVec_ = ge::planeXAxis(normal_);
  // Angles given from `refVec` are turned into angles from the plane's own X axis.
  ZcGeVector3d ref = refVec - normal_ * refVec.dotProduct(normal_);
  double shift = 0.0;
  if (!ref.isZeroLength()) {
    ZcGeVector3d y0 = normal_.crossProduct(refVec_);
    shift = std::atan2(ref.dotProduct(y0), ref.dotProduct(refVec_));
  }
  setAngles(startAngle + shift, endAngle + shift);
}

ErrorStatus ZcGeCircArc3d::set(const ZcGePoint3d& start, const ZcGePoint3d& pointOnArc, const ZcGePoint3d& end) {
  ZcGeVector3d a = pointOnArc - start, b = end - start;
  double tol = ZcGeContext::gTol.equalPoint();
  if (a.length() <= tol || b.length() <= tol || (end - pointOnArc).length() <= tol) return Zcad::eInvalidInput;
  ZcGeVector3d n = a.crossProduct(b);
  if (n.length() <= 1e-12 * a.length() * b.length()) return Zcad::eInvalidInput;  // collinear
  // Circumcentre: start + ((|a|² b − |b|² a) × n) / (2 |n|²).
  ZcGeVector3d toCenter = (b * a.lengthSqrd() - a * b.lengthSqrd()).crossProduct(n) / (2.0 * n.lengthSqrd());
  center_ = start + toCenter;
  radius_ = toCenter.length();
  normal_ = n.normal();  // the turning sense of start → pointOnArc → end
  refVec_ = ge::planeXAxis(normal_);
  double a0 = angleOfPoint(start), a1 = angleOfPoint(end);
  startAngle_ = a0;
  sweep_ = normAngle(a1 - a0);
  if (sweep_ == 0.0) sweep_ = kTwoPi;
  return Zcad::eOk;
}

double ZcGeCircArc3d::endAngle() const { return normAngle(startAngle_ + sweep_); }

bool ZcGeCircArc3d::isFullCircle() const { return sweep_ >= kTwoPi - 1e-12; }

ErrorStatus ZcGeCircArc3d::setRadius(double r) {
  if (!(r >= 0.0)) return Zcad::eInvalidInput;
  radius_ = r;
  return Zcad::eOk;
}

void ZcGeCircArc3d::setStartAngle(double angle) { setAngles(angle, startAngle_ + sweep_); }

void ZcGeCircArc3d::setEndAngle(double angle) { setAngles(startAngle_, angle); }

void ZcGeCircArc3d::setAngles(double startAngle, double endAngle) {
  startAngle_ = normAngle(startAngle);
  sweep_ = normAngle(endAngle - startAngle);
  if (sweep_ <= 1e-14) sweep_ = kTwoPi;
}

ErrorStatus ZcGeCircArc3d::setAxes(const ZcGeVector3d& normal, const ZcGeVector3d& refVec) {
  if (normal.isZeroLength()) return Zcad::eInvalidInput;
  set(center_, normal, refVec, radius_, startAngle_, startAngle_ + sweep_);
  return Zcad::eOk;
}

std::unique_ptr<ZcGeCurve3d> ZcGeCircArc3d::copy() const { return std::make_unique<ZcGeCircArc3d>(*this); }

double ZcGeCircArc3d::angleOfPoint(const ZcGePoint3d& point) const {
  ZcGeVector3d v = point - center_, y = normal_.crossProduct(refVec_);
  double px = v.dotProduct(refVec_), py = v.dotProduct(y);
  return (px == 0.0 && py == 0.0) ? startAngle_ : normAngle(std::atan2(py, px));
}

ZcGePoint3d ZcGeCircArc3d::pointAtAngle(double angle) const {
  ZcGeVector3d y = normal_.crossProduct(refVec_);
  return center_ + (refVec_ * std::cos(angle) + y * std::sin(angle)) * radius_;
}

ZcGePoint3d ZcGeCircArc3d::evalPoint(double param) const { return pointAtAngle(startAngle_ + param); }

ZcGeVector3d ZcGeCircArc3d::evalDeriv(double param) const {
  double a = startAngle_ + param;
  ZcGeVector3d y = normal_.crossProduct(refVec_);
  return (refVec_ * -std::sin(a) + y * std::cos(a)) * radius_;
}

ZcGeVector3d ZcGeCircArc3d::evalDeriv2(double param) const { return -(pointAtAngle(startAngle_ + param) - center_); }

double ZcGeCircArc3d::closestParam(const ZcGePoint3d& point, bool extend) const {
  double t = normAngle(angleOfPoint(point) - startAngle_);
  if (t <= sweep_ || extend) return t;
  // Beyond the arc: the nearer end (ends are exact, whatever the angle's rounding).
  return point.distanceTo(startPoint()) <= point.distanceTo(endPoint()) ? 0.0 : sweep_;
}

ErrorStatus ZcGeCircArc3d::getOffsetCurves(double dist, ZcGeCurve3dArray& offsetCurves) const {
  double r = radius_ + dist;
  if (!(r > ZcGeContext::gTol.equalPoint()) || radius_ <= 0.0) return Zcad::eInvalidInput;
  auto arc = std::make_unique<ZcGeCircArc3d>(*this);
  arc->radius_ = r;
  offsetCurves.push_back(std::move(arc));
  return Zcad::eOk;
}

ErrorStatus ZcGeCircArc3d::getSplitCurves(const std::vector<double>& params, ZcGeCurve3dArray& pieces) const {
  std::vector<double> cuts = ge::cleanSplitParams(params, 0.0, sweep_);
  auto piece = [&](double from, double to) {
    auto arc = std::make_unique<ZcGeCircArc3d>(*this);
    arc->startAngle_ = normAngle(startAngle_ + from);
    arc->sweep_ = to - from;
    pieces.push_back(std::move(arc));
  };
  if (isFullCircle() && cuts.size() == 1) return Zcad::eInvalidInput;  // a circle has no start to keep
  if (cuts.empty()) { pieces.push_back(copy()); return Zcad::eOk; }
  for (auto [from, to] : ge::splitRanges(cuts, sweep_, isFullCircle())) piece(from, to);
  return Zcad::eOk;
}

ErrorStatus ZcGeCircArc3d::extend(bool atStart, const ZcGePoint3d& point) {
  if (isFullCircle()) return Zcad::eNotApplicable;
  ZcGeVector3d v = point - center_;
  if (std::fabs(v.dotProduct(normal_)) > kOnCurveTol || std::fabs(v.length() - radius_) > kOnCurveTol)
    return Zcad::eInvalidInput;
  double a = angleOfPoint(point), end = startAngle_ + sweep_;
  double sweep = atStart ? normAngle(end - a) : normAngle(a - startAngle_);
  if (sweep <= 1e-12) return Zcad::eInvalidInput;  // would close into a full circle
  if (atStart) startAngle_ = a;
  sweep_ = sweep;
  return Zcad::eOk;
}

ErrorStatus ZcGeCircArc3d::transformBy(const ZcGeMatrix3d& m) {
  double s = uniformScale(m);
  if (s == 0.0) return Zcad::eNotApplicable;
  ZcGeVector3d x = refVec_, y = normal_.crossProduct(refVec_);
  x.transformBy(m);
  y.transformBy(m);
  x /= s;
  y /= s;
  double start = startAngle_;
  if (m.det() < 0.0) {
    // A reflection reverses the turning sense: measure angles towards −y instead, so the arc
    // keeps running counter-clockwise about its (reflected) normal.
    y = -y;
    start = -(startAngle_ + sweep_);
  }
  double sweep = sweep_;
  center_.transformBy(m);
  set(center_, x.crossProduct(y), x, radius_ * s, start, start + sweep);
  sweep_ = sweep;
  return Zcad::eOk;
}

ErrorStatus ZcGeCircArc3d::reverse() {
  // Seen from the opposite side the arc turns the other way: the angle θ becomes −θ.
  double sweep = sweep_;
  double start = -(startAngle_ + sweep_);
  set(center_, -normal_, refVec_, radius_, start, start + sweep);
  sweep_ = sweep;
  return Zcad::eOk;
}

ErrorStatus ZcGeCircArc3d::getGeomExtents(ZcGePoint3d& minPoint, ZcGePoint3d& maxPoint) const {
  ZcGeVector3d y = normal_.crossProduct(refVec_);
  ge::ellipticExtents(*this, center_, refVec_ * radius_, y * radius_, startAngle_, sweep_, minPoint, maxPoint);
  return Zcad::eOk;
}

ErrorStatus ZcGeCircArc3d::getPlane(ZcGePoint3d& origin, ZcGeVector3d& normal) const {
  origin = center_;
  normal = normal_;
  return Zcad::eOk;
}
