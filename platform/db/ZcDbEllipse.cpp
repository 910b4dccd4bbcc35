// Ellipses: their points, box and DXF record.
#include "db/ZcDbEllipse.h"

#include <cmath>

#include "db/DbInternal.h"
#include "ge/ZcGeEllipArc3d.h"
#include "db/ZcDbDxfFiler.h"

ZCRX_DEFINE_MEMBERS(ZcDbEllipse, ZcDbCurve)

namespace {
constexpr double kTwoPi = 6.283185307179586;
}

ZcDbEllipse::ZcDbEllipse(const ZcGePoint3d& c, const ZcGeVector3d& n, const ZcGeVector3d& major,
                         double ratio, double s, double e) {
  set(c, n, major, ratio, s, e);
}

Zcad::ErrorStatus ZcDbEllipse::set(const ZcGePoint3d& c, const ZcGeVector3d& n,
                                   const ZcGeVector3d& major, double ratio, double s, double e) {
  if (!zcdb::Finite(c, n, major, ratio, s, e)) return Zcad::eInvalidInput;
  if (major.isZeroLength() || n.isZeroLength() || !(ratio > 0 && ratio <= 1) ||
      std::fabs(major.normal().dotProduct(n.normal())) > 1e-9)
    return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  center_ = c;
  normal_ = n.normal();
  majorAxis_ = major;
  ratio_ = ratio;
  startParam_ = s;
  endParam_ = e;
  return Zcad::eOk;
}

ZcGeVector3d ZcDbEllipse::minorAxis() const { return normal_.crossProduct(majorAxis_) * ratio_; }

Zcad::ErrorStatus ZcDbEllipse::transformBy(const ZcGeMatrix3d& m) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  ZcGeVector3d major = majorAxis_, minor = minorAxis();
  major.transformBy(m);
  minor.transformBy(m);
  if (std::fabs(major.dotProduct(minor)) > 1e-9 * (1 + major.lengthSqrd()))
    return Zcad::eCannotScaleNonUniformly;
  ZcGeVector3d n = major.crossProduct(minor);
  bool mirrored = n.dotProduct(normal_) < 0 && m.det() < 0;
  center_.transformBy(m);
  majorAxis_ = major;
  if (mirrored) {  // keep the normal: the arc runs the other way, so its ends swap
    double s = startParam_;
    startParam_ = kTwoPi - endParam_;
    endParam_ = kTwoPi - s;
    minor = -minor;
  }
  ratio_ = major.length() > 0 ? minor.length() / major.length() : 1.0;
  if (ratio_ > 1) {
    double turn = kTwoPi / 4;
    majorAxis_ = minor;
    ratio_ = 1 / ratio_;
    startParam_ -= turn;
    endParam_ -= turn;
  }
  return Zcad::eOk;
}

ZcDbObject* ZcDbEllipse::cloneObject() const {
  auto* c = new ZcDbEllipse;
  c->center_ = center_;
  c->normal_ = normal_;
  c->majorAxis_ = majorAxis_;
  c->ratio_ = ratio_;
  c->startParam_ = startParam_;
  c->endParam_ = endParam_;
  copyEntityTo(c);
  return c;
}

// ELLIPSE: 100 AcDbEllipse, 10 centre, 11 major axis end (from the centre), 210 normal,
// 40 ratio, 41 start and 42 end parameter (radians).
void ZcDbEllipse::dxfOutFields(ZcDbDxfFiler* f) const {
  ZcDbEntity::dxfOutFields(f);
  f->writeRaw(100, "AcDbEllipse");
  f->writePoint3d(10, center_);
  f->writeVector3d(11, majorAxis_);
  f->writeVector3d(210, normal_);
  f->writeDouble(40, ratio_);
  f->writeDouble(41, startParam_);
  f->writeDouble(42, endParam_);
}

Zcad::ErrorStatus ZcDbEllipse::dxfInFields(ZcDbDxfFiler* f) {
  if (Zcad::ErrorStatus es = ZcDbEntity::dxfInFields(f); es != Zcad::eOk) return es;
  f->seekMarker("AcDbEllipse");
  ZcDbDxfPair p;
  while (f->next(p)) {
    switch (p.code) {
      case 10: center_ = f->toPoint3d(p); break;
      case 11: majorAxis_ = f->toVector3d(p); break;
      case 210: normal_ = f->toVector3d(p).normal(); break;
      case 40: ratio_ = f->toDouble(p); break;
      case 41: startParam_ = f->toDouble(p); break;
      case 42: endParam_ = f->toDouble(p); break;
      default: break;
    }
  }
  if (!(ratio_ > 0 && ratio_ <= 1) || majorAxis_.isZeroLength() || normal_.isZeroLength())
    f->setError(0, L"an ellipse with a zero axis or a ratio outside (0, 1]");
  return f->hasError() ? Zcad::eBadDxfFile : Zcad::eOk;
}

// --- The kernel's curve ------------------------------------------------------------------------

std::unique_ptr<ZcGeCurve3d> ZcDbEllipse::toGeCurve() const {
  auto e = std::make_unique<ZcGeEllipArc3d>();
  if (e->set(center_, normal_, majorAxis_, ratio_, startParam_, endParam_) != Zcad::eOk) return nullptr;
  return e;
}

Zcad::ErrorStatus ZcDbEllipse::setFromGeCurve(const ZcGeCurve3d& curve) {
  if (curve.kind() != ZcGeCurve3d::kEllipArc) return Zcad::eNotThatKindOfClass;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  auto& e = static_cast<const ZcGeEllipArc3d&>(curve);
  center_ = e.center();
  normal_ = e.normal();
  majorAxis_ = e.majorAxis();
  ratio_ = e.radiusRatio();
  startParam_ = e.startAngle();
  endParam_ = e.startAngle() + e.sweep();
  return Zcad::eOk;
}
