// The circle and angles of an arc being stretched: loaded from the arc, or made through
// three points, with the mid angle that picks the third point. Used by StretchByDataBase;
// the grade-point move installs FastrelleArcCalculator instead.
#ifndef GEOMETRY_ARCCALCULATOR_H
#define GEOMETRY_ARCCALCULATOR_H

#include "ge/ZcGePoint3d.h"
#include "ge/ZcGeVector3d.h"

/// Centre, normal, radius and two angles (radians). Angles go in through the reflection
/// rule: about +Z (within the global tolerance) unchanged, about any other normal a
/// becomes π − a when a < π, else 3π − a (a plane angle about −Z read as a world angle).
class ArcCalculator {
public:
  ArcCalculator() = default;
  /// The circle through P1, M and P3 (the kernel's three-point arc), about `normal`; the
  /// angles are those of the geometric arc's ends, swapped for a normal other than +Z.
  /// Collinear or coincident points leave the radius 0 and Status() eInvalidInput.
  ArcCalculator(const ZcGePoint3d& p1, const ZcGePoint3d& p3, const ZcGePoint3d& m, const ZcGeVector3d& normal);
  virtual ~ArcCalculator() = default;

  /// The angle half-way round the stored sweep (end − start, or a full turn's rest when
  /// the end is not greater), through the reflection rule.
  virtual double GetMidAngle();

  void SetStartAngle(double a) { m_startAngle = Reflect(a); }
  void SetEndAngle(double a) { m_endAngle = Reflect(a); }
  double Reflect(double a) const;
  int Status() const { return m_status; }

  ZcGePoint3d m_center;
  ZcGeVector3d m_normal = ZcGeVector3d::kZAxis;
  double m_radius = 0.0, m_startAngle = 0.0, m_endAngle = 0.0;

private:
  int m_status = 0;
};

#endif
