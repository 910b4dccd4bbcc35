// Leaders: vertices, overrides, geometry and the LEADER record.
#include "db/ZcDbLeader.h"

#include "db/DbInternal.h"
#include "ge/ZcGeBulgePolyline3d.h"
#include "db/ZcDbDxfFiler.h"

ZCRX_DEFINE_MEMBERS(ZcDbLeader, ZcDbCurve)

ZcGePoint3d ZcDbLeader::vertexAt(int i) const {
  return i >= 0 && i < numVertices() ? verts_[i] : ZcGePoint3d();
}
Zcad::ErrorStatus ZcDbLeader::appendVertex(const ZcGePoint3d& p) {
  if (!zcdb::Finite(p)) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  verts_.push_back(p);
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbLeader::setVertexAt(int i, const ZcGePoint3d& p) {
  if (!zcdb::Finite(p)) return Zcad::eInvalidInput;
  if (i < 0 || i >= numVertices()) return Zcad::eInvalidIndex;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  verts_[i] = p;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbLeader::setDimscale(double s) {
  if (!zcdb::Finite(s)) return Zcad::eInvalidInput;
  if (s < 0) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  dimscale_ = s;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbLeader::setDimasz(double s) {
  if (!zcdb::Finite(s)) return Zcad::eInvalidInput;
  if (s < 0) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  dimasz_ = s;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbLeader::transformBy(const ZcGeMatrix3d& m) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  for (ZcGePoint3d& p : verts_) p.transformBy(m);
  return Zcad::eOk;
}

ZcDbObject* ZcDbLeader::cloneObject() const {
  auto* c = new ZcDbLeader;
  c->verts_ = verts_;
  c->dimscale_ = dimscale_;
  c->dimasz_ = dimasz_;
  c->arrow_ = arrow_;
  c->normal_ = normal_;
  c->dimstyle_ = dimstyle_;
  c->pathType_ = pathType_;
  copyEntityTo(c);
  return c;
}

// LEADER: 100 AcDbLeader, 3 dimension style ("Standard" unless read), 71 arrowhead (1),
// 72 path type (0 straight, unless read), 73 creation flag (3 no annotation), 76 vertex count, 10/20/30 each vertex,
// 40 dimension scale and 41 arrow size (the overrides this leader draws with).
void ZcDbLeader::dxfOutFields(ZcDbDxfFiler* f) const {
  ZcDbEntity::dxfOutFields(f);
  f->writeRaw(100, "AcDbLeader");
  f->writeString(3, dimstyle_);
  f->writeInt(71, arrow_ ? 1 : 0);
  f->writeInt(72, pathType_);
  f->writeInt(73, 3);
  f->writeInt(76, numVertices());
  for (const ZcGePoint3d& p : verts_) f->writePoint3d(10, p);
  f->writeDouble(40, dimscale_);
  f->writeDouble(41, dimasz_);
}

Zcad::ErrorStatus ZcDbLeader::dxfInFields(ZcDbDxfFiler* f) {
  if (Zcad::ErrorStatus es = ZcDbEntity::dxfInFields(f); es != Zcad::eOk) return es;
  f->seekMarker("AcDbLeader");
  ZcDbDxfPair p;
  while (f->next(p)) {
    switch (p.code) {
      case 10: verts_.push_back(f->toPoint3d(p)); break;
      case 3:
        if (std::wstring name = f->toString(p); !name.empty()) dimstyle_ = name;
        break;
      case 71: arrow_ = f->toInt(p) != 0; break;
      case 72: pathType_ = f->toInt(p) == 1 ? 1 : 0; break;
      case 40: dimscale_ = f->toDouble(p); break;
      case 41: dimasz_ = f->toDouble(p); break;
      default: break;
    }
  }
  return f->hasError() ? Zcad::eBadDxfFile : Zcad::eOk;
}

// --- The kernel's curve ------------------------------------------------------------------------

std::unique_ptr<ZcGeCurve3d> ZcDbLeader::toGeCurve() const {
  if (verts_.empty()) return nullptr;
  return std::make_unique<ZcGeBulgePolyline3d>(verts_, false);
}

Zcad::ErrorStatus ZcDbLeader::setFromGeCurve(const ZcGeCurve3d& curve) {
  if (curve.kind() != ZcGeCurve3d::kBulgePolyline) return Zcad::eNotThatKindOfClass;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  verts_ = static_cast<const ZcGeBulgePolyline3d&>(curve).vertices();
  return Zcad::eOk;
}
