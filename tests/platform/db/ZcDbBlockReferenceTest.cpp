// Block references: their contents placed relative to the block's base point, and walks
// over nested blocks that end even when a drawing made a block hold itself.
#include "db/ZcDbBlockReference.h"

#include <gtest/gtest.h>

#include "DrawingHelpers.h"
#include "db/ZcDbLine.h"

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

}  // namespace
