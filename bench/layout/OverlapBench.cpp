// The overlap check on compacted layouts: N = 50, 200, 500 pieces in rows 0.75 apart, of
// 4 piece blocks (straight sides, an arc side, a spline side, and the fill region), some
// turned 90 degrees or mirrored; every 25th piece pushed 3 units into its left neighbour.
// Timed: the whole check (candidates, intersections, containment, merging, the markers
// drawn). Peer in the same run: every pair of pieces with the caches and indexes off.
// Beside the times: markers, piece pairs and curve pairs tried.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "db/ZcDbArc.h"
#include "db/ZcDbBlockReference.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbLine.h"
#include "db/ZcDbRegion.h"
#include "db/ZcDbSpline.h"
#include "framework/Tagged.h"
#include "headless/Database.h"
#include "layout/LayoutDrawing.h"
#include "layout/Layout_OverlapFinder.h"
#include "../ModelSpace.h"

namespace {

constexpr double kW = 40, kH = 30, kGap = 0.75;

// A piece block of w x h: bottom and left straight, the right side an arc bulging out, the
// top a spline; its region; tagged "Form".
ZcDbObjectId AddPieceBlock(ZcDbDatabase* db, int index) {
  ZcDbBlockTable* table = nullptr;
  db->getBlockTable(table, ZcDb::kForWrite);
  auto* record = new ZcDbBlockTableRecord;
  record->setName((L"bench|P" + std::to_wstring(index) + L"|38|S|C").c_str());
  ZcDbObjectId block;
  table->add(block, record);
  table->close();
  const double bulge = 2.0 + index;  // arcs of different depth per block
  const double r = (bulge * bulge + (kH / 2) * (kH / 2)) / (2 * bulge);
  const double half = std::asin((kH / 2) / r);
  ZcGePoint3dArray fit;
  for (int k = 0; k <= 4; ++k) fit.append(ZcGePoint3d(kW - bulge - (kW - bulge) * k / 4.0, kH + (k % 2 ? 1.5 : 0.0), 0));
  auto* top = new ZcDbSpline;
  top->setFitData(fit, 3, 0.0, ZcGeVector3d(), ZcGeVector3d());
  std::vector<ZcDbEntity*> curves = {new ZcDbLine({0, kH, 0}, {0, 0, 0}), new ZcDbLine({0, 0, 0}, {kW - bulge, 0, 0}),
                                     new ZcDbArc(ZcGePoint3d(kW - r, kH / 2, 0), r, -half, half), top};
  ZcDbVoidPtrArray segments, regions;
  for (ZcDbEntity* c : curves) segments.append(c);
  ZcDbRegion::createFromCurves(segments, regions);
  ZcDbObjectId id;
  for (ZcDbEntity* c : curves) {
    record->appendZcDbEntity(id, c);
    c->close();
  }
  for (void* r2 : regions) {
    auto* region = static_cast<ZcDbRegion*>(r2);
    record->appendZcDbEntity(id, region);
    region->close();
  }
  record->close();
  Tagged(block, kLayoutApplication).AddTag(kFormTag);
  return block;
}

// N pieces in rows along X, 0.75 apart; every 25th pushed 3 left.
ZcDbObjectIdArray BuildLayout(int n) {
  ZcDbDatabase* db = headless::NewDrawing();
  ZcDbObjectId blocks[4];
  for (int b = 0; b < 4; ++b) blocks[b] = AddPieceBlock(db, b);
  const int perRow = 25;
  ZcDbObjectIdArray pieces;
  for (int i = 0; i < n; ++i) {
    const int row = i / perRow, col = i % perRow;
    double x = col * (kW + kGap + 2), y = row * (kH + 1.5 + kGap);
    if (i % 25 == 24) x -= 3;
    auto* ref = new ZcDbBlockReference(ZcGePoint3d(x, y, 0), blocks[i % 4]);
    if (i % 7 == 3) {  // mirrored in place
      ref->setScaleFactors(ZcGeScale3d(-1, 1, 1));
      ref->setPosition(ZcGePoint3d(x + kW, y, 0));
    }
    pieces.append(Append(db, ref));
  }
  return pieces;
}

void BM_OverlapCheck(benchmark::State& state) {
  const ZcDbObjectIdArray pieces = BuildLayout(static_cast<int>(state.range(0)));
  Layout_OverlapFinder finder;
  for (auto _ : state) {
    finder.m_subjectIds = CollectPieceReferences();
    finder.m_markerIds.setLogicalLength(0);
    finder.CheckAll();
    finder.MarkIntersectionPoints();
  }
  state.counters["markers"] = finder.m_points.length();
  state.counters["piece_pairs"] = finder.PairsTried();
  state.counters["curve_pairs"] = finder.CurvePairsTried();
  (void)pieces;
}
BENCHMARK(BM_OverlapCheck)->Arg(50)->Arg(200)->Arg(500)->Unit(benchmark::kMillisecond);

// The peer: each pair of pieces, every curve pair intersected, no index, caches off.
void BM_OverlapAllPairs(benchmark::State& state) {
  headless::SetCaching(false);
  const ZcDbObjectIdArray pieces = BuildLayout(static_cast<int>(state.range(0)));
  long curvePairs = 0;
  std::size_t markers = 0;
  for (auto _ : state) {
    curvePairs = 0;
    ZcGePoint3dArray all;
    std::vector<Layout_OverlapFinder::Piece> shapes(static_cast<std::size_t>(pieces.length()));
    for (int i = 0; i < pieces.length(); ++i) Layout_OverlapFinder::LoadPiece(pieces[i], shapes[i]);
    for (std::size_t i = 0; i < shapes.size(); ++i)
      for (std::size_t j = i + 1; j < shapes.size(); ++j)
        for (auto& a : shapes[i].curves)
          for (auto& b : shapes[j].curves) {
            ++curvePairs;
            std::vector<ZcGePoint3d> found;
            a->intersectWith(*b, ZcGeCurve3d::kExtendNone, found);
            for (const ZcGePoint3d& p : found) all.append(p);
          }
    ZcGePoint3dArray kept;  // merged pair by pair
    for (const ZcGePoint3d& p : all) {
      bool near = false;
      for (const ZcGePoint3d& q : kept) near = near || q.distanceTo(p) <= 1e-9;
      if (!near) kept.append(p);
    }
    markers = static_cast<std::size_t>(kept.length());
  }
  state.counters["markers"] = static_cast<double>(markers);
  state.counters["curve_pairs"] = static_cast<double>(curvePairs);
  headless::SetCaching(true);
}
BENCHMARK(BM_OverlapAllPairs)->Arg(50)->Arg(200)->Unit(benchmark::kMillisecond);

}  // namespace
