// A vector in the plane.
#ifndef PLATFORM_GE_ZCGEVECTOR2D_H
#define PLATFORM_GE_ZCGEVECTOR2D_H

#include "ge/ZcGeTol.h"

class ZcGeVector2d {
public:
  static const ZcGeVector2d kIdentity;  // the zero vector
  static const ZcGeVector2d kXAxis;
  static const ZcGeVector2d kYAxis;

  ZcGeVector2d() = default;
  ZcGeVector2d(double xx, double yy) : x(xx), y(yy) {}

  double length() const;
  double lengthSqrd() const { return x * x + y * y; }
  double dotProduct(const ZcGeVector2d& v) const { return x * v.x + y * v.y; }
  /// The z component of the cross product (positive when `v` turns left from this).
  double crossProduct(const ZcGeVector2d& v) const { return x * v.y - y * v.x; }
  /// The angle from the X axis, in [0, 2π).
  double angle() const;
  /// The unsigned angle to `v`, in [0, π].
  double angleTo(const ZcGeVector2d& v) const;
  /// The unit vector of the same direction; the zero vector stays zero.
  ZcGeVector2d normal(const ZcGeTol& tol = ZcGeContext::gTol) const;
  ZcGeVector2d& normalize(const ZcGeTol& tol = ZcGeContext::gTol);
  /// (-y, x): turned a quarter to the left.
  ZcGeVector2d perpVector() const { return {-y, x}; }
  ZcGeVector2d& rotateBy(double angle);
  ZcGeVector2d& negate() { x = -x; y = -y; return *this; }
  bool isZeroLength(const ZcGeTol& tol = ZcGeContext::gTol) const;
  bool isParallelTo(const ZcGeVector2d& v, const ZcGeTol& tol = ZcGeContext::gTol) const;
  bool isCodirectionalTo(const ZcGeVector2d& v, const ZcGeTol& tol = ZcGeContext::gTol) const;
  bool isPerpendicularTo(const ZcGeVector2d& v, const ZcGeTol& tol = ZcGeContext::gTol) const;
  bool isEqualTo(const ZcGeVector2d& v, const ZcGeTol& tol = ZcGeContext::gTol) const;
  ZcGeVector2d& set(double xx, double yy) { x = xx; y = yy; return *this; }

  ZcGeVector2d operator+(const ZcGeVector2d& v) const { return {x + v.x, y + v.y}; }
  ZcGeVector2d operator-(const ZcGeVector2d& v) const { return {x - v.x, y - v.y}; }
  ZcGeVector2d operator-() const { return {-x, -y}; }
  ZcGeVector2d operator*(double s) const { return {x * s, y * s}; }
  ZcGeVector2d operator/(double s) const { return {x / s, y / s}; }
  ZcGeVector2d& operator+=(const ZcGeVector2d& v) { x += v.x; y += v.y; return *this; }
  ZcGeVector2d& operator-=(const ZcGeVector2d& v) { x -= v.x; y -= v.y; return *this; }
  ZcGeVector2d& operator*=(double s) { x *= s; y *= s; return *this; }
  ZcGeVector2d& operator/=(double s) { x /= s; y /= s; return *this; }
  bool operator==(const ZcGeVector2d& v) const { return isEqualTo(v); }
  bool operator!=(const ZcGeVector2d& v) const { return !isEqualTo(v); }
  double operator[](unsigned i) const { return i == 0 ? x : y; }
  double& operator[](unsigned i) { return i == 0 ? x : y; }

  double x = 0.0, y = 0.0;
};

inline ZcGeVector2d operator*(double s, const ZcGeVector2d& v) { return v * s; }

#endif
