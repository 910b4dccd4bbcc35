// Line segments: exact analytic evaluation, projection, offset, split and extension.
#include <algorithm>

#include "ge/GeInternal.h"
#include "ge/ZcGeLineSeg3d.h"

using Zcad::ErrorStatus;

std::unique_ptr<ZcGeCurve3d> ZcGeLineSeg3d::copy() const { return std::make_unique<ZcGeLineSeg3d>(*this); }

double ZcGeLineSeg3d::endParam() const { return start_.distanceTo(end_); }

ZcGePoint3d ZcGeLineSeg3d::evalPoint(double param) const {
  double len = endParam();
  if (len == 0.0) return start_;
  // Interpolate between the two stored ends so that the end parameter gives the end exactly.
  double f = param / len;
  if (f == 1.0) return end_;
  return start_ + (end_ - start_) * f;
}

ZcGeVector3d ZcGeLineSeg3d::evalDeriv(double) const { return direction(); }

ZcGeVector3d ZcGeLineSeg3d::evalDeriv2(double) const { return {}; }

double ZcGeLineSeg3d::closestParam(const ZcGePoint3d& point, bool extend) const {
  double len = endParam();
  if (len == 0.0) return 0.0;
  double t = (point - start_).dotProduct(end_ - start_) / len;
  return extend ? t : std::clamp(t, 0.0, len);
}

ErrorStatus ZcGeLineSeg3d::getOffsetCurves(double dist, ZcGeCurve3dArray& offsetCurves) const {
  ZcGeVector3d side = direction().crossProduct(ZcGeVector3d::kZAxis);
  if (side.isZeroLength()) return Zcad::eInvalidInput;  // zero length, or along Z
  ZcGeVector3d shift = side.normal() * dist;
  offsetCurves.push_back(std::make_unique<ZcGeLineSeg3d>(start_ + shift, end_ + shift));
  return Zcad::eOk;
}

ErrorStatus ZcGeLineSeg3d::getSplitCurves(const std::vector<double>& params, ZcGeCurve3dArray& pieces) const {
  std::vector<double> cuts = ge::cleanSplitParams(params, 0.0, endParam());
  ZcGePoint3d from = start_;
  for (double t : cuts) {
    ZcGePoint3d to = evalPoint(t);
    pieces.push_back(std::make_unique<ZcGeLineSeg3d>(from, to));
    from = to;
  }
  pieces.push_back(std::make_unique<ZcGeLineSeg3d>(from, end_));
  return Zcad::eOk;
}

ErrorStatus ZcGeLineSeg3d::extend(bool atStart, const ZcGePoint3d& point) {
  double len = endParam();
  if (len == 0.0) return Zcad::eInvalidInput;
  double t = closestParam(point, true);
  if (evalPoint(t).distanceTo(point) > kOnCurveTol) return Zcad::eInvalidInput;
  // The moved end must stay on its side of the kept one: the line keeps its direction.
  double tol = ZcGeContext::gTol.equalPoint();
  if (atStart ? t >= len - tol : t <= tol) return Zcad::eInvalidInput;
  (atStart ? start_ : end_) = point;
  return Zcad::eOk;
}

ErrorStatus ZcGeLineSeg3d::transformBy(const ZcGeMatrix3d& m) {
  start_.transformBy(m);
  end_.transformBy(m);
  return Zcad::eOk;
}

ErrorStatus ZcGeLineSeg3d::reverse() {
  std::swap(start_, end_);
  return Zcad::eOk;
}

ErrorStatus ZcGeLineSeg3d::getGeomExtents(ZcGePoint3d& minPoint, ZcGePoint3d& maxPoint) const {
  minPoint = maxPoint = start_;
  ge::growBox(minPoint, maxPoint, end_);
  return Zcad::eOk;
}

ErrorStatus ZcGeLineSeg3d::getPlane(ZcGePoint3d& origin, ZcGeVector3d& normal) const {
  origin = start_;
  ZcGeVector3d d = direction();
  if (d.isZeroLength() || std::fabs(d.z) <= 1e-12) {
    normal = ZcGeVector3d::kZAxis;
    return Zcad::eOk;
  }
  // A line out of the XY plane: the plane through it that contains the horizontal perpendicular.
  ZcGeVector3d side = d.crossProduct(ZcGeVector3d::kZAxis);
  if (side.isZeroLength()) side = ZcGeVector3d::kXAxis;
  normal = side.crossProduct(d).normal();
  if (normal.z < 0.0) normal = -normal;
  return Zcad::eOk;
}
