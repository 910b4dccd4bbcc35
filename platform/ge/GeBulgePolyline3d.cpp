// Bulge polylines: exact analytic evaluation, lengths, projection, splitting, extension and
// transforms, segment by segment. Offsets live in GeBulgePolylineOffset.cpp.
#include <algorithm>
#include <limits>

#include "ge/GeBulgePolylineSeg.h"
#include "ge/GeInternal.h"
#include "ge/ZcGeCircArc3d.h"
#include "ge/ZcGeLineSeg3d.h"

using Zcad::ErrorStatus;

namespace ge {

PlineSeg PlineSeg::make(const ZcGePoint3d& p0, const ZcGePoint3d& p1, double bulge, const ZcGeVector3d& n) {
  PlineSeg s;
  s.p0 = p0;
  s.p1 = p1;
  s.n = n;
  ZcGeVector3d chord = p1 - p0;
  double len = chord.length();
  s.len = len;
  if (len > 0.0) s.t0 = chord / len;
  // The sagitta is |bulge| · len / 2: below the point tolerance the segment is its chord.
  if (std::fabs(bulge) * len * 0.5 <= ZcGeContext::gTol.equalPoint()) return s;
  s.arc = true;
  s.theta = 4.0 * std::atan(bulge);
  // The start tangent is the chord turned back by half the sweep; the centre lies r along the
  // inward normal, r = L(1 + b²)/(4|b|).
  ZcGeVector3d u = chord / len, left = n.crossProduct(u);
  double half = 0.5 * s.theta;
  s.t0 = u * std::cos(half) - left * std::sin(half);
  s.m0 = n.crossProduct(s.t0) * (bulge > 0.0 ? 1.0 : -1.0);
  s.r = len * (1.0 + bulge * bulge) / (4.0 * std::fabs(bulge));
  s.c = p0 + s.m0 * s.r;
  s.v0 = -s.m0 * s.r;
  s.len = s.r * std::fabs(s.theta);
  return s;
}

PlineSeg PlineSeg::circular(const ZcGePoint3d& centre, const ZcGeVector3d& n, const ZcGePoint3d& p0, double theta) {
  PlineSeg s;
  s.arc = true;
  s.n = n;
  s.c = centre;
  s.p0 = p0;
  s.v0 = p0 - centre;
  s.r = s.v0.length();
  s.theta = theta;
  s.m0 = -s.v0 / s.r;
  s.t0 = n.crossProduct(s.v0 / s.r) * (theta > 0.0 ? 1.0 : -1.0);
  s.len = s.r * std::fabs(theta);
  s.p1 = s.onArc(1.0);
  return s;
}

ZcGePoint3d PlineSeg::point(double u) const {
  if (!arc) return u == 1.0 ? p1 : p0 + (p1 - p0) * u;
  return u == 1.0 ? p1 : onArc(u);
}

ZcGePoint3d PlineSeg::onArc(double u) const {
  // p(φ) − p0 = 2r·sin(|θ|u/2) along the start tangent turned by θu/2.
  double half = 0.5 * theta * u;
  ZcGeVector3d dir = t0 * std::cos(half) + n.crossProduct(t0) * std::sin(half);
  return p0 + dir * (2.0 * r * std::sin(0.5 * std::fabs(theta) * u));
}

ZcGeVector3d PlineSeg::deriv(double u) const {
  if (!arc) return p1 - p0;
  double phi = theta * u;
  return (t0 * std::cos(phi) + n.crossProduct(t0) * std::sin(phi)) * (r * std::fabs(theta));
}

ZcGeVector3d PlineSeg::deriv2(double u) const {
  if (!arc) return {};
  return inward(u) * (r * theta * theta);
}

ZcGeVector3d PlineSeg::inward(double u) const {
  double phi = theta * u;
  return m0 * std::cos(phi) - t0 * (std::sin(phi) * (theta > 0.0 ? 1.0 : -1.0));
}

double PlineSeg::offCircle(const ZcGePoint3d& p) const {
  ZcGeVector3d d = p - p0;
  d -= n * d.dotProduct(n);
  return 0.5 * d.lengthSqrd() / r - d.dotProduct(m0);
}

double PlineSeg::closest(const ZcGePoint3d& p, bool extend) const {
  if (!arc) {
    double l2 = (p1 - p0).lengthSqrd();
    if (l2 == 0.0) return 0.0;
    double u = (p - p0).dotProduct(p1 - p0) / l2;
    return extend ? u : std::clamp(u, 0.0, 1.0);
  }
  // In the frame (t0, m0) at p0 the centre is (0, r) and p(φ) = (r sin φ, r − r cos φ).
  ZcGeVector3d d = p - p0;
  double x = d.dotProduct(t0), y = d.dotProduct(m0);
  if (x == 0.0 && y == r) return 0.0;  // the centre: every point is nearest
  double sweep = std::fabs(theta);
  double along = normAngle(std::atan2(x, r - y));
  if (along <= sweep || extend) return along / sweep;
  return p.distanceTo(p0) <= p.distanceTo(p1) ? 0.0 : 1.0;
}

double PlineSeg::bulgeOf(double u0, double u1) const { return arc ? std::tan(theta * (u1 - u0) / 4.0) : 0.0; }

}  // namespace ge

using ge::PlineSeg;

ZcGeBulgePolyline3d::ZcGeBulgePolyline3d(const std::vector<ZcGePoint2d>& points, const std::vector<double>& bulges,
                                         bool closed, double elevation, const ZcGeVector3d& normal)
    : normal_(normal.isZeroLength() ? ZcGeVector3d::kZAxis : normal.normal()), elevation_(elevation), closed_(closed) {
  for (size_t i = 0; i < points.size(); ++i) {
    points_.push_back(fromPlane(points[i]));
    bulges_.push_back(i < bulges.size() && std::isfinite(bulges[i]) ? bulges[i] : 0.0);
  }
}

ZcGeBulgePolyline3d::ZcGeBulgePolyline3d(const std::vector<ZcGePoint3d>& points, bool closed)
    : points_(points), bulges_(points.size(), 0.0), closed_(closed), is3d_(true) {}

ZcGePoint2d ZcGeBulgePolyline3d::toPlane(const ZcGePoint3d& p) const {
  ZcGeVector3d x = ge::planeXAxis(normal_), y = normal_.crossProduct(x);
  return {p.asVector().dotProduct(x), p.asVector().dotProduct(y)};
}

ZcGePoint3d ZcGeBulgePolyline3d::fromPlane(const ZcGePoint2d& p) const {
  ZcGeVector3d x = ge::planeXAxis(normal_), y = normal_.crossProduct(x);
  return ZcGePoint3d::kOrigin + x * p.x + y * p.y + normal_ * elevation_;
}

unsigned ZcGeBulgePolyline3d::numSegments() const {
  unsigned n = numVerts();
  if (n < 2) return 0;
  return closed_ ? n : n - 1;
}

PlineSeg ZcGeBulgePolyline3d::seg(unsigned i) const {
  return PlineSeg::make(points_[i], points_[(i + 1) % points_.size()], bulges_[i], normal_);
}

ErrorStatus ZcGeBulgePolyline3d::getPointAt(unsigned index, ZcGePoint3d& point) const {
  if (index >= numVerts()) return Zcad::eInvalidIndex;
  point = points_[index];
  return Zcad::eOk;
}

ErrorStatus ZcGeBulgePolyline3d::getPointAt(unsigned index, ZcGePoint2d& point) const {
  if (index >= numVerts()) return Zcad::eInvalidIndex;
  point = toPlane(points_[index]);
  return Zcad::eOk;
}

ErrorStatus ZcGeBulgePolyline3d::getBulgeAt(unsigned index, double& bulge) const {
  if (index >= numVerts()) return Zcad::eInvalidIndex;
  bulge = bulges_[index];
  return Zcad::eOk;
}

ErrorStatus ZcGeBulgePolyline3d::setPointAt(unsigned index, const ZcGePoint2d& point) {
  if (index >= numVerts()) return Zcad::eInvalidIndex;
  if (is3d_) points_[index] = {point.x, point.y, points_[index].z};
  else points_[index] = fromPlane(point);
  return Zcad::eOk;
}

ErrorStatus ZcGeBulgePolyline3d::setPointAt(unsigned index, const ZcGePoint3d& point) {
  if (index >= numVerts()) return Zcad::eInvalidIndex;
  points_[index] = is3d_ ? point : fromPlane(toPlane(point));
  return Zcad::eOk;
}

ErrorStatus ZcGeBulgePolyline3d::setBulgeAt(unsigned index, double bulge) {
  if (index >= numVerts()) return Zcad::eInvalidIndex;
  if (!std::isfinite(bulge)) return Zcad::eInvalidInput;
  if (is3d_ && bulge != 0.0) return Zcad::eNotApplicable;
  bulges_[index] = bulge;
  return Zcad::eOk;
}

ErrorStatus ZcGeBulgePolyline3d::addVertexAt(unsigned index, const ZcGePoint2d& point, double bulge) {
  return addVertexAt(index, is3d_ ? ZcGePoint3d(point.x, point.y, 0.0) : fromPlane(point), bulge);
}

ErrorStatus ZcGeBulgePolyline3d::addVertexAt(unsigned index, const ZcGePoint3d& point, double bulge) {
  if (index > numVerts()) return Zcad::eInvalidIndex;
  if (!std::isfinite(bulge)) return Zcad::eInvalidInput;
  if (is3d_ && bulge != 0.0) return Zcad::eNotApplicable;
  points_.insert(points_.begin() + index, is3d_ ? point : fromPlane(toPlane(point)));
  bulges_.insert(bulges_.begin() + index, bulge);
  return Zcad::eOk;
}

ErrorStatus ZcGeBulgePolyline3d::removeVertexAt(unsigned index) {
  if (index >= numVerts()) return Zcad::eInvalidIndex;
  points_.erase(points_.begin() + index);
  bulges_.erase(bulges_.begin() + index);
  return Zcad::eOk;
}

void ZcGeBulgePolyline3d::setElevation(double elevation) {
  if (is3d_) return;
  for (ZcGePoint3d& p : points_) p += normal_ * (elevation - elevation_);
  elevation_ = elevation;
}

ErrorStatus ZcGeBulgePolyline3d::getLineSegAt(unsigned index, ZcGeLineSeg3d& line) const {
  if (index >= numSegments()) return Zcad::eInvalidIndex;
  PlineSeg s = seg(index);
  if (s.arc) return Zcad::eNotApplicable;
  line.set(s.p0, s.p1);
  return Zcad::eOk;
}

ErrorStatus ZcGeBulgePolyline3d::getArcSegAt(unsigned index, ZcGeCircArc3d& arc) const {
  if (index >= numSegments()) return Zcad::eInvalidIndex;
  PlineSeg s = seg(index);
  if (!s.arc) return Zcad::eNotApplicable;
  ZcGeVector3d n = s.theta > 0.0 ? normal_ : -normal_;
  arc.set(s.c, n, s.v0, s.r, 0.0, std::fabs(s.theta));
  return Zcad::eOk;
}

std::unique_ptr<ZcGeCurve3d> ZcGeBulgePolyline3d::segmentCurve(unsigned index) const {
  if (index >= numSegments()) return nullptr;
  PlineSeg s = seg(index);
  if (!s.arc) return std::make_unique<ZcGeLineSeg3d>(s.p0, s.p1);
  auto arc = std::make_unique<ZcGeCircArc3d>();
  getArcSegAt(index, *arc);
  return arc;
}

ErrorStatus ZcGeBulgePolyline3d::joinCurve(const ZcGeCurve3d& curve) {
  std::unique_ptr<ZcGeCurve3d> c = curve.copy();
  if (!points_.empty()) {
    if (c->startPoint().distanceTo(points_.back()) > kOnCurveTol) {
      if (c->endPoint().distanceTo(points_.back()) > kOnCurveTol) return Zcad::eInvalidInput;
      c->reverse();
    }
  }
  std::vector<ZcGePoint3d> pts;
  std::vector<double> bulges;
  switch (c->kind()) {
    case kLineSeg:
      pts = {c->startPoint(), c->endPoint()};
      bulges = {0.0, 0.0};
      break;
    case kCircArc: {
      const auto& arc = static_cast<const ZcGeCircArc3d&>(*c);
      double along = arc.normal().dotProduct(normal_);
      if (std::fabs(std::fabs(along) - 1.0) > 1e-9 || is3d_) return Zcad::eInvalidInput;
      double b = std::tan(arc.sweep() / 4.0);
      if (arc.isFullCircle()) {  // two half circles
        pts = {arc.startPoint(), arc.evalPoint(ge::kPi), arc.startPoint()};
        bulges = {along > 0 ? 1.0 : -1.0, along > 0 ? 1.0 : -1.0, 0.0};
      } else {
        pts = {arc.startPoint(), arc.endPoint()};
        bulges = {along > 0 ? b : -b, 0.0};
      }
      break;
    }
    case kBulgePolyline: {
      const auto& pl = static_cast<const ZcGeBulgePolyline3d&>(*c);
      pts = pl.points_;
      bulges = pl.bulges_;
      if (std::any_of(bulges.begin(), bulges.end(), [](double b) { return b != 0.0; })) {
        // Bulges turn about their own polyline's normal: opposite normals turn them round.
        double along = pl.normal_.dotProduct(normal_);
        if (std::fabs(std::fabs(along) - 1.0) > 1e-9 || is3d_) return Zcad::eInvalidInput;
        if (along < 0.0)
          for (double& b : bulges) b = -b;
      }
      if (pl.closed_ && !pts.empty()) { pts.push_back(pts.front()); bulges.push_back(0.0); }
      break;
    }
    default:
      return Zcad::eInvalidInput;
  }
  if (points_.empty()) {
    points_ = pts;
    bulges_ = bulges;
    for (ZcGePoint3d& p : points_) p = is3d_ ? p : fromPlane(toPlane(p));
    return Zcad::eOk;
  }
  bulges_.back() = bulges.front();
  for (size_t i = 1; i < pts.size(); ++i) {
    points_.push_back(is3d_ ? pts[i] : fromPlane(toPlane(pts[i])));
    bulges_.push_back(bulges[i]);
  }
  return Zcad::eOk;
}

std::unique_ptr<ZcGeCurve3d> ZcGeBulgePolyline3d::copy() const { return std::make_unique<ZcGeBulgePolyline3d>(*this); }

bool ZcGeBulgePolyline3d::isClosed() const {
  if (numSegments() == 0) return false;
  return closed_ || points_.front().distanceTo(points_.back()) <= ge::kMergeTol;
}

double ZcGeBulgePolyline3d::endParam() const { return numSegments(); }

unsigned ZcGeBulgePolyline3d::segmentOf(double param, double& local) const {
  unsigned n = numSegments();
  double t = std::clamp(param, 0.0, static_cast<double>(n));
  unsigned i = static_cast<unsigned>(std::floor(t));
  if (i >= n) { local = 1.0; return n - 1; }
  local = t - i;
  return i;
}

ZcGePoint3d ZcGeBulgePolyline3d::evalPoint(double param) const {
  if (numSegments() == 0) return points_.empty() ? ZcGePoint3d::kOrigin : points_.front();
  double u = 0.0;
  unsigned i = segmentOf(param, u);
  return seg(i).point(u);
}

ZcGeVector3d ZcGeBulgePolyline3d::evalDeriv(double param) const {
  if (numSegments() == 0) return {};
  double u = 0.0;
  unsigned i = segmentOf(param, u);
  return seg(i).deriv(u);
}

ZcGeVector3d ZcGeBulgePolyline3d::evalDeriv2(double param) const {
  if (numSegments() == 0) return {};
  double u = 0.0;
  unsigned i = segmentOf(param, u);
  return seg(i).deriv2(u);
}

double ZcGeBulgePolyline3d::lengthBetween(double t0, double t1) const {
  double sum = 0.0;
  for (unsigned i = 0; i < numSegments(); ++i) {
    double a = std::max(t0, static_cast<double>(i)), b = std::min(t1, i + 1.0);
    if (b > a) sum += seg(i).len * (b - a);
  }
  return sum;
}

std::vector<double> ZcGeBulgePolyline3d::spanBreaks() const {
  std::vector<double> out;
  for (unsigned i = 0; i <= numSegments(); ++i) out.push_back(i);
  if (out.size() < 2) out = {0.0, 0.0};
  return out;
}

double ZcGeBulgePolyline3d::closestParam(const ZcGePoint3d& point, bool extend) const {
  unsigned n = numSegments();
  if (n == 0) return 0.0;
  double best = 0.0, bestDist = std::numeric_limits<double>::infinity();
  bool open = !isClosed();
  for (unsigned i = 0; i < n; ++i) {
    PlineSeg s = seg(i);
    if (s.len == 0.0) continue;
    double u = s.closest(point, false);
    if (extend && open && ((i == 0 && u == 0.0) || (i + 1 == n && u == 1.0))) {
      // The end segments continue: lines as rays, arcs round their circle.
      double e = s.closest(point, true);
      if ((i == 0 && (e <= 0.0 || s.arc)) || (i + 1 == n && (e >= 1.0 || s.arc))) u = e;
    }
    double d = s.point(u).distanceTo(point);
    if (d < bestDist) { bestDist = d; best = i + u; }
  }
  return best;
}

ErrorStatus ZcGeBulgePolyline3d::getSplitCurves(const std::vector<double>& params, ZcGeCurve3dArray& pieces) const {
  if (numSegments() == 0) return Zcad::eInvalidInput;
  double end = endParam();
  std::vector<double> cuts = ge::cleanSplitParams(params, 0.0, end);
  if (cuts.empty()) { pieces.push_back(copy()); return Zcad::eOk; }
  for (auto [a, b] : ge::splitRanges(cuts, end, isClosed())) pieces.push_back(subPolyline(a, b));
  return Zcad::eOk;
}

std::unique_ptr<ZcGeBulgePolyline3d> ZcGeBulgePolyline3d::subPolyline(double a, double b) const {
  auto out = std::make_unique<ZcGeBulgePolyline3d>(*this);
  out->points_.clear();
  out->bulges_.clear();
  out->closed_ = false;
  unsigned n = numSegments();
  double t = a;
  while (t < b - 1e-12) {
    double seg0 = std::floor(t + 1e-12);
    double next = std::min(b, seg0 + 1.0);
    unsigned i = static_cast<unsigned>(seg0) % n;
    PlineSeg s = seg(i);
    double u0 = std::clamp(t - seg0, 0.0, 1.0), u1 = std::clamp(next - seg0, 0.0, 1.0);
    out->points_.push_back(u0 == 0.0 ? points_[i] : s.point(u0));
    out->bulges_.push_back(s.bulgeOf(u0, u1));
    t = next;
  }
  double ub = b - std::floor(b - 1e-12);
  unsigned last = static_cast<unsigned>(std::floor(b - 1e-12)) % n;
  out->points_.push_back(seg(last).point(std::clamp(ub, 0.0, 1.0)));
  out->bulges_.push_back(0.0);
  return out;
}

ErrorStatus ZcGeBulgePolyline3d::extend(bool atStart, const ZcGePoint3d& point) {
  if (numSegments() == 0) return Zcad::eInvalidInput;
  if (isClosed()) return Zcad::eNotApplicable;
  unsigned i = atStart ? 0 : numSegments() - 1;
  PlineSeg s = seg(i);
  if (s.len == 0.0) return Zcad::eInvalidInput;
  double e = s.closest(point, true);
  if (s.point(e).distanceTo(point) > kOnCurveTol) return Zcad::eInvalidInput;
  ZcGePoint3d p = is3d_ ? point : fromPlane(toPlane(point));
  if (s.arc) {
    // The new sweep runs the same way round the circle from the new end to the kept one.
    double along = e * std::fabs(s.theta);  // from p0 to the new end, in the run's sense
    double sweep = ge::normAngle(atStart ? std::fabs(s.theta) - along : along);
    if (sweep <= 1e-12) return Zcad::eInvalidInput;
    bulges_[i] = std::tan((s.theta > 0.0 ? sweep : -sweep) / 4.0);
  } else if (double tol = ZcGeContext::gTol.equalPoint() / s.len; atStart ? e >= 1.0 - tol : e <= tol) {
    return Zcad::eInvalidInput;  // past the segment's other end: it would turn round
  }
  points_[atStart ? 0 : points_.size() - 1] = p;
  return Zcad::eOk;
}

ErrorStatus ZcGeBulgePolyline3d::transformBy(const ZcGeMatrix3d& m) {
  bool hasArcs = std::any_of(bulges_.begin(), bulges_.end(), [](double b) { return b != 0.0; });
  ZcGeVector3d x = ge::planeXAxis(normal_), y = normal_.crossProduct(x);
  x.transformBy(m);
  y.transformBy(m);
  if (hasArcs && (std::fabs(x.length() - y.length()) > 1e-9 * x.length() ||
                  std::fabs(x.dotProduct(y)) > 1e-9 * x.lengthSqrd()))
    return Zcad::eNotApplicable;  // arcs would become ellipses
  for (ZcGePoint3d& p : points_) p.transformBy(m);
  if (is3d_) return Zcad::eOk;
  ZcGeVector3d n = x.crossProduct(y).normal();
  if (n.isZeroLength()) return Zcad::eInvalidInput;
  if (m.det() < 0.0) {
    // A reflection: keep the normal on its side and let the arcs turn the other way instead.
    n = -n;
    for (double& b : bulges_) b = -b;
  }
  normal_ = n;
  elevation_ = points_.empty() ? 0.0 : points_.front().asVector().dotProduct(normal_);
  return Zcad::eOk;
}

ErrorStatus ZcGeBulgePolyline3d::reverse() {
  size_t n = points_.size();
  if (n < 2) return Zcad::eOk;
  std::vector<ZcGePoint3d> pts(n);
  std::vector<double> bs(n, 0.0);
  if (isClosed() && closed_) {
    for (size_t j = 0; j < n; ++j) {
      pts[j] = points_[(n - j) % n];
      bs[j] = -bulges_[n - j - 1];
    }
  } else {
    for (size_t j = 0; j < n; ++j) pts[j] = points_[n - 1 - j];
    for (size_t j = 0; j + 1 < n; ++j) bs[j] = -bulges_[n - 2 - j];
  }
  points_ = pts;
  bulges_ = bs;
  return Zcad::eOk;
}

ErrorStatus ZcGeBulgePolyline3d::getGeomExtents(ZcGePoint3d& minPoint, ZcGePoint3d& maxPoint) const {
  if (points_.empty()) return Zcad::eInvalidExtents;
  minPoint = maxPoint = points_.front();
  for (unsigned i = 0; i < numSegments(); ++i) {
    PlineSeg s = seg(i);
    ge::growBox(minPoint, maxPoint, s.p0);
    ge::growBox(minPoint, maxPoint, s.p1);
    if (!s.arc) continue;
    // Coordinate k is extreme where the tangent t0·cos φ + (n × t0)·sin φ has no k part.
    ZcGeVector3d w = s.n.crossProduct(s.t0);
    for (unsigned k = 0; k < 3; ++k) {
      if (s.t0[k] == 0.0 && w[k] == 0.0) continue;
      double phi = std::atan2(-s.t0[k], w[k]);
      for (double e : {phi, phi + ge::kPi}) {
        double along = ge::normAngle(s.theta > 0.0 ? e : -e);
        if (along <= std::fabs(s.theta)) ge::growBox(minPoint, maxPoint, s.onArc(along / std::fabs(s.theta)));
      }
    }
  }
  return Zcad::eOk;
}

ErrorStatus ZcGeBulgePolyline3d::getPlane(ZcGePoint3d& origin, ZcGeVector3d& normal) const {
  if (is3d_) return ZcGeCurve3d::getPlane(origin, normal);
  origin = fromPlane(ZcGePoint2d::kOrigin);
  normal = normal_;
  return Zcad::eOk;
}
