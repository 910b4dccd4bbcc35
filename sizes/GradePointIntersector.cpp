// Grade points where an entity crosses a part's seam, in every size.
#include "sizes/GradePointIntersector.h"

#include <map>

#include "db/ZcDbBlockReference.h"
#include "db/ZcDbCurve.h"
#include "ed/ErrorStatus.h"
#include "framework/BlockReference.h"
#include "framework/Strings.h"
#include "framework/UI_Entity.h"
#include "sizes/Fastrelle_SizePoint.h"
#include "sizes/Fastrelle_SizePoints.h"
#include "sizes/PartGroupsLink.h"

namespace {
constexpr double kSamePlace = 1e-6;

bool Near(const std::vector<ZcGePoint3d>& points, const ZcGePoint3d& p) {
  for (const ZcGePoint3d& q : points)
    if (q.distanceTo(p) <= kSamePlace) return true;
  return false;
}
}  // namespace

int GradePointIntersector::Prepare() {
  if (!m_intersecting.isValid() || !m_partEntity.isValid()) return m_status = Zcad::eWrongObjectType;
  // A symbol's strokes are no line to cross the seam with.
  ZcDbCurve* curve = nullptr;
  if (zcdbOpenObject(curve, m_intersecting, ZcDb::kForRead) != Zcad::eOk) return m_status = Zcad::eIllegalEntityType;
  curve->close();
  PartGroupsLink* parts = GetPartGroupsLink();
  if (!parts || !parts->PartOf(m_partEntity, m_part, m_quantity) || m_part.IsEmpty() || m_quantity <= 0)
    return m_status = Zcad::eInvalidInput;
  m_sizes.LoadFromLayers();
  m_sizes.Add(Fastrelle_Size(L"0", DefaultSizeColor(), false));
  return m_status = 0;
}

bool GradePointIntersector::NearestCrossing(const CString& size, const ZcGePoint3d& p, ZcGePoint3d& crossing) const {
  ZcDbObjectIdArray seam, cut, tech;
  GetPartGroupsLink()->SplitByLineKind(m_part, size, seam, cut, tech);
  bool found = false;
  double best = 0.0;
  for (ZcDbObjectId curve : seam) {
    ZcGePoint3dArray points;
    UI_Entity(curve).IntersectWithId(m_intersecting, ZcDb::kExtendArg, points);
    for (const ZcGePoint3d& q : points) {
      const double d = q.distanceTo(p);
      if (!found || d < best) found = true, best = d, crossing = q;
    }
  }
  return found;
}

std::vector<ZcGePoint3d> GradePointIntersector::MasterGradePoints() const {
  std::vector<ZcGePoint3d> positions;
  ZcDbObjectIdArray members;
  GetPartGroupsLink()->GroupIds(m_part, L"0", members);
  const CString block = GradePointBlockName();
  for (ZcDbObjectId id : members) {
    ZcDbBlockReference* ref = nullptr;
    if (zcdbOpenObject(ref, id, ZcDb::kForRead) != Zcad::eOk) continue;
    if (GetBlockReferenceName(ref).CompareNoCase(block) == 0) positions.push_back(ref->position());
    ref->close();
  }
  return positions;
}

int GradePointIntersector::MakePlace(const ZcGePoint3d& p) {
  PartGroupsLink* parts = GetPartGroupsLink();
  // Each size's own crossing, found before the new points exist.
  std::map<CString, ZcGePoint3d> targets;
  for (const Fastrelle_Size& size : m_sizes.Sizes()) {
    ZcGePoint3d crossing;
    if (NearestCrossing(size.GetName(), p, crossing)) targets[size.GetName().MakeUpper()] = crossing;
  }
  const int number = NextGradePointNumber();
  if (number <= 0) return Zcad::eInvalidInput;
  if (int es = parts->AddGradePointInAllSizes(m_part, p, number)) return es;
  m_numbers.push_back(number);
  Fastrelle_SizePoints_Set place(IntToString(number));
  for (ZcDbObjectId id : place.Ids()) {
    Fastrelle_Point_Gradable point(id);
    CString size = point.GetSizeName();
    auto target = targets.find(CString(size).MakeUpper());
    // The base move only: the symbol goes onto the crossing, its curves are split next.
    if (target != targets.end()) point.MoveTo(target->second);
    if (int es = parts->SplitCurvesAtPoint(m_part, size, point.GetPosition())) return es;
  }
  return 0;
}

int GradePointIntersector::Evaluate() {
  if (m_status) return m_status;
  ZcDbObjectIdArray seam, cut, tech;
  GetPartGroupsLink()->SplitByLineKind(m_part, L"0", seam, cut, tech);
  ZcGePoint3dArray crossings;
  for (ZcDbObjectId curve : seam) UI_Entity(curve).IntersectWithId(m_intersecting, ZcDb::kOnBothOperands, crossings);
  std::vector<ZcGePoint3d> made = MasterGradePoints();
  for (const ZcGePoint3d& p : crossings) {
    if (Near(made, p)) continue;
    if ((m_status = MakePlace(p))) return m_status;
    made.push_back(p);
  }
  return m_status = 0;
}
