// The parts model on a drawing of 20 sizes and size "0" holding 30 parts of 12 seam curves
// (ten lines, an arc, a spline) and 12 grade points each, built by BuildFromCurves: about
// 15,000 entities in 630 groups. Measured: loading the part list, FindPartAtPoint in the
// last part and in none, and AddEntities of one part's master into the 20 sizes. Peers in
// the same run: one walk over model space uniting extents, and the same copies made with
// bare platform calls (clone, append, layer, group).
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>

#include "bench/ModelSpace.h"
#include "construction/Fastrelle_Part_Drawer.h"
#include "construction/Fastrelle_Parts.h"
#include "construction/PartServices.h"
#include "construction/PartSizeGroup.h"
#include "db/ZcDbArc.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbDictionary.h"
#include "db/ZcDbGroup.h"
#include "db/ZcDbLine.h"
#include "db/ZcDbSpline.h"
#include "ed/zced.h"
#include "headless/Database.h"
#include "headless/Host.h"
#include "sizes/Fastrelle_Sizes.h"

namespace {

constexpr int kSizeCount = 20, kPartCount = 30;
constexpr double kRadius = 40.0, kPitch = 100.0;

/// The outline of part `index` on layer "0": ten sides as lines, one as an arc, one as a
/// spline bulging out.
ZcDbObjectIdArray Outline(ZcDbDatabase* db, int index) {
  const ZcGePoint3d centre(kPitch * index, 0, 0);
  auto at = [&](int k) {
    const double angle = M_PI * k / 6;
    return centre + ZcGeVector3d(std::cos(angle), std::sin(angle), 0) * kRadius;
  };
  ZcDbObjectIdArray ids;
  for (int k = 0; k < 10; ++k) ids.append(Append(db, new ZcDbLine(at(k), at(k + 1))));
  ids.append(Append(db, new ZcDbArc(centre, kRadius, M_PI * 10 / 6, M_PI * 11 / 6)));
  ZcGePoint3dArray fit;
  fit.append(at(11));
  fit.append(centre + ZcGeVector3d(std::cos(M_PI * 23 / 12), std::sin(M_PI * 23 / 12), 0) * (kRadius + 3));
  fit.append(at(12));
  auto* spline = new ZcDbSpline();
  spline->setFitData(fit, 3, 0.0, ZcGeVector3d(), ZcGeVector3d());
  ids.append(Append(db, spline));
  return ids;
}

struct PartsDrawing {
  PartsDrawing() {
    zcedSetEnv(L"Fastrelle_Construction_Path", std::filesystem::path(FASTRELLE_INSTALL_FOLDER).wstring().c_str());
    db = headless::NewDrawing();
    RegisterPartServices();
    for (int s = 1; s <= kSizeCount; ++s)
      EnsureSizeLayers(Fastrelle_Size(CString(std::to_wstring(30 + 2 * s)), 1 + s % 7, s == 5));
    for (int p = 0; p < kPartCount; ++p) {
      CString name(std::to_wstring(p + 1));
      Fastrelle_Part_Drawer(name, 0).BuildFromCurves(Outline(db, p));
    }
    headless::ClearTranscript();
  }
  ZcDbDatabase* db;
};

PartsDrawing& Drawing() {
  static PartsDrawing drawing;
  return drawing;
}

void EraseIds(const ZcDbObjectIdArray& ids) {
  for (ZcDbObjectId id : ids) {
    ZcDbEntity* e = nullptr;
    if (zcdbOpenObject(e, id, ZcDb::kForWrite) == Zcad::eOk) e->erase(), e->close();
  }
}

void BM_PartsLoad(benchmark::State& state) {
  Drawing();
  for (auto _ : state) {
    Fastrelle_Parts parts;
    parts.Load(nullptr);
    benchmark::DoNotOptimize(parts.Parts().size());
  }
}
BENCHMARK(BM_PartsLoad)->Unit(benchmark::kMicrosecond);

void BM_FindPartAtPointInTheLastPart(benchmark::State& state) {
  Drawing();
  const ZcGePoint3d inside(kPitch * (kPartCount - 1), 0, 0);
  for (auto _ : state) {
    Fastrelle_Part part;
    benchmark::DoNotOptimize(FindPartAtPoint(inside, part));
  }
}
BENCHMARK(BM_FindPartAtPointInTheLastPart)->Unit(benchmark::kMicrosecond);

void BM_FindPartAtPointInNone(benchmark::State& state) {
  Drawing();
  for (auto _ : state) {
    Fastrelle_Part part;
    benchmark::DoNotOptimize(FindPartAtPoint(ZcGePoint3d(0, 500, 0), part));
  }
}
BENCHMARK(BM_FindPartAtPointInNone)->Unit(benchmark::kMicrosecond);

void BM_PeerWalkOfModelSpace(benchmark::State& state) {
  ZcDbDatabase* db = Drawing().db;
  for (auto _ : state) {
    ZcDbBlockTableRecord* space = nullptr;
    zcdbOpenObject(space, db->modelSpaceId(), ZcDb::kForRead);
    ZcDbExtents all;
    for (ZcDbObjectId id : space->entityIds()) {
      ZcDbEntity* e = nullptr;
      if (zcdbOpenObject(e, id, ZcDb::kForRead) != Zcad::eOk) continue;
      ZcDbExtents box;
      if (e->getGeomExtents(box) == Zcad::eOk) all.addExt(box);
      e->close();
    }
    space->close();
    benchmark::DoNotOptimize(all);
  }
}
BENCHMARK(BM_PeerWalkOfModelSpace)->Unit(benchmark::kMicrosecond);

void BM_AddEntitiesOfAMasterIntoTwentySizes(benchmark::State& state) {
  Drawing();
  ZcDbObjectIdArray master;
  PartSizeGroup(nullptr, L"1", L"0").GetIds(master);
  for (auto _ : state) {
    Fastrelle_Part_Drawer part(L"1", nullptr);
    part.AddEntities(master, 0);
    state.PauseTiming();
    for (int s = 1; s <= kSizeCount; ++s) PartSizeGroup(nullptr, L"1", CString(std::to_wstring(30 + 2 * s))).Erase();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_AddEntitiesOfAMasterIntoTwentySizes)->Unit(benchmark::kMicrosecond);

void BM_PeerBareCopiesIntoTwentySizes(benchmark::State& state) {
  ZcDbDatabase* db = Drawing().db;
  ZcDbObjectIdArray master;
  PartSizeGroup(nullptr, L"1", L"0").GetIds(master);
  ZcDbDictionary* groups = nullptr;
  db->getGroupDictionary(groups, ZcDb::kForWrite);
  auto* group = new ZcDbGroup(L"peer", true);
  ZcDbObjectId groupId;
  groups->setAt(L"peer", group, groupId);
  group->close();
  groups->close();
  for (auto _ : state) {
    ZcDbObjectIdArray copies;
    for (int s = 1; s <= kSizeCount; ++s) {
      const std::wstring layer = std::to_wstring(30 + 2 * s);
      for (ZcDbObjectId id : master) {
        ZcDbEntity* source = nullptr;
        zcdbOpenObject(source, id, ZcDb::kForRead);
        auto* copy = static_cast<ZcDbEntity*>(source->clone());
        const bool point = std::wstring(source->layer()).back() == L'~';
        source->close();
        copy->setLayer(point ? (layer + L"~").c_str() : layer.c_str());
        copies.append(Append(db, copy));
      }
    }
    zcdbOpenObject(group, groupId, ZcDb::kForWrite);
    group->append(copies);
    group->clear();
    group->close();
    state.PauseTiming();
    EraseIds(copies);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_PeerBareCopiesIntoTwentySizes)->Unit(benchmark::kMicrosecond);

}  // namespace
