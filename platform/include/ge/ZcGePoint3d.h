// A point in space.
#ifndef PLATFORM_GE_ZCGEPOINT3D_H
#define PLATFORM_GE_ZCGEPOINT3D_H

#include "ge/ZcGePoint2d.h"
#include "ge/ZcGeVector3d.h"

class ZcGePoint3d {
public:
  static const ZcGePoint3d kOrigin;

  ZcGePoint3d() = default;
  ZcGePoint3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}

  double distanceTo(const ZcGePoint3d& p) const { return (*this - p).length(); }
  ZcGeVector3d asVector() const { return {x, y, z}; }
  ZcGePoint2d convert2d() const { return {x, y}; }
  ZcGePoint3d& transformBy(const ZcGeMatrix3d& m);
  ZcGePoint3d& rotateBy(double angle, const ZcGeVector3d& axis, const ZcGePoint3d& center = kOrigin);
  bool isEqualTo(const ZcGePoint3d& p, const ZcGeTol& tol = ZcGeContext::gTol) const;
  ZcGePoint3d& set(double xx, double yy, double zz) { x = xx; y = yy; z = zz; return *this; }

  ZcGePoint3d operator+(const ZcGeVector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
  ZcGePoint3d operator-(const ZcGeVector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
  ZcGeVector3d operator-(const ZcGePoint3d& p) const { return {x - p.x, y - p.y, z - p.z}; }
  ZcGePoint3d& operator+=(const ZcGeVector3d& v) { x += v.x; y += v.y; z += v.z; return *this; }
  ZcGePoint3d& operator-=(const ZcGeVector3d& v) { x -= v.x; y -= v.y; z -= v.z; return *this; }
  bool operator==(const ZcGePoint3d& p) const { return isEqualTo(p); }
  bool operator!=(const ZcGePoint3d& p) const { return !isEqualTo(p); }
  double operator[](unsigned i) const { return i == 0 ? x : (i == 1 ? y : z); }
  double& operator[](unsigned i) { return i == 0 ? x : (i == 1 ? y : z); }

  double x = 0.0, y = 0.0, z = 0.0;
};

#endif
