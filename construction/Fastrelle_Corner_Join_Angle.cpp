// Fastrelle_Corner_Join_Angle: the right-angle and 45-degree corners.
#include "construction/Fastrelle_Corner_Join_Angle.h"

#include <cmath>

#include "geometry/CurvePair.h"
#include "geometry/PointHelpers.h"
#include "geometry/UI_Curve.h"

int Fastrelle_Corner_Join_Angle::Join() {
  if (int status = Validate()) return status;
  if (int status = CheckClosingGroup()) return status;
  ZcGePoint3d p;
  CurvePair withSeam(m_cut1, m_seam);
  if (int status = withSeam.GetIntersection(p)) return status;
  if (int status = TrimOrExtendCurveToPoint(m_cut1, p)) return status;
  ZcGePoint3d q;
  if (int status = ProjectPointOnCurveOrTangent(m_cut2, p, q)) return status;
  if (int status = TrimOrExtendCurveToPoint(m_cut2, q)) return status;
  if (std::fabs(m_angle - 90.0) <= 0.001) return AddClosingLine(p, q);

  const double t = AngleInXYPlane(p, q) - M_PI / 2 - m_angle * M_PI / 180.0;
  ZcGeVector3d direction(3.0 * std::cos(t), 3.0 * std::sin(t), 0.0);
  ZcGePoint3d end;
  UI_Curve second(m_cut2);
  if (second.NearestIntersectionWithLine(p, direction, end)) {
    const ZcGeVector3d turned(-direction.y, direction.x, 0.0);
    if (int status = second.NearestIntersectionWithLine(p, turned, end)) return status;
  }
  if (int status = TrimOrExtendCurveToPoint(m_cut2, end)) return status;
  return AddClosingLine(p, end);
}
