// A 2-D polyline hands its vertices out as objects: walked in order, opened by their ids,
// and a vertex moved is the polyline's vertex moved.
#include "db/ZcDb2dPolyline.h"

#include <gtest/gtest.h>

#include <memory>

#include "db/ZcDbBlockReference.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "headless/Database.h"

namespace {

ZcDbObjectId AddSquare(ZcDbDatabase& db) {
  ZcGePoint3dArray pts;
  for (auto [x, y] : {std::pair{0, 0}, {10, 0}, {10, 10}, {0, 10}}) pts.append(ZcGePoint3d(x, y, 2));
  auto* pl = new ZcDb2dPolyline(pts, true);
  ZcDbBlockTableRecord* ms = nullptr;
  zcdbOpenObject(ms, db.modelSpaceId(), ZcDb::kForWrite);
  ZcDbObjectId id;
  ms->appendZcDbEntity(id, pl);
  pl->close();
  ms->close();
  return id;
}

TEST(ZcDb2dPolyline, VerticesWalkInOrderAndAMovedVertexMovesThePolyline) {
  ZcDbDatabase db;
  ZcDbObjectId id = AddSquare(db);
  ZcDb2dPolyline* pl = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(pl, id, ZcDb::kForWrite));
  std::unique_ptr<ZcDbObjectIterator> it(pl->vertexIterator());
  std::vector<ZcGePoint3d> seen;
  for (it->start(); !it->done(); it->step()) {
    ZcDb2dVertex* v = nullptr;
    ASSERT_EQ(Zcad::eOk, pl->openVertex(v, it->objectId(), ZcDb::kForWrite));
    seen.push_back(v->position());
    if (v->position().isEqualTo(ZcGePoint3d(10, 10, 2))) EXPECT_EQ(Zcad::eOk, v->setPosition(ZcGePoint3d(12, 13, 2)));
    v->close();
  }
  pl->close();
  ASSERT_EQ(4u, seen.size());
  EXPECT_TRUE(seen[1].isEqualTo(ZcGePoint3d(10, 0, 2)));
  EXPECT_TRUE(pl->vertexAt(2).p.isEqualTo(ZcGePoint3d(12, 13, 2)));
  ZcGePoint3d p;
  pl->getPointAtParam(2.0, p);
  EXPECT_TRUE(p.isEqualTo(ZcGePoint3d(12, 13, 2)));

  // A second walk hands out the same vertex objects.
  std::unique_ptr<ZcDbObjectIterator> again(pl->vertexIterator());
  again->start();
  it->start();
  EXPECT_EQ(it->objectId(), again->objectId());
  EXPECT_EQ(0, headless::OpenObjectCount(&db));
}

TEST(ZcDb2dPolyline, VerticesAreGuardedLikeAnyObject) {
  ZcDbDatabase db;
  ZcDbObjectId id = AddSquare(db), other = AddSquare(db);
  ZcDb2dPolyline *pl = nullptr, *pl2 = nullptr;
  zcdbOpenObject(pl, id, ZcDb::kForRead);
  zcdbOpenObject(pl2, other, ZcDb::kForRead);
  std::unique_ptr<ZcDbObjectIterator> it(pl->vertexIterator()), it2(pl2->vertexIterator());
  it->start();
  it2->start();
  ZcDb2dVertex* v = nullptr;
  EXPECT_EQ(Zcad::eInvalidInput, pl->openVertex(v, it2->objectId(), ZcDb::kForRead)) << "another polyline's vertex";
  EXPECT_EQ(nullptr, v);
  ASSERT_EQ(Zcad::eOk, pl->openVertex(v, it->objectId(), ZcDb::kForRead));
  EXPECT_EQ(Zcad::eWasNotOpenForWrite, v->setPosition(ZcGePoint3d(5, 5, 0)));
  EXPECT_TRUE(pl->vertexAt(0).p.isEqualTo(ZcGePoint3d(0, 0, 2)));
  v->close();
  pl->close();
  pl2->close();
  EXPECT_EQ(0, headless::OpenObjectCount(&db));

  ZcDb2dPolyline loose;  // not in a database: nothing to hand out
  std::unique_ptr<ZcDbObjectIterator> none(loose.vertexIterator());
  none->start();
  EXPECT_TRUE(none->done());
  ZcDbSequenceEnd end;
  EXPECT_TRUE(end.isKindOf(ZcDbEntity::desc()));
  EXPECT_FALSE(end.isKindOf(ZcDb2dPolyline::desc()));
}

}  // namespace
