// Fastrelle_Corner_Join_ExtendBothCut: the mitre of two cut lines.
#include "construction/Fastrelle_Corner_Join_ExtendBothCut.h"

#include "ed/ErrorStatus.h"
#include "framework/ResString.h"
#include "geometry/CurvePair.h"
#include "geometry/UI_Curve.h"

namespace {
/// Both cut lines are one curve.
constexpr int kSameCutLine = 127;
}  // namespace

int Fastrelle_Corner_Join_ExtendBothCut::Join() {
  if (!IsLiveId(m_cut1) || !IsLiveId(m_cut2)) return Zcad::eNullObjectId;
  if (m_cut1 == m_cut2) return kSameCutLine;
  CurvePair pair(m_cut1, m_cut2);
  int status = pair.ExtendBothToIntersection();
  m_cut1 = pair.m_first;
  m_cut2 = pair.m_second;
  return status;
}

int Fastrelle_Corner_Join_ExtendBothCut::PickCutLines(const ZcGePoint3d& point) {
  if (FindCutLinesAt(point) == 0) return 0;
  UI_Curve first;
  if (!first.PickCurve(LoadResString(40209))) return Zcad::eUserBreak;
  first.Highlight(true);
  UI_Curve second;
  bool picked = second.PickCurve(LoadResString(40210));
  first.Highlight(false);
  if (!picked) return Zcad::eUserBreak;
  m_cut1 = first.Id();
  m_cut2 = second.Id();
  return 0;
}
