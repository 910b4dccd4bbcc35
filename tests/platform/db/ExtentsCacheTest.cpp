// Kept extents and placed contents of block references: on random drawings of references
// (turned, scaled, mirrored, nested two deep, with attributes) changed round after round,
// every box, intersection and list of a block's references is the same with the caches
// on as with them off, and the boxes agree with the contents placed one by one.
#include <random>

#include <gtest/gtest.h>

#include "DrawingHelpers.h"
#include "db/ZcDbArc.h"
#include "db/ZcDbBlockReference.h"
#include "db/ZcDbLine.h"
#include "db/ZcDbPolyline.h"
#include "db/ZcDbSpline.h"
#include "db/ZcDbText.h"
#include "headless/Database.h"

namespace {

// Caches back on whatever a test does.
struct CachingOn {
  ~CachingOn() { headless::SetCaching(true); }
};

class ExtentsCache : public ::testing::Test {
protected:
  std::unique_ptr<ZcDbDatabase> db_ = std::make_unique<ZcDbDatabase>();
  std::mt19937 rng_;
  std::vector<ZcDbObjectId> blocks_, refs_, others_;
  CachingOn restore_;

  double Uniform(double a, double b) { return std::uniform_real_distribution<double>(a, b)(rng_); }
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

  ZcDbObjectId AddBlock(const wchar_t* name) {
    ZcDbBlockTable* table = nullptr;
    db_->getBlockTable(table, ZcDb::kForWrite);
    auto* btr = new ZcDbBlockTableRecord;
    btr->setName(name);
    btr->setOrigin({Uniform(-5, 5), Uniform(-5, 5), 0});
    ZcDbObjectId id;
    table->add(id, btr);
    btr->close();
    table->close();
    blocks_.push_back(id);
    return id;
  }

  // Lines, arcs, polylines with bulges and (seldom: their intersections are the slow
  // ones) splines.
  ZcDbEntity* RandomCurve() {
    double x = Uniform(-20, 20), y = Uniform(-20, 20), s = Uniform(2, 15), a = Uniform(0, 6.28);
    int kind = Below(10);
    if (kind < 4) return new ZcDbLine({x, y, 0}, {x + s * std::cos(a), y + s * std::sin(a), 0});
    if (kind < 7) return new ZcDbArc({x, y, 0}, s, a, a + Uniform(0.3, 4));
    if (kind < 9) {
      auto* pl = new ZcDbPolyline();
      for (unsigned k = 0; k < 4; ++k) pl->addVertexAt(k, {x + Uniform(0, s), y + Uniform(0, s)}, Uniform(-1, 1));
      pl->setClosed(Below(2) == 0);
      return pl;
    }
    auto* sp = new ZcDbSpline();
    ZcGePoint3dArray fit;
    for (int k = 0; k < 5; ++k) fit.append(ZcGePoint3d(x + k * s / 4, y + Uniform(0, s), 0));
    sp->setFitData(fit, 3, 0.0, ZcGeVector3d(), ZcGeVector3d());
    return sp;
  }

  // A placement: position, a rotation of 0, 90, 37 degrees or any, a scale uniform or not
  // (mirrored when negative); nested blocks keep uniform scales, which turn as a whole.
  ZcDbBlockReference* RandomReference(ZcDbObjectId block, bool uniform) {
    auto* ref = new ZcDbBlockReference({Uniform(0, 50), Uniform(0, 50), 0}, block);
    const double angles[] = {0.0, 1.5707963267948966, 0.6457718232379019, Uniform(0, 6.28)};
    ref->setRotation(angles[Below(4)]);
    double s = Uniform(0.5, 2);
    ZcGeScale3d scale(uniform || Below(4) ? s : Uniform(0.5, 2), s, 1);
    if (Below(3) == 0) scale.sx = -scale.sx;  // mirrored
    ref->setScaleFactors(scale);
    return ref;
  }

  void Build(unsigned seed) {
    rng_.seed(seed);
    ZcDbObjectId piece = AddBlock(L"Piece"), pair = AddBlock(L"Pair"), set = AddBlock(L"Set");
    for (int i = 0; i < 5; ++i) AppendEntity(*db_, RandomCurve(), piece);
    for (int i = 0; i < 2; ++i) AppendEntity(*db_, RandomReference(piece, true), pair);
    AppendEntity(*db_, RandomCurve(), pair);
    AppendEntity(*db_, RandomReference(pair, true), set);
    for (int i = 0; i < 10; ++i) {
      ZcDbBlockReference* ref = RandomReference(blocks_[Below(3)], false);
      if (Below(4) == 0) {
        auto* label = new ZcDbAttribute();
        label->setPosition(ref->position() + ZcGeVector3d(0, -20, 0));
        label->setTextString(L"Przód");
        ref->appendAttribute(label);
      }
      refs_.push_back(AppendEntity(*db_, ref));
    }
    for (int i = 0; i < 6; ++i) {
      ZcDbEntity* c = RandomCurve();
      c->transformBy(ZcGeMatrix3d::translation({Uniform(0, 50), Uniform(0, 50), 0}));
      others_.push_back(AppendEntity(*db_, c));
    }
  }

  template <class T>
  void Edit(ZcDbObjectId id, const std::function<void(T*)>& change) {
    T* obj = nullptr;
    ASSERT_EQ(Zcad::eOk, zcdbOpenObject(obj, id, ZcDb::kForWrite));
    change(obj);
    obj->close();
  }

  void Change() {
    switch (Below(7)) {
      case 0:  // a piece moves: its box moves with it
        Edit<ZcDbEntity>(refs_[Below(refs_.size())], [&](ZcDbEntity* e) {
          e->transformBy(ZcGeMatrix3d::translation({Uniform(-40, 40), Uniform(-40, 40), 0}));
        });
        break;
      case 1:  // a piece turns about a point
        Edit<ZcDbEntity>(refs_[Below(refs_.size())], [&](ZcDbEntity* e) {
          e->transformBy(ZcGeMatrix3d::rotation(Uniform(0, 6.28), ZcGeVector3d::kZAxis, {25, 25, 0}));
        });
        break;
      case 2: {  // an entity of a block definition moves: every reference placing it changes
        ZcDbBlockTableRecord* btr = nullptr;
        zcdbOpenObject(btr, blocks_[Below(3)], ZcDb::kForRead);
        ZcDbObjectIdArray ids = btr->entityIds();
        btr->close();
        Edit<ZcDbEntity>(ids[Below(ids.length())], [&](ZcDbEntity* e) {
          e->transformBy(ZcGeMatrix3d::translation({Uniform(-5, 5), Uniform(-5, 5), 0}));
        });
        break;
      }
      case 3:  // a block's origin moves
        Edit<ZcDbBlockTableRecord>(blocks_[Below(3)], [&](ZcDbBlockTableRecord* b) {
          b->setOrigin({Uniform(-5, 5), Uniform(-5, 5), 0});
        });
        break;
      case 4:  // a curve is added to the innermost block
        AppendEntity(*db_, RandomCurve(), blocks_[0]);
        break;
      case 5:  // a reference places another block
        Edit<ZcDbBlockReference>(refs_[Below(refs_.size())],
                                 [&](ZcDbBlockReference* r) { r->setBlockTableRecord(blocks_[Below(3)]); });
        break;
      default: {  // an attribute moves on its own
        for (ZcDbObjectId id : refs_) {
          ZcDbBlockReference* ref = nullptr;
          zcdbOpenObject(ref, id, ZcDb::kForRead);
          ZcDbObjectIdArray attributes = ref->attributeIds();
          ref->close();
          if (attributes.isEmpty()) continue;
          Edit<ZcDbEntity>(attributes[0], [&](ZcDbEntity* a) {
            a->transformBy(ZcGeMatrix3d::translation({Uniform(-30, 30), Uniform(-30, 30), 0}));
          });
          break;
        }
      }
    }
  }

  static ZcDbExtents BoxOf(ZcDbObjectId id, Zcad::ErrorStatus& es) {
    ZcDbEntity* e = nullptr;
    zcdbOpenZcDbEntity(e, id, ZcDb::kForRead);
    ZcDbExtents box;
    es = e->getGeomExtents(box);
    e->close();
    return box;
  }

  // The box of the reference's contents placed one by one (nested ones the same way) and
  // of its attributes: what the box must be, up to rounding.
  static void PlacedBox(const ZcDbBlockReference* ref, ZcDbExtents& box) {
    for (auto& part : ref->transformedContents()) {
      if (auto* inner = dynamic_cast<ZcDbBlockReference*>(part.get())) {
        PlacedBox(inner, box);
        continue;
      }
      ZcDbExtents ext;
      if (part->getGeomExtents(ext) == Zcad::eOk) box.addExt(ext);
    }
    for (ZcDbObjectId id : ref->attributeIds()) {
      ZcDbEntity* a = nullptr;
      zcdbOpenZcDbEntity(a, id, ZcDb::kForRead);
      ZcDbExtents ext;
      if (a->getGeomExtents(ext) == Zcad::eOk) box.addExt(ext);
      a->close();
    }
  }

  static ZcGePoint3dArray Crossings(ZcDbObjectId a, ZcDbObjectId b) {
    ZcDbEntity *ea = nullptr, *eb = nullptr;
    zcdbOpenZcDbEntity(ea, a, ZcDb::kForRead);
    zcdbOpenZcDbEntity(eb, b, ZcDb::kForRead);
    ZcGePoint3dArray points;
    EXPECT_EQ(Zcad::eOk, ea->intersectWith(eb, ZcDb::kOnBothOperands, points));
    ea->close();
    eb->close();
    return points;
  }

  struct Answers {
    std::vector<ZcDbExtents> boxes;
    std::vector<ZcGePoint3dArray> crossings;
    std::vector<ZcDbObjectIdArray> references;
  };

  // Every box, the crossings of neighbouring references and of a reference with a curve
  // both ways, and each block's references; asked twice, so that kept answers are used.
  Answers Ask() {
    Answers out;
    for (int twice = 0; twice < 2; ++twice) {
      out = Answers();
      for (ZcDbObjectId id : refs_) {
        Zcad::ErrorStatus es;
        out.boxes.push_back(BoxOf(id, es));
      }
      for (std::size_t i = 0; i + 1 < refs_.size(); ++i) out.crossings.push_back(Crossings(refs_[i], refs_[i + 1]));
      for (std::size_t i = 0; i < others_.size(); ++i) {
        out.crossings.push_back(Crossings(others_[i], refs_[i]));
        out.crossings.push_back(Crossings(refs_[i], others_[i]));
      }
      for (ZcDbObjectId block : blocks_) {
        ZcDbBlockTableRecord* btr = nullptr;
        zcdbOpenObject(btr, block, ZcDb::kForRead);
        ZcDbObjectIdArray ids;
        btr->getBlockReferenceIds(ids);
        btr->close();
        out.references.push_back(ids);
      }
    }
    return out;
  }
};

bool Exact(const ZcGePoint3d& a, const ZcGePoint3d& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }
bool Same(const ZcDbExtents& a, const ZcDbExtents& b) {
  return Exact(a.minPoint(), b.minPoint()) && Exact(a.maxPoint(), b.maxPoint());
}

TEST_F(ExtentsCache, BoxesCrossingsAndReferenceListsAreTheSameCachedOrNotAsDrawingsChange) {
  for (unsigned seed : {1u, 2u}) {
    db_ = std::make_unique<ZcDbDatabase>();
    blocks_.clear(), refs_.clear(), others_.clear();
    Build(seed);
    std::size_t crossingsFound = 0;
    for (int round = 0; round < 6; ++round) {
      for (int c = 0; c < 3; ++c) Change();
      headless::SetCaching(true);
      Answers cached = Ask();
      headless::SetCaching(false);
      Answers worked = Ask();
      headless::SetCaching(true);
      ASSERT_EQ(worked.boxes.size(), cached.boxes.size());
      for (std::size_t i = 0; i < cached.boxes.size(); ++i) {
        EXPECT_TRUE(Same(worked.boxes[i], cached.boxes[i])) << "seed " << seed << " round " << round << " ref " << i;
        ZcDbBlockReference* ref = nullptr;
        zcdbOpenObject(ref, refs_[i], ZcDb::kForRead);
        ZcDbExtents placed;
        PlacedBox(ref, placed);
        ref->close();
        EXPECT_LT(placed.minPoint().distanceTo(cached.boxes[i].minPoint()) +
                      placed.maxPoint().distanceTo(cached.boxes[i].maxPoint()),
                  1e-9)
            << "seed " << seed << " round " << round << " ref " << i;
      }
      ASSERT_EQ(worked.crossings.size(), cached.crossings.size());
      for (std::size_t i = 0; i < cached.crossings.size(); ++i) {
        ASSERT_EQ(worked.crossings[i].length(), cached.crossings[i].length()) << "round " << round << " pair " << i;
        for (int k = 0; k < cached.crossings[i].length(); ++k)
          EXPECT_TRUE(Exact(worked.crossings[i][k], cached.crossings[i][k]));
        crossingsFound += cached.crossings[i].length();
      }
      EXPECT_EQ(worked.references, cached.references) << "round " << round;
    }
    EXPECT_GT(crossingsFound, 0u) << "the drawings must hold references that cross";
    EXPECT_EQ(0, headless::OpenObjectCount(db_.get()));
  }
}

// Two pieces cut from one block cross where their outlines do: walking the one's block does
// not keep the other's contents out.
TEST_F(ExtentsCache, TwoReferencesToOneBlockCrossWhereTheirContentsDo) {
  ZcDbObjectId square = AddBlock(L"Square");
  Edit<ZcDbBlockTableRecord>(square, [](ZcDbBlockTableRecord* b) { b->setOrigin({0, 0, 0}); });
  auto* outline = new ZcDbPolyline();
  for (unsigned k = 0; k < 4; ++k) outline->addVertexAt(k, {k == 1 || k == 2 ? 10.0 : 0.0, k >= 2 ? 10.0 : 0.0});
  outline->setClosed(true);
  AppendEntity(*db_, outline, square);
  ZcDbObjectId a = AppendEntity(*db_, new ZcDbBlockReference({0, 0, 0}, square));
  ZcDbObjectId b = AppendEntity(*db_, new ZcDbBlockReference({5, 5, 0}, square));
  for (bool caching : {true, false}) {
    headless::SetCaching(caching);
    ZcGePoint3dArray points = Crossings(a, b);
    ASSERT_EQ(2, points.length()) << "caching " << caching;
    EXPECT_TRUE(points[0].isEqualTo({10, 5, 0}) || points[1].isEqualTo({10, 5, 0}));
    EXPECT_TRUE(points[0].isEqualTo({5, 10, 0}) || points[1].isEqualTo({5, 10, 0}));
  }
}

// A reference is listed under the block it places from the moment it is made, under its
// new block once it changes blocks, and not once erased or its owner is.
TEST_F(ExtentsCache, ABlocksReferencesFollowTheirMakingChangingAndErasure) {
  rng_.seed(9);
  ZcDbObjectId a = AddBlock(L"A"), b = AddBlock(L"B");
  AppendEntity(*db_, RandomCurve(), a);
  auto refsOf = [&](ZcDbObjectId block) {
    ZcDbBlockTableRecord* btr = nullptr;
    zcdbOpenObject(btr, block, ZcDb::kForRead);
    ZcDbObjectIdArray ids;
    btr->getBlockReferenceIds(ids);
    btr->close();
    return std::vector<ZcDbObjectId>(ids.begin(), ids.end());
  };
  ZcDbObjectId r1 = AppendEntity(*db_, new ZcDbBlockReference({0, 0, 0}, a));
  EXPECT_EQ(std::vector<ZcDbObjectId>{r1}, refsOf(a));
  ZcDbObjectId r2 = AppendEntity(*db_, new ZcDbBlockReference({5, 0, 0}, a));
  ZcDbObjectId nested = AppendEntity(*db_, new ZcDbBlockReference({5, 0, 0}, a), b);
  EXPECT_EQ((std::vector<ZcDbObjectId>{r1, r2, nested}), refsOf(a));
  Edit<ZcDbBlockReference>(r1, [&](ZcDbBlockReference* r) { r->setBlockTableRecord(b); });
  EXPECT_EQ((std::vector<ZcDbObjectId>{r2, nested}), refsOf(a));
  EXPECT_EQ(std::vector<ZcDbObjectId>{r1}, refsOf(b));
  Edit<ZcDbBlockReference>(r1, [&](ZcDbBlockReference* r) { r->setBlockTableRecord(a); });
  Edit<ZcDbEntity>(r2, [&](ZcDbEntity* e) { e->erase(); });
  EXPECT_EQ((std::vector<ZcDbObjectId>{r1, nested}), refsOf(a));
  Edit<ZcDbBlockTableRecord>(b, [&](ZcDbBlockTableRecord* rec) { rec->erase(); });
  EXPECT_EQ(std::vector<ZcDbObjectId>{r1}, refsOf(a));
}

}  // namespace
