// Lines: geometry and their DXF record.
#include "db/ZcDbLine.h"

#include "db/ZcDbDxfFiler.h"

ZCRX_DEFINE_MEMBERS(ZcDbLine, ZcDbCurve)

Zcad::ErrorStatus ZcDbLine::setStartPoint(const ZcGePoint3d& p) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  start_ = p;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbLine::setEndPoint(const ZcGePoint3d& p) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  end_ = p;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbLine::getStartParam(double& param) const { param = 0; return Zcad::eOk; }
Zcad::ErrorStatus ZcDbLine::getEndParam(double& param) const { param = start_.distanceTo(end_); return Zcad::eOk; }
Zcad::ErrorStatus ZcDbLine::getStartPoint(ZcGePoint3d& p) const { p = start_; return Zcad::eOk; }
Zcad::ErrorStatus ZcDbLine::getEndPoint(ZcGePoint3d& p) const { p = end_; return Zcad::eOk; }

Zcad::ErrorStatus ZcDbLine::getPointAtParam(double param, ZcGePoint3d& p) const {
  double len = start_.distanceTo(end_);
  if (param < -1e-9 || param > len + 1e-9) return Zcad::eInvalidInput;
  p = len > 0 ? start_ + (end_ - start_) * (param / len) : start_;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbLine::getParamAtPoint(const ZcGePoint3d& p, double& param) const {
  ZcGePoint3d c;
  getClosestPointTo(p, c);
  if (c.distanceTo(p) > 1e-6) return Zcad::eInvalidInput;
  param = start_.distanceTo(c);
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbLine::getDistAtParam(double param, double& dist) const {
  if (param < -1e-9 || param > start_.distanceTo(end_) + 1e-9) return Zcad::eInvalidInput;
  dist = param;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbLine::getParamAtDist(double dist, double& param) const {
  return getDistAtParam(dist, param);
}

Zcad::ErrorStatus ZcDbLine::getFirstDeriv(double, ZcGeVector3d& d) const {
  d = (end_ - start_).normal();
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbLine::getClosestPointTo(const ZcGePoint3d& given, ZcGePoint3d& closest,
                                              bool extend) const {
  ZcGeVector3d d = end_ - start_;
  double len2 = d.lengthSqrd();
  double t = len2 > 0 ? (given - start_).dotProduct(d) / len2 : 0.0;
  if (!extend) t = t < 0 ? 0 : t > 1 ? 1 : t;
  closest = start_ + d * t;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbLine::transformBy(const ZcGeMatrix3d& m) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  start_.transformBy(m);
  end_.transformBy(m);
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbLine::getGeomExtents(ZcDbExtents& ext) const {
  ext = ZcDbExtents(start_, end_);
  return Zcad::eOk;
}

ZcDbObject* ZcDbLine::cloneObject() const {
  auto* c = new ZcDbLine(start_, end_);
  copyEntityTo(c);
  c->normal_ = normal_;
  c->thickness_ = thickness_;
  return c;
}

// LINE: 100 AcDbLine, 39 thickness (when not 0), 10/20/30 start, 11/21/31 end,
// 210/220/230 normal (when not +Z).
void ZcDbLine::dxfOutFields(ZcDbDxfFiler* f) const {
  ZcDbEntity::dxfOutFields(f);
  f->writeRaw(100, "AcDbLine");
  if (thickness_ != 0) f->writeDouble(39, thickness_);
  f->writePoint3d(10, start_);
  f->writePoint3d(11, end_);
  if (normal_ != ZcGeVector3d::kZAxis) f->writeVector3d(210, normal_);
}

Zcad::ErrorStatus ZcDbLine::dxfInFields(ZcDbDxfFiler* f) {
  if (Zcad::ErrorStatus es = ZcDbEntity::dxfInFields(f); es != Zcad::eOk) return es;
  f->seekMarker("AcDbLine");
  ZcDbDxfPair p;
  while (f->next(p)) {
    switch (p.code) {
      case 10: start_ = f->toPoint3d(p); break;
      case 11: end_ = f->toPoint3d(p); break;
      case 39: thickness_ = f->toDouble(p); break;
      case 210: normal_ = f->toVector3d(p).normal(); break;
      default: break;
    }
  }
  return f->hasError() ? Zcad::eBadDxfFile : Zcad::eOk;
}
