// A circular arc or full circle: the geometry of the database's arcs and circles.
#ifndef PLATFORM_GE_ZCGECIRCARC3D_H
#define PLATFORM_GE_ZCGECIRCARC3D_H

#include "ge/ZcGeCurve3d.h"

/// The arc of the circle (center, radius) in the plane with unit normal `normal`, running
/// counter-clockwise seen from +normal from startAngle to endAngle. Angles are measured from
/// refVec(), the plane's own X axis by the host's arbitrary-axis rule (the world X axis for
/// normal +Z), towards normal × refVec: the angles a database arc stores. The sweep is endAngle − startAngle brought into (0, 2π]; a sweep of 2π is a
/// full circle (closed and periodic). The parameter is the angle from the start, [0, sweep].
///
/// Reversal and reflections keep the arc counter-clockwise about its normal: reverse() turns
/// the normal over; a reflection swaps the angles so a +Z arc stays +Z.
///
/// Invariants: radius ≥ 0 (0 only for a failed three-point construction); normal is unit and
/// refVec is the plane's X axis; 0 ≤ startAngle < 2π; 0 < sweep ≤ 2π.
class ZcGeCircArc3d : public ZcGeCurve3d {
public:
  /// The unit circle about the origin in the XY plane.
  ZcGeCircArc3d();
  /// A full circle.
  ZcGeCircArc3d(const ZcGePoint3d& center, const ZcGeVector3d& normal, double radius);
  /// An arc from startAngle to endAngle (radians, counter-clockwise about normal), angles
  /// measured from `refVec` (projected into the plane; when it is parallel to normal the
  /// plane's X axis is used). The stored angles are re-measured from the plane's X axis.
  ZcGeCircArc3d(const ZcGePoint3d& center, const ZcGeVector3d& normal, const ZcGeVector3d& refVec,
                double radius, double startAngle, double endAngle);
  /// The arc from `start` through `pointOnArc` to `end` (see set()); a degenerate arc of
  /// radius 0 when they are collinear or coincide.
  ZcGeCircArc3d(const ZcGePoint3d& start, const ZcGePoint3d& pointOnArc, const ZcGePoint3d& end);

  /// Makes this the arc from `start` through `pointOnArc` to `end`: startPoint() == start and
  /// endPoint() == end. The normal gives the turning sense start → pointOnArc → end: +Z when
  /// the points turn counter-clockwise in the XY plane, −Z when clockwise. eInvalidInput,
  /// leaving the arc unchanged, when two points coincide or the three are collinear.
  Zcad::ErrorStatus set(const ZcGePoint3d& start, const ZcGePoint3d& pointOnArc, const ZcGePoint3d& end);
  /// Makes this a full circle or an arc (same rules as the constructors).
  void set(const ZcGePoint3d& center, const ZcGeVector3d& normal, double radius);
  void set(const ZcGePoint3d& center, const ZcGeVector3d& normal, const ZcGeVector3d& refVec,
           double radius, double startAngle, double endAngle);

  ZcGePoint3d center() const { return center_; }
  double radius() const { return radius_; }
  ZcGeVector3d normal() const { return normal_; }
  ZcGeVector3d refVec() const { return refVec_; }
  double startAngle() const { return startAngle_; }
  /// startAngle + sweep, brought into [0, 2π) (a full circle answers startAngle).
  double endAngle() const;
  /// The swept angle, in (0, 2π].
  double sweep() const { return sweep_; }
  /// The sweep is a full turn.
  bool isFullCircle() const;

  void setCenter(const ZcGePoint3d& c) { center_ = c; }
  /// Negative radii are refused (eInvalidInput).
  Zcad::ErrorStatus setRadius(double r);
  /// Keeps the end angle.
  void setStartAngle(double angle);
  /// Keeps the start angle.
  void setEndAngle(double angle);
  /// Sets both (endAngle == startAngle + 2πk makes a full circle).
  void setAngles(double startAngle, double endAngle);
  /// Sets the normal, reading the current angles as measured from `refVec` (eInvalidInput when
  /// the normal is zero).
  Zcad::ErrorStatus setAxes(const ZcGeVector3d& normal, const ZcGeVector3d& refVec);

  Kind kind() const override { return kCircArc; }
  std::unique_ptr<ZcGeCurve3d> copy() const override;
  bool isClosed() const override { return isFullCircle(); }
  bool isPeriodic() const override { return isFullCircle(); }
  double endParam() const override { return sweep_; }
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

  /// The angle of `point` about the center, measured from refVec in the arc's plane, [0, 2π).
  double angleOfPoint(const ZcGePoint3d& point) const;
  /// The point of the circle at `angle` (measured from refVec).
  ZcGePoint3d pointAtAngle(double angle) const;

protected:
  double lengthBetween(double t0, double t1) const override { return (t1 - t0) * radius_; }

private:
  ZcGePoint3d center_;
  ZcGeVector3d normal_ = ZcGeVector3d::kZAxis;
  ZcGeVector3d refVec_ = ZcGeVector3d::kXAxis;
  double radius_ = 1.0;
  double startAngle_ = 0.0;
  double sweep_ = 0.0;  // set by the constructors; 2π for a full circle
};

#endif
