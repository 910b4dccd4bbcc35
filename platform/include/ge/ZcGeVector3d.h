// A vector in space.
#ifndef PLATFORM_GE_ZCGEVECTOR3D_H
#define PLATFORM_GE_ZCGEVECTOR3D_H

#include "ge/ZcGeTol.h"
#include "ge/ZcGeVector2d.h"

class ZcGeMatrix3d;

class ZcGeVector3d {
public:
  static const ZcGeVector3d kIdentity;  // the zero vector
  static const ZcGeVector3d kXAxis;
  static const ZcGeVector3d kYAxis;
  static const ZcGeVector3d kZAxis;

  ZcGeVector3d() = default;
  ZcGeVector3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}

  double length() const;
  double lengthSqrd() const { return x * x + y * y + z * z; }
  double dotProduct(const ZcGeVector3d& v) const { return x * v.x + y * v.y + z * v.z; }
  ZcGeVector3d crossProduct(const ZcGeVector3d& v) const {
    return {y * v.z - z * v.y, z * v.x - x * v.z, x * v.y - y * v.x};
  }
  /// The unsigned angle to `v`, in [0, π].
  double angleTo(const ZcGeVector3d& v) const;
  /// The angle to `v` turning counter-clockwise about `reference`, in [0, 2π).
  double angleTo(const ZcGeVector3d& v, const ZcGeVector3d& reference) const;
  /// The unit vector of the same direction; the zero vector stays zero.
  ZcGeVector3d normal(const ZcGeTol& tol = ZcGeContext::gTol) const;
  ZcGeVector3d& normalize(const ZcGeTol& tol = ZcGeContext::gTol);
  /// A vector perpendicular to this one: for a vector in the XY plane (−y, x, 0), a quarter
  /// turn to the left; otherwise this × the axis it is least parallel to.
  ZcGeVector3d perpVector() const;
  ZcGeVector3d& transformBy(const ZcGeMatrix3d& m);
  ZcGeVector3d& rotateBy(double angle, const ZcGeVector3d& axis);
  ZcGeVector3d& negate() { x = -x; y = -y; z = -z; return *this; }
  bool isZeroLength(const ZcGeTol& tol = ZcGeContext::gTol) const;
  bool isParallelTo(const ZcGeVector3d& v, const ZcGeTol& tol = ZcGeContext::gTol) const;
  bool isCodirectionalTo(const ZcGeVector3d& v, const ZcGeTol& tol = ZcGeContext::gTol) const;
  bool isPerpendicularTo(const ZcGeVector3d& v, const ZcGeTol& tol = ZcGeContext::gTol) const;
  bool isEqualTo(const ZcGeVector3d& v, const ZcGeTol& tol = ZcGeContext::gTol) const;
  ZcGeVector2d convert2d() const { return {x, y}; }
  ZcGeVector3d& set(double xx, double yy, double zz) { x = xx; y = yy; z = zz; return *this; }

  ZcGeVector3d operator+(const ZcGeVector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
  ZcGeVector3d operator-(const ZcGeVector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
  ZcGeVector3d operator-() const { return {-x, -y, -z}; }
  ZcGeVector3d operator*(double s) const { return {x * s, y * s, z * s}; }
  ZcGeVector3d operator/(double s) const { return {x / s, y / s, z / s}; }
  ZcGeVector3d& operator+=(const ZcGeVector3d& v) { x += v.x; y += v.y; z += v.z; return *this; }
  ZcGeVector3d& operator-=(const ZcGeVector3d& v) { x -= v.x; y -= v.y; z -= v.z; return *this; }
  ZcGeVector3d& operator*=(double s) { x *= s; y *= s; z *= s; return *this; }
  ZcGeVector3d& operator/=(double s) { x /= s; y /= s; z /= s; return *this; }
  bool operator==(const ZcGeVector3d& v) const { return isEqualTo(v); }
  bool operator!=(const ZcGeVector3d& v) const { return !isEqualTo(v); }
  double operator[](unsigned i) const { return i == 0 ? x : (i == 1 ? y : z); }
  double& operator[](unsigned i) { return i == 0 ? x : (i == 1 ? y : z); }

  double x = 0.0, y = 0.0, z = 0.0;
};

inline ZcGeVector3d operator*(double s, const ZcGeVector3d& v) { return v * s; }

#endif
