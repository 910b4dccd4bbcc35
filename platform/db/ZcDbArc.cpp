// Circles and arcs: geometry and their DXF records. Both keep their normal through
// transforms: a mirror swaps an arc's ends instead of turning its normal over, so drawings
// stay in +Z. Files with a -Z normal are turned to +Z when read.
#include "db/ZcDbArc.h"

#include <cmath>

#include "db/CurveMath.h"
#include "db/ZcDbDxfFiler.h"

ZCRX_DEFINE_MEMBERS(ZcDbCircle, ZcDbCurve)
ZCRX_DEFINE_MEMBERS(ZcDbArc, ZcDbCurve)

namespace {
constexpr double kTwoPi = 6.283185307179586;

ZcGePoint3d OnCircle(const ZcGePoint3d& c, double r, double a) {
  return ZcGePoint3d(c.x + r * std::cos(a), c.y + r * std::sin(a), c.z);
}
}  // namespace

// --- Circle --------------------------------------------------------------------------------

// The centre, radius and normal setters of circles and arcs.
#define ZC_CIRCULAR_SETTERS(Class)                                          \
  Zcad::ErrorStatus Class::setCenter(const ZcGePoint3d& c) {                \
    if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;   \
    center_ = c;                                                            \
    return Zcad::eOk;                                                       \
  }                                                                         \
  Zcad::ErrorStatus Class::setRadius(double r) {                            \
    if (!(r > 0)) return Zcad::eInvalidInput;                               \
    if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;   \
    radius_ = r;                                                            \
    return Zcad::eOk;                                                       \
  }                                                                         \
  Zcad::ErrorStatus Class::setNormal(const ZcGeVector3d& n) {               \
    if (n.isZeroLength()) return Zcad::eInvalidInput;                       \
    if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;   \
    normal_ = n.normal();                                                   \
    return Zcad::eOk;                                                       \
  }
ZC_CIRCULAR_SETTERS(ZcDbCircle)
ZC_CIRCULAR_SETTERS(ZcDbArc)
#undef ZC_CIRCULAR_SETTERS

Zcad::ErrorStatus ZcDbCircle::getStartParam(double& p) const { p = 0; return Zcad::eOk; }
Zcad::ErrorStatus ZcDbCircle::getEndParam(double& p) const { p = kTwoPi; return Zcad::eOk; }
Zcad::ErrorStatus ZcDbCircle::getStartPoint(ZcGePoint3d& p) const { p = OnCircle(center_, radius_, 0); return Zcad::eOk; }
Zcad::ErrorStatus ZcDbCircle::getEndPoint(ZcGePoint3d& p) const { return getStartPoint(p); }
Zcad::ErrorStatus ZcDbCircle::getPointAtParam(double param, ZcGePoint3d& p) const {
  p = OnCircle(center_, radius_, param);
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbCircle::getParamAtPoint(const ZcGePoint3d& p, double& param) const {
  if (std::fabs(std::hypot(p.x - center_.x, p.y - center_.y) - radius_) > 1e-6) return Zcad::eInvalidInput;
  param = zcdb::NormalizeAngle(std::atan2(p.y - center_.y, p.x - center_.x));
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbCircle::getDistAtParam(double param, double& d) const {
  if (param < -1e-9 || param > kTwoPi + 1e-9) return Zcad::eInvalidInput;
  d = param * radius_;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbCircle::getParamAtDist(double d, double& param) const {
  if (d < -1e-9 || d > kTwoPi * radius_ + 1e-9 || radius_ <= 0) return Zcad::eInvalidInput;
  param = d / radius_;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbCircle::getFirstDeriv(double param, ZcGeVector3d& d) const {
  d = ZcGeVector3d(-std::sin(param), std::cos(param), 0) * radius_;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbCircle::getClosestPointTo(const ZcGePoint3d& given, ZcGePoint3d& closest, bool) const {
  double a = std::atan2(given.y - center_.y, given.x - center_.x);
  closest = OnCircle(center_, radius_, a);
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbCircle::getArea(double& area) const {
  area = kTwoPi / 2 * radius_ * radius_;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbCircle::transformBy(const ZcGeMatrix3d& m) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  double s;
  bool mirrored;
  if (!zcdb::PlaneScale(m, s, mirrored)) return Zcad::eCannotScaleNonUniformly;
  center_.transformBy(m);
  radius_ *= s;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbCircle::getGeomExtents(ZcDbExtents& ext) const {
  ZcGeVector3d r(radius_, radius_, 0);
  ext = ZcDbExtents(center_ - r, center_ + r);
  return Zcad::eOk;
}

ZcDbObject* ZcDbCircle::cloneObject() const {
  auto* c = new ZcDbCircle(center_, normal_, radius_);
  copyEntityTo(c);
  c->thickness_ = thickness_;
  return c;
}

// CIRCLE: 100 AcDbCircle, 39 thickness, 10/20/30 centre, 40 radius, 210 normal (not +Z).
void ZcDbCircle::dxfOutFields(ZcDbDxfFiler* f) const {
  ZcDbEntity::dxfOutFields(f);
  f->writeRaw(100, "AcDbCircle");
  if (thickness_ != 0) f->writeDouble(39, thickness_);
  f->writePoint3d(10, center_);
  f->writeDouble(40, radius_);
}

Zcad::ErrorStatus ZcDbCircle::dxfInFields(ZcDbDxfFiler* f) {
  if (Zcad::ErrorStatus es = ZcDbEntity::dxfInFields(f); es != Zcad::eOk) return es;
  f->seekMarker("AcDbCircle");
  ZcDbDxfPair p;
  ZcGeVector3d n = ZcGeVector3d::kZAxis;
  while (f->next(p)) {
    switch (p.code) {
      case 10: center_ = f->toPoint3d(p); break;
      case 40: radius_ = f->toDouble(p); break;
      case 39: thickness_ = f->toDouble(p); break;
      case 210: n = f->toVector3d(p); break;
      default: break;
    }
  }
  if (n.z < 0) center_.x = -center_.x, center_.z = -center_.z;  // the -Z plane: X and Z turned over
  return f->hasError() ? Zcad::eBadDxfFile : Zcad::eOk;
}

// --- Arc -----------------------------------------------------------------------------------

ZcDbArc::ZcDbArc(const ZcGePoint3d& center, double radius, double startAngle, double endAngle)
    : center_(center), radius_(radius), startAngle_(zcdb::NormalizeAngle(startAngle)),
      endAngle_(zcdb::NormalizeAngle(endAngle)) {}
ZcDbArc::ZcDbArc(const ZcGePoint3d& center, const ZcGeVector3d& normal, double radius,
                 double startAngle, double endAngle)
    : ZcDbArc(center, radius, startAngle, endAngle) {
  normal_ = normal.normal();
}

Zcad::ErrorStatus ZcDbArc::setStartAngle(double a) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  startAngle_ = zcdb::NormalizeAngle(a);
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbArc::setEndAngle(double a) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  endAngle_ = zcdb::NormalizeAngle(a);
  return Zcad::eOk;
}
double ZcDbArc::sweep() const {
  double s = zcdb::NormalizeAngle(endAngle_ - startAngle_);
  return s == 0 ? kTwoPi : s;
}

Zcad::ErrorStatus ZcDbArc::getStartParam(double& p) const { p = 0; return Zcad::eOk; }
Zcad::ErrorStatus ZcDbArc::getEndParam(double& p) const { p = sweep(); return Zcad::eOk; }
Zcad::ErrorStatus ZcDbArc::getStartPoint(ZcGePoint3d& p) const { p = OnCircle(center_, radius_, startAngle_); return Zcad::eOk; }
Zcad::ErrorStatus ZcDbArc::getEndPoint(ZcGePoint3d& p) const { p = OnCircle(center_, radius_, endAngle_); return Zcad::eOk; }
Zcad::ErrorStatus ZcDbArc::getPointAtParam(double param, ZcGePoint3d& p) const {
  if (param < -1e-9 || param > sweep() + 1e-9) return Zcad::eInvalidInput;
  p = OnCircle(center_, radius_, startAngle_ + param);
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbArc::getParamAtPoint(const ZcGePoint3d& p, double& param) const {
  if (std::fabs(std::hypot(p.x - center_.x, p.y - center_.y) - radius_) > 1e-6) return Zcad::eInvalidInput;
  double a = zcdb::NormalizeAngle(std::atan2(p.y - center_.y, p.x - center_.x) - startAngle_);
  if (a > sweep() + 1e-9) {
    if (a > kTwoPi - 1e-9) a = 0;
    else return Zcad::eInvalidInput;
  }
  param = a;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbArc::getDistAtParam(double param, double& d) const {
  if (param < -1e-9 || param > sweep() + 1e-9) return Zcad::eInvalidInput;
  d = param * radius_;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbArc::getParamAtDist(double d, double& param) const {
  if (radius_ <= 0 || d < -1e-9 || d > sweep() * radius_ + 1e-9) return Zcad::eInvalidInput;
  param = d / radius_;
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbArc::getFirstDeriv(double param, ZcGeVector3d& d) const {
  double a = startAngle_ + param;
  d = ZcGeVector3d(-std::sin(a), std::cos(a), 0) * radius_;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbArc::transformBy(const ZcGeMatrix3d& m) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  double s;
  bool mirrored;
  if (!zcdb::PlaneScale(m, s, mirrored)) return Zcad::eCannotScaleNonUniformly;
  ZcGePoint3d a, b;
  getStartPoint(a);
  getEndPoint(b);
  a.transformBy(m);
  b.transformBy(m);
  center_.transformBy(m);
  radius_ *= s;
  if (mirrored) std::swap(a, b);
  startAngle_ = zcdb::NormalizeAngle(std::atan2(a.y - center_.y, a.x - center_.x));
  endAngle_ = zcdb::NormalizeAngle(std::atan2(b.y - center_.y, b.x - center_.x));
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbArc::getGeomExtents(ZcDbExtents& ext) const {
  ext = ZcDbExtents();
  zcdb::AddArcExtents(ext, center_, radius_, startAngle_, sweep());
  return Zcad::eOk;
}

ZcDbObject* ZcDbArc::cloneObject() const {
  auto* c = new ZcDbArc(center_, normal_, radius_, startAngle_, endAngle_);
  copyEntityTo(c);
  c->thickness_ = thickness_;
  return c;
}

// ARC: the CIRCLE groups under 100 AcDbCircle, then 100 AcDbArc, 50 start and 51 end angle
// in degrees.
void ZcDbArc::dxfOutFields(ZcDbDxfFiler* f) const {
  ZcDbEntity::dxfOutFields(f);
  f->writeRaw(100, "AcDbCircle");
  if (thickness_ != 0) f->writeDouble(39, thickness_);
  f->writePoint3d(10, center_);
  f->writeDouble(40, radius_);
  f->writeRaw(100, "AcDbArc");
  f->writeDouble(50, startAngle_ * 360 / kTwoPi);
  f->writeDouble(51, endAngle_ * 360 / kTwoPi);
}

Zcad::ErrorStatus ZcDbArc::dxfInFields(ZcDbDxfFiler* f) {
  if (Zcad::ErrorStatus es = ZcDbEntity::dxfInFields(f); es != Zcad::eOk) return es;
  f->seekMarker("AcDbCircle");
  ZcDbDxfPair p;
  ZcGeVector3d n = ZcGeVector3d::kZAxis;
  double s = 0, e = 360;
  bool hasArcMarker = f->seekMarker("AcDbArc");
  f->seekMarker("AcDbCircle");
  for (int pass = 0; pass < (hasArcMarker ? 2 : 1); ++pass) {
    if (pass == 1) f->seekMarker("AcDbArc");
    while (f->next(p)) {
      switch (p.code) {
        case 10: center_ = f->toPoint3d(p); break;
        case 40: radius_ = f->toDouble(p); break;
        case 39: thickness_ = f->toDouble(p); break;
        case 210: n = f->toVector3d(p); break;
        case 50: s = f->toDouble(p); break;
        case 51: e = f->toDouble(p); break;
        default: break;
      }
    }
  }
  startAngle_ = zcdb::NormalizeAngle(s * kTwoPi / 360);
  endAngle_ = zcdb::NormalizeAngle(e * kTwoPi / 360);
  if (n.z < 0) {  // seen from +Z the arc runs the other way round
    center_.x = -center_.x;
    center_.z = -center_.z;
    double a = startAngle_;
    startAngle_ = zcdb::NormalizeAngle(kTwoPi / 2 - endAngle_);
    endAngle_ = zcdb::NormalizeAngle(kTwoPi / 2 - a);
  }
  return f->hasError() ? Zcad::eBadDxfFile : Zcad::eOk;
}
