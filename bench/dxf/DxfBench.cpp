// Writing and reading a large drawing as DXF text: 100,000 entities (lines, arcs, polylines,
// texts, block references with an attribute), every tenth in a group and tagged with XData.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "db/ZcDbArc.h"
#include "db/ZcDbBlockReference.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbDictionary.h"
#include "db/ZcDbGroup.h"
#include "db/ZcDbLine.h"
#include "db/ZcDbPolyline.h"
#include "db/ZcDbText.h"

namespace {

resbuf* Text(int code, const wchar_t* s) {
  resbuf* rb = zcutNewRb(code);
  std::size_t n = std::wcslen(s) + 1;
  rb->resval.rstring = static_cast<wchar_t*>(std::malloc(n * sizeof(wchar_t)));
  std::wmemcpy(rb->resval.rstring, s, n);
  return rb;
}

void Build(ZcDbDatabase& db, int count) {
  ZcDbRegAppTable* apps = nullptr;
  db.getRegAppTable(apps, ZcDb::kForWrite);
  auto* app = new ZcDbRegAppTableRecord;
  app->setName(L"Fastrelle");
  apps->add(app);
  app->close();
  apps->close();
  ZcDbBlockTable* blocks = nullptr;
  db.getBlockTable(blocks, ZcDb::kForWrite);
  auto* mark = new ZcDbBlockTableRecord;
  mark->setName(L"Mark");
  ZcDbObjectId markId;
  blocks->add(markId, mark);
  blocks->close();
  auto* def = new ZcDbAttributeDefinition(ZcGePoint3d(), L"0", L"NUM", L"");
  mark->appendZcDbEntity(def);
  def->close();
  mark->close();

  ZcDbDictionary* groups = nullptr;
  db.getGroupDictionary(groups, ZcDb::kForWrite);
  auto* group = new ZcDbGroup(L"All");
  ZcDbObjectId gid;
  groups->setAt(L"Przód|38", group, gid);
  groups->close();

  resbuf* tag = Text(1001, L"Fastrelle");
  tag->rbnext = Text(1000, L"Form");
  ZcDbBlockTableRecord* ms = nullptr;
  zcdbOpenObject(ms, db.modelSpaceId(), ZcDb::kForWrite);
  for (int i = 0; i < count; ++i) {
    double x = i % 1000, y = i / 1000;
    ZcDbEntity* e = nullptr;
    switch (i % 5) {
      case 0: e = new ZcDbLine(ZcGePoint3d(x, y, 0), ZcGePoint3d(x + 1, y + 1, 0)); break;
      case 1: e = new ZcDbArc(ZcGePoint3d(x, y, 0), 0.5, 0, 3); break;
      case 2: {
        auto* pl = new ZcDbPolyline;
        for (int k = 0; k < 4; ++k) pl->addVertexAt(k, ZcGePoint2d(x + k, y + (k & 1)));
        e = pl;
        break;
      }
      case 3: e = new ZcDbText(ZcGePoint3d(x, y, 0), L"Przód 38", ZcDbObjectId(), 2.5, 0); break;
      default: e = new ZcDbBlockReference(ZcGePoint3d(x, y, 0), markId); break;
    }
    ZcDbObjectId id;
    ms->appendZcDbEntity(id, e);
    if (e->isKindOf(ZcDbBlockReference::desc())) {
      auto* ref = static_cast<ZcDbBlockReference*>(e);
      auto* a = new ZcDbAttribute;
      a->setTag(L"NUM");
      a->setTextString(std::to_wstring(i).c_str());
      ref->appendAttribute(a);
      a->close();
    }
    if (i % 10 == 0) {
      e->setXData(tag);
      group->append(id);
    }
    e->close();
  }
  ms->close();
  group->close();
  zcutRelRb(tag);
}

const std::string& Drawing() {
  static const std::string text = [] {
    ZcDbDatabase db;
    Build(db, 100000);
    return db.dxfText();
  }();
  return text;
}

void BM_DxfWrite(benchmark::State& state) {
  ZcDbDatabase db;
  Build(db, 100000);
  for (auto _ : state) {
    std::string text = db.dxfText();
    benchmark::DoNotOptimize(text.data());
    state.counters["MB"] = static_cast<double>(text.size()) / 1e6;
  }
}
BENCHMARK(BM_DxfWrite)->Unit(benchmark::kMillisecond);

void BM_DxfRead(benchmark::State& state) {
  const std::string& text = Drawing();
  for (auto _ : state) {
    ZcDbDatabase db(false, true);
    if (db.readDxfText(text) != Zcad::eOk) state.SkipWithError("the drawing did not read back");
    benchmark::DoNotOptimize(db.numObjects());
  }
  state.counters["MB"] = static_cast<double>(text.size()) / 1e6;
}
BENCHMARK(BM_DxfRead)->Unit(benchmark::kMillisecond);

}  // namespace
