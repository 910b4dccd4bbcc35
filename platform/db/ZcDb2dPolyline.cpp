// Heavy polylines (2-D and 3-D): vertices held in the polyline, and their
// POLYLINE / VERTEX / SEQEND records.
#include "db/ZcDb2dPolyline.h"

#include "db/DbInternal.h"
#include "db/CurveMath.h"
#include "db/DbInternal.h"
#include "db/ZcDbBlockReference.h"
#include "ge/ZcGeBulgePolyline3d.h"
#include "db/ZcDbDxfFiler.h"

ZCRX_DEFINE_MEMBERS(ZcDbVertexPolyline, ZcDbCurve)
ZCRX_DEFINE_MEMBERS(ZcDb2dPolyline, ZcDbVertexPolyline)
ZCRX_DEFINE_MEMBERS(ZcDb3dPolyline, ZcDbVertexPolyline)
ZCRX_DEFINE_MEMBERS(ZcDb2dVertex, ZcDbEntity)
ZCRX_DEFINE_MEMBERS(ZcDbSequenceEnd, ZcDbEntity)

void ZcDbVertexPolyline::assignPoints(const ZcGePoint3dArray& points, bool closed) {
  for (const ZcGePoint3d& p : points) verts_.push_back({p, 0.0, 0.0, 0.0});
  closed_ = closed;
}

ZcDb2dPolyline::ZcDb2dPolyline(const ZcGePoint3dArray& points, bool closed) { assignPoints(points, closed); }
ZcDb3dPolyline::ZcDb3dPolyline(const ZcGePoint3dArray& points, bool closed) {
  is3d_ = true;
  assignPoints(points, closed);
}

Zcad::ErrorStatus ZcDbVertexPolyline::appendVertex(const ZcGePoint3d& p, double bulge) {
  if (!zcdb::Finite(p, bulge)) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  verts_.push_back({p, is3d_ ? 0.0 : bulge, 0.0, 0.0});
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbVertexPolyline::setVertexAt(unsigned i, const ZcGePoint3d& p, double bulge) {
  if (!zcdb::Finite(p, bulge)) return Zcad::eInvalidInput;
  if (i >= verts_.size()) return Zcad::eInvalidIndex;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  verts_[i].p = p;
  verts_[i].bulge = is3d_ ? 0.0 : bulge;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbVertexPolyline::setClosed(bool closed) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  closed_ = closed;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbVertexPolyline::transformBy(const ZcGeMatrix3d& m) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  bool mirrored = m.det() < 0;
  for (Vertex& v : verts_) {
    v.p.transformBy(m);
    if (mirrored) v.bulge = -v.bulge;
  }
  return Zcad::eOk;
}

ZcDbObject* ZcDb2dPolyline::cloneObject() const {
  auto* c = new ZcDb2dPolyline;
  c->verts_ = verts_;
  c->closed_ = closed_;
  copyEntityTo(c);
  return c;
}

ZcDbObjectIterator* ZcDb2dPolyline::vertexIterator() const {
  ZcDbObjectIdArray ids;
  if (ZcDbDatabase* db = database()) {
    while (vertexIds_.size() < verts_.size()) {
      auto* v = new ZcDb2dVertex(objectId(), static_cast<unsigned>(vertexIds_.size()));
      vertexIds_.push_back(db->impl().adopt(v, objectId()));
    }
    for (std::size_t i = 0; i < verts_.size(); ++i) ids.append(vertexIds_[i]);
  }
  return new ZcDbObjectIterator(ids);
}

Zcad::ErrorStatus ZcDb2dPolyline::openVertex(ZcDb2dVertex*& vertex, ZcDbObjectId vertexId, ZcDb::OpenMode mode,
                                             bool openErased) const {
  vertex = nullptr;
  for (std::size_t i = 0; i < vertexIds_.size() && i < verts_.size(); ++i)
    if (vertexIds_[i] == vertexId) return zcdbOpenObject(vertex, vertexId, mode, openErased);
  return Zcad::eInvalidInput;
}

ZcDbVertexPolyline::Vertex* ZcDb2dVertex::vertex() const {
  auto* pl = dynamic_cast<ZcDb2dPolyline*>(zcdb::ObjectOf(polyline_));
  return pl && index_ < pl->verts_.size() ? &pl->verts_[index_] : nullptr;
}

ZcGePoint3d ZcDb2dVertex::position() const {
  const ZcDbVertexPolyline::Vertex* v = vertex();
  return v ? v->p : ZcGePoint3d();
}

double ZcDb2dVertex::bulge() const {
  const ZcDbVertexPolyline::Vertex* v = vertex();
  return v ? v->bulge : 0.0;
}

Zcad::ErrorStatus ZcDb2dVertex::setPosition(const ZcGePoint3d& p) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  ZcDbVertexPolyline::Vertex* v = vertex();
  if (!v) return Zcad::eInvalidIndex;
  v->p = p;
  return Zcad::eOk;
}

ZcDbObject* ZcDb3dPolyline::cloneObject() const {
  auto* c = new ZcDb3dPolyline;
  c->verts_ = verts_;
  c->closed_ = closed_;
  copyEntityTo(c);
  return c;
}

// POLYLINE: 100 AcDb2dPolyline or AcDb3dPolyline, 66 1, 10/20/30 (0, 0, elevation),
// 70 flags (1 closed, 8 3-D). It is followed by one record per vertex -
//   VERTEX: 5 handle, 330 the polyline, 100 AcDbEntity, 8 layer, 100 AcDbVertex,
//           100 AcDb2dVertex or AcDb3dPolylineVertex, 10/20/30 point, 40/41 widths
//           (2-D, when not 0), 42 bulge (2-D, when not 0), 70 flags (32 for 3-D)
// - and a SEQEND record (5 handle, 330 the polyline, 100 AcDbEntity, 8 layer). The vertex
// and SEQEND handles are given when the file is written; reading keeps only the vertices.
void ZcDbVertexPolyline::dxfOutFields(ZcDbDxfFiler* f) const {
  ZcDbEntity::dxfOutFields(f);
  f->writeRaw(100, is3d_ ? "AcDb3dPolyline" : "AcDb2dPolyline");
  f->writeInt(66, 1);
  f->writePoint3d(10, ZcGePoint3d(0, 0, is3d_ || verts_.empty() ? 0.0 : verts_.front().p.z));
  f->writeInt(70, (closed_ ? 1 : 0) | (is3d_ ? 8 : 0));
}

void ZcDbVertexPolyline::dxfOutVertices(ZcDbDxfFiler* f, std::uint64_t& nextHandle) const {
  std::wstring layerName = layer();
  for (const Vertex& v : verts_) {
    f->writeRaw(0, "VERTEX");
    f->writeHandle(5, nextHandle++);
    f->writeObjectId(330, objectId());
    f->writeRaw(100, "AcDbEntity");
    f->writeString(8, layerName);
    f->writeRaw(100, "AcDbVertex");
    f->writeRaw(100, is3d_ ? "AcDb3dPolylineVertex" : "AcDb2dVertex");
    f->writePoint3d(10, v.p);
    if (!is3d_) {
      if (v.startWidth != 0) f->writeDouble(40, v.startWidth);
      if (v.endWidth != 0) f->writeDouble(41, v.endWidth);
      if (v.bulge != 0) f->writeDouble(42, v.bulge);
    }
    f->writeInt(70, is3d_ ? 32 : 0);
  }
  f->writeRaw(0, "SEQEND");
  f->writeHandle(5, nextHandle++);
  f->writeObjectId(330, objectId());
  f->writeRaw(100, "AcDbEntity");
  f->writeString(8, layerName);
}

Zcad::ErrorStatus ZcDbVertexPolyline::dxfInFields(ZcDbDxfFiler* f) {
  if (Zcad::ErrorStatus es = ZcDbEntity::dxfInFields(f); es != Zcad::eOk) return es;
  if (!f->seekMarker("AcDb2dPolyline")) f->seekMarker("AcDb3dPolyline");
  ZcDbDxfPair p;
  readDefaults_ = ReadDefaults();
  ZcGeVector3d n = ZcGeVector3d::kZAxis;
  while (f->next(p)) {
    switch (p.code) {
      case 70: closed_ = f->toInt(p) & 1; break;
      case 10: readDefaults_.elevation = f->toPoint3d(p).z; break;
      case 40: readDefaults_.startWidth = f->toDouble(p); break;
      case 41: readDefaults_.endWidth = f->toDouble(p); break;
      case 210: n = f->toVector3d(p); break;
      default: break;
    }
  }
  readDefaults_.flipped = !is3d_ && n.isParallelTo(ZcGeVector3d::kZAxis) && n.z < 0;
  return f->hasError() ? Zcad::eBadDxfFile : Zcad::eOk;
}

// A 2-D vertex lies at the polyline's elevation in the polyline's plane; one about a -Z
// normal is turned to +Z as LWPOLYLINE's are (X and the elevation over, bulges the other
// way). The frame points of a spline-fit polyline (flag 16) are not on the curve drawn:
// the fitted vertices are kept, the frame left out.
Zcad::ErrorStatus ZcDbVertexPolyline::dxfInVertex(ZcDbDxfFiler* f) {
  f->rewind();
  ZcDbDxfPair p;
  Vertex v;
  if (!is3d_) v.startWidth = readDefaults_.startWidth, v.endWidth = readDefaults_.endWidth;
  long long flags = 0;
  while (f->nextAny(p)) {
    switch (p.code) {
      case 10: v.p = f->toPoint3d(p); break;
      case 40: v.startWidth = f->toDouble(p); break;
      case 41: v.endWidth = f->toDouble(p); break;
      case 42: v.bulge = is3d_ ? 0.0 : f->toDouble(p); break;
      case 70: flags = f->toInt(p); break;
      default: break;
    }
  }
  if (f->hasError()) return Zcad::eBadDxfFile;
  if (flags & 16) return Zcad::eOk;
  if (!is3d_) {
    v.p.z = readDefaults_.elevation;
    if (readDefaults_.flipped) v.p.x = -v.p.x, v.p.z = -v.p.z, v.bulge = -v.bulge;
  }
  verts_.push_back(v);
  return Zcad::eOk;
}

// --- The kernel's curve ------------------------------------------------------------------------

std::unique_ptr<ZcGeCurve3d> ZcDbVertexPolyline::toGeCurve() const {
  if (verts_.empty()) return nullptr;
  if (is3d_) {
    std::vector<ZcGePoint3d> pts;
    for (const Vertex& v : verts_) pts.push_back(v.p);
    return std::make_unique<ZcGeBulgePolyline3d>(pts, closed_);
  }
  std::vector<ZcGePoint2d> pts;
  std::vector<double> bulges;
  for (const Vertex& v : verts_) pts.emplace_back(v.p.x, v.p.y), bulges.push_back(v.bulge);
  return std::make_unique<ZcGeBulgePolyline3d>(pts, bulges, closed_, verts_.front().p.z);
}

Zcad::ErrorStatus ZcDbVertexPolyline::setFromGeCurve(const ZcGeCurve3d& curve) {
  if (curve.kind() != ZcGeCurve3d::kBulgePolyline) return Zcad::eNotThatKindOfClass;
  auto& pl = static_cast<const ZcGeBulgePolyline3d&>(curve);
  if (pl.is3d() != is3d_) return Zcad::eNotThatKindOfClass;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  std::vector<Vertex> verts;
  for (unsigned i = 0; i < pl.numVerts(); ++i) verts.push_back({pl.vertexAt(i), pl.bulgeAt(i), 0.0, 0.0});
  verts_ = std::move(verts);
  closed_ = pl.closedFlag();
  return Zcad::eOk;
}
