// Fastrelle_Corner_Join_ByMirrors: the corner closed along the mirror of the first cut line.
#include "construction/Fastrelle_Corner_Join_ByMirrors.h"

#include "ed/ErrorStatus.h"
#include "framework/UI_Entity.h"
#include "geometry/CurvePair.h"
#include "geometry/UI_Curve.h"

MirrorCopies::~MirrorCopies() {
  for (ZcDbObjectId id : {m1, m2})
    if (IsLiveId(id)) UI_Entity(id).Erase();
}

int Fastrelle_Corner_Join_ByMirrors::Join() {
  if (!IsLiveId(m_seam) || !IsLiveId(m_cut1) || !IsLiveId(m_cut2)) return Zcad::eNullObjectId;
  if (int status = CheckClosingGroup()) return status;
  ZcGePoint3dArray seamPoints;
  ZcDbEntity* e = nullptr;
  if (int es = zcdbOpenObject(e, m_seam, ZcDb::kForRead)) return es;
  UI_Entity(e).GetPoints(seamPoints);  // closes the entity
  if (seamPoints.isEmpty()) return Zcad::eIllegalEntityType;

  ZcGePoint3d p1;
  CurvePair pair;
  if (int status = pair.GetIntersectionNearestTo(m_seam, m_cut1, seamPoints[0], p1)) return status;
  if (int status = TrimOrExtendCurveToPoint(m_cut1, p1)) return status;

  ZcGePoint3d n = seamPoints[0], f = seamPoints[0];
  for (const ZcGePoint3d& point : seamPoints) {
    if (point.distanceTo(p1) < n.distanceTo(p1)) n = point;
    if (point.distanceTo(p1) > f.distanceTo(p1)) f = point;
  }
  MirrorCopies copies;
  if (int status = UI_Entity(m_cut1).MirrorCopy(p1, n, copies.m1)) return status;
  ZcGePoint3d closest;
  ZcGeVector3d normal;
  if (int status = UI_Curve(m_seam).GetClosestPointAndNormal(p1, closest, normal)) return status;
  if (int status = UI_Entity(copies.m1).MirrorCopy(p1, p1 + normal, copies.m2)) return status;

  ZcGePoint3d x1, x2;
  if (int status = pair.GetIntersectionNearestTo(m_cut2, copies.m1, n, x1)) return status;
  if (int status = pair.GetIntersectionNearestTo(m_cut2, copies.m2, n, x2)) return status;
  const bool firstFarther = x1.distanceTo(f) > x2.distanceTo(f);
  const ZcGePoint3d second = (m_direction == 1) == firstFarther ? x1 : x2;
  if (int status = TrimOrExtendCurveToPoint(m_cut2, second)) return status;
  return AddClosingLine(p1, second);
}
