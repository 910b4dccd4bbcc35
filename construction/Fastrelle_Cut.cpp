// Cut lines: the offsets of a seam line in every size, the choice of their side, and their
// joins with the neighbouring cut lines. Used by the AddCutLine command and the test command.
#include "construction/Fastrelle_Cut.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "construction/Fastrelle_Corner.h"
#include "construction/Fastrelle_Part_Drawer.h"
#include "construction/PartSizeGroup.h"
#include "db/ZcDbCurve.h"
#include "db/ZcDbExtents.h"
#include "db/ZcDbLine.h"
#include "ed/ErrorStatus.h"
#include "framework/CommandSequences.h"
#include "framework/Layers.h"
#include "framework/Printer.h"
#include "framework/ResBuf.h"
#include "framework/ResString.h"
#include "framework/UI_Entity.h"
#include "framework/UI_Kolekcja.h"
#include "framework/ZWDrawer.h"
#include "ge/ZcGeCurve3d.h"
#include "geometry/UI_Curve.h"
#include "sizes/Fastrelle_SizePoint.h"
#include "sizes/Fastrelle_SizePoints.h"
#include "sizes/Fastrelle_Sizes.h"

namespace {

const CString kViewName = L"Fastrelle_Cut";
const UINT kSeveralSeamLines = 42106, kNoSeamLine = 42107;
/// The view around the part is grown by this on every side.
constexpr double kZoomMargin = 30.0;
/// An allowance at or below this offsets nothing.
constexpr double kSmallestAllowance = 0.01;
/// Centres of extents this close count as one.
constexpr double kSameCentre = 1e-9;
/// Curve ends this close meet.
constexpr double kSameEnd = 1e-6;

ZcGePoint3d Centre(const ZcDbExtents& e) { return e.minPoint() + (e.maxPoint() - e.minPoint()) / 2.0; }

/// The extents of one entity; false when it has none.
bool EntityExtents(ZcDbObjectId id, ZcDbExtents& extents) {
  ZcDbEntity* e = nullptr;
  if (zcdbOpenObject(e, id, ZcDb::kForRead) != Zcad::eOk) return false;
  bool ok = e->getGeomExtents(extents) == Zcad::eOk;
  e->close();
  return ok;
}

/// Finish on every path of a run that prepared.
class FinishGuard {
public:
  explicit FinishGuard(Fastrelle_Cut& cut) : m_cut(cut) {}
  ~FinishGuard() { m_cut.Finish(); }
  FinishGuard(const FinishGuard&) = delete;
  FinishGuard& operator=(const FinishGuard&) = delete;

private:
  Fastrelle_Cut& m_cut;
};

void Regen() {
  ResBuf regen;
  regen.AddString(L"_REGEN");
  RunCommandAndWait(regen);
}

/// The seam lines of a part in a size as point chains, each curve sampled finely enough that
/// a point at a seam allowance from them is classified as the curves would classify it;
/// empty unless their ends pair up into closed outlines.
std::vector<std::vector<ZcGePoint3d>> Outline(const CString& part, const CString& size) {
  std::vector<std::vector<ZcGePoint3d>> chains;
  ZcDbObjectIdArray seam, cut, tech;
  if (PartSizeGroup(nullptr, part, size).SplitByLineKind(seam, cut, tech) != 0) return chains;
  std::vector<ZcGePoint3d> ends;
  for (ZcDbObjectId id : seam) {
    ZcDbCurve* curve = nullptr;
    if (zcdbOpenObject(curve, id, ZcDb::kForRead) != Zcad::eOk) continue;
    std::unique_ptr<ZcGeCurve3d> shape = curve->toGeCurve();
    const int steps = curve->isKindOf(ZcDbLine::desc()) ? 1 : 64;
    curve->close();
    if (!shape) continue;
    std::vector<ZcGePoint3d> chain;
    for (int i = 0; i <= steps; ++i) chain.push_back(shape->evalPoint(shape->endParam() * i / steps));
    if (chain.front().distanceTo(chain.back()) > kSameEnd) {
      ends.push_back(chain.front());
      ends.push_back(chain.back());
    }
    chains.push_back(chain);
  }
  for (const ZcGePoint3d& e : ends)
    if (std::count_if(ends.begin(), ends.end(), [&](const ZcGePoint3d& o) { return o.distanceTo(e) <= kSameEnd; }) < 2)
      return {};
  return chains;
}

/// Even-odd: whether a ray from p towards +x crosses the chains an odd number of times.
bool Inside(const ZcGePoint3d& p, const std::vector<std::vector<ZcGePoint3d>>& chains) {
  bool inside = false;
  for (const auto& chain : chains)
    for (size_t i = 0; i + 1 < chain.size(); ++i) {
      const ZcGePoint3d &a = chain[i], &b = chain[i + 1];
      if ((a.y > p.y) == (b.y > p.y)) continue;
      double x = a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y);
      if (x > p.x) inside = !inside;
    }
  return inside;
}

/// The middle of a curve.
bool Middle(const ZcDbCurve* curve, ZcGePoint3d& middle) {
  double start = 0.0, end = 0.0;
  return curve->getStartParam(start) == Zcad::eOk && curve->getEndParam(end) == Zcad::eOk &&
         curve->getPointAtParam((start + end) / 2.0, middle) == Zcad::eOk;
}

/// The seam line's offset on one side: its middle and, for a closed one, its area.
struct SideOffset {
  ZcGePoint3d middle;
  double area = -1.0;
};

/// The offsets on side +1 and -1. False when a side has none.
bool OffsetSides(ZcDbObjectId seam, double allowance, SideOffset sides[2], bool& closed) {
  ZcDbCurve* curve = nullptr;
  if (zcdbOpenObject(curve, seam, ZcDb::kForRead) != Zcad::eOk) return false;
  closed = curve->isClosed();
  bool both = true;
  const double signs[2] = {1.0, -1.0};
  for (int k = 0; k < 2; ++k) {
    std::vector<ZcDbCurve*> offsets;
    both = both && curve->getOffsetCurves(signs[k] * allowance, offsets) == Zcad::eOk && !offsets.empty() && offsets[0] &&
           Middle(offsets[0], sides[k].middle);
    if (both && closed && offsets[0]->getArea(sides[k].area) != Zcad::eOk) sides[k].area = -1.0;
    for (ZcDbCurve* o : offsets) delete o;
  }
  curve->close();
  return both;
}

/// When the part's seam lines close round it: the seam line's offset on the first side (+1,
/// then -1) whose middle lies outside them goes into model space (`ids`), and `decided` is
/// set; the status of adding it. Nothing is decided for an open outline or when no side's
/// offset lies outside.
int OffsetOutsideOfPart(ZcDbObjectId seam, const CString& part, const CString& size, double allowance,
                        ZcDbObjectIdArray& ids, bool& decided) {
  decided = false;
  const auto outline = Outline(part, size);
  ZcDbCurve* curve = nullptr;
  if (outline.empty() || zcdbOpenObject(curve, seam, ZcDb::kForRead) != Zcad::eOk) return 0;
  for (double side : {1.0, -1.0}) {
    std::vector<ZcDbCurve*> offsets;
    ZcGePoint3d middle;
    decided = curve->getOffsetCurves(side * allowance, offsets) == Zcad::eOk && !offsets.empty() && offsets[0] &&
              Middle(offsets[0], middle) && !Inside(middle, outline);
    int status = 0;
    for (ZcDbCurve* o : offsets) {
      if (decided && status == 0 && (status = ZWDrawer::Add(o)) == 0) {
        ids.append(o->objectId());
        o->close();
      } else {
        delete o;
      }
    }
    if (decided) {
      curve->close();
      return status;
    }
  }
  curve->close();
  return 0;
}

/// With no direction and the seam line centred on its part, the side is chosen from the
/// offsets themselves: of a closed seam line the one enclosing the larger area, of an open
/// one the one whose middle lies farther from the part's centre. The chosen offset's middle
/// is the reference point; false when a side has no offset.
bool SideOfCentredSeam(ZcDbObjectId seam, const ZcGePoint3d& centre, double allowance, ZcGePoint3d& reference) {
  SideOffset sides[2];
  bool closed = false;
  if (!OffsetSides(seam, allowance, sides, closed)) return false;
  auto measure = [&](const SideOffset& o) { return closed ? o.area : o.middle.distanceTo(centre); };
  reference = measure(sides[0]) >= measure(sides[1]) ? sides[0].middle : sides[1].middle;
  return true;
}

}  // namespace

Fastrelle_Cut::Fastrelle_Cut() : m_join(CreateCornerJoin(0)) {}

Fastrelle_Cut::Fastrelle_Cut(double allowance, int first, int second, const ZcGePoint3d* direction)
    : m_allowance(allowance), m_first(first), m_second(second), m_join(CreateCornerJoin(0)) {
  if (direction) SetDirection(*direction);
}

Fastrelle_Cut::~Fastrelle_Cut() = default;

void Fastrelle_Cut::SetDirection(const ZcGePoint3d& point) { m_direction = std::make_unique<ZcGePoint3d>(point); }

bool Fastrelle_Cut::SetSeamLine(ZcDbObjectId seam) {
  UI_Entity entity(seam);
  ZcGePoint3dArray points;
  if (!entity.Entity() || entity.Open(0) != 0) return false;
  entity.GetPoints(points);
  if (points.length() < 2) return false;
  Fastrelle_SizePoint first(points[0]), second(points[1]);
  if (!first.Id().isValid() || !second.Id().isValid()) return false;
  m_first = first.GetNumber();
  m_second = second.GetNumber();
  return true;
}

bool Fastrelle_Cut::Prepare() {
  if (m_first <= 0 || m_second <= 0 || m_first == m_second || !(m_allowance > kSmallestAllowance)) return false;
  m_layerStates = GetLayersOnState(GetLayerRecords());
  std::map<CString, bool> allOn = m_layerStates;
  for (auto& state : allOn) state.second = true;
  SetLayersOnState(allOn);
  SaveView();
  m_prepared = true;
  return true;
}

void Fastrelle_Cut::GatherPoints() {
  Fastrelle_SizePoints all;
  all.CollectReferences(all.BlockName());
  m_points.clear();
  m_points[m_first];
  m_points[m_second];
  for (int i = 0; i < all.GetCount(); ++i) {
    Fastrelle_SizePoint point = all.GetAt(i);
    auto place = m_points.find(point.GetNumber());
    if (place != m_points.end()) place->second.emplace_back(point.GetSizeName(), point.Id());
  }
  m_pointsGathered = true;
}

Fastrelle_SizePoint Fastrelle_Cut::PointIn(int number, const CString& size) const {
  auto it = m_points.find(number);
  if (!m_pointsGathered || it == m_points.end()) return Fastrelle_SizePoint(number, size);
  for (const auto& [name, id] : it->second)
    if (name.CompareNoCase(size) == 0) return Fastrelle_SizePoint(id);
  return Fastrelle_SizePoint();
}

void Fastrelle_Cut::Finish() {
  m_points.clear();
  m_pointsGathered = false;
  if (!m_prepared) return;
  m_prepared = false;
  SetLayersOnState(m_layerStates);
  RestoreNamedView(kViewName);
}

void Fastrelle_Cut::SaveView() {
  SaveNamedView(kViewName);
  const CString base = GetBaseSizeName();
  Fastrelle_Part_Drawer part(PointIn(m_first, base.IsEmpty() ? CString(L"0") : base).Id());
  ZcDbExtents extents;
  if (part.GetName().IsEmpty() || part.GetExtents(extents) != 0) return;
  const ZcGeVector3d margin(kZoomMargin, kZoomMargin, 0.0);
  ZoomToExtents(extents.minPoint() - margin, extents.maxPoint() + margin);
}

int Fastrelle_Cut::AddToAllSizes() {
  Fastrelle_Sizes_ZW sizes;
  sizes.LoadFromLayers();
  if (sizes.GetCount() == 0) return Zcad::eInvalidIndex;
  GatherPoints();
  if (!Prepare()) {
    Finish();
    return Zcad::eWrongObjectType;
  }
  FinishGuard finish(*this);
  for (const Fastrelle_Size& listed : sizes.Sizes()) {
    Fastrelle_Size_ZW size = sizes.Find(listed.GetName());
    if (int status = AddInSize(size)) ReportSizeFailure(size.GetName(), status);
  }
  return 0;
}

void Fastrelle_Cut::ReportSizeFailure(const CString& size, int status) {
  ZWPrinter printer;
  if (status == Zcad::eAmbiguousOutput || status == Zcad::eNullObjectId) {
    printer.Print(LoadResString(status == Zcad::eAmbiguousOutput ? kSeveralSeamLines : kNoSeamLine) + size + L" !");
    return;
  }
  printer.Print(L"\n" + size + L" !");
  PrintErrorStatus(status);
}

int Fastrelle_Cut::AddInSize(Fastrelle_Size_ZW& size) {
  ZcDbObjectIdArray made;
  if (int status = Offset(size, made)) return status;
  Regen();
  for (ZcDbObjectId piece : made) {
    m_current = piece;
    int status = JoinWithNeighbour(m_first, size);
    if (status == 0) status = JoinWithNeighbour(m_second, size);
    // The joins may have replaced the piece by a trimmed one: the list names what stands.
    for (int i = 0; i < m_newCutLines.length(); ++i)
      if (m_newCutLines[i] == piece) m_newCutLines[i] = m_current;
    if (status) return status;
  }
  return 0;
}

int Fastrelle_Cut::FindSeamLine(const CString& size, ZcDbObjectId& seam) {
  ZcDbObjectIdArray aroundFirst, aroundSecond;
  PointIn(m_first, size).SelectSeamLinesAround(aroundFirst);
  PointIn(m_second, size).SelectSeamLinesAround(aroundSecond);
  ZcDbObjectIdArray common;
  for (ZcDbObjectId id : aroundFirst)
    if (aroundSecond.contains(id) && !common.contains(id)) common.append(id);
  if (common.isEmpty()) return Zcad::eNullObjectId;
  if (common.length() > 1) return Zcad::eAmbiguousOutput;
  seam = common[0];
  return 0;
}

// The reference point: the direction point when given. Otherwise E is the extents of the
// part in the size and S those of the seam line: the centre of E moved from it towards the
// centre of S by E's width plus height, which lies outside the part on the seam line's side
// for a convex part (not for an edge of a concave corner: Offset asks the outline first). A
// seam line centred on its part has no such direction: SideOfCentredSeam decides. Without E
// the origin serves.
ZcGePoint3d Fastrelle_Cut::ReferencePoint(ZcDbObjectId seam, const CString& part, const CString& size, double allowance) {
  if (m_direction) return *m_direction;
  ZcDbExtents e, s;
  if (PartSizeGroup(nullptr, part, size).GetExtents(e) != 0 || !EntityExtents(seam, s)) return ZcGePoint3d::kOrigin;
  const ZcGePoint3d centre = Centre(e);
  const ZcGeVector3d towards = Centre(s) - centre;
  if (towards.length() <= kSameCentre) {
    ZcGePoint3d side;
    return SideOfCentredSeam(seam, centre, allowance, side) ? side : centre;
  }
  const ZcGeVector3d size3 = e.maxPoint() - e.minPoint();
  return centre + towards.normal() * (size3.x + size3.y);
}

int Fastrelle_Cut::Offset(Fastrelle_Size_ZW& size, ZcDbObjectIdArray& made) {
  PartSizeGroup group;
  group.FromId(PointIn(m_first, size.GetName()).Id());
  if (group.m_part.IsEmpty() || group.m_size.IsEmpty()) {
    ZWPrinter().Print(L"\nFastrelle_Cut::Offset");
    PrintErrorStatus(Zcad::eWrongObjectType);
    return Zcad::eWrongObjectType;
  }
  ZcDbObjectId seam;
  if (int status = FindSeamLine(size.GetName(), seam)) return status;
  // Without a direction point the part's outline decides the side when it is closed: the
  // offset must lie outside the part. Else the side test: a side is kept only when its offset
  // comes nearer to the reference point. Whatever made the first side fail, the other is tried.
  ZcDbObjectIdArray offsets;
  bool decided = false;
  if (!m_direction) {
    if (int status = OffsetOutsideOfPart(seam, group.m_part, group.m_size, m_allowance, offsets, decided)) return status;
  }
  if (!decided) {
    const ZcGePoint3d reference = ReferencePoint(seam, group.m_part, group.m_size, m_allowance);
    UI_Curve curve(seam);
    if (curve.OffsetTowardsPoint(m_allowance, offsets, reference, 1) != 0 &&
        curve.OffsetTowardsPoint(m_allowance, offsets, reference, -1) != 0)
      return Zcad::eInvalidOffset;
  }
  if (int status = group.PutOnLayer(size.Cut(), offsets)) {
    UI_Kolekcja stray;
    for (ZcDbObjectId id : offsets) stray.Add(id);
    stray.DeleteAll();
    return status;
  }
  made.append(offsets);
  m_newCutLines.append(offsets);
  return 0;
}

int Fastrelle_Cut::JoinWithNeighbour(int number, Fastrelle_Size_ZW& size) {
  Fastrelle_SizePoint point = PointIn(number, size.GetName());
  if (!point.Id().isValid()) return 0;  // never a search around the origin
  ZcDbObjectIdArray around;
  point.SelectCutLinesAround(around);
  UI_Kolekcja candidates;
  for (ZcDbObjectId id : around)
    if (id != m_current) candidates.Add(id);
  if (candidates.Length() == 0) return 0;
  // Nearest first; equal distances keep their selection order.
  const ZcGePoint3d at = point.GetPosition();
  std::vector<std::pair<double, ZcDbObjectId>> byDistance;
  for (int i = 0; i < candidates.Length(); ++i) byDistance.emplace_back(candidates.GetDistFrom(i, at), candidates.Ids()[i]);
  std::stable_sort(byDistance.begin(), byDistance.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  m_join->m_cut1 = m_current;
  m_join->m_cut2 = byDistance.front().second;
  m_join->m_created.Ids().setLogicalLength(0);
  if (int status = m_join->Join()) {
    ZWPrinter().Print(L"\nFastrelle_Cut::JoinWithNeighbour");
    PrintErrorStatus(status);
    return status;
  }
  // What the join made or replaced joins the part on the cut layer.
  PartSizeGroup group;
  group.FromId(point.Id());
  ZcDbObjectIdArray produced;
  produced.append(m_join->m_cut1);
  produced.append(m_join->m_cut2);
  produced.append(m_join->m_created.Ids());
  for (ZcDbObjectId id : produced) group.AddEntity(id);
  group.PutOnLayer(size.Cut(), produced);
  m_current = m_join->m_cut1;
  return 0;
}
