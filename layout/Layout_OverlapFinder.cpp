// The overlap search among placed pieces.
#include "layout/Layout_OverlapFinder.h"

#include <algorithm>
#include <map>
#include <numeric>

#include "db/ZcDbBlockReference.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbCurve.h"
#include "db/ZcDbPoint.h"
#include "db/ZcDbRegion.h"
#include "framework/Tagged.h"
#include "framework/UI_Block.h"
#include "framework/ZWDrawer.h"
#include "layout/LayoutDrawing.h"

const wchar_t* const kOverlapTag = L"Overlap";

namespace {
const double kBoxGrowth = 1e-9;

bool BoxesMeet(const std::pair<ZcGePoint3d, ZcGePoint3d>& a, const std::pair<ZcGePoint3d, ZcGePoint3d>& b) {
  return a.first.x <= b.second.x + kBoxGrowth && b.first.x <= a.second.x + kBoxGrowth &&
         a.first.y <= b.second.y + kBoxGrowth && b.first.y <= a.second.y + kBoxGrowth;
}
}  // namespace

bool Layout_OverlapFinder::LoadPiece(ZcDbObjectId id, Piece& piece) {
  piece.id = id;
  ZcDbBlockReference* ref = nullptr;
  if (zcdbOpenObject(ref, id, ZcDb::kForRead) != Zcad::eOk) return false;
  const ZcGeMatrix3d transform = ref->blockTransform();
  const ZcDbObjectId block = ref->blockTableRecord();
  ref->close();
  UI_Block record;
  record.SetFromId(block);
  ZcDbObjectIdArray ids;
  if (record.GetEntityIds(ids) != 0) return true;
  for (ZcDbObjectId entityId : ids) {
    ZcDbEntity* e = nullptr;
    if (zcdbOpenObject(e, entityId, ZcDb::kForRead) != Zcad::eOk) continue;
    if (ZcDbRegion* region = dynamic_cast<ZcDbRegion*>(e)) {
      if (!piece.hasRegion && !region->isNull()) {
        piece.region = region->geRegion();
        piece.hasRegion = piece.region.transformBy(transform) == Zcad::eOk;
      }
    } else if (ZcDbCurve* curve = dynamic_cast<ZcDbCurve*>(e)) {
      std::unique_ptr<ZcGeCurve3d> shape = curve->toGeCurve();
      ZcGePoint3d lo, hi;
      if (shape && shape->transformBy(transform) == Zcad::eOk && shape->getGeomExtents(lo, hi) == Zcad::eOk) {
        piece.boxes.emplace_back(lo, hi);
        piece.curves.push_back(std::move(shape));
      }
    }
    e->close();
  }
  return true;
}

void Layout_OverlapFinder::IntersectPieces(const Piece& a, const Piece& b, ZcGePoint3dArray& points) {
  for (std::size_t i = 0; i < a.curves.size(); ++i)
    for (std::size_t j = 0; j < b.curves.size(); ++j) {
      if (!BoxesMeet(a.boxes[i], b.boxes[j])) continue;
      ++m_curvePairsTried;
      std::vector<ZcGePoint3d> found;
      if (a.curves[i]->intersectWith(*b.curves[j], ZcGeCurve3d::kExtendNone, found) != Zcad::eOk) continue;
      for (const ZcGePoint3d& p : found) points.append(p);
    }
}

bool Layout_OverlapFinder::InsidePoint(const Piece& inner, const Piece& outer, ZcGePoint3d& point) {
  if (inner.curves.empty() || !outer.hasRegion) return false;
  point = inner.curves.front()->startPoint();
  return outer.region.containment(point) == ZcGeRegion::kInside;
}

int Layout_OverlapFinder::CheckAll() {
  m_points.setLogicalLength(0);
  m_pairsTried = m_curvePairsTried = 0;
  std::map<ZcDbObjectId, int> order;
  std::vector<Piece> pieces(static_cast<std::size_t>(m_subjectIds.length()));
  for (int i = 0; i < m_subjectIds.length(); ++i) {
    if (order.count(m_subjectIds[i])) continue;  // a piece listed twice is one piece
    order[m_subjectIds[i]] = i;
    LoadPiece(m_subjectIds[i], pieces[static_cast<std::size_t>(i)]);
  }
  for (int i = 0; i < m_subjectIds.length(); ++i) {
    const Piece& a = pieces[static_cast<std::size_t>(i)];
    if (a.id != m_subjectIds[i]) continue;
    CollectCandidates(a.id);
    for (ZcDbObjectId c : m_candidates) {
      auto partner = order.find(c);
      if (partner == order.end() || partner->second <= i) continue;
      const Piece& b = pieces[static_cast<std::size_t>(partner->second)];
      ++m_pairsTried;
      ZcGePoint3dArray found;
      IntersectPieces(a, b, found);
      ZcGePoint3d inside;
      if (found.isEmpty() && (InsidePoint(a, b, inside) || InsidePoint(b, a, inside))) found.append(inside);
      m_points.append(found);
    }
  }
  MergePoints(m_points, 1e-9);
  return 0;
}

void Layout_OverlapFinder::MergePoints(ZcGePoint3dArray& points, double tolerance) {
  const int n = points.length();
  std::vector<int> byX(static_cast<std::size_t>(n));
  std::iota(byX.begin(), byX.end(), 0);
  std::sort(byX.begin(), byX.end(), [&](int a, int b) { return points[a].x < points[b].x || (points[a].x == points[b].x && a < b); });
  std::vector<bool> dropped(static_cast<std::size_t>(n), false);
  for (std::size_t k = 0; k < byX.size(); ++k) {
    const int i = byX[k];
    if (dropped[static_cast<std::size_t>(i)]) continue;
    // every point of the group within the window in x; the earliest in list order stays
    for (std::size_t m = k + 1; m < byX.size() && points[byX[m]].x - points[i].x <= tolerance; ++m) {
      const int j = byX[m];
      if (dropped[static_cast<std::size_t>(j)] || points[i].distanceTo(points[j]) > tolerance) continue;
      dropped[static_cast<std::size_t>(std::max(i, j))] = true;
      if (j < i) break;  // i itself is dropped; j goes on standing for the group
    }
  }
  ZcGePoint3dArray kept;
  for (int i = 0; i < n; ++i)
    if (!dropped[static_cast<std::size_t>(i)]) kept.append(points[i]);
  points = kept;
}

int Layout_OverlapFinder::EraseMarkers() {
  UI_Block space = GetModelSpaceBlock();
  ZcDbObjectIdArray ids;
  space.GetEntityIds(ids);
  int first = 0;
  for (ZcDbObjectId id : ids) {
    ZcDbPoint* point = nullptr;
    if (zcdbOpenObject(point, id, ZcDb::kForRead) != Zcad::eOk) continue;
    point->close();
    if (!Tagged(id, kLayoutApplication).HasTag(kOverlapTag)) continue;
    if (zcdbOpenObject(point, id, ZcDb::kForWrite) != Zcad::eOk) continue;
    const int status = point->erase();
    point->close();
    if (status != 0 && first == 0) first = status;
  }
  return first;
}

int Layout_OverlapFinder::MarkIntersectionPoints() {
  int status = EraseMarkers();
  ZcDbObjectIdArray drawn;
  const int drawStatus = DrawPoints(m_points, drawn);
  if (status == 0) status = drawStatus;
  for (ZcDbObjectId id : drawn) {
    m_markerIds.append(id);
    const int tagStatus = Tagged(id, kLayoutApplication).AddTag(kOverlapTag);
    if (status == 0) status = tagStatus;
  }
  return status;
}
