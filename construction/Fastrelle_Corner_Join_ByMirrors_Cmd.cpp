// Fastrelle_Corner_Join_ByMirrors_Cmd: the picks of a mirror corner with its preview.
#include "construction/Fastrelle_Corner_Join_ByMirrors_Cmd.h"

#include "construction/Fastrelle_Corner_Join_ByMirrors.h"
#include "ed/ErrorStatus.h"
#include "ed/UserInput.h"
#include "framework/CommandSequences.h"
#include "framework/ResBuf.h"
#include "framework/ResString.h"
#include "framework/UI_Entity.h"
#include "geometry/CurvePair.h"
#include "geometry/PointHelpers.h"
#include "geometry/UI_Curve.h"

namespace {
/// The distance from P to the curve; -1 when it cannot be measured.
double Distance(ZcDbObjectId id, const ZcGePoint3d& p) {
  UI_Curve curve;
  return curve.Attach(id) ? curve.DistanceToPoint(p) : -1.0;
}
}  // namespace

Fastrelle_Corner_Join_ByMirrors_Cmd::Fastrelle_Corner_Join_ByMirrors_Cmd()
    : Fastrelle_Corner_Join_Cmd(std::make_unique<Fastrelle_Corner_Join_ByMirrors>()) {}

unsigned char Fastrelle_Corner_Join_ByMirrors_Cmd::Direction() const {
  return static_cast<Fastrelle_Corner_Join_ByMirrors*>(m_join.get())->m_direction;
}

int Fastrelle_Corner_Join_ByMirrors_Cmd::Pick() {
  if (!PickHighlighted(40205, m_join->m_seam)) return Zcad::eUserBreak;
  UI_Curve first;
  if (!first.PickCurve(LoadResString(40206))) return Zcad::eUserBreak;
  m_join->m_cut1 = first.Id();
  UI_Curve seam(m_join->m_seam);

  CurvePair pair(m_join->m_seam, first.Id());
  if (int status = pair.GetIntersection(m_point)) return status;
  ZcGePoint3d closest;
  ZcGeVector3d normal;
  if (int status = seam.GetClosestPointAndNormal(m_point, closest, normal)) return status;
  const ZcGeVector3d tangent(-normal.y, normal.x, 0.0);
  MirrorCopies preview;
  if (int status = UI_Entity(first.Id()).MirrorCopy(m_point, m_point + tangent, preview.m1)) return status;
  if (int status = UI_Entity(preview.m1).MirrorCopy(m_point, m_point + normal, preview.m2)) return status;
  ResBuf regen;
  regen.AddString(L"_REGEN");
  RunCommandAndWait(regen);
  UI_Entity(preview.m1).Highlight(true);
  UI_Entity(preview.m2).Highlight(true);

  ZcGePoint3d direction;
  if (GetPointFromUser(LoadResString(40207).TrimLeft(L'\n'), nullptr, direction) != RTNORM) return Zcad::eUserBreak;
  const double d1 = Distance(preview.m1, direction), d2 = Distance(preview.m2, direction);
  const bool hideFirst = d1 >= d2;
  UI_Curve(hideFirst ? preview.m1 : preview.m2).Hide();
  const ZcDbObjectId kept = hideFirst ? preview.m2 : preview.m1;

  UI_Curve second;
  if (!second.PickCurve(LoadResString(40208))) return Zcad::eUserBreak;
  m_join->m_cut2 = second.Id();
  UI_Entity(kept).Highlight(false);
  ZcGePoint3dArray crossings;
  UI_Entity(second.Id()).IntersectWithId(kept, 2, crossings);
  static_cast<Fastrelle_Corner_Join_ByMirrors*>(m_join.get())->m_direction = crossings.isEmpty() ? 1 : 0;
  return 0;
}
