// Leaders: vertices, overrides, geometry and the LEADER record.
#include "db/ZcDbLeader.h"

#include "db/DbInternal.h"
#include "db/ZcDbDxfFiler.h"

ZCRX_DEFINE_MEMBERS(ZcDbLeader, ZcDbCurve)

ZcGePoint3d ZcDbLeader::vertexAt(int i) const {
  return i >= 0 && i < numVertices() ? verts_[i] : ZcGePoint3d();
}
Zcad::ErrorStatus ZcDbLeader::appendVertex(const ZcGePoint3d& p) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  verts_.push_back(p);
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbLeader::setVertexAt(int i, const ZcGePoint3d& p) {
  if (i < 0 || i >= numVertices()) return Zcad::eInvalidIndex;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  verts_[i] = p;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbLeader::setDimscale(double s) {
  if (s < 0) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  dimscale_ = s;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbLeader::setDimasz(double s) {
  if (s < 0) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  dimasz_ = s;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbLeader::getStartParam(double& p) const {
  if (verts_.empty()) return Zcad::eDegenerateGeometry;
  p = 0;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbLeader::getEndParam(double& p) const {
  if (verts_.empty()) return Zcad::eDegenerateGeometry;
  p = numVertices() - 1.0;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbLeader::getStartPoint(ZcGePoint3d& p) const {
  if (verts_.empty()) return Zcad::eDegenerateGeometry;
  p = verts_.front();
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbLeader::getEndPoint(ZcGePoint3d& p) const {
  if (verts_.empty()) return Zcad::eDegenerateGeometry;
  p = verts_.back();
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbLeader::getPointAtParam(double param, ZcGePoint3d& p) const {
  if (verts_.empty() || param < 0 || param > numVertices() - 1.0) return Zcad::eInvalidInput;
  auto i = static_cast<std::size_t>(param);
  if (i + 1 >= verts_.size()) {
    p = verts_.back();
    return Zcad::eOk;
  }
  p = verts_[i] + (verts_[i + 1] - verts_[i]) * (param - i);
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbLeader::transformBy(const ZcGeMatrix3d& m) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  for (ZcGePoint3d& p : verts_) p.transformBy(m);
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbLeader::getGeomExtents(ZcDbExtents& ext) const {
  if (verts_.empty()) return Zcad::eInvalidExtents;
  ext = ZcDbExtents();
  for (const ZcGePoint3d& p : verts_) ext.addPoint(p);
  return Zcad::eOk;
}

ZcDbObject* ZcDbLeader::cloneObject() const {
  auto* c = new ZcDbLeader;
  c->verts_ = verts_;
  c->dimscale_ = dimscale_;
  c->dimasz_ = dimasz_;
  c->arrow_ = arrow_;
  c->normal_ = normal_;
  copyEntityTo(c);
  return c;
}

// LEADER: 100 AcDbLeader, 3 dimension style ("Standard"), 71 arrowhead (1), 72 path type
// (0 straight), 73 creation flag (3 no annotation), 76 vertex count, 10/20/30 each vertex,
// 40 dimension scale and 41 arrow size (the overrides this leader draws with).
void ZcDbLeader::dxfOutFields(ZcDbDxfFiler* f) const {
  ZcDbEntity::dxfOutFields(f);
  f->writeRaw(100, "AcDbLeader");
  f->writeRaw(3, "Standard");
  f->writeInt(71, arrow_ ? 1 : 0);
  f->writeInt(72, 0);
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
      case 71: arrow_ = f->toInt(p) != 0; break;
      case 40: dimscale_ = f->toDouble(p); break;
      case 41: dimasz_ = f->toDouble(p); break;
      default: break;
    }
  }
  return f->hasError() ? Zcad::eBadDxfFile : Zcad::eOk;
}
