// Part descriptions on the parts benchmarks' drawing (20 sizes and size "0", 30 parts)
// whose parts 1 to 29 hold a description each (one reference per size, 609 in all).
// Measured: InsertIntoPart of a description into part 30, which walks every reference of
// the block and writes the size only into those still holding the size token. Peer in the
// same run: FindPartAtPoint in part 30 and AddEntity of a line into it (one copy per size).
// Whatever an iteration adds is erased again with the timing paused.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <set>

#include "bench/PartsDrawing.h"
#include "construction/Fastrelle_Part_Description.h"
#include "construction/Fastrelle_Parts.h"
#include "framework/Selections.h"

namespace {

using namespace parts_drawing;

/// The template's attributes with their default texts, as the description dialog gives them.
NameValueList Texts() {
  NameValueList list;
  list.Add(L"CZESC", L"{CZESC}");
  list.Add(L"ROZMIAR", L"{ROZMIAR}");
  list.Add(L"MATERIAL", L"Bawełna");
  list.Add(L"MODEL", L"{PROJEKT}");
  list.Add(L"DATA", L"{DATA}");
  list.Add(L"AUTOR", L"{AUTOR}");
  list.Add(L"ROZMIARY", L"{ROZMIARY}");
  list.Add(L"BAZOWY", L"{ROZMIAR_BAZOWY}");
  return list;
}

CString Template() {
  return CString((std::filesystem::path(FASTRELLE_INSTALL_FOLDER) / "Templates" / "PartDescription.dwg").wstring().c_str());
}

struct DescribedDrawing {
  DescribedDrawing() : db(BuildPartsDrawing(FASTRELLE_INSTALL_FOLDER)) {
    for (int p = 0; p < kPartCount - 1; ++p) Fastrelle_Part_Description(Template(), Texts()).InsertIntoPart(Centre(p));
    headless::ClearTranscript();
  }
  ZcDbDatabase* db;
};

DescribedDrawing& Drawing() {
  static DescribedDrawing drawing;
  return drawing;
}

/// The ids among `now` that `before` lacks.
ZcDbObjectIdArray Added(const ZcDbObjectIdArray& before, const ZcDbObjectIdArray& now) {
  std::set<ZcDbObjectId> had(before.begin(), before.end());
  ZcDbObjectIdArray added;
  for (ZcDbObjectId id : now)
    if (!had.count(id)) added.append(id);
  return added;
}

void EraseIds(const ZcDbObjectIdArray& ids) {
  for (ZcDbObjectId id : ids) {
    ZcDbEntity* e = nullptr;
    if (zcdbOpenObject(e, id, ZcDb::kForWrite) == Zcad::eOk) e->erase(), e->close();
  }
}

ZcDbObjectIdArray ModelSpaceIds(ZcDbDatabase* db) {
  ZcDbBlockTableRecord* space = nullptr;
  zcdbOpenObject(space, db->modelSpaceId(), ZcDb::kForRead);
  ZcDbObjectIdArray ids = space->entityIds();
  space->close();
  return ids;
}

void BM_DescriptionIntoAPartBesideTwentyNine(benchmark::State& state) {
  ZcDbDatabase* db = Drawing().db;
  const ZcDbObjectIdArray before = ModelSpaceIds(db);
  state.counters["references"] = GetBlockReferenceIdsByName(L"PartDescription").length();
  for (auto _ : state) {
    Fastrelle_Part_Description description(Template(), Texts());
    if (description.InsertIntoPart(Centre(kPartCount - 1)) != 0) state.SkipWithError("not inserted");
    state.PauseTiming();
    EraseIds(Added(before, ModelSpaceIds(db)));
    state.ResumeTiming();
  }
}
BENCHMARK(BM_DescriptionIntoAPartBesideTwentyNine)->Unit(benchmark::kMicrosecond);

void BM_PeerFindPartAndAddALine(benchmark::State& state) {
  ZcDbDatabase* db = Drawing().db;
  const ZcGePoint3d centre = Centre(kPartCount - 1);
  const ZcDbObjectIdArray before = ModelSpaceIds(db);
  for (auto _ : state) {
    state.PauseTiming();
    const ZcDbObjectId line = Append(db, new ZcDbLine(centre, centre + ZcGeVector3d(10, 5, 0)));
    state.ResumeTiming();
    Fastrelle_Part part;
    if (!FindPartAtPoint(centre, part)) state.SkipWithError("no part");
    if (Fastrelle_Part_Drawer(part.GetName(), nullptr).AddEntity(line, 2) != 0) state.SkipWithError("not added");
    state.PauseTiming();
    EraseIds(Added(before, ModelSpaceIds(db)));
    state.ResumeTiming();
  }
}
BENCHMARK(BM_PeerFindPartAndAddALine)->Unit(benchmark::kMicrosecond);

}  // namespace
