// Ellipses and elliptical arcs.
#ifndef PLATFORM_DB_ZCDBELLIPSE_H
#define PLATFORM_DB_ZCDBELLIPSE_H

#include "db/ZcDbCurve.h"

/// An ellipse by centre, major-axis vector (from the centre), normal and the ratio of minor
/// to major radius; an arc of it from the start to the end eccentric angle (0 and 2π for
/// the full ellipse). Parameter 0 at the start.
class ZcDbEllipse : public ZcDbCurve {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbEllipse)
  ZcDbEllipse() = default;
  ZcDbEllipse(const ZcGePoint3d& center, const ZcGeVector3d& normal, const ZcGeVector3d& majorAxis,
              double radiusRatio, double startAngle = 0.0, double endAngle = 6.283185307179586);

  ZcGePoint3d center() const { return center_; }
  ZcGeVector3d normal() const { return normal_; }
  ZcGeVector3d majorAxis() const { return majorAxis_; }
  ZcGeVector3d minorAxis() const;
  double radiusRatio() const { return ratio_; }
  double startAngle() const { return startParam_; }
  double endAngle() const { return endParam_; }
  /// eInvalidInput for a zero axis, a ratio outside (0, 1] or an axis not perpendicular
  /// to the normal.
  Zcad::ErrorStatus set(const ZcGePoint3d& center, const ZcGeVector3d& normal,
                        const ZcGeVector3d& majorAxis, double radiusRatio,
                        double startAngle = 0.0, double endAngle = 6.283185307179586);


  std::unique_ptr<ZcGeCurve3d> toGeCurve() const override;
  Zcad::ErrorStatus setFromGeCurve(const ZcGeCurve3d& curve) override;
  Zcad::ErrorStatus transformBy(const ZcGeMatrix3d& m) override;
  ZcDbObject* cloneObject() const override;
  const char* dxfName() const override { return "ELLIPSE"; }
  void dxfOutFields(ZcDbDxfFiler* filer) const override;
  Zcad::ErrorStatus dxfInFields(ZcDbDxfFiler* filer) override;

private:
  ZcGePoint3d center_;
  ZcGeVector3d normal_ = ZcGeVector3d::kZAxis;
  ZcGeVector3d majorAxis_ = ZcGeVector3d::kXAxis;
  double ratio_ = 1.0, startParam_ = 0.0, endParam_ = 6.283185307179586;
};

#endif
