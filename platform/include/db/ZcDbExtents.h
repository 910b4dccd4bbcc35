// An axis-aligned box in space (minimum and maximum corner), with an empty state; what
// entities give from getGeomExtents and what placement and zooming measure with.
#ifndef PLATFORM_DB_ZCDBEXTENTS_H
#define PLATFORM_DB_ZCDBEXTENTS_H

#include "ed/ErrorStatus.h"
#include "ge/ZcGeMatrix3d.h"
#include "ge/ZcGePoint3d.h"

/// Empty until a point is added (its minimum then lies above its maximum).
class ZcDbExtents {
public:
  ZcDbExtents();
  /// The box of the two corners (taken in any order).
  ZcDbExtents(const ZcGePoint3d& a, const ZcGePoint3d& b);
  ZcGePoint3d minPoint() const { return min_; }
  ZcGePoint3d maxPoint() const { return max_; }
  /// Sets both corners; eInvalidExtents when min is above max on some axis.
  Zcad::ErrorStatus set(const ZcGePoint3d& min, const ZcGePoint3d& max);
  void addPoint(const ZcGePoint3d& p);
  /// Grows to hold `other`; an empty `other` adds nothing.
  void addExt(const ZcDbExtents& other);
  bool isEmpty() const { return min_.x > max_.x; }
  /// Replaces the box with the box of its eight transformed corners.
  void transformBy(const ZcGeMatrix3d& m);

private:
  ZcGePoint3d min_, max_;
};

#endif
