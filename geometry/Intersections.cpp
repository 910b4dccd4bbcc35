// The box-filtered crossing search.
#include "geometry/Intersections.h"

#include "db/ZcDbEntity.h"
#include "framework/Selections.h"
#include "framework/ZWDrawer.h"
#include "geometry/CurvePair.h"

void IntersectionsDefault::CollectCandidates(ZcDbObjectId id) {
  m_candidates.setLogicalLength(0);
  ZcDbEntity* e = nullptr;
  if (zcdbOpenObject(e, id, ZcDb::kForRead) != Zcad::eOk) return;
  ZcDbExtents box;
  Zcad::ErrorStatus es = e->getGeomExtents(box);
  e->close();
  if (es != Zcad::eOk) return;
  for (ZcDbObjectId c : SelectCrossing(box.minPoint(), box.maxPoint())) {
    if (c == id) continue;
    bool excluded = false;
    for (ZcDbObjectId x : m_excludedIds) excluded = excluded || (x.isValid() && x == c);
    if (!excluded) m_candidates.append(c);
  }
}

bool IntersectionsDefault::AddIntersections(ZcDbObjectId id, ZcDbObjectId other) {
  ZcGePoint3dArray points;
  CurvePair(id, other).GetIntersections(0, points);
  m_points.append(points);
  return !points.isEmpty();
}

bool IntersectionsDefault::CheckEntity(ZcDbObjectId id) {
  CollectCandidates(id);
  for (ZcDbObjectId c : m_candidates) AddIntersections(id, c);
  return !m_candidates.isEmpty();
}

bool IntersectionsDefault::HasAny() {
  m_points.setLogicalLength(0);  // an earlier search's points must not answer this one
  for (ZcDbObjectId id : m_subjectIds) {
    CollectCandidates(id);
    for (ZcDbObjectId c : m_candidates)
      if (AddIntersections(id, c)) return true;
  }
  return false;
}

int IntersectionsDefault::CheckAll() {
  for (ZcDbObjectId id : m_subjectIds) CheckEntity(id);
  return 0;
}

int IntersectionsDefault::MarkIntersectionPoints() { return DrawPoints(m_points, m_markerIds); }
