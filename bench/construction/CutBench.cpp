// Cut lines on a graded drawing: 20 sizes and size "0"; one part of 30 seam curves (18 lines,
// 6 arcs, 6 splines of 4 to 12 fit points) with its 30 grade points and 9 parts of 12 lines,
// in every size, size i scaled by 1 + 0.01 i about the part's centre. Measured: AddToAllSizes
// of the 30 seam curves in turn at allowance 10 (600 offsets, about 1,200 joins), the cut
// lines erased again between iterations, alone and as one command makes them (the grade
// points' numbers remembered over all 30), and one corner joined at 45 degrees in every size.
// Peers in the same run: the same offsets and the
// crossings of neighbouring offsets on kernel curves alone, and the 2,400 crossing squares
// around the grade points alone.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <vector>

#include "bench/ModelSpace.h"
#include "construction/Fastrelle_Corner_MultiJoin.h"
#include "construction/Fastrelle_Cut.h"
#include "construction/Fastrelle_Part_Drawer.h"
#include "construction/PartServices.h"
#include "construction/PartSizeGroup.h"
#include "db/ZcDbArc.h"
#include "db/ZcDbLine.h"
#include "db/ZcDbSpline.h"
#include "ed/zced.h"
#include "framework/Selections.h"
#include "framework/UI_Kolekcja.h"
#include "ge/ZcGeCircArc3d.h"
#include "ge/ZcGeLineSeg3d.h"
#include "ge/ZcGeMatrix3d.h"
#include "ge/ZcGeNurbCurve3d.h"
#include "headless/Database.h"
#include "headless/Host.h"
#include "sizes/Fastrelle_SizePoint.h"
#include "sizes/Fastrelle_Sizes.h"
#include "sizes/GradePointNumbers.h"

namespace {

constexpr int kSizeCount = 20, kCurves = 30;
constexpr double kRadius = 150.0, kAllowance = 10.0;

/// Corner k of the big part (its grade point) at a scale.
ZcGePoint3d Corner(int k, double scale = 1.0) {
  const double angle = 2 * M_PI * k / kCurves;
  return ZcGePoint3d(kRadius * scale * std::cos(angle), kRadius * scale * std::sin(angle), 0);
}

/// Fit points of seam spline k, bulging out by 4 between its corners: 4 to 12 of them.
std::vector<ZcGePoint3d> SplineFit(int k, double scale) {
  const int count = 4 + (k / 5) * 8 / 5;
  std::vector<ZcGePoint3d> fit;
  for (int i = 0; i < count; ++i) {
    const double f = static_cast<double>(i) / (count - 1), angle = 2 * M_PI * (k + f) / kCurves;
    const double r = scale * (kRadius + 4.0 * std::sin(M_PI * f));
    fit.emplace_back(r * std::cos(angle), r * std::sin(angle), 0);
  }
  return fit;
}

/// Seam curve k of the big part as a kernel curve at a scale: lines, every fifth an arc of
/// the part's circle and every fifth a spline.
std::unique_ptr<ZcGeCurve3d> KernelCurve(int k, double scale) {
  if (k % 5 == 3) {
    const double a = 2 * M_PI * k / kCurves, b = 2 * M_PI * (k + 1) / kCurves;
    return std::make_unique<ZcGeCircArc3d>(ZcGePoint3d::kOrigin, ZcGeVector3d::kZAxis, ZcGeVector3d::kXAxis,
                                           kRadius * scale, a, b);
  }
  if (k % 5 == 4) return std::make_unique<ZcGeNurbCurve3d>(SplineFit(k, scale));
  return std::make_unique<ZcGeLineSeg3d>(Corner(k, scale), Corner(k + 1, scale));
}

ZcDbEntity* SeamEntity(int k) {
  if (k % 5 == 3) return new ZcDbArc(ZcGePoint3d::kOrigin, kRadius, 2 * M_PI * k / kCurves, 2 * M_PI * (k + 1) / kCurves);
  if (k % 5 == 4) {
    ZcGePoint3dArray fit;
    for (const ZcGePoint3d& p : SplineFit(k, 1.0)) fit.append(p);
    auto* spline = new ZcDbSpline;
    spline->setFitData(fit, 3, 0.0, ZcGeVector3d(), ZcGeVector3d());
    return spline;
  }
  return new ZcDbLine(Corner(k), Corner(k + 1));
}

CString SizeName(int i) { return CString(std::to_wstring(30 + 2 * i)); }

struct CutDrawing {
  CutDrawing() {
    zcedSetEnv(L"Fastrelle_Construction_Path", std::filesystem::path(FASTRELLE_INSTALL_FOLDER).wstring().c_str());
    db = headless::NewDrawing();
    RegisterPartServices();
    for (int s = 1; s <= kSizeCount; ++s) EnsureSizeLayers(Fastrelle_Size(SizeName(s), 1 + s % 7, s == 5));
    ZcDbObjectIdArray front;
    for (int k = 0; k < kCurves; ++k) front.append(Append(db, SeamEntity(k)));
    Fastrelle_Part_Drawer(L"Front", 0).BuildFromCurves(front);
    for (int p = 0; p < 9; ++p) {  // 9 dodecagons of lines beside it
      ZcDbObjectIdArray lines;
      const ZcGePoint3d centre(500.0 + 120.0 * p, 0, 0);
      for (int k = 0; k < 12; ++k) {
        auto at = [&](int j) { return centre + ZcGeVector3d(std::cos(M_PI * j / 6), std::sin(M_PI * j / 6), 0) * 50.0; };
        lines.append(Append(db, new ZcDbLine(at(k), at(k + 1))));
      }
      Fastrelle_Part_Drawer(CString(std::to_wstring(p + 1)), 0).BuildFromCurves(lines);
    }
    for (int s = 1; s <= kSizeCount; ++s) {  // size s graded by a scale about the centre
      ZcDbObjectIdArray ids;
      PartSizeGroup(nullptr, L"Front", SizeName(s)).GetIds(ids);
      UI_Kolekcja group;
      for (ZcDbObjectId id : ids) group.Add(id);
      group.TransformBy(ZcGeMatrix3d::scaling(1.0 + 0.01 * s, ZcGePoint3d::kOrigin));
    }
    for (int k = 0; k < kCurves; ++k) numbers.push_back(Fastrelle_SizePoint(Corner(k)).GetNumber());
    headless::ClearTranscript();
  }
  /// Erases every cut line: the drawing is as before the cuts.
  void EraseCutLines() {
    for (int s = 1; s <= kSizeCount; ++s) {
      ZcDbObjectIdArray seam, cut, tech;
      PartSizeGroup(nullptr, L"Front", SizeName(s)).SplitByLineKind(seam, cut, tech);
      UI_Kolekcja all;
      for (ZcDbObjectId id : cut) all.Add(id);
      all.DeleteAll();
    }
  }
  ZcDbDatabase* db;
  std::vector<int> numbers;
};

CutDrawing& Drawing() {
  static CutDrawing drawing;
  return drawing;
}

void BM_CutLines_AllSizes(benchmark::State& state) {
  CutDrawing& d = Drawing();
  for (auto _ : state) {
    for (int k = 0; k < kCurves; ++k) Fastrelle_Cut(kAllowance, d.numbers[k], d.numbers[(k + 1) % kCurves]).AddToAllSizes();
    state.PauseTiming();
    d.EraseCutLines();
    headless::ClearTranscript();
    state.ResumeTiming();
  }
}

// The same 30 cuts as the command makes them, one pick after another: the grade points'
// numbers are remembered over the whole command, so each run gathers its points without
// reading their attributes again.
void BM_CutLines_AllSizes_OneCommand(benchmark::State& state) {
  CutDrawing& d = Drawing();
  for (auto _ : state) {
    GradePointNumbers numbers;
    for (int k = 0; k < kCurves; ++k) Fastrelle_Cut(kAllowance, d.numbers[k], d.numbers[(k + 1) % kCurves]).AddToAllSizes();
    state.PauseTiming();
    d.EraseCutLines();
    headless::ClearTranscript();
    state.ResumeTiming();
  }
}

// One corner (between two seam lines) joined at 45 degrees in every size by its grade-point
// numbers, on fresh cut lines each time.
void BM_MultiCorner_Angle45(benchmark::State& state) {
  CutDrawing& d = Drawing();
  auto cutAll = [&] {
    for (int k = 0; k < kCurves; ++k) Fastrelle_Cut(kAllowance, d.numbers[k], d.numbers[(k + 1) % kCurves]).AddToAllSizes();
  };
  cutAll();
  int status = 0;
  for (auto _ : state) {
    Fastrelle_Corner_MultiJoin_Angle corner(45.0);
    // The seam line is the second cut line's edge (1-2): the first cut line, the offset of
    // edge 0-1, crosses it beyond the corner. Edge 0-1 itself would run parallel to it.
    corner.m_corner = d.numbers[1];
    corner.m_first = d.numbers[0];
    corner.m_second = d.numbers[2];
    corner.m_seam = d.numbers[2];
    status = corner.RunInAllSizes();
    if (status) state.SkipWithError(("run failed: " + std::to_string(status)).c_str());
    state.PauseTiming();
    d.EraseCutLines();
    cutAll();
    headless::ClearTranscript();
    state.ResumeTiming();
  }
  d.EraseCutLines();
  state.counters["status"] = status;
}

void BM_CutLines_KernelOnly(benchmark::State& state) {
  std::vector<std::vector<std::unique_ptr<ZcGeCurve3d>>> seams(kSizeCount);
  for (int s = 0; s < kSizeCount; ++s)
    for (int k = 0; k < kCurves; ++k) seams[s].push_back(KernelCurve(k, 1.0 + 0.01 * (s + 1)));
  for (auto _ : state) {
    for (auto& size : seams) {
      std::vector<std::unique_ptr<ZcGeCurve3d>> cuts;
      for (auto& seam : size) {
        ZcGeCurve3dArray out;
        seam->getOffsetCurves(kAllowance, out);
        if (!out.empty()) cuts.push_back(std::move(out[0]));
      }
      for (size_t k = 0; k < cuts.size(); ++k) {  // each cut line meets both neighbours
        std::vector<ZcGePoint3d> pts;
        cuts[k]->intersectWith(*cuts[(k + 1) % cuts.size()], ZcGeCurve3d::kExtendBoth, pts);
        cuts[k]->intersectWith(*cuts[(k + cuts.size() - 1) % cuts.size()], ZcGeCurve3d::kExtendBoth, pts);
        benchmark::DoNotOptimize(pts);
      }
    }
  }
}

void BM_CrossingSquares(benchmark::State& state) {
  Drawing();
  std::vector<ZcGePoint3d> places;
  for (int s = 1; s <= kSizeCount; ++s)
    for (int k = 0; k < kCurves; ++k) places.push_back(Corner(k, 1.0 + 0.01 * s));
  for (auto _ : state) {
    for (int pass = 0; pass < 4; ++pass)
      for (const ZcGePoint3d& p : places) benchmark::DoNotOptimize(SelectCrossingAtPoint(p, 25.0));
  }
}

}  // namespace

BENCHMARK(BM_CutLines_AllSizes)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CutLines_AllSizes_OneCommand)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_MultiCorner_Angle45)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CutLines_KernelOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CrossingSquares)->Unit(benchmark::kMillisecond);
