// A straight line segment: the geometry of the database's lines and of polyline line segments.
#ifndef PLATFORM_GE_ZCGELINESEG3D_H
#define PLATFORM_GE_ZCGELINESEG3D_H

#include "ge/ZcGeCurve3d.h"

/// The segment from start to end, parameterised by arc length: the point at t is
/// start + t · unit direction, t ∈ [0, length]. A zero-length segment is allowed (its
/// direction is the zero vector, every length is 0, offsets and extensions fail).
class ZcGeLineSeg3d : public ZcGeCurve3d {
public:
  ZcGeLineSeg3d() = default;
  ZcGeLineSeg3d(const ZcGePoint3d& start, const ZcGePoint3d& end) : start_(start), end_(end) {}

  void set(const ZcGePoint3d& start, const ZcGePoint3d& end) { start_ = start; end_ = end; }
  void setStartPoint(const ZcGePoint3d& p) { start_ = p; }
  void setEndPoint(const ZcGePoint3d& p) { end_ = p; }
  /// The unit direction from start to end; zero for a zero-length segment.
  ZcGeVector3d direction() const { return (end_ - start_).normal(); }

  Kind kind() const override { return kLineSeg; }
  std::unique_ptr<ZcGeCurve3d> copy() const override;
  bool isClosed() const override { return false; }
  double endParam() const override;
  ZcGePoint3d evalPoint(double param) const override;
  ZcGeVector3d evalDeriv(double param) const override;
  ZcGeVector3d evalDeriv2(double param) const override;
  double closestParam(const ZcGePoint3d& point, bool extend = false) const override;
  Zcad::ErrorStatus getOffsetCurves(double dist, ZcGeCurve3dArray& offsetCurves) const override;
  Zcad::ErrorStatus getSplitCurves(const std::vector<double>& params,
                                   ZcGeCurve3dArray& pieces) const override;
  Zcad::ErrorStatus extend(bool atStart, const ZcGePoint3d& point) override;
  Zcad::ErrorStatus transformBy(const ZcGeMatrix3d& m) override;
  Zcad::ErrorStatus reverse() override;
  Zcad::ErrorStatus getGeomExtents(ZcGePoint3d& minPoint, ZcGePoint3d& maxPoint) const override;
  Zcad::ErrorStatus getPlane(ZcGePoint3d& origin, ZcGeVector3d& normal) const override;

protected:
  double lengthBetween(double t0, double t1) const override { return t1 - t0; }

private:
  ZcGePoint3d start_, end_;
};

#endif
