// Fastrelle_Corner_Join_ExtendOneSeam: one cut line to the seam, the other squared off.
#include "construction/Fastrelle_Corner_Join_ExtendOneSeam.h"

#include "geometry/CurvePair.h"
#include "geometry/UI_Curve.h"

int Fastrelle_Corner_Join_ExtendOneSeam::Join() {
  if (int status = Validate()) return status;
  if (int status = CheckClosingGroup()) return status;
  ZcGePoint3d p;
  CurvePair withSeam(m_cut1, m_seam);
  if (int status = withSeam.GetIntersection(p)) return status;
  TrimOrExtendCurveToPoint(m_cut1, p);  // a failure is printed; the line stays
  const ZcGePoint3d e = UI_Curve(m_seam).GetNearerEndPoint(p);
  ZcGePoint3d q;
  if (int status = ProjectPointOnCurveOrTangent(m_cut2, e, q)) return status;
  if (int status = TrimOrExtendCurveToPoint(m_cut2, q)) return status;
  return AddClosingLine(p, q);
}
