// Lightweight polylines: vertices, bulges, widths, their geometry and DXF record.
#include "db/ZcDbPolyline.h"

#include <cmath>

#include "db/CurveMath.h"
#include "db/ZcDbDxfFiler.h"

ZCRX_DEFINE_MEMBERS(ZcDbPolyline, ZcDbCurve)

Zcad::ErrorStatus ZcDbPolyline::addVertexAt(unsigned index, const ZcGePoint2d& p, double bulge,
                                            double sw, double ew) {
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
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  elevation_ = z;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbPolyline::setConstantWidth(double w) {
  if (w < 0) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  constantWidth_ = w;
  for (Vertex& v : verts_) v.startWidth = v.endWidth = w;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbPolyline::getStartParam(double& p) const {
  if (verts_.empty()) return Zcad::eDegenerateGeometry;
  p = 0;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbPolyline::getEndParam(double& p) const {
  if (verts_.empty()) return Zcad::eDegenerateGeometry;
  p = closed_ ? numVerts() : numVerts() - 1.0;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbPolyline::getStartPoint(ZcGePoint3d& p) const { return getPointAt(0, p); }
Zcad::ErrorStatus ZcDbPolyline::getEndPoint(ZcGePoint3d& p) const {
  if (verts_.empty()) return Zcad::eDegenerateGeometry;
  return getPointAt(closed_ ? 0 : numVerts() - 1, p);
}

Zcad::ErrorStatus ZcDbPolyline::getPointAtParam(double param, ZcGePoint3d& p) const {
  double end;
  if (Zcad::ErrorStatus es = getEndParam(end); es != Zcad::eOk) return es;
  if (param < -1e-9 || param > end + 1e-9) return Zcad::eInvalidInput;
  unsigned i = param >= end ? (end > 0 ? static_cast<unsigned>(end) - 1 : 0) : static_cast<unsigned>(param);
  double t = param - i;
  ZcGePoint3d a, b;
  getPointAt(i, a);
  getPointAt((i + 1) % numVerts(), b);
  zcdb::Piece s = zcdb::BulgePiece(a, b, verts_[i].bulge, i);
  if (s.kind == zcdb::Piece::Line) {
    p = a + (b - a) * t;
  } else {
    bool ccw = verts_[i].bulge > 0;
    double ang = ccw ? s.a0 + t * s.sweep : s.a0 + (1 - t) * s.sweep;
    p.set(s.c.x + s.r * std::cos(ang), s.c.y + s.r * std::sin(ang), elevation_);
  }
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbPolyline::getDistAtParam(double param, double& dist) const {
  double end;
  if (Zcad::ErrorStatus es = getEndParam(end); es != Zcad::eOk) return es;
  if (param < -1e-9 || param > end + 1e-9) return Zcad::eInvalidInput;
  dist = 0;
  for (unsigned i = 0; i < static_cast<unsigned>(end) && i < param; ++i) {
    double t = std::min(1.0, param - i);
    ZcGePoint3d a, b;
    getPointAt(i, a);
    getPointAt((i + 1) % numVerts(), b);
    zcdb::Piece s = zcdb::BulgePiece(a, b, verts_[i].bulge, i);
    dist += t * (s.kind == zcdb::Piece::Line ? a.distanceTo(b) : s.r * s.sweep);
  }
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

Zcad::ErrorStatus ZcDbPolyline::getGeomExtents(ZcDbExtents& ext) const {
  if (verts_.empty()) return Zcad::eInvalidExtents;
  std::vector<std::pair<ZcGePoint3d, double>> pts;
  for (const Vertex& v : verts_) pts.emplace_back(ZcGePoint3d(v.p.x, v.p.y, elevation_), v.bulge);
  ext = ZcDbExtents();
  zcdb::AddBulgeChainExtents(ext, pts, closed_);
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
