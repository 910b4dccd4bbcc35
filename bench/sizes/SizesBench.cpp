// The sizes code on a drawing of 20 sizes and size "0", each holding 30 pieces of 12 seam
// curves (lines, arcs, a spline) and 12 grade points: about 15,000 entities. Measured: the
// size list read from the layer table, and a grade-point move at a corner of two lines
// (there and back). Peer in the same run: one walk over model space uniting the entities'
// extents, the least any operation that looks at every entity costs.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>

#include "db/ZcDbArc.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbExtents.h"
#include "db/ZcDbLine.h"
#include "db/ZcDbSpline.h"
#include "ed/zced.h"
#include "headless/Database.h"
#include "headless/Host.h"
#include "sizes/Fastrelle_SizePoint.h"
#include "sizes/Fastrelle_Sizes.h"

namespace {

constexpr int kSizes = 20, kPieces = 30;

/// One piece at (x, y): a 12-gon of 10 lines, an arc and a spline, a grade point per corner.
void Piece(ZcDbDatabase* db, double x, double y, const CString& size, int firstNumber) {
  Fastrelle_Sizes_ZW sizes;
  sizes.LoadFromLayers();
  Fastrelle_Size_ZW bound = sizes.Find(size);
  const CString seam = bound.Seam().GetLayerName();
  ZcDbBlockTableRecord* space = nullptr;
  zcdbOpenObject(space, db->modelSpaceId(), ZcDb::kForWrite);
  auto corner = [&](int i) {
    double t = 2 * M_PI * i / 12;
    return ZcGePoint3d(x + 40 * std::cos(t), y + 40 * std::sin(t), 0);
  };
  for (int i = 0; i < 12; ++i) {
    ZcGePoint3d a = corner(i), b = corner(i + 1);
    ZcDbEntity* e;
    if (i == 10) {
      ZcGePoint3d mid((a.x + b.x) / 2, (a.y + b.y) / 2, 0);
      ZcGePoint3dArray fit;
      fit.append(a);
      fit.append(mid + (mid - ZcGePoint3d(x, y, 0)).normal() * 2);
      fit.append(b);
      auto* s = new ZcDbSpline();
      s->setFitData(fit, 3, 0.0, ZcGeVector3d(), ZcGeVector3d());
      e = s;
    } else if (i == 11) {
      e = new ZcDbArc(ZcGePoint3d(x, y, 0), 40, 2 * M_PI * 11 / 12, 2 * M_PI);
    } else {
      e = new ZcDbLine(a, b);
    }
    e->setLayer(seam);
    space->appendZcDbEntity(e);
    e->close();
  }
  space->close();
  for (int i = 0; i < 12; ++i) {
    Fastrelle_SizePoint point;
    point.Insert(corner(i), size);
    point.SetNumber(firstNumber + i);
  }
}

struct Drawing {
  Drawing() {
    std::filesystem::path install = FASTRELLE_INSTALL_FOLDER;
    zcedSetEnv(L"Fastrelle_Construction_Path", install.wstring().c_str());
    db = headless::NewDrawing();
    for (int s = 0; s <= kSizes; ++s) {
      CString name = s == 0 ? CString(L"0") : CString(std::to_wstring(30 + 2 * s));
      EnsureSizeLayers(Fastrelle_Size(name, 1 + s % 7, s == 5));
      for (int p = 0; p < kPieces; ++p) Piece(db, 100.0 * p, 100.0 * s, name, 12 * p + 1);
    }
    headless::ClearTranscript();
  }
  ZcDbDatabase* db;
};

Drawing& TheDrawing() {
  static Drawing drawing;
  return drawing;
}

void BM_LoadFromLayers(benchmark::State& state) {
  TheDrawing();
  for (auto _ : state) {
    Fastrelle_Sizes_ZW sizes;
    sizes.LoadFromLayers();
    benchmark::DoNotOptimize(sizes.GetCount());
  }
}
BENCHMARK(BM_LoadFromLayers);

// A corner of two lines of the last piece of size 40: the point goes there and back.
void BM_MoveToAtACornerOfTwoLines(benchmark::State& state) {
  TheDrawing();
  const double t = 2 * M_PI * 3 / 12;
  const ZcGePoint3d corner(100.0 * (kPieces - 1) + 40 * std::cos(t), 100.0 * 5 + 40 * std::sin(t), 0);
  Fastrelle_SizePoint point(corner);
  const ZcGePoint3d moved = corner + ZcGeVector3d(1, 1, 0);
  bool out = true;
  for (auto _ : state) {
    point.MoveTo(out ? moved : corner);
    out = !out;
  }
}
BENCHMARK(BM_MoveToAtACornerOfTwoLines)->Unit(benchmark::kMicrosecond);

void BM_PeerWalkUnitingExtents(benchmark::State& state) {
  ZcDbDatabase* db = TheDrawing().db;
  for (auto _ : state) {
    ZcDbBlockTableRecord* ms = nullptr;
    zcdbOpenObject(ms, db->modelSpaceId(), ZcDb::kForRead);
    ZcDbExtents all;
    for (ZcDbObjectId id : ms->entityIds()) {
      ZcDbEntity* e = nullptr;
      if (zcdbOpenObject(e, id, ZcDb::kForRead) != Zcad::eOk) continue;
      ZcDbExtents box;
      if (e->getGeomExtents(box) == Zcad::eOk) all.addExt(box);
      e->close();
    }
    ms->close();
    benchmark::DoNotOptimize(all);
  }
}
BENCHMARK(BM_PeerWalkUnitingExtents)->Unit(benchmark::kMicrosecond);

}  // namespace
