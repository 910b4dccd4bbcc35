// Point entities.
#include "db/ZcDbPoint.h"

#include "db/DbInternal.h"
#include "db/ZcDbDxfFiler.h"

ZCRX_DEFINE_MEMBERS(ZcDbPoint, ZcDbEntity)

Zcad::ErrorStatus ZcDbPoint::setPosition(const ZcGePoint3d& p) {
  if (!zcdb::Finite(p)) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  position_ = p;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbPoint::transformBy(const ZcGeMatrix3d& m) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  position_.transformBy(m);
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbPoint::getGeomExtents(ZcDbExtents& ext) const {
  ext = ZcDbExtents(position_, position_);
  return Zcad::eOk;
}

ZcDbObject* ZcDbPoint::cloneObject() const {
  auto* c = new ZcDbPoint(position_);
  copyEntityTo(c);
  return c;
}

// POINT: 100 AcDbPoint, 10/20/30 position.
void ZcDbPoint::dxfOutFields(ZcDbDxfFiler* f) const {
  ZcDbEntity::dxfOutFields(f);
  f->writeRaw(100, "AcDbPoint");
  f->writePoint3d(10, position_);
}

Zcad::ErrorStatus ZcDbPoint::dxfInFields(ZcDbDxfFiler* f) {
  if (Zcad::ErrorStatus es = ZcDbEntity::dxfInFields(f); es != Zcad::eOk) return es;
  f->seekMarker("AcDbPoint");
  ZcDbDxfPair p;
  while (f->next(p))
    if (p.code == 10) position_ = f->toPoint3d(p);
  return f->hasError() ? Zcad::eBadDxfFile : Zcad::eOk;
}
