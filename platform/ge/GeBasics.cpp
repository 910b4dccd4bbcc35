// Points, vectors, matrices and tolerances: the value types of the geometry.
#include <algorithm>
#include <cmath>

#include "ge/ZcGeMatrix3d.h"
#include "ge/ZcGePoint2d.h"
#include "ge/ZcGePoint3d.h"

ZcGeTol ZcGeContext::gTol;

const ZcGeVector2d ZcGeVector2d::kIdentity(0.0, 0.0);
const ZcGeVector2d ZcGeVector2d::kXAxis(1.0, 0.0);
const ZcGeVector2d ZcGeVector2d::kYAxis(0.0, 1.0);
const ZcGePoint2d ZcGePoint2d::kOrigin(0.0, 0.0);
const ZcGeVector3d ZcGeVector3d::kIdentity(0.0, 0.0, 0.0);
const ZcGeVector3d ZcGeVector3d::kXAxis(1.0, 0.0, 0.0);
const ZcGeVector3d ZcGeVector3d::kYAxis(0.0, 1.0, 0.0);
const ZcGeVector3d ZcGeVector3d::kZAxis(0.0, 0.0, 1.0);
const ZcGePoint3d ZcGePoint3d::kOrigin(0.0, 0.0, 0.0);
const ZcGeMatrix3d ZcGeMatrix3d::kIdentity;

namespace {
constexpr double kTwoPi = 2.0 * M_PI;
}  // namespace

// --- ZcGeVector2d ---------------------------------------------------------------------------

double ZcGeVector2d::length() const { return std::hypot(x, y); }

double ZcGeVector2d::angle() const {
  double a = std::atan2(y, x);
  return a < 0.0 ? a + kTwoPi : a;
}

double ZcGeVector2d::angleTo(const ZcGeVector2d& v) const {
  return std::atan2(std::fabs(crossProduct(v)), dotProduct(v));
}

ZcGeVector2d ZcGeVector2d::normal(const ZcGeTol& tol) const {
  double len = length();
  return len <= tol.equalVector() ? ZcGeVector2d() : *this / len;
}

ZcGeVector2d& ZcGeVector2d::normalize(const ZcGeTol& tol) { return *this = normal(tol); }

ZcGeVector2d& ZcGeVector2d::rotateBy(double angle) {
  double c = std::cos(angle), s = std::sin(angle);
  return set(c * x - s * y, s * x + c * y);
}

bool ZcGeVector2d::isZeroLength(const ZcGeTol& tol) const { return length() <= tol.equalVector(); }

bool ZcGeVector2d::isParallelTo(const ZcGeVector2d& v, const ZcGeTol& tol) const {
  if (isZeroLength(tol) || v.isZeroLength(tol)) return false;
  return std::fabs(normal().crossProduct(v.normal())) <= tol.equalVector();
}

bool ZcGeVector2d::isCodirectionalTo(const ZcGeVector2d& v, const ZcGeTol& tol) const {
  return isParallelTo(v, tol) && dotProduct(v) > 0.0;
}

bool ZcGeVector2d::isPerpendicularTo(const ZcGeVector2d& v, const ZcGeTol& tol) const {
  if (isZeroLength(tol) || v.isZeroLength(tol)) return false;
  return std::fabs(normal().dotProduct(v.normal())) <= tol.equalVector();
}

bool ZcGeVector2d::isEqualTo(const ZcGeVector2d& v, const ZcGeTol& tol) const {
  return (*this - v).length() <= tol.equalVector();
}

// --- ZcGePoint2d ----------------------------------------------------------------------------

ZcGePoint2d& ZcGePoint2d::rotateBy(double angle, const ZcGePoint2d& center) {
  ZcGeVector2d v = *this - center;
  v.rotateBy(angle);
  return *this = center + v;
}

bool ZcGePoint2d::isEqualTo(const ZcGePoint2d& p, const ZcGeTol& tol) const {
  return distanceTo(p) <= tol.equalPoint();
}

// --- ZcGeVector3d ---------------------------------------------------------------------------

double ZcGeVector3d::length() const { return std::sqrt(lengthSqrd()); }

double ZcGeVector3d::angleTo(const ZcGeVector3d& v) const {
  return std::atan2(crossProduct(v).length(), dotProduct(v));
}

double ZcGeVector3d::angleTo(const ZcGeVector3d& v, const ZcGeVector3d& reference) const {
  double a = angleTo(v);
  if (crossProduct(v).dotProduct(reference) < 0.0) a = kTwoPi - a;
  return a >= kTwoPi ? a - kTwoPi : a;
}

ZcGeVector3d ZcGeVector3d::normal(const ZcGeTol& tol) const {
  double len = length();
  return len <= tol.equalVector() ? ZcGeVector3d() : *this / len;
}

ZcGeVector3d& ZcGeVector3d::normalize(const ZcGeTol& tol) { return *this = normal(tol); }

ZcGeVector3d ZcGeVector3d::perpVector() const {
  if (std::fabs(z) <= ZcGeContext::gTol.equalVector() * (1.0 + length())) return {-y, x, 0.0};
  double ax = std::fabs(x), ay = std::fabs(y), az = std::fabs(z);
  const ZcGeVector3d& axis = (ax <= ay && ax <= az) ? kXAxis : (ay <= az ? kYAxis : kZAxis);
  return crossProduct(axis);
}

ZcGeVector3d& ZcGeVector3d::transformBy(const ZcGeMatrix3d& m) {
  ZcGeVector3d v = *this;
  for (unsigned r = 0; r < 3; ++r) (*this)[r] = m.entry[r][0] * v.x + m.entry[r][1] * v.y + m.entry[r][2] * v.z;
  return *this;
}

ZcGeVector3d& ZcGeVector3d::rotateBy(double angle, const ZcGeVector3d& axis) {
  return transformBy(ZcGeMatrix3d::rotation(angle, axis));
}

bool ZcGeVector3d::isZeroLength(const ZcGeTol& tol) const { return length() <= tol.equalVector(); }

bool ZcGeVector3d::isParallelTo(const ZcGeVector3d& v, const ZcGeTol& tol) const {
  if (isZeroLength(tol) || v.isZeroLength(tol)) return false;
  return normal().crossProduct(v.normal()).length() <= tol.equalVector();
}

bool ZcGeVector3d::isCodirectionalTo(const ZcGeVector3d& v, const ZcGeTol& tol) const {
  return isParallelTo(v, tol) && dotProduct(v) > 0.0;
}

bool ZcGeVector3d::isPerpendicularTo(const ZcGeVector3d& v, const ZcGeTol& tol) const {
  if (isZeroLength(tol) || v.isZeroLength(tol)) return false;
  return std::fabs(normal().dotProduct(v.normal())) <= tol.equalVector();
}

bool ZcGeVector3d::isEqualTo(const ZcGeVector3d& v, const ZcGeTol& tol) const {
  return (*this - v).length() <= tol.equalVector();
}

// --- ZcGePoint3d ----------------------------------------------------------------------------

ZcGePoint3d& ZcGePoint3d::transformBy(const ZcGeMatrix3d& m) {
  ZcGePoint3d p = *this;
  for (unsigned r = 0; r < 3; ++r)
    (*this)[r] = m.entry[r][0] * p.x + m.entry[r][1] * p.y + m.entry[r][2] * p.z + m.entry[r][3];
  return *this;
}

ZcGePoint3d& ZcGePoint3d::rotateBy(double angle, const ZcGeVector3d& axis, const ZcGePoint3d& center) {
  return transformBy(ZcGeMatrix3d::rotation(angle, axis, center));
}

bool ZcGePoint3d::isEqualTo(const ZcGePoint3d& p, const ZcGeTol& tol) const {
  return distanceTo(p) <= tol.equalPoint();
}

// --- ZcGeMatrix3d ---------------------------------------------------------------------------

ZcGeMatrix3d::ZcGeMatrix3d() { setToIdentity(); }

ZcGeMatrix3d& ZcGeMatrix3d::setToIdentity() {
  for (unsigned r = 0; r < 4; ++r)
    for (unsigned c = 0; c < 4; ++c) entry[r][c] = r == c ? 1.0 : 0.0;
  return *this;
}

ZcGeMatrix3d ZcGeMatrix3d::translation(const ZcGeVector3d& v) {
  ZcGeMatrix3d m;
  return m.setTranslation(v);
}

ZcGeMatrix3d& ZcGeMatrix3d::setTranslation(const ZcGeVector3d& v) {
  entry[0][3] = v.x;
  entry[1][3] = v.y;
  entry[2][3] = v.z;
  return *this;
}

ZcGeMatrix3d ZcGeMatrix3d::rotation(double angle, const ZcGeVector3d& axis, const ZcGePoint3d& center) {
  ZcGeVector3d u = axis.normal();
  ZcGeMatrix3d m;
  if (u.isZeroLength()) return m;
  double c = std::cos(angle), s = std::sin(angle), t = 1.0 - c;
  double R[3][3] = {{t * u.x * u.x + c, t * u.x * u.y - s * u.z, t * u.x * u.z + s * u.y},
                    {t * u.x * u.y + s * u.z, t * u.y * u.y + c, t * u.y * u.z - s * u.x},
                    {t * u.x * u.z - s * u.y, t * u.y * u.z + s * u.x, t * u.z * u.z + c}};
  for (unsigned r = 0; r < 3; ++r) {
    for (unsigned k = 0; k < 3; ++k) m.entry[r][k] = R[r][k];
    // p' = R (p - c) + c
    m.entry[r][3] = center[r] - (R[r][0] * center.x + R[r][1] * center.y + R[r][2] * center.z);
  }
  return m;
}

ZcGeMatrix3d ZcGeMatrix3d::scaling(double factor, const ZcGePoint3d& center) {
  ZcGeMatrix3d m;
  for (unsigned r = 0; r < 3; ++r) {
    m.entry[r][r] = factor;
    m.entry[r][3] = center[r] * (1.0 - factor);
  }
  return m;
}

ZcGeMatrix3d ZcGeMatrix3d::mirroring(const ZcGePoint3d& center) { return scaling(-1.0, center); }

ZcGeMatrix3d ZcGeMatrix3d::mirroring(const ZcGePoint3d& p1, const ZcGePoint3d& p2) {
  ZcGeVector3d d = p2 - p1;
  ZcGeVector3d n = d.crossProduct(ZcGeVector3d::kZAxis).normal();  // the mirror plane's normal
  ZcGeMatrix3d m;
  if (n.isZeroLength()) return m;
  // p' = p - 2 ((p - p1)·n) n
  for (unsigned r = 0; r < 3; ++r) {
    for (unsigned c = 0; c < 3; ++c) m.entry[r][c] = (r == c ? 1.0 : 0.0) - 2.0 * n[r] * n[c];
    m.entry[r][3] = 2.0 * n[r] * (p1.x * n.x + p1.y * n.y + p1.z * n.z);
  }
  return m;
}

double ZcGeMatrix3d::scale() const {
  double best = 0.0;
  for (unsigned c = 0; c < 3; ++c) {
    ZcGeVector3d col(entry[0][c], entry[1][c], entry[2][c]);
    best = std::max(best, col.length());
  }
  return best;
}

double ZcGeMatrix3d::det() const {
  const auto& e = entry;
  return e[0][0] * (e[1][1] * e[2][2] - e[1][2] * e[2][1]) -
         e[0][1] * (e[1][0] * e[2][2] - e[1][2] * e[2][0]) +
         e[0][2] * (e[1][0] * e[2][1] - e[1][1] * e[2][0]);
}

bool ZcGeMatrix3d::isSingular(const ZcGeTol& tol) const { return std::fabs(det()) <= tol.equalVector(); }

ZcGeMatrix3d ZcGeMatrix3d::inverse() const {
  ZcGeMatrix3d inv;
  double d = det();
  if (std::fabs(d) <= 1e-300) return inv;
  const auto& e = entry;
  double a[3][3] = {{(e[1][1] * e[2][2] - e[1][2] * e[2][1]) / d, (e[0][2] * e[2][1] - e[0][1] * e[2][2]) / d,
                     (e[0][1] * e[1][2] - e[0][2] * e[1][1]) / d},
                    {(e[1][2] * e[2][0] - e[1][0] * e[2][2]) / d, (e[0][0] * e[2][2] - e[0][2] * e[2][0]) / d,
                     (e[0][2] * e[1][0] - e[0][0] * e[1][2]) / d},
                    {(e[1][0] * e[2][1] - e[1][1] * e[2][0]) / d, (e[0][1] * e[2][0] - e[0][0] * e[2][1]) / d,
                     (e[0][0] * e[1][1] - e[0][1] * e[1][0]) / d}};
  for (unsigned r = 0; r < 3; ++r) {
    for (unsigned c = 0; c < 3; ++c) inv.entry[r][c] = a[r][c];
    inv.entry[r][3] = -(a[r][0] * e[0][3] + a[r][1] * e[1][3] + a[r][2] * e[2][3]);
  }
  return inv;
}

bool ZcGeMatrix3d::isEqualTo(const ZcGeMatrix3d& m, const ZcGeTol& tol) const {
  for (unsigned r = 0; r < 4; ++r)
    for (unsigned c = 0; c < 4; ++c)
      if (std::fabs(entry[r][c] - m.entry[r][c]) > tol.equalVector()) return false;
  return true;
}

ZcGeMatrix3d ZcGeMatrix3d::operator*(const ZcGeMatrix3d& m) const {
  ZcGeMatrix3d out;
  for (unsigned r = 0; r < 4; ++r)
    for (unsigned c = 0; c < 4; ++c) {
      double sum = 0.0;
      for (unsigned k = 0; k < 4; ++k) sum += entry[r][k] * m.entry[k][c];
      out.entry[r][c] = sum;
    }
  return out;
}
