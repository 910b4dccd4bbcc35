// Circles and arcs: geometry and their DXF records. Both keep their normal through
// transforms: a mirror swaps an arc's ends instead of turning its normal over, so drawings
// stay in +Z. An arc's angles are measured in its own plane, from the plane's X axis by the
// arbitrary-axis rule (world X for +Z, -X for -Z). Files with a -Z normal are turned to +Z
// when read; arcs about another normal are written with it, in their plane's coordinates.
#include "db/ZcDbArc.h"

#include <cmath>

#include "db/DbInternal.h"
#include "db/CurveMath.h"
#include "ge/ZcGeCircArc3d.h"
#include "db/ZcDbDxfFiler.h"

ZCRX_DEFINE_MEMBERS(ZcDbCircle, ZcDbCurve)
ZCRX_DEFINE_MEMBERS(ZcDbArc, ZcDbCurve)

namespace {
constexpr double kTwoPi = 6.283185307179586;

// The groups a circle and an arc share, under 100 AcDbCircle: 39 thickness (when not 0),
// 10/20/30 centre, 40 radius.
void WriteCircleGroups(ZcDbDxfFiler* f, double thickness, const ZcGePoint3d& center, double radius) {
  f->writeRaw(100, "AcDbCircle");
  if (thickness != 0) f->writeDouble(39, thickness);
  f->writePoint3d(10, center);
  f->writeDouble(40, radius);
}

// Takes one of those groups (or 210, the normal); false for any other code.
bool ReadCircleGroup(ZcDbDxfFiler* f, const ZcDbDxfPair& p, ZcGePoint3d& center, double& radius,
                     double& thickness, ZcGeVector3d& normal) {
  switch (p.code) {
    case 10: center = f->toPoint3d(p); return true;
    case 40: radius = f->toDouble(p); return true;
    case 39: thickness = f->toDouble(p); return true;
    case 210: normal = f->toVector3d(p); return true;
    default: return false;
  }
}

}  // namespace

// --- Circle --------------------------------------------------------------------------------

// The centre, radius and normal setters of circles and arcs.
#define ZC_CIRCULAR_SETTERS(Class)                                          \
  Zcad::ErrorStatus Class::setCenter(const ZcGePoint3d& c) {                \
    if (!zcdb::Finite(c)) return Zcad::eInvalidInput;                       \
    if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;   \
    center_ = c;                                                            \
    return Zcad::eOk;                                                       \
  }                                                                         \
  Zcad::ErrorStatus Class::setRadius(double r) {                            \
    if (!(r > 0) || !zcdb::Finite(r)) return Zcad::eInvalidInput;           \
    if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;   \
    radius_ = r;                                                            \
    return Zcad::eOk;                                                       \
  }                                                                         \
  Zcad::ErrorStatus Class::setNormal(const ZcGeVector3d& n) {               \
    if (n.isZeroLength() || !zcdb::Finite(n)) return Zcad::eInvalidInput;   \
    if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;   \
    normal_ = n.normal();                                                   \
    return Zcad::eOk;                                                       \
  }
ZC_CIRCULAR_SETTERS(ZcDbCircle)
ZC_CIRCULAR_SETTERS(ZcDbArc)
#undef ZC_CIRCULAR_SETTERS

Zcad::ErrorStatus ZcDbCircle::transformBy(const ZcGeMatrix3d& m) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  double s;
  bool mirrored;
  if (!zcdb::PlaneScale(m, s, mirrored)) return Zcad::eCannotScaleNonUniformly;
  center_.transformBy(m);
  radius_ *= s;
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
  WriteCircleGroups(f, thickness_, center_, radius_);
}

Zcad::ErrorStatus ZcDbCircle::dxfInFields(ZcDbDxfFiler* f) {
  if (Zcad::ErrorStatus es = ZcDbEntity::dxfInFields(f); es != Zcad::eOk) return es;
  f->seekMarker("AcDbCircle");
  ZcDbDxfPair p;
  ZcGeVector3d n = ZcGeVector3d::kZAxis;
  while (f->next(p)) ReadCircleGroup(f, p, center_, radius_, thickness_, n);
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
  if (!zcdb::Finite(a)) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  startAngle_ = zcdb::NormalizeAngle(a);
  return Zcad::eOk;
}
Zcad::ErrorStatus ZcDbArc::setEndAngle(double a) {
  if (!zcdb::Finite(a)) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  endAngle_ = zcdb::NormalizeAngle(a);
  return Zcad::eOk;
}
double ZcDbArc::sweep() const {
  double s = zcdb::NormalizeAngle(endAngle_ - startAngle_);
  return s == 0 ? kTwoPi : s;
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
  ZcGeCircArc3d plane(center_, normal_, radius_);
  startAngle_ = plane.angleOfPoint(a);
  endAngle_ = plane.angleOfPoint(b);
  return Zcad::eOk;
}

ZcDbObject* ZcDbArc::cloneObject() const {
  auto* c = new ZcDbArc(center_, normal_, radius_, startAngle_, endAngle_);
  copyEntityTo(c);
  c->thickness_ = thickness_;
  return c;
}

// ARC: the CIRCLE groups under 100 AcDbCircle, then 100 AcDbArc, 50 start and 51 end angle
// in degrees. An arc about another normal than +Z has its centre in the coordinates of its
// plane (X by the arbitrary-axis rule, Y = normal x X, Z along the normal) and 210 the normal
// after the radius; its angles are its plane's already.
void ZcDbArc::dxfOutFields(ZcDbDxfFiler* f) const {
  ZcDbEntity::dxfOutFields(f);
  if (normal_.isEqualTo(ZcGeVector3d::kZAxis)) {
    WriteCircleGroups(f, thickness_, center_, radius_);
  } else {
    ZcGeVector3d x = ZcGeCircArc3d(center_, normal_, 1.0).refVec(), y = normal_.crossProduct(x);
    ZcGeVector3d c = center_.asVector();
    WriteCircleGroups(f, thickness_, ZcGePoint3d(c.dotProduct(x), c.dotProduct(y), c.dotProduct(normal_)), radius_);
    f->writeVector3d(210, normal_);
  }
  f->writeRaw(100, "AcDbArc");
  f->writeDouble(50, zcdb::Degrees(startAngle_));
  f->writeDouble(51, zcdb::Degrees(endAngle_));
}

Zcad::ErrorStatus ZcDbArc::dxfInFields(ZcDbDxfFiler* f) {
  if (Zcad::ErrorStatus es = ZcDbEntity::dxfInFields(f); es != Zcad::eOk) return es;
  ZcDbDxfPair p;
  ZcGeVector3d n = ZcGeVector3d::kZAxis;
  double s = 0, e = 360;
  bool hasArcMarker = f->seekMarker("AcDbArc");
  f->seekMarker("AcDbCircle");
  for (int pass = 0; pass < (hasArcMarker ? 2 : 1); ++pass) {
    if (pass == 1) f->seekMarker("AcDbArc");
    while (f->next(p)) {
      if (ReadCircleGroup(f, p, center_, radius_, thickness_, n)) continue;
      if (p.code == 50) s = f->toDouble(p);
      if (p.code == 51) e = f->toDouble(p);
    }
  }
  startAngle_ = zcdb::NormalizeAngle(zcdb::Radians(s));
  endAngle_ = zcdb::NormalizeAngle(zcdb::Radians(e));
  if (n.isParallelTo(ZcGeVector3d::kZAxis) && n.z < 0) {  // seen from +Z the arc runs the other way round
    center_.x = -center_.x;
    center_.z = -center_.z;
    double a = startAngle_;
    startAngle_ = zcdb::NormalizeAngle(kTwoPi / 2 - endAngle_);
    endAngle_ = zcdb::NormalizeAngle(kTwoPi / 2 - a);
  } else if (!n.isZeroLength() && !n.isParallelTo(ZcGeVector3d::kZAxis)) {  // the centre is in the plane's coordinates
    normal_ = n.normal();
    ZcGeVector3d x = ZcGeCircArc3d(ZcGePoint3d(), normal_, 1.0).refVec(), y = normal_.crossProduct(x);
    center_ = ZcGePoint3d() + x * center_.x + y * center_.y + normal_ * center_.z;
  }
  return f->hasError() ? Zcad::eBadDxfFile : Zcad::eOk;
}

// --- The kernel's curve ------------------------------------------------------------------------

std::unique_ptr<ZcGeCurve3d> ZcDbCircle::toGeCurve() const {
  if (!(radius_ > 0)) return nullptr;
  return std::make_unique<ZcGeCircArc3d>(center_, normal_, radius_);
}

Zcad::ErrorStatus ZcDbCircle::setFromGeCurve(const ZcGeCurve3d& curve) {
  if (curve.kind() != ZcGeCurve3d::kCircArc) return Zcad::eNotThatKindOfClass;
  auto& arc = static_cast<const ZcGeCircArc3d&>(curve);
  if (!arc.isFullCircle()) return Zcad::eNotThatKindOfClass;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  center_ = arc.center();
  radius_ = arc.radius();
  normal_ = arc.normal();
  return Zcad::eOk;
}

std::unique_ptr<ZcGeCurve3d> ZcDbArc::toGeCurve() const {
  if (!(radius_ > 0)) return nullptr;
  // The kernel measures from the plane's own X axis too: the angles pass unchanged.
  auto arc = std::make_unique<ZcGeCircArc3d>(center_, normal_, radius_);
  arc->setAngles(startAngle_, startAngle_ + sweep());
  return arc;
}

Zcad::ErrorStatus ZcDbArc::setFromGeCurve(const ZcGeCurve3d& curve) {
  if (curve.kind() != ZcGeCurve3d::kCircArc) return Zcad::eNotThatKindOfClass;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  auto& arc = static_cast<const ZcGeCircArc3d&>(curve);
  center_ = arc.center();
  radius_ = arc.radius();
  normal_ = arc.normal();
  startAngle_ = zcdb::NormalizeAngle(arc.startAngle());
  endAngle_ = zcdb::NormalizeAngle(arc.startAngle() + arc.sweep());
  return Zcad::eOk;
}
