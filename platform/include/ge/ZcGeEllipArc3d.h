// An ellipse or elliptic arc: the geometry of the database's ellipses.
#ifndef PLATFORM_GE_ZCGEELLIPARC3D_H
#define PLATFORM_GE_ZCGEELLIPARC3D_H

#include "ge/ZcGeCurve3d.h"

/// The ellipse center + cos(u)·majorAxis + sin(u)·minorAxis, where minorAxis =
/// radiusRatio · |majorAxis| · (normal × majorAxis / |majorAxis|), for the eccentric angle u
/// from startAngle to endAngle (counter-clockwise about normal). The parameter is u − startAngle,
/// [0, sweep]; a sweep of 2π is the full ellipse (closed and periodic).
///
/// Length rests on OpenCASCADE's Gauss integration; closest points and intersections take the
/// quarter arcs as rational Bézier spans and are polished with Newton's method on the exact
/// ellipse; offsets are cubic splines within 1e-6 of the exact offset.
///
/// Invariants: majorAxis is non-zero and perpendicular to the unit normal; 0 < radiusRatio ≤ 1;
/// 0 ≤ startAngle < 2π; sweep in (0, 2π].
class ZcGeEllipArc3d : public ZcGeCurve3d {
public:
  /// The unit circle about the origin in the XY plane, as an ellipse.
  ZcGeEllipArc3d();
  /// The ellipse or arc; eInvalidInput from set() is turned into the unit circle here, so
  /// callers that need to know use set().
  ZcGeEllipArc3d(const ZcGePoint3d& center, const ZcGeVector3d& normal, const ZcGeVector3d& majorAxis,
                 double radiusRatio, double startAngle = 0.0, double endAngle = 2.0 * 3.14159265358979323846);

  /// eInvalidInput when the major axis is zero or parallel to the normal, or the ratio is not
  /// in (0, 1]; the ellipse is then unchanged.
  Zcad::ErrorStatus set(const ZcGePoint3d& center, const ZcGeVector3d& normal, const ZcGeVector3d& majorAxis,
                        double radiusRatio, double startAngle, double endAngle);

  ZcGePoint3d center() const { return center_; }
  ZcGeVector3d normal() const { return normal_; }
  ZcGeVector3d majorAxis() const { return majorAxis_; }
  ZcGeVector3d minorAxis() const;
  double majorRadius() const { return majorAxis_.length(); }
  double minorRadius() const { return majorRadius() * radiusRatio_; }
  double radiusRatio() const { return radiusRatio_; }
  double startAngle() const { return startAngle_; }
  /// startAngle + sweep brought into [0, 2π) (a full ellipse answers startAngle).
  double endAngle() const;
  double sweep() const { return sweep_; }
  bool isFullEllipse() const;

  void setCenter(const ZcGePoint3d& c) { center_ = c; }
  /// Sets both (endAngle == startAngle + 2πk makes the full ellipse).
  void setAngles(double startAngle, double endAngle);
  /// Keeps the end angle.
  void setStartAngle(double angle);
  /// Keeps the start angle.
  void setEndAngle(double angle);
  /// The eccentric angle of a point on (or near) the ellipse, [0, 2π).
  double angleOfPoint(const ZcGePoint3d& point) const;
  /// The point at eccentric angle `angle`.
  ZcGePoint3d pointAtAngle(double angle) const;

  Kind kind() const override { return kEllipArc; }
  std::unique_ptr<ZcGeCurve3d> copy() const override;
  bool isClosed() const override { return isFullEllipse(); }
  bool isPeriodic() const override { return isFullEllipse(); }
  double endParam() const override { return sweep_; }
  ZcGePoint3d evalPoint(double param) const override;
  ZcGeVector3d evalDeriv(double param) const override;
  ZcGeVector3d evalDeriv2(double param) const override;
  /// The nearest point by root isolation over quarter arcs (exact on flat ellipses too).
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
  double lengthBetween(double t0, double t1) const override;

private:
  ZcGePoint3d center_;
  ZcGeVector3d normal_ = ZcGeVector3d::kZAxis;
  ZcGeVector3d majorAxis_ = ZcGeVector3d::kXAxis;
  double radiusRatio_ = 1.0;
  double startAngle_ = 0.0;
  double sweep_ = 2.0 * 3.14159265358979323846;
};

#endif
