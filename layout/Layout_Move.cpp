// The piece movers.
#include "layout/Layout_Move.h"

#include <cmath>

#include "db/ZcDbEntity.h"
#include "framework/Extents.h"
#include "framework/Selections.h"
#include "framework/Transforms.h"
#include "layout/LayoutDrawing.h"
#include "layout/Layout_Move_Intersection.h"
#include "layout/Layout_draw_closingLine.h"

namespace {
constexpr int kRefused = 2;
constexpr int kCannotMove = 374;
constexpr double kSmallestStep = 0.625;
}  // namespace

Layout_Move::Layout_Move(const ZcGeVector3d& direction, const ZcDbObjectIdArray& items, double step)
    : m_direction(direction), m_items(items), m_step(step) {}

Layout_Move::~Layout_Move() {
  if (!m_redraw) return;
  try {
    if (!FindTaggedPolyline(kEndLineTag).isNull()) Layout_draw_closingLine().Draw();
  } catch (...) {
    // A destructor reports nothing: the pieces have moved, only the line lags behind.
  }
}

int Layout_Move::ItemsExtents(ZcDbExtents& box) const {
  box = ZcDbExtents();
  return GetExtentsOfIds(box, m_items) == Zcad::eOk ? 0 : kCannotMove;
}

int Layout_Move::Prepare() {
  if (m_items.isEmpty() || m_direction.isZeroLength()) return kCannotMove;
  const ZcDbObjectId borderId = FindTaggedPolyline(kLayoutTag);
  ZcDbEntity* border = nullptr;
  if (zcdbOpenObject(border, borderId, ZcDb::kForRead) != Zcad::eOk) return kCannotMove;
  Zcad::ErrorStatus es = border->getGeomExtents(m_border);
  border->close();
  if (es != Zcad::eOk) return kCannotMove;
  m_layoutLines.setLogicalLength(0);
  m_layoutLines.append(borderId);
  const ZcDbObjectId line = FindTaggedPolyline(kEndLineTag);
  if (!line.isNull()) m_layoutLines.append(line);
  ZcDbExtents items;
  return ItemsExtents(items);
}

bool Layout_Move::Inside(const ZcDbExtents& items) const {
  const ZcGePoint3d &b0 = m_border.minPoint(), &b1 = m_border.maxPoint();
  const ZcGePoint3d &i0 = items.minPoint(), &i1 = items.maxPoint();
  if (m_direction.x < 0 && b0.x > i0.x) return false;
  if (m_direction.x > 0 && i1.x > b1.x) return false;
  if (m_direction.y < 0 && b0.y > i0.y) return false;
  if (m_direction.y > 0 && i1.y > b1.y) return false;
  return true;
}

int Layout_Move::FreeSteps(int most) const {
  ZcDbExtents box;
  if (most < 1 || ItemsExtents(box) != 0) return 0;
  auto isFree = [&](int steps) {
    const ZcGeVector3d d = m_direction * (m_step * steps);
    ZcDbExtents moved(box.minPoint() + d, box.maxPoint() + d);
    if (!Inside(moved)) return false;
    moved.addExt(box);
    for (ZcDbObjectId id : SelectCrossing(moved.minPoint(), moved.maxPoint()))
      if (!m_items.contains(id) && !m_layoutLines.contains(id)) return false;
    return true;
  };
  // Doubling, then halving between the last free count and the first blocked one: the
  // corridor of more steps holds the corridor of fewer.
  if (!isFree(1)) return 0;
  int free = 1, blocked = most + 1;
  while (free * 2 < blocked) {
    if (isFree(free * 2)) free *= 2;
    else blocked = free * 2;
  }
  while (blocked - free > 1) {
    int middle = free + (blocked - free) / 2;
    if (isFree(middle)) free = middle;
    else blocked = middle;
  }
  return free;
}

int Layout_Move::Step() {
  ++m_stepsTried;
  const ZcGeVector3d step = m_direction * m_step;
  DbMove move(m_items);
  if (int es = move.MoveBy(step)) return es;
  ZcDbExtents items;
  bool stands = ItemsExtents(items) == 0 && Inside(items);
  if (stands) {
    Layout_Move_Intersection overlaps(m_items, step);
    overlaps.m_excludedIds.append(m_layoutLines);
    stands = !overlaps.HasAny();
    m_intersectionCalls += overlaps.IntersectionCalls();
  }
  if (stands) return 0;
  if (int es = move.MoveBy(-step)) return es;
  return kRefused;
}

int Layout_Move::Run() {
  if (int es = Prepare()) return es;
  const ZcGeVector3d along(std::fabs(m_direction.x), std::fabs(m_direction.y), 0.0);
  const ZcGeVector3d extent = m_border.maxPoint() - m_border.minPoint();
  const double limit = std::fabs(extent.dotProduct(along)) / kSmallestStep + 8;
  for (int tried = 0; tried < limit; ++tried) {
    if (int free = FreeSteps(static_cast<int>(limit) - tried)) {
      if (int es = DbMove(m_items).MoveBy(m_direction * (m_step * free))) return es;
      m_stepsTried += free;
      tried += free - 1;
      continue;
    }
    int result = Step();
    if (result == 0) continue;
    if (result != kRefused) return result;
    if (m_step < 1.0) break;
    m_step /= 2;
  }
  return 0;
}

Layout_Move_Left::Layout_Move_Left(const ZcDbObjectIdArray& items, double step)
    : Layout_Move(ZcGeVector3d(-1, 0, 0), items, step) {}

Layout_Move_Top::Layout_Move_Top(const ZcDbObjectIdArray& items, double step)
    : Layout_Move(ZcGeVector3d(0, 1, 0), items, step) {}

Layout_Move_Bottom::Layout_Move_Bottom(const ZcDbObjectIdArray& items, double step)
    : Layout_Move(ZcGeVector3d(0, -1, 0), items, step) {}

Layout_Move_Right::Layout_Move_Right(const ZcDbObjectIdArray& items, double step)
    : Layout_Move(ZcGeVector3d(1, 0, 0), items, step) {}

int Layout_Move_Right::Run() {
  if (int es = Prepare()) return es;
  ZcDbExtents items;
  if (int es = ItemsExtents(items)) return es;
  return DbMove(m_items).MoveFromTo(ZcGePoint3d(items.maxPoint().x, 0, 0), ZcGePoint3d(m_border.maxPoint().x, 0, 0));
}
