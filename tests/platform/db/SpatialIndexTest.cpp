// The spatial index of entity extents, seen through what uses it: crossing and window
// selections, picks, "X" selections of types and boundary tracing on random drawings
// (seeded) give exactly what a scan of every entity gives, and what they give with the
// caches and indexes off, while entities are added, moved, erased and unerased, held open
// for write, and block definitions under references change.
#include <random>



#include "DrawingFixture.h"
#include "db/ZcDbBlockReference.h"
#include "db/ZcDbSpline.h"
#include "ed/SelectionSets.h"
#include "ed/zced.h"
#include "editor/Entities.h"
#include "ge/ZcGeBoundaryTracer.h"
#include "headless/Database.h"

namespace {

class SpatialIndex : public DrawingTest {
protected:
  std::mt19937 rng_;
  ZcDbObjectId block_;
  std::vector<ZcDbObjectId> ids_;

  double Uniform(double a, double b) { return std::uniform_real_distribution<double>(a, b)(rng_); }
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

  // A block "Znak" of two crossing lines, its origin away from its contents.
  void MakeBlock() {
    ZcDbBlockTable* table = nullptr;
    db_->getBlockTable(table, ZcDb::kForWrite);
    auto* record = new ZcDbBlockTableRecord();
    record->setName(L"Znak");
    record->setOrigin({1, 1, 0});
    table->add(block_, record);
    for (auto* line : {new ZcDbLine({0, 0, 0}, {4, 4, 0}), new ZcDbLine({0, 4, 0}, {4, 0, 0})}) {
      record->appendZcDbEntity(line);
      line->close();
    }
    record->close();
    table->close();
  }

  ZcDbEntity* RandomEntity() {
    double x = Uniform(0, 200), y = Uniform(0, 200), s = Uniform(1, 20), a = Uniform(0, 6.28);
    switch (Below(7)) {
      case 0: return new ZcDbLine({x, y, 0}, {x + s * std::cos(a), y + s * std::sin(a), 0});
      case 1: return new ZcDbArc({x, y, 0}, s, a, a + Uniform(0.2, 5));
      case 2: return new ZcDbCircle({x, y, 0}, ZcGeVector3d::kZAxis, s / 2);
      case 3: {
        auto* pl = new ZcDbPolyline();
        for (unsigned k = 0; k < 4; ++k) pl->addVertexAt(k, {x + Uniform(0, s), y + Uniform(0, s)}, Uniform(-1, 1));
        pl->setClosed(Below(2) == 0);
        return pl;
      }
      case 4: {
        auto* sp = new ZcDbSpline();
        ZcGePoint3dArray fit;
        for (int k = 0; k < 5; ++k) fit.append(ZcGePoint3d(x + k * s / 4, y + Uniform(0, s), 0));
        sp->setFitData(fit, 3, 0.0, ZcGeVector3d(), ZcGeVector3d());
        return sp;
      }
      case 5: {
        auto* text = new ZcDbMText();
        text->setLocation({x, y, 0});
        text->setContents(L"Przód");
        return text;
      }
      default: return new ZcDbBlockReference({x, y, 0}, block_);
    }
  }

  void Change() {
    ZcDbEntity* e = nullptr;
    switch (Below(5)) {
      case 0: ids_.push_back(Add(RandomEntity(), Below(6) == 0 ? L"Ukryta" : L"0")); break;
      case 1:  // move
        if (zcdbOpenZcDbEntity(e, ids_[Below(ids_.size())], ZcDb::kForWrite) == Zcad::eOk) {
          e->transformBy(ZcGeMatrix3d::translation({Uniform(-30, 30), Uniform(-30, 30), 0}));
          e->close();
        }
        break;
      case 2:  // erase or unerase
        if (zcdbOpenZcDbEntity(e, ids_[Below(ids_.size())], ZcDb::kForWrite, true) == Zcad::eOk) {
          e->erase(!e->isErased());
          e->close();
        }
        break;
      case 3: {  // the block's first line moves: every reference's box changes
        ZcDbBlockTableRecord* record = nullptr;
        zcdbOpenObject(record, block_, ZcDb::kForRead);
        ZcDbObjectId first = record->entityIds()[0];
        record->close();
        if (zcdbOpenZcDbEntity(e, first, ZcDb::kForWrite) == Zcad::eOk) {
          e->transformBy(ZcGeMatrix3d::translation({Uniform(-5, 5), Uniform(-5, 5), 0}));
          e->close();
        }
        break;
      }
      default: {  // entities copied in from another drawing
        ZcDbDatabase side;
        ZcDbBlockTableRecord* space = nullptr;
        zcdbOpenObject(space, side.modelSpaceId(), ZcDb::kForWrite);
        ZcDbObjectIdArray copied;
        for (int k = 0; k < 2; ++k) {
          ZcDbObjectId id;
          auto* line = new ZcDbLine({Uniform(0, 200), Uniform(0, 200), 0}, {Uniform(0, 200), Uniform(0, 200), 0});
          space->appendZcDbEntity(id, line);
          line->close();
          copied.append(id);
        }
        space->close();
        ZcDbIdMapping mapping;
        side.wblockCloneObjects(copied, db_->modelSpaceId(), mapping);
        for (const auto& pair : mapping.pairs())
          if (pair.isCloned && pair.value.objectClass() == ZcDbLine::desc()) ids_.push_back(pair.value);
        break;
      }
    }
  }

  // The selection zcedSSGet makes, in its order (none when it makes none).
  static std::vector<ZcDbObjectId> Selected(const wchar_t* mode, const ZcGePoint3d& a, const ZcGePoint3d& b,
                                            const resbuf* filter = nullptr) {
    std::vector<ZcDbObjectId> ids;
    ads_point p = {a.x, a.y, 0}, q = {b.x, b.y, 0};
    ads_name ss;
    if (zcedSSGet(mode, p, q, filter, ss) != RTNORM) return ids;
    std::int32_t n = 0;
    zcedSSLength(ss, &n);
    for (std::int32_t i = 0; i < n; ++i) {
      ads_name name;
      zcedSSName(ss, i, name);
      ZcDbObjectId id;
      zcdbGetObjectId(id, name);
      ids.push_back(id);
    }
    zcedSSFree(ss);
    return ids;
  }

  // The same by looking at every entity of model space.
  static std::vector<ZcDbObjectId> Scanned(bool crossing, const ZcGePoint3d& a, const ZcGePoint3d& b) {
    std::vector<ZcDbObjectId> ids;
    editor::Box box(a, b);
    for (ZcDbObjectId id : editor::TopLevelEntities()) {
      ZcDbEntity* e = nullptr;
      if (zcdbOpenZcDbEntity(e, id, ZcDb::kForRead) != Zcad::eOk) continue;
      if (editor::IsVisible(e) && (crossing ? editor::EntityCrossesWindow(e, box) : editor::EntityInWindow(e, box)))
        ids.push_back(id);
      e->close();
    }
    return ids;
  }

  // The entity a pick at `p` finds by looking at every entity (the nearest, the last on a tie).
  static ZcDbObjectId ScannedPick(const ZcGePoint3d& p) {
    double h = editor::PickBoxHalfSize(), best = 1e300;
    editor::Box box({p.x - h, p.y - h, 0}, {p.x + h, p.y + h, 0});
    ZcDbObjectId found;
    for (ZcDbObjectId id : editor::TopLevelEntities()) {
      ZcDbEntity* e = nullptr;
      if (zcdbOpenZcDbEntity(e, id, ZcDb::kForRead) != Zcad::eOk) continue;
      if (editor::IsVisible(e) && editor::EntityCrossesWindow(e, box)) {
        double d = editor::DistanceTo(e, p);
        if (d <= best + 1e-9) best = std::min(best, d), found = id;
      }
      e->close();
    }
    return found;
  }

  // "X" with a type filter (wildcards, alternatives, a negated type): the entities of
  // those types in drawing order.
  static std::vector<ZcDbObjectId> OfType(const wchar_t* type) {
    Filter f;
    f.Text(0, type);
    return Selected(L"X", ZcGePoint3d::kOrigin, ZcGePoint3d::kOrigin, f.Head());
  }
  static std::vector<ZcDbObjectId> ScannedOfType(const wchar_t* type) {
    std::vector<ZcDbObjectId> ids;
    for (ZcDbObjectId id : editor::TopLevelEntities(true)) {
      ZcDbEntity* e = nullptr;
      if (zcdbOpenZcDbEntity(e, id, ZcDb::kForRead) != Zcad::eOk) continue;
      std::string name = e->dxfName();
      if (editor::WildcardMatch(type, std::wstring(name.begin(), name.end()))) ids.push_back(id);
      e->close();
    }
    return ids;
  }

  void ExpectSameAsScan(int round) {
    for (int w = 0; w < 4; ++w) {
      ZcGePoint3d a(Uniform(-20, 220), Uniform(-20, 220), 0);
      ZcGePoint3d b = a + ZcGeVector3d(Uniform(-40, 40), Uniform(-40, 40), 0);
      std::vector<ZcDbObjectId> crossing = Selected(L"C", a, b), window = Selected(L"W", a, b);
      ZcDbObjectId picked = editor::EntityAt(a);
      ASSERT_EQ(Scanned(true, a, b), crossing) << "crossing, round " << round;
      ASSERT_EQ(Scanned(false, a, b), window) << "window, round " << round;
      ASSERT_EQ(ScannedPick(a), picked) << "pick, round " << round;
      headless::SetCaching(false);
      EXPECT_EQ(crossing, Selected(L"C", a, b)) << "crossing without caches, round " << round;
      EXPECT_EQ(window, Selected(L"W", a, b)) << "window without caches, round " << round;
      EXPECT_EQ(picked, editor::EntityAt(a)) << "pick without caches, round " << round;
      headless::SetCaching(true);
    }
    for (const wchar_t* type : {L"INSERT", L"*POLYLINE,SPLINE", L"~LINE", L"circle"}) {
      std::vector<ZcDbObjectId> found = OfType(type);
      ASSERT_EQ(ScannedOfType(type), found) << type << ", round " << round;
      headless::SetCaching(false);
      EXPECT_EQ(found, OfType(type)) << type << " without caches, round " << round;
      headless::SetCaching(true);
    }
  }
};

TEST_F(SpatialIndex, SelectionsAndPicksEqualAScanOfEveryEntityOnRandomDrawingsAsTheyChange) {
  for (unsigned seed : {1u, 2u, 3u}) {
    db_ = headless::NewDrawing();
    rng_.seed(seed);
    ids_.clear();
    MakeLayer(L"Ukryta");
    SetLayerOff(L"Ukryta");
    MakeBlock();
    for (int i = 0; i < 80; ++i) ids_.push_back(Add(RandomEntity(), Below(6) == 0 ? L"Ukryta" : L"0"));
    for (int round = 0; round < 15; ++round) {
      for (int c = 0; c < 4; ++c) Change();
      ExpectSameAsScan(round);
    }
    // An entity moved while questions are asked during its open-for-write is found where
    // it went once closed, and no longer where it was.
    ZcDbEntity* held = nullptr;
    ZcDbObjectId id = AddLine({500, 500, 0}, {510, 500, 0});
    EXPECT_EQ(std::vector<ZcDbObjectId>{id}, Selected(L"C", {504, 499, 0}, {506, 501, 0}));
    ASSERT_EQ(Zcad::eOk, zcdbOpenZcDbEntity(held, id, ZcDb::kForWrite));
    held->transformBy(ZcGeMatrix3d::translation({0, 100, 0}));
    EXPECT_TRUE(Selected(L"C", {504, 599, 0}, {506, 601, 0}).empty());  // open for write: not readable
    held->close();
    EXPECT_TRUE(Selected(L"C", {504, 499, 0}, {506, 501, 0}).empty());
    EXPECT_EQ(std::vector<ZcDbObjectId>{id}, Selected(L"C", {504, 599, 0}, {506, 601, 0}));
  }
}

// Boundaries traced from curves gathered near the seed equal those traced from every curve.
TEST_F(SpatialIndex, TracedBoundariesEqualThoseOfEveryCurve) {
  rng_.seed(5);
  for (int i = 0; i < 8; ++i)
    for (int j = 0; j < 8; ++j) {
      double x = i * 30.0, y = j * 30.0, s = Uniform(10, 25);
      AddPolyline({{x, y}, {x + s, y}, {x + s, y + s}, {x, y + s}, {x, y}});
    }
  for (int i = 0; i < 20; ++i) AddLine({Uniform(0, 240), Uniform(0, 240), 0}, {Uniform(0, 240), Uniform(0, 240), 0});
  std::vector<std::unique_ptr<ZcGeCurve3d>> paths;
  for (ZcDbObjectId id : ModelSpace()) {
    ZcDbEntity* e = nullptr;
    zcdbOpenZcDbEntity(e, id, ZcDb::kForRead);
    for (auto& p : editor::PathsOf(e)) paths.push_back(std::move(p));
    e->close();
  }
  std::vector<const ZcGeCurve3d*> curves;
  for (const auto& p : paths) curves.push_back(p.get());
  for (int k = 0; k < 12; ++k) {
    ZcGePoint3d seed(Below(8) * 30.0 + 5, Below(8) * 30.0 + 5, 0);
    std::vector<ZcGeTracedLoop> all;
    Zcad::ErrorStatus expected = ZcGeBoundaryTracer().trace(curves, seed, true, all);
    ZcDbVoidPtrArray made;
    ASSERT_EQ(expected, zcedTraceBoundary(seed, true, made)) << "seed " << seed.x << "," << seed.y;
    ASSERT_EQ(all.size(), static_cast<std::size_t>(made.length()));
    for (int m = 0; m < made.length(); ++m) {
      auto* entity = static_cast<ZcDbEntity*>(made[m]);
      ZcDbExtents ext;
      ZcGePoint3d lo, hi;
      entity->getGeomExtents(ext);
      all[m].polyline ? all[m].polyline->getGeomExtents(lo, hi) : all[m].region->getGeomExtents(lo, hi);
      EXPECT_TRUE(ext.minPoint().isEqualTo({lo.x, lo.y, ext.minPoint().z}));
      EXPECT_TRUE(ext.maxPoint().isEqualTo({hi.x, hi.y, ext.maxPoint().z}));
      delete entity;
    }
  }
}

}  // namespace
