// Entities kept without modelling their kind: their groups, points and box.
#include "db/ZcDbOpaqueEntity.h"

#include "db/OpaqueGroups.h"
#include "db/ZcDbDxfFiler.h"

ZCRX_DEFINE_MEMBERS(ZcDbOpaqueEntity, ZcDbEntity)

ZcDbOpaqueEntity::ZcDbOpaqueEntity(std::string dxfName) : ZcDbOpaqueRecord(std::move(dxfName)) {}

std::vector<ZcGePoint3d> ZcDbOpaqueEntity::points() const { return groups_->points(type_); }

Zcad::ErrorStatus ZcDbOpaqueEntity::getGeomExtents(ZcDbExtents& ext) const {
  ext = ZcDbExtents();
  for (const ZcGePoint3d& p : points()) ext.addPoint(p);
  return ext.isEmpty() ? Zcad::eInvalidExtents : Zcad::eOk;
}

ZcDbObject* ZcDbOpaqueEntity::cloneObject() const {
  auto* c = new ZcDbOpaqueEntity(type_);
  *c->groups_ = *groups_;
  copyEntityTo(c);
  return c;
}

void ZcDbOpaqueEntity::translateIds(ZcDbIdTranslator& t) {
  ZcDbEntity::translateIds(t);
  groups_->translateIds(t);
}

// The common entity groups, the other groups of the common entity segment as read, then
// the record's own groups as read.
void ZcDbOpaqueEntity::dxfOutFields(ZcDbDxfFiler* f) const {
  ZcDbEntity::dxfOutFields(f);
  groups_->writeEntityExtras(f);
  groups_->writeBody(f);
}

Zcad::ErrorStatus ZcDbOpaqueEntity::dxfInFields(ZcDbDxfFiler* f) {
  if (Zcad::ErrorStatus es = ZcDbEntity::dxfInFields(f); es != Zcad::eOk) return es;
  groups_->read(f, zcdb::OpaqueGroups::Base::kEntity, type_);
  return f->hasError() ? Zcad::eBadDxfFile : Zcad::eOk;
}
