// Fastrelle_Corner: finding the cut lines at a corner, its grade-point numbers, the
// closing line and the join of each mode.
#include "construction/Fastrelle_Corner.h"

#include "construction/Fastrelle_Corner_Join_Angle.h"
#include "construction/Fastrelle_Corner_Join_ByMirrors.h"
#include "construction/Fastrelle_Corner_Join_ExtendBothCut.h"
#include "construction/Fastrelle_Corner_Join_ExtendBothSeam.h"
#include "construction/Fastrelle_Corner_Join_ExtendOneSeam.h"
#include "construction/Fastrelle_Curve.h"
#include "construction/PartSizeGroup.h"
#include "db/ZcDbExtents.h"
#include "db/ZcDbLine.h"
#include "ed/ErrorStatus.h"
#include "framework/CommandSequences.h"
#include "framework/Printer.h"
#include "framework/ResBuf.h"
#include "framework/SSGet.h"
#include "framework/UI_Entity.h"
#include "framework/ZWDrawer.h"
#include "sizes/Fastrelle_SizePoint.h"

namespace {
/// Half-side of the square searched for cut lines where no grade point is.
constexpr double kNearSquare = 10.0;
/// Margin around the corner's curves when zooming to it.
constexpr double kCornerMargin = 20.0;
}  // namespace

bool IsLiveId(ZcDbObjectId id) { return id.isValid() && !id.isErased(); }

int Fastrelle_Corner::FindCutLinesAt(const ZcGePoint3d& point) {
  ZcDbObjectIdArray ids;
  Fastrelle_SizePoint nearest(point);
  if (nearest.IsReference())
    nearest.SelectCutLinesAround(ids);
  else
    SelectCutLinesNear(point, ids);
  if (ids.length() != 2) return Zcad::eIllegalEntityType;
  m_cut1 = ids[0];
  m_cut2 = ids[1];
  return 0;
}

int Fastrelle_Corner::Validate() {
  if (!IsLiveId(m_seam) || !IsLiveId(m_cut1) || !IsLiveId(m_cut2)) return Zcad::eNullObjectId;
  if (m_seam == m_cut1 || m_seam == m_cut2 || m_cut1 == m_cut2) return Zcad::eAmbiguousInput;
  return 0;
}

void Fastrelle_Corner::SelectCutLinesNear(const ZcGePoint3d& point, ZcDbObjectIdArray& ids) {
  ResBuf filter;
  filter.BeginNot();
  filter.Add(0, L"INSERT");
  filter.EndNot();
  const ZcGePoint3d corner1(point.x - kNearSquare, point.y + kNearSquare, point.z);
  const ZcGePoint3d corner2(point.x + kNearSquare, point.y - kNearSquare, point.z);
  SSGet selection(kSelectCrossing, filter.Head());
  selection.SavePickStyle();
  selection.SetCorners(&corner1, &corner2);
  selection.Select();
  ids.append(selection.Ids());
}

int Fastrelle_Corner::GetCornerNumbers(int& corner, int& firstFar, int& secondFar, int& seamFar) {
  int s1 = 0, e1 = 0, s2 = 0, e2 = 0;
  Fastrelle_Curve(m_cut1).GetEndPointNumbers(s1, e1);
  Fastrelle_Curve(m_cut2).GetEndPointNumbers(s2, e2);
  if (s1 == s2) {
    corner = s1, firstFar = e1, secondFar = e2;
  } else if (s1 == e2) {
    corner = s1, firstFar = e1, secondFar = s2;
  } else if (s2 == e1) {
    corner = s2, firstFar = s1, secondFar = e2;
  } else if (e2 == e1) {
    corner = e2, firstFar = s1, secondFar = s2;
  } else {
    return 0;
  }
  int ss = 0, se = 0;
  if (IsLiveId(m_seam) && Fastrelle_Curve(m_seam).GetEndPointNumbers(ss, se) == 0) seamFar = ss != corner ? ss : se;
  return 0;
}

void Fastrelle_Corner::ZoomToCorner() {
  if (Validate()) return;
  ZcDbExtents box;
  for (ZcDbObjectId id : {m_cut1, m_cut2, m_seam}) {
    ZcDbEntity* e = nullptr;
    if (zcdbOpenObject(e, id, ZcDb::kForRead) != Zcad::eOk) continue;
    ZcDbExtents one;
    if (e->getGeomExtents(one) == Zcad::eOk) box.addExt(one);
    e->close();
  }
  if (box.isEmpty()) return;
  const ZcGeVector3d margin(kCornerMargin, kCornerMargin, 0.0);
  ZoomToExtents(box.minPoint() - margin, box.maxPoint() + margin);
}

int Fastrelle_Corner::CheckClosingGroup() const {
  PartSizeGroup group;
  int status = group.FromId(m_cut1);
  if (status) ZWPrinter().Print(L"\nFastrelle_Corner::AddClosingLine");  // the caller prints the status
  return status;
}

int Fastrelle_Corner::AddClosingLine(const ZcGePoint3d& a, const ZcGePoint3d& b) {
  PartSizeGroup group;
  if (int es = group.FromId(m_cut1)) return es;
  auto* line = new ZcDbLine(a, b);
  if (int es = ZWDrawer::Add(line)) {
    delete line;
    return es;
  }
  const ZcDbObjectId id = line->objectId();
  line->close();
  int status = group.AddEntity(id);
  if (status == 0) status = UI_Entity(id).MatchProperties(m_cut1);
  if (status) {
    UI_Entity(id).Erase();  // a closing line outside its part is never left behind
    return status;
  }
  m_created.Add(id);
  return 0;
}

std::unique_ptr<Fastrelle_Corner> CreateCornerJoin(int mode) {
  switch (mode) {
    case 1: return std::make_unique<Fastrelle_Corner_Join_ExtendOneSeam>();
    case 2: return std::make_unique<Fastrelle_Corner_Join_ExtendBothSeam>();
    case 3: return std::make_unique<Fastrelle_Corner_Join_Angle>(90.0);
    case 4: return std::make_unique<Fastrelle_Corner_Join_Angle>(45.0);
    case 5: return std::make_unique<Fastrelle_Corner_Join_ByMirrors>();
    default: return std::make_unique<Fastrelle_Corner_Join_ExtendBothCut>();
  }
}
