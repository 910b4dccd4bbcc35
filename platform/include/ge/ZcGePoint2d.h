// A point in the plane.
#ifndef PLATFORM_GE_ZCGEPOINT2D_H
#define PLATFORM_GE_ZCGEPOINT2D_H

#include "ge/ZcGeVector2d.h"

class ZcGePoint2d {
public:
  static const ZcGePoint2d kOrigin;

  ZcGePoint2d() = default;
  ZcGePoint2d(double xx, double yy) : x(xx), y(yy) {}

  double distanceTo(const ZcGePoint2d& p) const { return (*this - p).length(); }
  ZcGeVector2d asVector() const { return {x, y}; }
  ZcGePoint2d& rotateBy(double angle, const ZcGePoint2d& center = kOrigin);
  bool isEqualTo(const ZcGePoint2d& p, const ZcGeTol& tol = ZcGeContext::gTol) const;
  ZcGePoint2d& set(double xx, double yy) { x = xx; y = yy; return *this; }

  ZcGePoint2d operator+(const ZcGeVector2d& v) const { return {x + v.x, y + v.y}; }
  ZcGePoint2d operator-(const ZcGeVector2d& v) const { return {x - v.x, y - v.y}; }
  ZcGeVector2d operator-(const ZcGePoint2d& p) const { return {x - p.x, y - p.y}; }
  ZcGePoint2d& operator+=(const ZcGeVector2d& v) { x += v.x; y += v.y; return *this; }
  ZcGePoint2d& operator-=(const ZcGeVector2d& v) { x -= v.x; y -= v.y; return *this; }
  bool operator==(const ZcGePoint2d& p) const { return isEqualTo(p); }
  bool operator!=(const ZcGePoint2d& p) const { return !isEqualTo(p); }
  double operator[](unsigned i) const { return i == 0 ? x : y; }
  double& operator[](unsigned i) { return i == 0 ? x : y; }

  double x = 0.0, y = 0.0;
};

#endif
