// Objects kept without modelling their kind: their groups and owner.
#include "db/ZcDbOpaqueObject.h"

#include "db/DbInternal.h"
#include "db/OpaqueGroups.h"
#include "db/ZcDbDxfFiler.h"

ZCRX_DEFINE_MEMBERS(ZcDbOpaqueObject, ZcDbObject)

ZcDbOpaqueObject::ZcDbOpaqueObject(std::string dxfName) : ZcDbOpaqueRecord(std::move(dxfName)) {}


ZcDbObject* ZcDbOpaqueObject::cloneObject() const {
  auto* c = new ZcDbOpaqueObject(type_);
  *c->groups_ = *groups_;
  copyXDataTo(c);
  return c;
}

void ZcDbOpaqueObject::translateIds(ZcDbIdTranslator& t) { groups_->translateIds(t); }

// The common object groups, then the record's own groups as read.
void ZcDbOpaqueObject::dxfOutFields(ZcDbDxfFiler* f) const {
  ZcDbObject::dxfOutFields(f);
  groups_->writeBody(f);
}

Zcad::ErrorStatus ZcDbOpaqueObject::dxfInFields(ZcDbDxfFiler* f) {
  if (Zcad::ErrorStatus es = ZcDbObject::dxfInFields(f); es != Zcad::eOk) return es;
  ZcDbObjectId owner = groups_->read(f, zcdb::OpaqueGroups::Base::kObject, type_);
  // an object no dictionary took belongs to the object its record names
  if (state().owner.isNull() && owner.isValid() && owner != objectId()) state().owner = owner;
  return f->hasError() ? Zcad::eBadDxfFile : Zcad::eOk;
}
