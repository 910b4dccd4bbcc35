// Block references: their contents placed relative to the block's base point, walks over
// nested blocks that end even when a drawing made a block hold itself, and references
// moved step by step that meet others exactly where worked out afresh.
#include "db/ZcDbBlockReference.h"

#include <gtest/gtest.h>

#include "DrawingHelpers.h"
#include "db/ZcDbArc.h"
#include "db/ZcDbLine.h"
#include "headless/Database.h"

namespace {

ZcDbObjectId AddBlock(ZcDbDatabase& db, const wchar_t* name, const ZcGePoint3d& origin = ZcGePoint3d()) {
  ZcDbBlockTable* table = nullptr;
  db.getBlockTable(table, ZcDb::kForWrite);
  auto* btr = new ZcDbBlockTableRecord;
  btr->setName(name);
  btr->setOrigin(origin);
  ZcDbObjectId id;
  table->add(id, btr);
  btr->close();
  table->close();
  return id;
}

ZcDbExtents Extents(ZcDbObjectId id) {
  ZcDbEntity* e = nullptr;
  zcdbOpenZcDbEntity(e, id, ZcDb::kForRead);
  ZcDbExtents box;
  EXPECT_EQ(Zcad::eOk, e->getGeomExtents(box));
  e->close();
  return box;
}

TEST(ZcDbBlockReference, ContentsArePlacedRelativeToTheBlocksBasePoint) {
  ZcDbDatabase db;
  ZcDbObjectId mark = AddBlock(db, L"Mark", ZcGePoint3d(10, 10, 0));
  AppendEntity(db, new ZcDbLine(ZcGePoint3d(10, 10, 0), ZcGePoint3d(20, 10, 0)), mark);
  auto* ref = new ZcDbBlockReference(ZcGePoint3d(100, 50, 0), mark);
  ref->setRotation(3.141592653589793 / 2);
  ZcDbObjectId refId = AppendEntity(db, ref);

  ZcDbExtents box = Extents(refId);
  EXPECT_NEAR(100, box.minPoint().x, 1e-9);
  EXPECT_NEAR(50, box.minPoint().y, 1e-9);
  EXPECT_NEAR(100, box.maxPoint().x, 1e-9);
  EXPECT_NEAR(60, box.maxPoint().y, 1e-9);

  ZcDbBlockReference* open = nullptr;
  zcdbOpenObject(open, refId, ZcDb::kForRead);
  auto parts = open->transformedContents();
  open->close();
  ASSERT_EQ(1u, parts.size());
  auto* line = dynamic_cast<ZcDbLine*>(parts[0].get());
  ASSERT_NE(nullptr, line);
  EXPECT_TRUE(line->startPoint().isEqualTo(ZcGePoint3d(100, 50, 0)));
  EXPECT_TRUE(line->endPoint().isEqualTo(ZcGePoint3d(100, 60, 0)));
}

TEST(ZcDbBlockReference, WalksEndWhenBlocksHoldEachOther) {
  // Front holds Back, Back holds Front: each reference is followed once along a path.
  ZcDbDatabase db;
  ZcDbObjectId front = AddBlock(db, L"Front"), back = AddBlock(db, L"Back");
  AppendEntity(db, new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 0, 0)), front);
  AppendEntity(db, new ZcDbBlockReference(ZcGePoint3d(0, 5, 0), back), front);
  AppendEntity(db, new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(0, 2, 0)), back);
  AppendEntity(db, new ZcDbBlockReference(ZcGePoint3d(0, 0, 0), front), back);
  AppendEntity(db, new ZcDbBlockReference(ZcGePoint3d(0, 0, 0), front), front);
  ZcDbObjectId refId = AppendEntity(db, new ZcDbBlockReference(ZcGePoint3d(0, 0, 0), front));

  ZcDbExtents box = Extents(refId);
  EXPECT_TRUE(box.minPoint().isEqualTo(ZcGePoint3d(0, 0, 0)));
  EXPECT_TRUE(box.maxPoint().isEqualTo(ZcGePoint3d(1, 7, 0)));

  ZcDbLine cut(ZcGePoint3d(-1, 6, 0), ZcGePoint3d(1, 6, 0));
  ZcDbEntity* ref = nullptr;
  zcdbOpenZcDbEntity(ref, refId, ZcDb::kForRead);
  ZcGePoint3dArray points;
  EXPECT_EQ(Zcad::eOk, cut.intersectWith(ref, ZcDb::kOnBothOperands, points));
  ZcGePoint3dArray back2;
  EXPECT_EQ(Zcad::eOk, ref->intersectWith(&cut, ZcDb::kOnBothOperands, back2));
  ref->close();
  ASSERT_EQ(1, points.length());
  EXPECT_TRUE(points[0].isEqualTo(ZcGePoint3d(0, 6, 0)));
  EXPECT_EQ(1, back2.length());
}

// A turned, mirrored piece holding a nested mark, moved in small steps the way the layout
// compacts pieces, then turned, then its block changed: after each change it keeps its
// pose exactly under a translation and meets a line and another piece exactly where it
// does with every cache off.
class SteppedReference : public ::testing::Test {
protected:
  ~SteppedReference() override { headless::SetCaching(true); }

  void SetUp() override {
    mark_ = AddBlock(db_, L"Mark");
    AppendEntity(db_, new ZcDbArc(ZcGePoint3d(0, 0, 0), 2, 0.3, 3.5), mark_);
    piece_ = AddBlock(db_, L"Piece", ZcGePoint3d(1, 2, 0));
    AppendEntity(db_, new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(30, 4, 0)), piece_);
    AppendEntity(db_, new ZcDbLine(ZcGePoint3d(30, 4, 0), ZcGePoint3d(12, 25, 0)), piece_);
    AppendEntity(db_, new ZcDbBlockReference(ZcGePoint3d(15, 10, 0), mark_), piece_);
    auto* moving = new ZcDbBlockReference(ZcGePoint3d(-40, 3, 0), piece_);
    moving->setRotation(0.7);
    moving->setScaleFactors(ZcGeScale3d(1.5, -1.5, 1.5));
    moving_ = AppendEntity(db_, moving);
    still_ = AppendEntity(db_, new ZcDbBlockReference(ZcGePoint3d(0, 0, 0), piece_));
  }

  void Transform(const ZcGeMatrix3d& m) {
    ZcDbEntity* e = nullptr;
    ASSERT_EQ(Zcad::eOk, zcdbOpenZcDbEntity(e, moving_, ZcDb::kForWrite));
    EXPECT_EQ(Zcad::eOk, e->transformBy(m));
    e->close();
  }

  // The moving piece's crossings with a fixed line and with the other piece, both ways.
  std::vector<ZcGePoint3dArray> Crossings() {
    ZcDbEntity *moving = nullptr, *still = nullptr;
    zcdbOpenZcDbEntity(moving, moving_, ZcDb::kForRead);
    zcdbOpenZcDbEntity(still, still_, ZcDb::kForRead);
    ZcDbLine line(ZcGePoint3d(-60, 12, 0), ZcGePoint3d(60, 12, 0));
    std::vector<ZcGePoint3dArray> out(4);
    EXPECT_EQ(Zcad::eOk, moving->intersectWith(still, ZcDb::kOnBothOperands, out[0]));
    EXPECT_EQ(Zcad::eOk, still->intersectWith(moving, ZcDb::kOnBothOperands, out[1]));
    EXPECT_EQ(Zcad::eOk, moving->intersectWith(&line, ZcDb::kOnBothOperands, out[2]));
    EXPECT_EQ(Zcad::eOk, line.intersectWith(moving, ZcDb::kOnBothOperands, out[3]));
    moving->close();
    still->close();
    return out;
  }

  // Asked with the caches (twice, so that kept answers are used) and without: the same
  // points, bit for bit. Returns how many there were.
  int ExpectSameCachedOrNot(const char* when) {
    headless::SetCaching(true);
    Crossings();
    std::vector<ZcGePoint3dArray> cached = Crossings();
    headless::SetCaching(false);
    std::vector<ZcGePoint3dArray> worked = Crossings();
    headless::SetCaching(true);
    int found = 0;
    for (std::size_t i = 0; i < cached.size(); ++i) {
      EXPECT_EQ(worked[i].length(), cached[i].length()) << when << " question " << i;
      if (worked[i].length() != cached[i].length()) continue;
      for (int k = 0; k < cached[i].length(); ++k) {
        EXPECT_EQ(worked[i][k].x, cached[i][k].x) << when << " question " << i;
        EXPECT_EQ(worked[i][k].y, cached[i][k].y) << when << " question " << i;
      }
      found += cached[i].length();
    }
    return found;
  }

  ZcDbDatabase db_;
  ZcDbObjectId mark_, piece_, moving_, still_;
};

TEST_F(SteppedReference, KeepsItsPoseAndMeetsOthersAsWorkedOutAfreshStepByStep) {
  int found = 0;
  for (int step = 0; step < 40; ++step) {
    Transform(ZcGeMatrix3d::translation(ZcGeVector3d(1.125, step % 2 ? 0.0 : -0.0625, 0)));
    ZcDbBlockReference* ref = nullptr;
    zcdbOpenObject(ref, moving_, ZcDb::kForRead);
    EXPECT_EQ(0.7, ref->rotation()) << "step " << step;
    EXPECT_EQ(1.5, ref->scaleFactors().sx) << "step " << step;
    EXPECT_EQ(-1.5, ref->scaleFactors().sy) << "step " << step;
    ref->close();
    found += ExpectSameCachedOrNot("moved");
  }
  EXPECT_GT(found, 0) << "the piece must pass over the other and the line";

  // Turned about a point: the contents are posed again, not moved.
  Transform(ZcGeMatrix3d::rotation(0.4, ZcGeVector3d::kZAxis, ZcGePoint3d(5, 5, 0)));
  ExpectSameCachedOrNot("turned");
  Transform(ZcGeMatrix3d::translation(ZcGeVector3d(-3, 2, 0)));
  ExpectSameCachedOrNot("turned and moved");

  // The nested mark's block gains a line across the fixed one: the moved piece meets it.
  headless::SetCaching(true);
  const std::size_t before = Crossings()[2].length();
  AppendEntity(db_, new ZcDbLine(ZcGePoint3d(-100, -100, 0), ZcGePoint3d(100, 100, 0)), mark_);
  Transform(ZcGeMatrix3d::translation(ZcGeVector3d(0.5, 0, 0)));
  EXPECT_EQ(before + 1, static_cast<std::size_t>(Crossings()[2].length()));
  ExpectSameCachedOrNot("block changed");
  EXPECT_EQ(0, headless::OpenObjectCount(&db_));
}

}  // namespace
