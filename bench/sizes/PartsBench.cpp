// The parts model on a drawing of 20 sizes and size "0" holding 30 parts of 12 seam curves
// (ten lines, an arc, a spline) and 12 grade points each, built by BuildFromCurves: about
// 15,000 entities in 630 groups. Measured: loading the part list, FindPartAtPoint in the
// last part and in none, and AddEntities of one part's master into the 20 sizes. Peers in
// the same run: one walk over model space uniting extents, and the same copies made with
// bare platform calls (clone, append, layer, group).
#include <benchmark/benchmark.h>

#include "bench/PartsDrawing.h"
#include "construction/Fastrelle_Part_Drawer.h"
#include "construction/Fastrelle_Parts.h"
#include "construction/PartSizeGroup.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbDictionary.h"
#include "db/ZcDbGroup.h"

namespace {

using namespace parts_drawing;

struct PartsDrawing {
  PartsDrawing() : db(BuildPartsDrawing(FASTRELLE_INSTALL_FOLDER)) {}
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
