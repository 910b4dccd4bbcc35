// A straight line segment between two points.
#ifndef PLATFORM_DB_ZCDBLINE_H
#define PLATFORM_DB_ZCDBLINE_H

#include "db/ZcDbCurve.h"

/// Parameter 0 at the start, the length at the end.
class ZcDbLine : public ZcDbCurve {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbLine)
  ZcDbLine() = default;
  ZcDbLine(const ZcGePoint3d& start, const ZcGePoint3d& end) : start_(start), end_(end) {}

  ZcGePoint3d startPoint() const { return start_; }
  ZcGePoint3d endPoint() const { return end_; }
  Zcad::ErrorStatus setStartPoint(const ZcGePoint3d& p);
  Zcad::ErrorStatus setEndPoint(const ZcGePoint3d& p);
  ZcGeVector3d normal() const { return normal_; }
  double thickness() const { return thickness_; }


  std::unique_ptr<ZcGeCurve3d> toGeCurve() const override;
  Zcad::ErrorStatus setFromGeCurve(const ZcGeCurve3d& curve) override;
  Zcad::ErrorStatus transformBy(const ZcGeMatrix3d& m) override;
  ZcDbObject* cloneObject() const override;
  const char* dxfName() const override { return "LINE"; }
  void dxfOutFields(ZcDbDxfFiler* filer) const override;
  Zcad::ErrorStatus dxfInFields(ZcDbDxfFiler* filer) override;

private:
  ZcGePoint3d start_, end_;
  ZcGeVector3d normal_ = ZcGeVector3d::kZAxis;
  double thickness_ = 0.0;
};

#endif
