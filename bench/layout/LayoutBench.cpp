// A fabric layout as the warehouse and Docisk make it: N = 50, 200, 500 pieces of 8 piece
// blocks of 12-40 curves (lines, arcs, a spline side), turned 0 or 90 degrees, on a fabric
// 1500 wide. Placement: N pieces placed by calculation along the bottom row. Compaction:
// then every piece compacted (PressureByMoveEachInOneStep, as Fastrelle:Docisk runs it).
// Beside each, the same with the caches and indexes off (N = 50, 200), in the same run.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "bench/PieceBlocks.h"
#include "framework/Tagged.h"
#include "headless/Database.h"
#include "layout/LayoutDrawing.h"
#include "layout/Layout_draw_form.h"
#include "layout/Layout_drawer.h"
#include "layout/PressureAlgorithm.h"

namespace {

/// A new drawing with the 8 piece blocks tagged as pieces and a border long enough for a
/// row of `n` pieces; the blocks' names.
std::vector<CString> NewLayout(int n) {
  ZcDbDatabase* db = headless::NewDrawing();
  std::mt19937 rng(3);
  std::vector<CString> names;
  for (ZcDbObjectId block : AddPieceBlocks(db, rng)) {
    Tagged(block, kLayoutApplication).AddTag(kFormTag);
    ZcDbBlockTableRecord* record = nullptr;
    zcdbOpenObject(record, block, ZcDb::kForRead);
    names.push_back(record->name().c_str());
    record->close();
  }
  Layout_drawer(Layout(1500.0, 160.0 * n + 1000.0)).Draw();
  return names;
}

ZcDbObjectIdArray PlaceAll(const std::vector<CString>& names, int n) {
  ZcDbObjectIdArray placed;
  for (int i = 0; i < n; ++i) {
    Layout_draw_form_ByCalc piece(names[i % names.size()], i % 2 ? 90.0 : 0.0);
    if (piece.Draw() == 0) placed.append(piece.GetId());
  }
  return placed;
}

// range(0): pieces; range(1): 1 with the caches, 0 without.
void BM_Placement(benchmark::State& state) {
  headless::SetCaching(state.range(1) != 0);
  const int n = static_cast<int>(state.range(0));
  int placed = 0;
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<CString> names = NewLayout(n);
    state.ResumeTiming();
    placed = PlaceAll(names, n).length();
  }
  state.counters["placed"] = placed;
  headless::SetCaching(true);
}

void BM_PlacementAndCompaction(benchmark::State& state) {
  headless::SetCaching(state.range(1) != 0);
  const int n = static_cast<int>(state.range(0));
  int steps = 0, intersections = 0, rounds = 0;
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<CString> names = NewLayout(n);
    state.ResumeTiming();
    PressureByMoveEachInOneStep pressure;
    pressure.m_pieces = PlaceAll(names, n);
    pressure.SetBorder(FindTaggedPolyline(kLayoutTag));
    pressure.Run();
    steps = pressure.StepsTried();
    intersections = pressure.IntersectionCalls();
    rounds = pressure.Tests();
  }
  state.counters["steps"] = steps;
  state.counters["intersections"] = intersections;
  state.counters["tests"] = rounds;
  headless::SetCaching(true);
}

void Sizes(benchmark::internal::Benchmark* b) {
  b->ArgNames({"pieces", "cached"});
  for (int n : {50, 200, 500}) b->Args({n, 1});
  for (int n : {50, 200}) b->Args({n, 0});
}

}  // namespace

BENCHMARK(BM_Placement)->Apply(Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlacementAndCompaction)->Apply(Sizes)->Unit(benchmark::kMillisecond)->Iterations(1);
