// The overlap test of the piece movers.
#include "layout/Layout_Move_Intersection.h"

#include <memory>

#include "db/ZcDbEntity.h"
#include "framework/Extents.h"
#include "ge/ZcGeMatrix3d.h"

namespace {

constexpr double kAxisTolerance = 1e-4;

/// An entity open for read, closed when the holder dies.
struct ReadEntity {
  explicit ReadEntity(ZcDbObjectId id) { zcdbOpenObject(entity, id, ZcDb::kForRead); }
  ~ReadEntity() {
    if (entity) entity->close();
  }
  ReadEntity(const ReadEntity&) = delete;
  ReadEntity& operator=(const ReadEntity&) = delete;
  ZcDbEntity* entity = nullptr;
};

bool Within(double v, double low, double high) { return low <= v && v <= high; }

}  // namespace

Layout_Move_Intersection::Layout_Move_Intersection(const ZcDbObjectIdArray& items, const ZcGeVector3d& step)
    : m_step(step) {
  m_subjectIds = items;
  m_excludedIds = items;
}

void Layout_Move_Intersection::SetDirection(const ZcGeVector3d& step) { m_step = step; }

bool Layout_Move_Intersection::CheckPair(ZcDbObjectId a, ZcDbObjectId b) {
  ReadEntity first(a), second(b);
  if (!first.entity || !second.entity) return false;
  ZcDbExtents boxA, boxB;
  if (first.entity->getGeomExtents(boxA) != Zcad::eOk || second.entity->getGeomExtents(boxB) != Zcad::eOk)
    return false;
  if (!ExtentsOverlap2d(boxA, boxB)) return false;

  ++m_intersectionCalls;
  ZcGePoint3dArray now;
  first.entity->intersectWith(second.entity, ZcDb::kOnBothOperands, now);
  if (now.isEmpty()) return false;

  // Did they cross before the step? Asked of a copy of `a` put back, only for pairs that
  // cross now.
  bool before = false;
  std::unique_ptr<ZcDbEntity> back(static_cast<ZcDbEntity*>(first.entity->cloneObject()));
  if (back && back->transformBy(ZcGeMatrix3d::translation(-m_step)) == Zcad::eOk) {
    ++m_intersectionCalls;
    ZcGePoint3dArray earlier;
    back->intersectWith(second.entity, ZcDb::kOnBothOperands, earlier);
    before = !earlier.isEmpty();
  }
  bool overlap = true;
  if (before) {
    const ZcGePoint3d &a0 = boxA.minPoint(), &a1 = boxA.maxPoint(), &b0 = boxB.minPoint(), &b1 = boxB.maxPoint();
    if (m_step.x < -kAxisTolerance) overlap = Within(a0.x, b0.x, b1.x);
    else if (m_step.y < -kAxisTolerance) overlap = Within(a0.y, b0.y, b1.y);
    else if (m_step.y > kAxisTolerance) overlap = Within(a1.y, b0.y, b1.y);
  }
  if (overlap) m_points.append(now);
  return overlap;
}

bool Layout_Move_Intersection::CheckEntity(ZcDbObjectId id) {
  CollectCandidates(id);
  bool any = false;
  for (ZcDbObjectId candidate : m_candidates) any = CheckPair(id, candidate) || any;
  return any;
}

bool Layout_Move_Intersection::HasAny() {
  m_points.setLogicalLength(0);
  for (ZcDbObjectId id : m_subjectIds) {
    CollectCandidates(id);
    for (ZcDbObjectId candidate : m_candidates)
      if (CheckPair(id, candidate)) return true;
  }
  return false;
}

int Layout_Move_Intersection::CheckAll() {
  for (ZcDbObjectId id : m_subjectIds) CheckEntity(id);
  return 0;
}
