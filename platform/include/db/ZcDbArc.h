// Circles and circular arcs, in the plane of their normal (normally +Z).
#ifndef PLATFORM_DB_ZCDBARC_H
#define PLATFORM_DB_ZCDBARC_H

#include "db/ZcDbCurve.h"

/// A full circle; parameter 0 at angle 0 of its plane, 2π at the end.
class ZcDbCircle : public ZcDbCurve {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbCircle)
  ZcDbCircle() = default;
  ZcDbCircle(const ZcGePoint3d& center, const ZcGeVector3d& normal, double radius)
      : center_(center), normal_(normal.normal()), radius_(radius) {}

  ZcGePoint3d center() const { return center_; }
  Zcad::ErrorStatus setCenter(const ZcGePoint3d& c);
  double radius() const { return radius_; }
  /// eInvalidInput for a radius that is not > 0.
  Zcad::ErrorStatus setRadius(double r);
  ZcGeVector3d normal() const { return normal_; }
  Zcad::ErrorStatus setNormal(const ZcGeVector3d& n);


  std::unique_ptr<ZcGeCurve3d> toGeCurve() const override;
  Zcad::ErrorStatus setFromGeCurve(const ZcGeCurve3d& curve) override;
  Zcad::ErrorStatus transformBy(const ZcGeMatrix3d& m) override;
  ZcDbObject* cloneObject() const override;
  const char* dxfName() const override { return "CIRCLE"; }
  void dxfOutFields(ZcDbDxfFiler* filer) const override;
  Zcad::ErrorStatus dxfInFields(ZcDbDxfFiler* filer) override;

protected:
  ZcGePoint3d center_;
  ZcGeVector3d normal_ = ZcGeVector3d::kZAxis;
  double radius_ = 0.0;
  double thickness_ = 0.0;
};

/// A counter-clockwise arc (about its normal) from the start angle to the end angle, both
/// in [0, 2π) and measured in the arc's plane; parameter 0 at the start, the sweep at the end.
class ZcDbArc : public ZcDbCurve {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbArc)
  ZcDbArc() = default;
  ZcDbArc(const ZcGePoint3d& center, double radius, double startAngle, double endAngle);
  ZcDbArc(const ZcGePoint3d& center, const ZcGeVector3d& normal, double radius,
          double startAngle, double endAngle);

  ZcGePoint3d center() const { return center_; }
  Zcad::ErrorStatus setCenter(const ZcGePoint3d& c);
  double radius() const { return radius_; }
  Zcad::ErrorStatus setRadius(double r);
  ZcGeVector3d normal() const { return normal_; }
  Zcad::ErrorStatus setNormal(const ZcGeVector3d& n);
  double startAngle() const { return startAngle_; }
  double endAngle() const { return endAngle_; }
  Zcad::ErrorStatus setStartAngle(double a);
  Zcad::ErrorStatus setEndAngle(double a);
  /// The swept angle, in (0, 2π].
  double sweep() const;


  std::unique_ptr<ZcGeCurve3d> toGeCurve() const override;
  Zcad::ErrorStatus setFromGeCurve(const ZcGeCurve3d& curve) override;
  Zcad::ErrorStatus transformBy(const ZcGeMatrix3d& m) override;
  ZcDbObject* cloneObject() const override;
  const char* dxfName() const override { return "ARC"; }
  void dxfOutFields(ZcDbDxfFiler* filer) const override;
  Zcad::ErrorStatus dxfInFields(ZcDbDxfFiler* filer) override;

private:
  ZcGePoint3d center_;
  ZcGeVector3d normal_ = ZcGeVector3d::kZAxis;
  double radius_ = 0.0, startAngle_ = 0.0, endAngle_ = 0.0, thickness_ = 0.0;
};

#endif
