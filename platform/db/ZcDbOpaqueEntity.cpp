// Entities kept without modelling their kind: their groups, points and box, and the vertices
// of kept polylines.
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

Zcad::ErrorStatus ZcDbOpaqueEntity::dxfInVertex(ZcDbDxfFiler* f) {
  zcdb::OpaqueGroups vertex;
  if (type_ == "INSERT") vertex.read(f, zcdb::OpaqueGroups::Base::kAttribute, "ATTRIB");
  else vertex.read(f, zcdb::OpaqueGroups::Base::kVertex, "VERTEX");
  groups_->vertices().push_back(std::move(vertex));
  return f->hasError() ? Zcad::eBadDxfFile : Zcad::eOk;
}

unsigned ZcDbOpaqueEntity::numFollowers() const {
  auto count = static_cast<unsigned>(groups_->vertices().size());
  if (type_ == "POLYLINE") return count + 1;
  return type_ == "INSERT" && count > 0 ? count + 1 : 0;
}

// VERTEX: 5 handle, 330 the polyline, 100 AcDbEntity, 8 the polyline's layer, then its own
// groups as read; ATTRIB: alike, with its own layer among its groups as read; SEQEND: 5
// handle, 330 the owner, 100 AcDbEntity, 8 its layer.
void ZcDbOpaqueEntity::dxfOutFollowers(ZcDbDxfFiler* f, std::uint64_t& nextHandle) const {
  if (!numFollowers()) return;
  std::wstring layerName = layer();
  auto common = [&](const char* type, bool layered) {
    f->writeRaw(0, type);
    f->writeHandle(5, nextHandle++);
    f->writeObjectId(330, objectId());
    f->writeRaw(100, "AcDbEntity");
    if (layered) f->writeString(8, layerName);
  };
  bool attributes = type_ == "INSERT";
  for (const zcdb::OpaqueGroups& v : groups_->vertices()) {
    common(attributes ? "ATTRIB" : "VERTEX", !attributes);
    v.writeEntityExtras(f);
    v.writeBody(f);
  }
  common("SEQEND", true);
}
