// Fastrelle_Corner_Join_ExtendBothSeam: both cut lines to the seam lines.
#include "construction/Fastrelle_Corner_Join_ExtendBothSeam.h"

#include <utility>

#include "ed/ErrorStatus.h"
#include "geometry/CurvePair.h"

namespace {
/// The crossing of the curve with `seam`, or with `other` when there is none.
int CrossingWithEither(ZcDbObjectId curve, ZcDbObjectId seam, ZcDbObjectId other, ZcGePoint3d& point) {
  CurvePair pair(curve, seam);
  if (pair.GetIntersection(point) == 0) return 0;
  CurvePair second(curve, other);
  return second.GetIntersection(point);
}
}  // namespace

int Fastrelle_Corner_Join_ExtendBothSeam::Validate() {
  if (int status = Fastrelle_Corner::Validate()) return status;
  if (!IsLiveId(m_seam2)) return Zcad::eNullObjectId;
  if (m_seam2 == m_seam || m_seam2 == m_cut1 || m_seam2 == m_cut2) return Zcad::eAmbiguousInput;
  return OrderCutLines();
}

int Fastrelle_Corner_Join_ExtendBothSeam::OrderCutLines() {
  // Distinct starting values: numbers that cannot be found never look equal.
  int corner = 0, firstFar = -1, secondFar = -2, seamFar = -3;
  GetCornerNumbers(corner, firstFar, secondFar, seamFar);
  if (firstFar == seamFar) std::swap(m_cut1, m_cut2);
  return 0;
}

int Fastrelle_Corner_Join_ExtendBothSeam::Join() {
  if (int status = Validate()) return status;
  if (int status = CheckClosingGroup()) return status;
  ZcGePoint3d p, q;
  if (int status = CrossingWithEither(m_cut1, m_seam, m_seam2, p)) return status;
  TrimOrExtendCurveToPoint(m_cut1, p);  // failures are printed; the lines stay
  if (int status = CrossingWithEither(m_cut2, m_seam2, m_seam, q)) return status;
  TrimOrExtendCurveToPoint(m_cut2, q);
  return AddClosingLine(p, q);
}
