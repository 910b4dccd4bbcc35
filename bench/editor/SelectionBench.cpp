// Selections on 10,000 mixed entities (lines, arcs, circles, bulge polylines, splines) over
// 1000 x 1000: a 2 x 2 crossing window, a 20 x 20 window and a pick through the spatial
// index; beside them the full scan they replace, and the index's building at the first one.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "db/ZcDbArc.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbLine.h"
#include "db/ZcDbPolyline.h"
#include "db/ZcDbSpline.h"
#include "ed/SelectionSets.h"
#include "ed/zced.h"
#include "editor/Entities.h"
#include "headless/Database.h"
#include "headless/Host.h"

namespace {

constexpr int kEntities = 10000;

void BuildDrawing() {
  ZcDbDatabase* db = headless::NewDrawing();
  ZcDbBlockTableRecord* ms = nullptr;
  zcdbOpenObject(ms, db->modelSpaceId(), ZcDb::kForWrite);
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> at(0, 1000), size(5, 25), angle(0, 6.283);
  for (int i = 0; i < kEntities; ++i) {
    double x = at(rng), y = at(rng), s = size(rng), a = angle(rng);
    ZcDbEntity* e = nullptr;
    switch (i % 5) {
      case 0: e = new ZcDbLine({x, y, 0}, {x + s * std::cos(a), y + s * std::sin(a), 0}); break;
      case 1: e = new ZcDbArc({x, y, 0}, s / 2, a, a + 2); break;
      case 2: e = new ZcDbCircle({x, y, 0}, ZcGeVector3d::kZAxis, s / 2); break;
      case 3: {
        auto* pl = new ZcDbPolyline();
        pl->addVertexAt(0, {x, y}, 0.4);
        pl->addVertexAt(1, {x + s, y}, 0);
        pl->addVertexAt(2, {x + s, y + s / 2}, -0.3);
        pl->addVertexAt(3, {x, y + s}, 0);
        e = pl;
        break;
      }
      default: {
        auto* sp = new ZcDbSpline();
        ZcGePoint3dArray fit;
        for (int k = 0; k < 6; ++k) fit.append(ZcGePoint3d(x + k * s / 5, y + (k % 3) * s / 6, 0));
        sp->setFitData(fit, 3, 0.0, ZcGeVector3d(1, 0, 0), ZcGeVector3d(1, 0, 0));
        e = sp;
        break;
      }
    }
    ms->appendZcDbEntity(e);
    e->close();
  }
  ms->close();
}

// Window centres, the same in every benchmark.
std::vector<ZcGePoint3d> Centres() {
  std::mt19937 rng(11);
  std::uniform_real_distribution<double> at(20, 980);
  std::vector<ZcGePoint3d> c;
  for (int i = 0; i < 256; ++i) c.emplace_back(at(rng), at(rng), 0);
  return c;
}

// The first question builds the index: once per drawing, measured on its own below.
void BuildIndex() {
  ads_point a = {0, 0, 0}, b = {1, 1, 0};
  ads_name ss;
  if (zcedSSGet(L"C", a, b, nullptr, ss) == RTNORM) zcedSSFree(ss);
}

void Select(benchmark::State& state, const wchar_t* mode, double half) {
  BuildDrawing();
  BuildIndex();
  std::vector<ZcGePoint3d> centres = Centres();
  std::size_t i = 0, found = 0;
  for (auto _ : state) {
    const ZcGePoint3d& c = centres[i++ % centres.size()];
    ads_point a = {c.x - half, c.y - half, 0}, b = {c.x + half, c.y + half, 0};
    ads_name ss;
    if (zcedSSGet(mode, a, b, nullptr, ss) == RTNORM) {
      std::int32_t n = 0;
      zcedSSLength(ss, &n);
      found += n;
      zcedSSFree(ss);
    }
  }
  state.counters["found"] = benchmark::Counter(static_cast<double>(found), benchmark::Counter::kAvgIterations);
}

// The same crossing window by the full scan: every entity opened and tested.
void BM_CrossingFullScan(benchmark::State& state) {
  BuildDrawing();
  std::vector<ZcGePoint3d> centres = Centres();
  std::size_t i = 0, found = 0;
  for (auto _ : state) {
    const ZcGePoint3d& c = centres[i++ % centres.size()];
    editor::Box box({c.x - 1, c.y - 1, 0}, {c.x + 1, c.y + 1, 0});
    for (ZcDbObjectId id : editor::TopLevelEntities()) {
      ZcDbEntity* e = nullptr;
      if (zcdbOpenZcDbEntity(e, id, ZcDb::kForRead) != Zcad::eOk) continue;
      found += editor::IsVisible(e) && editor::EntityCrossesWindow(e, box);
      e->close();
    }
  }
  state.counters["found"] = benchmark::Counter(static_cast<double>(found), benchmark::Counter::kAvgIterations);
}

void BM_Crossing(benchmark::State& state) { Select(state, L"C", 1.0); }
void BM_Window(benchmark::State& state) { Select(state, L"W", 10.0); }

void BM_IndexBuild(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    BuildDrawing();
    state.ResumeTiming();
    BuildIndex();
  }
}

void BM_Pick(benchmark::State& state) {
  BuildDrawing();
  BuildIndex();
  std::vector<ZcGePoint3d> centres = Centres();
  std::size_t i = 0;
  for (auto _ : state) {
    const ZcGePoint3d& c = centres[i++ % centres.size()];
    headless::PushInput(std::to_wstring(c.x) + L"," + std::to_wstring(c.y));
    ads_name entity;
    ads_point p;
    benchmark::DoNotOptimize(zcedEntSel(L"", entity, p));
    headless::ClearTranscript();
  }
}

}  // namespace

BENCHMARK(BM_Crossing)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CrossingFullScan)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Window)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Pick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_IndexBuild)->Unit(benchmark::kMillisecond)->Iterations(3);
