// Block references as a fabric layout uses them: N = 50, 200, 500 pieces, references to 8
// piece blocks of 12-40 curves (lines, arcs, a spline side), turned 0 or 90 degrees, some
// mirrored. Each round moves every piece a little (as a mover's step does) and then asks
// its box, or its crossings with its neighbour (reference against reference); or lists
// each block's references, or selects the pieces by type ("X" with (0 . "INSERT")) among
// ten lines per piece. Beside each, the same with the caches and indexes off
// (headless::SetCaching), in the same run.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "bench/PieceBlocks.h"
#include "db/ZcDbArc.h"
#include "db/ZcDbBlockReference.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbLine.h"
#include "db/ZcDbSpline.h"
#include "ed/SelectionSets.h"
#include "ed/zced.h"
#include "headless/Database.h"

namespace {

struct Layout {
  std::vector<ZcDbObjectId> pieces, blocks;
};

// N pieces in rows on a fabric 1500 wide, each overlapping its right neighbour a little.
Layout Build(int n) {
  ZcDbDatabase* db = headless::NewDrawing();
  std::mt19937 rng(3);
  std::vector<ZcDbObjectId> blocks = AddPieceBlocks(db, rng);
  Layout layout;
  layout.blocks = blocks;
  ZcDbBlockTableRecord* ms = nullptr;
  zcdbOpenObject(ms, db->modelSpaceId(), ZcDb::kForWrite);
  for (int i = 0; i < n; ++i) {
    auto* ref = new ZcDbBlockReference({(i % 14) * 100.0, (i / 14) * 130.0, 0}, blocks[i % blocks.size()]);
    if (i % 2) ref->setRotation(3.141592653589793 / 2);
    if (i % 5 == 0) ref->setScaleFactors(ZcGeScale3d(-1, 1, 1));
    ZcDbObjectId id;
    ms->appendZcDbEntity(id, ref);
    ref->close();
    layout.pieces.push_back(id);
  }
  ms->close();
  return layout;
}

void Nudge(ZcDbObjectId id, double dx) {
  ZcDbEntity* e = nullptr;
  zcdbOpenZcDbEntity(e, id, ZcDb::kForWrite);
  e->transformBy(ZcGeMatrix3d::translation({dx, 0, 0}));
  e->close();
}

// range(0): pieces; range(1): 1 with the caches, 0 without.
void BM_ReferenceExtents(benchmark::State& state) {
  headless::SetCaching(state.range(1) != 0);
  Layout layout = Build(static_cast<int>(state.range(0)));
  double sum = 0, dx = 0.625;
  for (auto _ : state) {
    for (ZcDbObjectId id : layout.pieces) {
      Nudge(id, dx);
      ZcDbEntity* e = nullptr;
      zcdbOpenZcDbEntity(e, id, ZcDb::kForRead);
      ZcDbExtents box;
      e->getGeomExtents(box);
      e->close();
      sum += box.maxPoint().x - box.minPoint().x;
    }
    dx = -dx;
  }
  benchmark::DoNotOptimize(sum);
  state.SetItemsProcessed(state.iterations() * state.range(0));
  headless::SetCaching(true);
}

void BM_ReferenceCrossings(benchmark::State& state) {
  headless::SetCaching(state.range(1) != 0);
  Layout layout = Build(static_cast<int>(state.range(0)));
  std::size_t points = 0, rounds = 0;
  double dx = 0.625;
  for (auto _ : state) {
    ++rounds;
    for (std::size_t i = 0; i + 1 < layout.pieces.size(); ++i) {
      Nudge(layout.pieces[i], dx);
      ZcDbEntity *a = nullptr, *b = nullptr;
      zcdbOpenZcDbEntity(a, layout.pieces[i], ZcDb::kForRead);
      zcdbOpenZcDbEntity(b, layout.pieces[i + 1], ZcDb::kForRead);
      ZcGePoint3dArray found;
      a->intersectWith(b, ZcDb::kOnBothOperands, found);
      a->close();
      b->close();
      if (rounds == 1) points += found.length();  // the same first round, cached or not
    }
    dx = -dx;
  }
  state.counters["points"] = static_cast<double>(points);
  state.SetItemsProcessed(state.iterations() * (state.range(0) - 1));
  headless::SetCaching(true);
}

void BM_BlockReferenceIds(benchmark::State& state) {
  headless::SetCaching(state.range(1) != 0);
  Layout layout = Build(static_cast<int>(state.range(0)));
  std::size_t found = 0;
  for (auto _ : state) {
    for (ZcDbObjectId block : layout.blocks) {
      ZcDbBlockTableRecord* record = nullptr;
      zcdbOpenObject(record, block, ZcDb::kForRead);
      ZcDbObjectIdArray ids;
      record->getBlockReferenceIds(ids);
      record->close();
      found += ids.length();
    }
  }
  benchmark::DoNotOptimize(found);
  headless::SetCaching(true);
}

void BM_SelectPiecesByType(benchmark::State& state) {
  headless::SetCaching(state.range(1) != 0);
  const int n = static_cast<int>(state.range(0));
  Build(n);
  ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
  ZcDbBlockTableRecord* ms = nullptr;
  zcdbOpenObject(ms, db->modelSpaceId(), ZcDb::kForWrite);
  for (int i = 0; i < 10 * n; ++i) {
    auto* line = new ZcDbLine({i * 0.1, -10, 0}, {i * 0.1, -5, 0});
    ms->appendZcDbEntity(line);
    line->close();
  }
  ms->close();
  resbuf* filter = zcutNewRb(0);
  filter->resval.rstring = zcutDupString(L"INSERT");
  std::int32_t found = 0;
  for (auto _ : state) {
    ads_name ss;
    if (zcedSSGet(L"X", nullptr, nullptr, filter, ss) == RTNORM) {
      zcedSSLength(ss, &found);
      zcedSSFree(ss);
    }
  }
  zcutRelRb(filter);
  state.counters["found"] = found;
  headless::SetCaching(true);
}

// 50, 200 and 500 pieces, with the caches and without.
void PiecesCachedOrNot(benchmark::internal::Benchmark* b) {
  b->ArgsProduct({{50, 200, 500}, {1, 0}})->ArgNames({"pieces", "cached"});
}

}  // namespace

BENCHMARK(BM_BlockReferenceIds)->Apply(PiecesCachedOrNot)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SelectPiecesByType)->Apply(PiecesCachedOrNot)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReferenceExtents)->Apply(PiecesCachedOrNot)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReferenceCrossings)->Apply(PiecesCachedOrNot)->Unit(benchmark::kMillisecond);
