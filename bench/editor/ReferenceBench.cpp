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

constexpr int kBlocks = 8;

// A piece outline of `sides` curves around a rough rectangle of w x h: straight sides,
// arcs at the corners and one spline side.
void AddPiece(ZcDbBlockTableRecord* block, int sides, double w, double h, std::mt19937& rng) {
  std::uniform_real_distribution<double> wobble(-3, 3);
  std::vector<ZcGePoint3d> ring;
  for (int i = 0; i < sides; ++i) {
    double t = 2 * 3.141592653589793 * i / sides;
    ring.emplace_back(w / 2 + w / 2 * std::cos(t) + wobble(rng), h / 2 + h / 2 * std::sin(t) + wobble(rng), 0);
  }
  for (int i = 0; i < sides; ++i) {
    const ZcGePoint3d &a = ring[i], &b = ring[(i + 1) % sides];
    ZcDbEntity* e = nullptr;
    if (i == 0) {
      auto* sp = new ZcDbSpline();
      ZcGePoint3dArray fit;
      for (int k = 0; k <= 4; ++k)
        fit.append(a + (b - a) * (k / 4.0) + ZcGeVector3d(0, k % 2 ? 2.0 : 0.0, 0));
      sp->setFitData(fit, 3, 0.0, ZcGeVector3d(), ZcGeVector3d());
      e = sp;
    } else if (i % 3 == 0) {
      ZcGePoint3d mid = a + (b - a) * 0.5;
      double r = a.distanceTo(b) * 0.75;
      double dir = std::atan2(b.y - a.y, b.x - a.x);
      ZcGePoint3d c = mid + ZcGeVector3d(std::sin(dir), -std::cos(dir), 0) * std::sqrt(r * r - std::pow(a.distanceTo(b) / 2, 2));
      e = new ZcDbArc(c, r, std::atan2(a.y - c.y, a.x - c.x), std::atan2(b.y - c.y, b.x - c.x));
    } else {
      e = new ZcDbLine(a, b);
    }
    block->appendZcDbEntity(e);
    e->close();
  }
}

struct Layout {
  std::vector<ZcDbObjectId> pieces, blocks;
};

// N pieces in rows on a fabric 1500 wide, each overlapping its right neighbour a little.
Layout Build(int n) {
  ZcDbDatabase* db = headless::NewDrawing();
  std::mt19937 rng(3);
  std::uniform_int_distribution<int> sides(12, 40);
  ZcDbBlockTable* table = nullptr;
  db->getBlockTable(table, ZcDb::kForWrite);
  std::vector<ZcDbObjectId> blocks;
  for (int b = 0; b < kBlocks; ++b) {
    auto* record = new ZcDbBlockTableRecord();
    record->setName((L"Piece" + std::to_wstring(b)).c_str());
    ZcDbObjectId id;
    table->add(id, record);
    AddPiece(record, sides(rng), 80 + 10 * b, 120 - 5 * b, rng);
    record->close();
    blocks.push_back(id);
  }
  table->close();
  Layout layout;
  layout.blocks = blocks;
  ZcDbBlockTableRecord* ms = nullptr;
  zcdbOpenObject(ms, db->modelSpaceId(), ZcDb::kForWrite);
  for (int i = 0; i < n; ++i) {
    auto* ref = new ZcDbBlockReference({(i % 14) * 100.0, (i / 14) * 130.0, 0}, blocks[i % kBlocks]);
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
