// A point entity: one position. Grade points' markers and drawn point lists are these.
#ifndef PLATFORM_DB_ZCDBPOINT_H
#define PLATFORM_DB_ZCDBPOINT_H

#include "db/ZcDbEntity.h"

class ZcDbPoint : public ZcDbEntity {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbPoint)
  ZcDbPoint() = default;
  explicit ZcDbPoint(const ZcGePoint3d& p) : position_(p) {}

  ZcGePoint3d position() const { return position_; }
  Zcad::ErrorStatus setPosition(const ZcGePoint3d& p);

  Zcad::ErrorStatus transformBy(const ZcGeMatrix3d& m) override;
  Zcad::ErrorStatus getGeomExtents(ZcDbExtents& extents) const override;
  ZcDbObject* cloneObject() const override;
  const char* dxfName() const override { return "POINT"; }
  void dxfOutFields(ZcDbDxfFiler* filer) const override;
  Zcad::ErrorStatus dxfInFields(ZcDbDxfFiler* filer) override;

private:
  ZcGePoint3d position_;
};

#endif
