// Compaction.
#include "layout/PressureAlgorithm.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "db/ZcDbEntity.h"
#include "framework/Extents.h"
#include "layout/LayoutDrawing.h"
#include "layout/Layout_Move.h"
#include "layout/Layout_draw_closingLine.h"

namespace {
constexpr int kCannotMeasure = 374;
constexpr int kMostTests = 50;
constexpr double kLeastGain = 0.1;
}  // namespace

int PressureAlgorithm::SetBorder(ZcDbObjectId id) {
  ZcDbEntity* border = nullptr;
  if (zcdbOpenObject(border, id, ZcDb::kForRead) != Zcad::eOk) return kCannotMeasure;
  m_border = ZcDbExtents();
  Zcad::ErrorStatus es = border->getGeomExtents(m_border);
  border->close();
  return es == Zcad::eOk ? 0 : kCannotMeasure;
}

int PressureByMoveEachInOneStep::PushAll(Push push) {
  struct Keyed {
    double key;
    ZcDbObjectId id;
  };
  std::vector<Keyed> order;
  for (ZcDbObjectId id : m_pieces) {
    ZcDbExtents box;
    ZcDbObjectIdArray one;
    one.append(id);
    double key = 0.0;
    if (GetExtentsOfIds(box, one) == Zcad::eOk) key = push == Push::Left ? box.minPoint().x : box.minPoint().y;
    order.push_back({key, id});
  }
  std::stable_sort(order.begin(), order.end(), [](const Keyed& a, const Keyed& b) { return a.key < b.key; });
  for (const Keyed& piece : order) {
    m_current = piece.id;
    ZcDbObjectIdArray one;
    one.append(piece.id);
    int es = 0;
    {
      std::unique_ptr<Layout_Move> mover;
      if (push == Push::Left) mover = std::make_unique<Layout_Move_Left>(one);
      else if (push == Push::Down) mover = std::make_unique<Layout_Move_Bottom>(one);
      else mover = std::make_unique<Layout_Move_Top>(one);
      mover->SetRedrawOnEnd(!m_lineDrawn);
      m_lineDrawn = true;
      es = mover->Run();
      m_stepsTried += mover->StepsTried();
      m_intersectionCalls += mover->IntersectionCalls();
    }
    // A piece that cannot be measured is left where it is; the others go on.
    if (es != 0 && es != kCannotMeasure) return es;
  }
  return 0;
}

bool PressureByMoveEachInOneStep::Test() {
  ++m_tests;
  ZcDbExtents now;
  if (GetExtentsOfIds(now, m_pieces) != Zcad::eOk) return true;
  if (m_recorded.maxPoint().x - now.maxPoint().x < kLeastGain) return true;
  m_recorded = now;
  return m_tests >= kMostTests;
}

int PressureByMoveEachInOneStep::Run() {
  if (FindTaggedPolyline(kLayoutTag).isNull()) return kCannotMeasure;
  m_recorded = ZcDbExtents();
  if (GetExtentsOfIds(m_recorded, m_pieces) != Zcad::eOk) return kCannotMeasure;
  int es = PushAll(Push::Left);
  while (es == 0 && !Test()) {
    if ((es = PushAll(Push::Down)) || (es = PushAll(Push::Left)) || Test()) break;
    if ((es = PushAll(Push::Up)) || (es = PushAll(Push::Left))) break;
  }
  Layout_draw_closingLine().Draw();
  return es;
}
