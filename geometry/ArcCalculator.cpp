// The arc calculator: reflection rule, mid angle and the three-point circle.
#include "geometry/ArcCalculator.h"

#include "ed/ErrorStatus.h"
#include "ge/GeUtil.h"
#include "ge/ZcGeCircArc3d.h"

namespace {
constexpr double kPi = 3.141592653589793, kThreePi = 9.42477796076938;
}

ArcCalculator::ArcCalculator(const ZcGePoint3d& p1, const ZcGePoint3d& p3, const ZcGePoint3d& m,
                             const ZcGeVector3d& normal)
    : m_normal(normal) {
  ZcGeCircArc3d arc;
  if ((m_status = arc.set(p1, m, p3))) return;
  m_center = arc.center();
  m_radius = arc.radius();
  ZcGePoint3d c(m_center.x, m_center.y, 0.0), s = arc.startPoint(), e = arc.endPoint();
  double a1 = zcutAngle(c, ZcGePoint3d(s.x, s.y, 0.0)), a3 = zcutAngle(c, ZcGePoint3d(e.x, e.y, 0.0));
  bool plusZ = m_normal.isEqualTo(ZcGeVector3d::kZAxis);
  SetStartAngle(plusZ ? a1 : a3);
  SetEndAngle(plusZ ? a3 : a1);
}

double ArcCalculator::Reflect(double a) const {
  if (m_normal.isEqualTo(ZcGeVector3d::kZAxis)) return a;
  return a < kPi ? kPi - a : kThreePi - a;
}

double ArcCalculator::GetMidAngle() {
  double sweep = m_endAngle > m_startAngle ? m_endAngle - m_startAngle : 2 * kPi - m_startAngle + m_endAngle;
  return Reflect(m_startAngle + sweep / 2);
}
