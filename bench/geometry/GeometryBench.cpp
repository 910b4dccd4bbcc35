// The curve helpers' hot paths on a pattern piece of 40 curves (lines, arcs, a bulge
// polyline, 12-fit-point splines): a stretch over every curve around one corner, a
// grade-point move where two splines meet (crossing selection, then the stretch with the
// grade-point move's arc calculator and spline distributor, there and back), the
// distributor alone on splines of 8, 16 and 32 fit points, and, in the same run, the
// grade-point move with the plain end-point spline stretcher: the ratio is what
// distribution costs; and the crossing selection alone.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "db/ZcDbArc.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbLine.h"
#include "db/ZcDbPolyline.h"
#include "db/ZcDbSpline.h"
#include "ge/ZcGeCircArc3d.h"
#include "framework/Selections.h"
#include "geometry/FastrelleArcCalculator.h"
#include "geometry/Fastrelle_SplineStretchDistributor.h"
#include "geometry/StretchByDataBase.h"
#include "headless/Database.h"

namespace {

constexpr int kCurves = 40;

ZcGePoint3d Corner(int i) {
  double t = 2 * M_PI * i / kCurves;
  return {300 * std::cos(t), 200 * std::sin(t), 0};
}

ZcDbObjectId Append(ZcDbDatabase* db, ZcDbEntity* e) {
  ZcDbBlockTableRecord* ms = nullptr;
  zcdbOpenObject(ms, db->modelSpaceId(), ZcDb::kForWrite);
  ZcDbObjectId id;
  ms->appendZcDbEntity(id, e);
  e->close();
  ms->close();
  return id;
}

// A spline from a to b through `fit` points bowed out by a gentle wave.
ZcDbSpline* Spline(const ZcGePoint3d& a, const ZcGePoint3d& b, int fit) {
  ZcGeVector3d d = b - a, n = d.perpVector().normal();
  ZcGePoint3dArray pts;
  for (int k = 0; k < fit; ++k) {
    double s = double(k) / (fit - 1);
    pts.append(a + d * s + n * (4 * std::sin(M_PI * s) + std::sin(3 * M_PI * s)));
  }
  auto* sp = new ZcDbSpline();
  sp->setFitData(pts, 3, 0.0, ZcGeVector3d(), ZcGeVector3d());
  return sp;
}

// The piece: curve i runs from corner i to corner i + 1. Curves 10 and 11 are splines, so
// corner 11 is where two splines meet.
std::vector<ZcDbObjectId> BuildPiece(ZcDbDatabase* db) {
  std::vector<ZcDbObjectId> ids;
  for (int i = 0; i < kCurves; ++i) {
    ZcGePoint3d a = Corner(i), b = Corner(i + 1);
    ZcDbEntity* e = nullptr;
    if (i == 5) {
      auto* pl = new ZcDbPolyline();
      pl->addVertexAt(0, ZcGePoint2d(a.x, a.y), 0.1);
      ZcGePoint3d m = a + (b - a) * 0.5;
      pl->addVertexAt(1, ZcGePoint2d(m.x, m.y), -0.1);
      pl->addVertexAt(2, ZcGePoint2d(b.x, b.y));
      e = pl;
    } else if (i % 4 == 2 || i == 10 || i == 11) {
      e = Spline(a, b, 12);
    } else if (i % 4 == 1) {
      ZcGeCircArc3d ga;
      ga.set(a, a + (b - a) * 0.5 + (b - a).perpVector().normal() * 3, b);
      e = ZcDbCurve::createFromGeCurve(ga);
    } else {
      e = new ZcDbLine(a, b);
    }
    ids.push_back(Append(db, e));
  }
  return ids;
}

void BM_StretchAllAroundOneCorner(benchmark::State& state) {
  ZcDbDatabase* db = headless::NewDrawing();
  std::vector<ZcDbObjectId> piece = BuildPiece(db);
  StretchByDataBase stretch;
  for (ZcDbObjectId id : piece) stretch.ids.append(id);
  ZcGePoint3d from = Corner(0), to = from + ZcGeVector3d(1.0, 0.5, 0);
  for (auto _ : state) {
    stretch.Apply(from, to);
    stretch.Apply(to, from);
  }
  state.counters["per stretch (us)"] =
      benchmark::Counter(2 * state.iterations(), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void GradePointMove(benchmark::State& state, bool distribute) {
  ZcDbDatabase* db = headless::NewDrawing();
  BuildPiece(db);
  ZcGePoint3d from = Corner(11), to = from + ZcGeVector3d(1.5, -1.0, 0);
  ZcGeVector3d half(1, 1, 0);
  for (auto _ : state) {
    for (auto [a, b] : {std::pair{from, to}, {to, from}}) {
      StretchByDataBase stretch;
      stretch.SetArcCalculator(new FastrelleArcCalculator());
      if (distribute) stretch.SetSplineStretcher(new Fastrelle_SplineStretchDistributor());
      stretch.ids = SelectCrossing(a - half, a + half);
      stretch.Apply(a, b);
    }
  }
  state.counters["per move (us)"] =
      benchmark::Counter(2 * state.iterations(), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_GradePointMoveDistributed(benchmark::State& state) { GradePointMove(state, true); }
void BM_GradePointMoveEndPointsOnly(benchmark::State& state) { GradePointMove(state, false); }

// The crossing selection alone: the part of a grade-point move that is not stretching.
void BM_CrossingSelectionAtASplineCorner(benchmark::State& state) {
  ZcDbDatabase* db = headless::NewDrawing();
  BuildPiece(db);
  ZcGePoint3d at = Corner(11);
  ZcGeVector3d half(1, 1, 0);
  for (auto _ : state) benchmark::DoNotOptimize(SelectCrossing(at - half, at + half));
}

void BM_DistributorOnOneSpline(benchmark::State& state) {
  ZcDbDatabase* db = headless::NewDrawing();
  ZcGePoint3d a(0, 0, 0), b(200, 40, 0);
  ZcDbObjectId id = Append(db, Spline(a, b, static_cast<int>(state.range(0))));
  Fastrelle_SplineStretchDistributor distributor;
  ZcGePoint3d to = b + ZcGeVector3d(2, 3, 0);
  for (auto _ : state) {
    distributor.from = b;
    distributor.to = to;
    distributor.stretch(id);
    distributor.from = to;
    distributor.to = b;
    distributor.stretch(id);
  }
  state.counters["per stretch (us)"] =
      benchmark::Counter(2 * state.iterations(), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK(BM_StretchAllAroundOneCorner)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GradePointMoveDistributed)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GradePointMoveEndPointsOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CrossingSelectionAtASplineCorner)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DistributorOnOneSpline)->Arg(8)->Arg(16)->Arg(32)->Unit(benchmark::kMicrosecond);
