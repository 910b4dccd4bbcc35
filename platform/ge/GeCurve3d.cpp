// The curve protocol's shared behaviour: status-checked accessors, lengths and their inverse,
// closest points, splitting at points, extents and planes, built on each kind's evaluators.
#include <algorithm>
#include <cmath>

#include "ge/GeInternal.h"
#include "ge/ZcGeCurve3d.h"

using Zcad::ErrorStatus;

namespace {
bool inRange(const ZcGeCurve3d& c, double t) {
  return std::isfinite(t) && t >= -ge::kParamTol && t <= c.endParam() + ge::kParamTol;
}
double clampParam(const ZcGeCurve3d& c, double t) { return std::clamp(t, 0.0, c.endParam()); }
}  // namespace

bool ZcGeCurve3d::isClosed() const {
  return endParam() > 0.0 && startPoint().distanceTo(endPoint()) <= ge::kMergeTol;
}

bool ZcGeCurve3d::isDegenerate() const { return !(length() > ZcGeContext::gTol.equalPoint()); }

double ZcGeCurve3d::length() const { return lengthBetween(0.0, endParam()); }

std::vector<double> ZcGeCurve3d::spanBreaks() const { return {0.0, endParam()}; }

double ZcGeCurve3d::lengthBetween(double t0, double t1) const {
  if (!(t1 > t0)) return 0.0;
  double sum = 0.0;
  std::vector<double> breaks = spanBreaks();
  for (size_t i = 0; i + 1 < breaks.size(); ++i) {
    double a = std::max(t0, breaks[i]), b = std::min(t1, breaks[i + 1]);
    if (b > a) sum += ge::integrate([this](double t) { return evalDeriv(t).length(); }, a, b);
  }
  return sum;
}

ErrorStatus ZcGeCurve3d::getStartParam(double& param) const { param = 0.0; return Zcad::eOk; }
ErrorStatus ZcGeCurve3d::getEndParam(double& param) const { param = endParam(); return Zcad::eOk; }
ErrorStatus ZcGeCurve3d::getStartPoint(ZcGePoint3d& point) const { point = startPoint(); return Zcad::eOk; }
ErrorStatus ZcGeCurve3d::getEndPoint(ZcGePoint3d& point) const { point = endPoint(); return Zcad::eOk; }

ErrorStatus ZcGeCurve3d::getPointAtParam(double param, ZcGePoint3d& point) const {
  if (!inRange(*this, param)) return Zcad::eInvalidInput;
  point = evalPoint(clampParam(*this, param));
  return Zcad::eOk;
}

ErrorStatus ZcGeCurve3d::getParamAtPoint(const ZcGePoint3d& point, double& param) const {
  double t = closestParam(point);
  if (evalPoint(t).distanceTo(point) > kOnCurveTol) return Zcad::eInvalidInput;
  // The seam of a closed curve answers its start.
  if (isClosed() && t > 0.0 && point.distanceTo(startPoint()) <= ge::kMergeTol) t = 0.0;
  param = t;
  return Zcad::eOk;
}

ErrorStatus ZcGeCurve3d::getDistAtParam(double param, double& dist) const {
  if (!inRange(*this, param)) return Zcad::eInvalidInput;
  dist = lengthBetween(0.0, clampParam(*this, param));
  return Zcad::eOk;
}

ErrorStatus ZcGeCurve3d::getDistAtPoint(const ZcGePoint3d& point, double& dist) const {
  double t = 0.0;
  ErrorStatus es = getParamAtPoint(point, t);
  if (es != Zcad::eOk) return es;
  return getDistAtParam(t, dist);
}

ErrorStatus ZcGeCurve3d::getParamAtDist(double dist, double& param) const {
  if (!std::isfinite(dist) || dist < 0.0) return Zcad::eInvalidInput;
  std::vector<double> breaks = spanBreaks();
  double total = 0.0;
  for (size_t i = 0; i + 1 < breaks.size(); ++i) {
    double a = breaks[i], b = breaks[i + 1];
    double len = lengthBetween(a, b);
    if (dist > total + len && i + 2 < breaks.size()) { total += len; continue; }
    if (dist > total + len + 1e-9 * std::max(1.0, total + len)) return Zcad::eInvalidInput;
    double want = dist - total;
    if (want <= 0.0) { param = a; return Zcad::eOk; }
    if (want >= len) { param = b; return Zcad::eOk; }
    // Newton on s(t) − want with s' = |C'|, kept inside a shrinking bracket.
    double lo = a, hi = b, t = a + (b - a) * want / len;
    for (int it = 0; it < 60; ++it) {
      double f = lengthBetween(a, t) - want;
      if (f > 0.0) hi = t; else lo = t;
      if (std::fabs(f) <= 1e-13 * std::max(1.0, len)) break;
      double speed = evalDeriv(t).length();
      double nt = speed > 0.0 ? t - f / speed : 0.5 * (lo + hi);
      if (!(nt > lo && nt < hi)) nt = 0.5 * (lo + hi);
      if (hi - lo <= 1e-15 * std::max(1.0, std::fabs(b))) { t = nt; break; }
      t = nt;
    }
    param = t;
    return Zcad::eOk;
  }
  if (dist <= 1e-9) { param = 0.0; return Zcad::eOk; }
  return Zcad::eInvalidInput;
}

ErrorStatus ZcGeCurve3d::getPointAtDist(double dist, ZcGePoint3d& point) const {
  double t = 0.0;
  ErrorStatus es = getParamAtDist(dist, t);
  if (es == Zcad::eOk) point = evalPoint(t);
  return es;
}

ErrorStatus ZcGeCurve3d::getFirstDeriv(double param, ZcGeVector3d& deriv) const {
  if (!inRange(*this, param)) return Zcad::eInvalidInput;
  deriv = evalDeriv(clampParam(*this, param));
  return Zcad::eOk;
}

ErrorStatus ZcGeCurve3d::getFirstDeriv(const ZcGePoint3d& point, ZcGeVector3d& deriv) const {
  double t = 0.0;
  ErrorStatus es = getParamAtPoint(point, t);
  if (es == Zcad::eOk) deriv = evalDeriv(t);
  return es;
}

ErrorStatus ZcGeCurve3d::getSecondDeriv(double param, ZcGeVector3d& deriv) const {
  if (!inRange(*this, param)) return Zcad::eInvalidInput;
  deriv = evalDeriv2(clampParam(*this, param));
  return Zcad::eOk;
}

double ZcGeCurve3d::closestParam(const ZcGePoint3d& point, bool) const {
  return ge::closestBySampling(*this, point, 0.0, endParam(), spanBreaks());
}

ErrorStatus ZcGeCurve3d::getClosestPointTo(const ZcGePoint3d& point, ZcGePoint3d& closest, bool extend) const {
  closest = evalPoint(closestParam(point, extend));
  return Zcad::eOk;
}

ErrorStatus ZcGeCurve3d::getSplitCurves(const std::vector<ZcGePoint3d>& points, ZcGeCurve3dArray& pieces) const {
  std::vector<double> params;
  for (const ZcGePoint3d& p : points) {
    double t = 0.0;
    if (getParamAtPoint(p, t) != Zcad::eOk) return Zcad::eInvalidInput;
    params.push_back(t);
  }
  return getSplitCurves(params, pieces);
}

ErrorStatus ZcGeCurve3d::extend(bool, const ZcGePoint3d&) { return Zcad::eNotApplicable; }

ErrorStatus ZcGeCurve3d::getGeomExtents(ZcGePoint3d& minPoint, ZcGePoint3d& maxPoint) const {
  ge::extentsBySampling(*this, spanBreaks(), minPoint, maxPoint);
  return Zcad::eOk;
}

ErrorStatus ZcGeCurve3d::getPlane(ZcGePoint3d& origin, ZcGeVector3d& normal) const {
  // Sample the curve, take the normal of the widest triangle, check every sample against it.
  std::vector<ZcGePoint3d> pts;
  std::vector<double> breaks = spanBreaks();
  for (size_t s = 0; s + 1 < breaks.size(); ++s)
    for (int i = 0; i < 8; ++i) pts.push_back(evalPoint(breaks[s] + (breaks[s + 1] - breaks[s]) * i / 8.0));
  pts.push_back(endPoint());
  origin = pts.front();
  bool flat = std::all_of(pts.begin(), pts.end(), [&](const ZcGePoint3d& p) { return std::fabs(p.z - origin.z) <= 1e-9; });
  if (flat) { normal = ZcGeVector3d::kZAxis; return Zcad::eOk; }
  size_t far = 0;
  for (size_t i = 0; i < pts.size(); ++i)
    if (pts[i].distanceTo(origin) > pts[far].distanceTo(origin)) far = i;
  ZcGeVector3d best;
  for (const ZcGePoint3d& p : pts) {
    ZcGeVector3d n = (pts[far] - origin).crossProduct(p - origin);
    if (n.length() > best.length()) best = n;
  }
  if (best.isZeroLength()) return Zcad::eNonCoplanarGeometry;  // a straight curve off the XY plane
  normal = best.normal();
  if (normal.z < 0.0) normal = -normal;
  for (const ZcGePoint3d& p : pts)
    if (std::fabs((p - origin).dotProduct(normal)) > 1e-9) return Zcad::eNonCoplanarGeometry;
  return Zcad::eOk;
}
