// Lightweight polylines: vertices, bulges, widths, their geometry and DXF record.
#include "db/ZcDbPolyline.h"

#include <cmath>

#include "db/DbInternal.h"
#include "db/CurveMath.h"
#include "ge/ZcGeBulgePolyline3d.h"
#include "db/ZcDbDxfFiler.h"

ZCRX_DEFINE_MEMBERS(ZcDbPolyline, ZcDbCurve)

Zcad::ErrorStatus ZcDbPolyline::addVertexAt(unsigned index, const ZcGePoint2d& p, double bulge,
                                            double sw, double ew) {
  if (!zcdb::Finite(p, bulge, sw, ew)) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  Vertex v{p, bulge, sw < 0 ? 0.0 : sw, ew < 0 ? 0.0 : ew};
  if (index > verts_.size()) index = numVerts();
  verts_.insert(verts_.begin() + index, v);
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbPolyline::removeVertexAt(unsigned index) {
  if (index >= verts_.size()) return Zcad::eInvalidIndex;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  verts_.erase(verts_.begin() + index);
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbPolyline::getPointAt(unsigned index, ZcGePoint3d& p) const {
  if (index >= verts_.size()) return Zcad::eInvalidIndex;
  p.set(verts_[index].p.x, verts_[index].p.y, elevation_);
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbPolyline::getPointAt(unsigned index, ZcGePoint2d& p) const {
  if (index >= verts_.size()) return Zcad::eInvalidIndex;
  p = verts_[index].p;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbPolyline::setPointAt(unsigned index, const ZcGePoint2d& p) {
  if (!zcdb::Finite(p)) return Zcad::eInvalidInput;
  if (index >= verts_.size()) return Zcad::eInvalidIndex;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  verts_[index].p = p;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbPolyline::getBulgeAt(unsigned index, double& b) const {
  if (index >= verts_.size()) return Zcad::eInvalidIndex;
  b = verts_[index].bulge;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbPolyline::setBulgeAt(unsigned index, double b) {
  if (!zcdb::Finite(b)) return Zcad::eInvalidInput;
  if (index >= verts_.size()) return Zcad::eInvalidIndex;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  verts_[index].bulge = b;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbPolyline::getWidthsAt(unsigned index, double& sw, double& ew) const {
  if (index >= verts_.size()) return Zcad::eInvalidIndex;
  sw = verts_[index].startWidth;
  ew = verts_[index].endWidth;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbPolyline::setWidthsAt(unsigned index, double sw, double ew) {
  if (!zcdb::Finite(sw, ew)) return Zcad::eInvalidInput;
  if (index >= verts_.size()) return Zcad::eInvalidIndex;
  if (sw < 0 || ew < 0) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  verts_[index].startWidth = sw;
  verts_[index].endWidth = ew;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbPolyline::setClosed(bool closed) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  closed_ = closed;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbPolyline::setElevation(double z) {
  if (!zcdb::Finite(z)) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  elevation_ = z;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbPolyline::setConstantWidth(double w) {
  if (!zcdb::Finite(w)) return Zcad::eInvalidInput;
  if (w < 0) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  constantWidth_ = w;
  for (Vertex& v : verts_) v.startWidth = v.endWidth = w;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbPolyline::transformBy(const ZcGeMatrix3d& m) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  double scale = 1;
  Zcad::ErrorStatus es = zcdb::TransformFlat(verts_, elevation_, m, scale);
  if (es != Zcad::eOk) return es;
  for (Vertex& v : verts_) v.startWidth *= scale, v.endWidth *= scale;
  constantWidth_ *= scale;
  return Zcad::eOk;
}

ZcDbObject* ZcDbPolyline::cloneObject() const {
  auto* c = new ZcDbPolyline;
  c->verts_ = verts_;
  c->closed_ = closed_;
  c->elevation_ = elevation_;
  c->constantWidth_ = constantWidth_;
  c->normal_ = normal_;
  copyEntityTo(c);
  return c;
}

// LWPOLYLINE: 100 AcDbPolyline, 90 vertex count, 70 flags (1 closed), 43 constant width
// (when every vertex has it), 38 elevation (when not 0); per vertex 10/20 point, then
// 40/41 widths (unless constant) and 42 bulge (when not 0).
void ZcDbPolyline::dxfOutFields(ZcDbDxfFiler* f) const {
  ZcDbEntity::dxfOutFields(f);
  f->writeRaw(100, "AcDbPolyline");
  f->writeInt(90, numVerts());
  f->writeInt(70, closed_ ? 1 : 0);
  bool constant = true;
  for (const Vertex& v : verts_)
    if (v.startWidth != constantWidth_ || v.endWidth != constantWidth_) constant = false;
  if (constant) f->writeDouble(43, constantWidth_);
  if (elevation_ != 0) f->writeDouble(38, elevation_);
  for (const Vertex& v : verts_) {
    f->writePoint2d(10, v.p);
    if (!constant) {
      f->writeDouble(40, v.startWidth);
      f->writeDouble(41, v.endWidth);
    }
    if (v.bulge != 0) f->writeDouble(42, v.bulge);
  }
}

Zcad::ErrorStatus ZcDbPolyline::dxfInFields(ZcDbDxfFiler* f) {
  if (Zcad::ErrorStatus es = ZcDbEntity::dxfInFields(f); es != Zcad::eOk) return es;
  f->seekMarker("AcDbPolyline");
  ZcDbDxfPair p;
  ZcGeVector3d n = ZcGeVector3d::kZAxis;
  while (f->next(p)) {
    switch (p.code) {
      case 70: closed_ = f->toInt(p) & 1; break;
      case 43: constantWidth_ = f->toDouble(p); break;
      case 38: elevation_ = f->toDouble(p); break;
      case 10: {
        ZcGePoint3d q = f->toPoint3d(p);
        verts_.push_back({ZcGePoint2d(q.x, q.y), 0.0, constantWidth_, constantWidth_});
        break;
      }
      case 40: if (!verts_.empty()) verts_.back().startWidth = f->toDouble(p); break;
      case 41: if (!verts_.empty()) verts_.back().endWidth = f->toDouble(p); break;
      case 42: if (!verts_.empty()) verts_.back().bulge = f->toDouble(p); break;
      case 210: n = f->toVector3d(p); break;
      default: break;
    }
  }
  if (n.z < 0) {  // a -Z plane seen from +Z: X and the elevation turn over, arcs run the other way
    for (Vertex& v : verts_) v.p.x = -v.p.x, v.bulge = -v.bulge;
    elevation_ = -elevation_;
  }
  return f->hasError() ? Zcad::eBadDxfFile : Zcad::eOk;
}

// --- The kernel's curve ------------------------------------------------------------------------

std::unique_ptr<ZcGeCurve3d> ZcDbPolyline::toGeCurve() const {
  if (verts_.empty()) return nullptr;
  std::vector<ZcGePoint2d> pts;
  std::vector<double> bulges;
  for (const Vertex& v : verts_) pts.push_back(v.p), bulges.push_back(v.bulge);
  return std::make_unique<ZcGeBulgePolyline3d>(pts, bulges, closed_, elevation_, normal_);
}

Zcad::ErrorStatus ZcDbPolyline::setFromGeCurve(const ZcGeCurve3d& curve) {
  if (curve.kind() != ZcGeCurve3d::kBulgePolyline) return Zcad::eNotThatKindOfClass;
  auto& pl = static_cast<const ZcGeBulgePolyline3d&>(curve);
  if (pl.is3d()) return Zcad::eNotThatKindOfClass;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  std::vector<Vertex> verts;
  for (unsigned i = 0; i < pl.numVerts(); ++i) {
    ZcGePoint2d p;
    pl.getPointAt(i, p);
    Vertex v{p, pl.bulgeAt(i), constantWidth_, constantWidth_};
    if (verts_.size() == pl.numVerts()) v.startWidth = verts_[i].startWidth, v.endWidth = verts_[i].endWidth;
    verts.push_back(v);
  }
  verts_ = std::move(verts);
  closed_ = pl.closedFlag();
  elevation_ = pl.elevation();
  normal_ = pl.normal();
  return Zcad::eOk;
}
