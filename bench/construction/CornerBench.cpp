// One MultiCorner run (the 45-degree mode) on a drawing of 20 sizes and size "0": one part of
// 30 seam curves (18 lines, 6 arcs, 6 splines of 4 to 12 fit points) with its 30 grade
// points and 9 parts of 12 lines, all in every size, size i scaled by 1 + 0.01 i about its
// part's centre; the corner's cut lines in each size as the cut-line command leaves them
// (mitred), laid anew before each run. Measured: the run over the 20 sizes, and its parts
// alone (finding the corner's lines in every size; the 80 crossing squares those searches
// make). Peer in the same run: the same 20 joins on kernel lines alone (no database, no
// selection).
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <vector>

#include "bench/ModelSpace.h"
#include "construction/Fastrelle_Corner_Join_Angle.h"
#include "construction/Fastrelle_Corner_MultiJoin.h"
#include "construction/Fastrelle_Part_Drawer.h"
#include "construction/PartServices.h"
#include "construction/PartSizeGroup.h"
#include "db/ZcDbArc.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbLine.h"
#include "db/ZcDbSpline.h"
#include "ed/zced.h"
#include "ge/ZcGeLineSeg3d.h"
#include "headless/Database.h"
#include "headless/Host.h"
#include "sizes/Fastrelle_SizePoint.h"
#include "sizes/Fastrelle_Sizes.h"

namespace {

constexpr int kSizeCount = 20, kSides = 30, kSmallParts = 9;
constexpr double kRadius = 200.0, kAllowance = 10.0;
/// The corner joined: the vertex between sides 4 and 5, both lines.
constexpr int kCornerVertex = 5;

CString SizeName(int s) { return CString(std::to_wstring(30 + 2 * s)); }

ZcGePoint3d Vertex(int k) {
  const double angle = 2 * M_PI * k / kSides;
  return ZcGePoint3d(kRadius * std::cos(angle), kRadius * std::sin(angle), 0);
}

/// The big part: side k is an arc on the part's circle when k % 5 == 1, a spline bulging
/// out when k % 5 == 3 (4, 5, 7, 8, 10 and 12 fit points), a line otherwise.
ZcDbObjectIdArray BigOutline(ZcDbDatabase* db) {
  ZcDbObjectIdArray ids;
  for (int k = 0; k < kSides; ++k) {
    const ZcGePoint3d a = Vertex(k), b = Vertex(k + 1);
    if (k % 5 == 1) {
      ids.append(Append(db, new ZcDbArc(ZcGePoint3d(), kRadius, 2 * M_PI * k / kSides, 2 * M_PI * (k + 1) / kSides)));
    } else if (k % 5 == 3) {
      const int n = 4 + (k / 5) * 8 / 5;
      ZcGePoint3dArray fit;
      for (int i = 0; i < n; ++i) {
        const double t = double(i) / (n - 1);
        const ZcGeVector3d out = (a + (b - a) * 0.5 - ZcGePoint3d()).normal();
        fit.append(a + (b - a) * t + out * (6.0 * std::sin(M_PI * t)));
      }
      auto* spline = new ZcDbSpline();
      spline->setFitData(fit, 3, 0.0, ZcGeVector3d(), ZcGeVector3d());
      ids.append(Append(db, spline));
    } else {
      ids.append(Append(db, new ZcDbLine(a, b)));
    }
  }
  return ids;
}

ZcDbObjectIdArray SmallOutline(ZcDbDatabase* db, const ZcGePoint3d& centre) {
  ZcDbObjectIdArray ids;
  for (int k = 0; k < 12; ++k) {
    auto at = [&](int j) { return centre + ZcGeVector3d(std::cos(M_PI * j / 6), std::sin(M_PI * j / 6), 0) * 40.0; };
    ids.append(Append(db, new ZcDbLine(at(k), at(k + 1))));
  }
  return ids;
}

/// Scales every member of each size's group about the part's centre.
void Grade(const CString& part, const ZcGePoint3d& centre) {
  for (int s = 1; s <= kSizeCount; ++s) {
    ZcDbObjectIdArray ids;
    PartSizeGroup(nullptr, part, SizeName(s)).GetIds(ids);
    const ZcGeMatrix3d m = ZcGeMatrix3d::scaling(1.0 + 0.01 * s, centre);
    for (ZcDbObjectId id : ids) {
      ZcDbEntity* e = nullptr;
      if (zcdbOpenObject(e, id, ZcDb::kForWrite) == Zcad::eOk) e->transformBy(m), e->close();
    }
  }
}

/// The line a-b moved outward (to its right on the counter-clockwise outline).
ZcGeLineSeg3d OffsetOutward(const ZcGePoint3d& a, const ZcGePoint3d& b) {
  const ZcGeVector3d dir = (b - a).normal(), right(dir.y, -dir.x, 0);
  return ZcGeLineSeg3d(a + right * kAllowance, b + right * kAllowance);
}

struct CornerDrawing {
  CornerDrawing() {
    zcedSetEnv(L"Fastrelle_Construction_Path", std::filesystem::path(FASTRELLE_INSTALL_FOLDER).wstring().c_str());
    db = headless::NewDrawing();
    RegisterPartServices();
    for (int s = 1; s <= kSizeCount; ++s) EnsureSizeLayers(Fastrelle_Size(SizeName(s), 1 + s % 7, s == 5));
    Fastrelle_Part_Drawer(L"Big", 0).BuildFromCurves(BigOutline(db));
    Grade(L"Big", ZcGePoint3d());
    for (int p = 0; p < kSmallParts; ++p) {
      const ZcGePoint3d centre(600 + 120 * p, 0, 0);
      CString name(std::to_wstring(p + 1));
      Fastrelle_Part_Drawer(name, 0).BuildFromCurves(SmallOutline(db, centre));
      Grade(name, centre);
    }
    corner = Fastrelle_SizePoint(Vertex(kCornerVertex)).GetNumber();
    before = Fastrelle_SizePoint(Vertex(kCornerVertex - 1)).GetNumber();
    after = Fastrelle_SizePoint(Vertex(kCornerVertex + 1)).GetNumber();
    LayCutLines();
    headless::ClearTranscript();
  }

  /// The corner's two sides in size s (grade points' positions).
  void Sides(int s, ZcGePoint3d& a, ZcGePoint3d& k, ZcGePoint3d& b) const {
    a = Fastrelle_SizePoint(before, SizeName(s)).GetPosition();
    k = Fastrelle_SizePoint(corner, SizeName(s)).GetPosition();
    b = Fastrelle_SizePoint(after, SizeName(s)).GetPosition();
  }

  /// Erases the corner's cut lines and closing lines, then lays mitred cut lines again.
  void LayCutLines() {
    for (ZcDbObjectId id : laid) {
      ZcDbEntity* e = nullptr;
      if (zcdbOpenObject(e, id, ZcDb::kForWrite) == Zcad::eOk) e->erase(), e->close();
    }
    laid.removeAll();
    for (int s = 1; s <= kSizeCount; ++s) {
      ZcGePoint3d a, k, b;
      Sides(s, a, k, b);
      const ZcGeLineSeg3d first = OffsetOutward(a, k), second = OffsetOutward(k, b);
      std::vector<ZcGePoint3d> mitre;
      first.intersectWith(second, ZcGeCurve3d::kExtendBoth, mitre);
      ZcDbObjectIdArray ids;
      ids.append(Append(db, new ZcDbLine(first.evalPoint(0), mitre[0])));
      ids.append(Append(db, new ZcDbLine(mitre[0], second.evalPoint(second.endParam()))));
      PartSizeGroup(nullptr, L"Big", SizeName(s)).PutOnCutLayer(ids);
      laid.append(ids);
    }
  }

  /// Every entity of the corner's cut layers now (the laid lines may have been replaced).
  void CollectCornerCutLines() {
    laid.removeAll();
    for (int s = 1; s <= kSizeCount; ++s) {
      ZcDbObjectIdArray seam, cut, tech;
      PartSizeGroup(nullptr, L"Big", SizeName(s)).SplitByLineKind(seam, cut, tech);
      laid.append(cut);
    }
  }

  ZcDbDatabase* db;
  int corner = 0, before = 0, after = 0;
  ZcDbObjectIdArray laid;
};

CornerDrawing& Drawing() {
  static CornerDrawing drawing;
  return drawing;
}

/// The corner's numbers: K, the first cut line towards the vertex before, the second and
/// the seam line towards the vertex after.
void Configure(Fastrelle_Corner_MultiJoin& multi, const CornerDrawing& d) {
  multi.m_corner = d.corner;
  multi.m_first = d.before;
  multi.m_second = d.after;
  multi.m_seam = d.after;
}

void BM_MultiCorner45InTwentySizes(benchmark::State& state) {
  CornerDrawing& d = Drawing();
  for (auto _ : state) {
    Fastrelle_Corner_MultiJoin_Angle multi(45.0);
    Configure(multi, d);
    if (int status = multi.RunInAllSizes()) state.SkipWithError(("run failed: " + std::to_string(status)).c_str());
    state.PauseTiming();
    d.CollectCornerCutLines();
    d.LayCutLines();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_MultiCorner45InTwentySizes)->Unit(benchmark::kMillisecond);

void BM_FindingTheCornersLinesInTwentySizes(benchmark::State& state) {
  CornerDrawing& d = Drawing();
  for (auto _ : state) {
    Fastrelle_Corner_MultiJoin_Angle multi(45.0);
    Configure(multi, d);
    for (int s = 1; s <= kSizeCount; ++s) benchmark::DoNotOptimize(multi.PrepareInSize(SizeName(s)));
  }
}
BENCHMARK(BM_FindingTheCornersLinesInTwentySizes)->Unit(benchmark::kMillisecond);

void BM_TheEightyCrossingSquaresAlone(benchmark::State& state) {
  CornerDrawing& d = Drawing();
  std::vector<Fastrelle_SizePoint> points;
  for (int s = 1; s <= kSizeCount; ++s)
    for (int number : {d.corner, d.before, d.corner, d.after}) points.emplace_back(number, SizeName(s));
  for (auto _ : state) {
    for (const Fastrelle_SizePoint& point : points) {
      ZcDbObjectIdArray ids;
      point.SelectCutLinesAround(ids);
      benchmark::DoNotOptimize(ids.length());
    }
  }
}
BENCHMARK(BM_TheEightyCrossingSquaresAlone)->Unit(benchmark::kMillisecond);

void BM_PeerKernelJoinsInTwentySizes(benchmark::State& state) {
  CornerDrawing& d = Drawing();
  struct Corner {
    ZcGeLineSeg3d seam, first, second;
  };
  std::vector<Corner> corners;
  for (int s = 1; s <= kSizeCount; ++s) {
    ZcGePoint3d a, k, b;
    d.Sides(s, a, k, b);
    corners.push_back({ZcGeLineSeg3d(k, b), OffsetOutward(a, k), OffsetOutward(k, b)});
  }
  for (auto _ : state) {
    for (const Corner& c : corners) {
      // P on the seam line, Q the foot on the second cut line, the 45-degree line from P.
      std::vector<ZcGePoint3d> p, end;
      c.first.intersectWith(c.seam, ZcGeCurve3d::kExtendBoth, p);
      const ZcGePoint3d q = c.second.evalPoint(c.second.closestParam(p[0], true));
      const double t = std::atan2(q.y - p[0].y, q.x - p[0].x) - M_PI / 2 - M_PI / 4;
      ZcGeLineSeg3d ray(p[0], p[0] + ZcGeVector3d(3 * std::cos(t), 3 * std::sin(t), 0));
      ray.intersectWith(c.second, ZcGeCurve3d::kExtendThis, end);
      if (end.empty()) {
        ray.set(p[0], p[0] + ZcGeVector3d(-3 * std::sin(t), 3 * std::cos(t), 0));
        ray.intersectWith(c.second, ZcGeCurve3d::kExtendThis, end);
      }
      ZcGeLineSeg3d trimmedFirst(c.first.evalPoint(0), p[0]), trimmedSecond(end.empty() ? q : end[0], c.second.evalPoint(c.second.endParam()));
      ZcGeLineSeg3d closing(p[0], end.empty() ? q : end[0]);
      benchmark::DoNotOptimize(trimmedFirst);
      benchmark::DoNotOptimize(trimmedSecond);
      benchmark::DoNotOptimize(closing);
    }
  }
}
BENCHMARK(BM_PeerKernelJoinsInTwentySizes)->Unit(benchmark::kMicrosecond);

}  // namespace
