// Entity geometry the callers rely on: extents (with the text model), transforms of
// references with their attributes, intersections, copies and block erasure.
#include "db/ZcDbEntity.h"

#include <gtest/gtest.h>

#include "DrawingHelpers.h"

#include <cmath>
#include <filesystem>
#include <limits>

#include "db/ZcDbArc.h"
#include "db/ZcDbBlockReference.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbLine.h"
#include "db/ZcDbMText.h"
#include "db/ZcDbPolyline.h"
#include "db/ZcDbSortentsTable.h"
#include "db/ZcDbTable.h"
#include "db/ZcDbText.h"
#include "db/ZcDbXrecord.h"

namespace {
constexpr double kPi = 3.141592653589793;


ZcDbObjectId Block(ZcDbDatabase& db, const wchar_t* name) {
  ZcDbBlockTable* bt = nullptr;
  db.getBlockTable(bt, ZcDb::kForWrite);
  auto* r = new ZcDbBlockTableRecord;
  r->setName(name);
  ZcDbObjectId id;
  bt->add(id, r);
  r->close();
  bt->close();
  return id;
}

void ExpectBox(const ZcDbExtents& e, double x0, double y0, double x1, double y1) {
  EXPECT_NEAR(x0, e.minPoint().x, 1e-9);
  EXPECT_NEAR(y0, e.minPoint().y, 1e-9);
  EXPECT_NEAR(x1, e.maxPoint().x, 1e-9);
  EXPECT_NEAR(y1, e.maxPoint().y, 1e-9);
}

TEST(Extents, ArcsReachTheirQuadrantsAndBulgesTheirTops) {
  ZcDbArc arc(ZcGePoint3d(0, 0, 0), 10, 0, kPi);
  ZcDbExtents e;
  ASSERT_EQ(Zcad::eOk, arc.getGeomExtents(e));
  ExpectBox(e, -10, 0, 10, 10);
  ZcDbPolyline pl;
  pl.addVertexAt(0, ZcGePoint2d(0, 0), 1.0);  // counter-clockwise: the half circle below
  pl.addVertexAt(1, ZcGePoint2d(10, 0));
  ASSERT_EQ(Zcad::eOk, pl.getGeomExtents(e));
  ExpectBox(e, 0, -5, 10, 0);
  pl.setBulgeAt(0, -1.0);
  pl.getGeomExtents(e);
  ExpectBox(e, 0, 0, 10, 5);
}

TEST(Extents, TextFollowsTheFixedFontModel) {
  ZcDbText text(ZcGePoint3d(1, 2, 0), L"ABCD", ZcDbObjectId(), 5.0);
  ZcDbExtents e;
  text.getGeomExtents(e);
  ExpectBox(e, 1, 2, 1 + 4 * 5.0 * 0.6, 7);
  ZcDbMText m;
  m.setContents(L"ab\\Pabcdef");
  m.setTextHeight(3.0);
  m.setLocation(ZcGePoint3d(0, 0, 0));  // attachment top left: the text hangs below
  m.getGeomExtents(e);
  ExpectBox(e, 0, -(3.0 + 5.0), 6 * 3.0 * 0.6, 0);
}

TEST(Extents, TablesSpanTheirColumnsAndRowsDownFromThePosition) {
  ZcDbTable t;
  t.insertColumns(0, 10.0, 3);
  t.insertRows(0, 4.0, 2);
  EXPECT_EQ(Zcad::eInvalidIndex, t.setTextString(2, 0, L"x"));
  EXPECT_EQ(Zcad::eInvalidIndex, t.setColumnWidth(3, 5.0));
  EXPECT_EQ(Zcad::eInvalidInput, t.setColumnWidth(0, -1.0));
  t.setColumnWidth(0, 20.0);
  ZcDbExtents e;
  t.getGeomExtents(e);
  ExpectBox(e, 0, -8, 40, 0);
}

TEST(BlockReferences, ExtentsAndTransformsCarryTheBlockAndTheAttributes) {
  ZcDbDatabase db;
  ZcDbObjectId block = Block(db, L"Mark");
  AppendEntity(db, new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(10, 0, 0)), block);
  auto* ref = new ZcDbBlockReference(ZcGePoint3d(100, 0, 0), block);
  ref->setRotation(kPi / 2);
  auto* attr = new ZcDbAttribute;
  attr->setTag(L"NUM");
  attr->setTextString(L"1");
  attr->setPosition(ZcGePoint3d(100, 0, 0));
  ref->appendAttribute(attr);
  ZcDbObjectId refId = AppendEntity(db, ref);

  ZcDbBlockReference* r = nullptr;
  zcdbOpenObject(r, refId, ZcDb::kForWrite);
  ZcDbExtents e;
  r->getGeomExtents(e);
  EXPECT_NEAR(100, e.minPoint().x, 1e-9);
  EXPECT_NEAR(10, e.maxPoint().y, 1e-9);
  ASSERT_EQ(Zcad::eOk, r->transformBy(ZcGeMatrix3d::translation(ZcGeVector3d(0, 50, 0))));
  ZcDbObjectIdArray attrs = r->attributeIds();
  r->close();
  ASSERT_EQ(1, attrs.length());
  ZcDbAttribute* a = nullptr;
  zcdbOpenObject(a, attrs[0], ZcDb::kForRead);
  EXPECT_EQ(ZcGePoint3d(100, 50, 0), a->position());
  a->close();
}

TEST(BlockReferences, ACloneKeepsItsAttributesAndTheyBecomeResidentWithIt) {
  ZcDbDatabase db;
  ZcDbObjectId block = Block(db, L"Mark");
  auto* ref = new ZcDbBlockReference(ZcGePoint3d(0, 0, 0), block);
  auto* attr = new ZcDbAttribute;
  attr->setTag(L"NUM");
  attr->setTextString(L"7");
  ref->appendAttribute(attr);
  ZcDbObjectId refId = AppendEntity(db, ref);
  ZcDbBlockReference* r = nullptr;
  zcdbOpenObject(r, refId, ZcDb::kForRead);
  auto* copy = static_cast<ZcDbBlockReference*>(r->cloneObject());
  r->close();
  ZcDbObjectId copyId = AppendEntity(db, copy);
  zcdbOpenObject(r, copyId, ZcDb::kForRead);
  ZcDbObjectIdArray attrs = r->attributeIds();
  r->close();
  ASSERT_EQ(1, attrs.length());
  ZcDbAttribute* a = nullptr;
  zcdbOpenObject(a, attrs[0], ZcDb::kForRead);
  EXPECT_EQ(L"7", a->textString());
  EXPECT_EQ(copyId, a->ownerId());
  a->close();
  EXPECT_EQ(0, db.numOpenObjects());
}

TEST(BlockReferences, ABlockWithReferencesCannotBeErased) {
  ZcDbDatabase db;
  ZcDbObjectId block = Block(db, L"Used");
  ZcDbObjectId refId = AppendEntity(db, new ZcDbBlockReference(ZcGePoint3d(0, 0, 0), block));
  ZcDbBlockTableRecord* btr = nullptr;
  zcdbOpenObject(btr, block, ZcDb::kForWrite);
  EXPECT_EQ(Zcad::eObjectInUse, btr->eraseBlock());
  ZcDbObject* ref = nullptr;
  zcdbOpenObject(ref, refId, ZcDb::kForWrite);
  ref->erase();
  ref->close();
  EXPECT_EQ(Zcad::eOk, btr->eraseBlock());
  btr->close();
}

TEST(Intersections, ExtendModesLengthenLinesAndCloseArcs) {
  ZcDbLine a(ZcGePoint3d(0, 0, 0), ZcGePoint3d(4, 0, 0));
  ZcDbLine b(ZcGePoint3d(5, -1, 0), ZcGePoint3d(5, 1, 0));
  ZcGePoint3dArray pts;
  EXPECT_EQ(Zcad::eOk, a.intersectWith(&b, ZcDb::kOnBothOperands, pts));
  EXPECT_EQ(0, pts.length());
  a.intersectWith(&b, ZcDb::kExtendThis, pts);
  ASSERT_EQ(1, pts.length());
  EXPECT_EQ(ZcGePoint3d(5, 0, 0), pts[0]);

  ZcDbArc arc(ZcGePoint3d(0, 0, 0), 2, 0, kPi / 2);  // the first quadrant
  ZcDbLine across(ZcGePoint3d(-3, 0.5, 0), ZcGePoint3d(3, 0.5, 0));
  pts.removeAll();
  across.intersectWith(&arc, ZcDb::kOnBothOperands, pts);
  EXPECT_EQ(1, pts.length());
  pts.removeAll();
  across.intersectWith(&arc, ZcDb::kExtendArg, pts);
  ASSERT_EQ(2, pts.length());
  EXPECT_LT(pts[0].x, pts[1].x);  // in order along the first operand
}

TEST(Intersections, BlockReferencesAreIntersectedThroughTheirContents) {
  ZcDbDatabase db;
  ZcDbObjectId block = Block(db, L"Bar");
  AppendEntity(db, new ZcDbLine(ZcGePoint3d(0, -1, 0), ZcGePoint3d(0, 1, 0)), block);
  ZcDbBlockReference ref(ZcGePoint3d(3, 0, 0), block);
  ZcDbLine line(ZcGePoint3d(0, 0, 0), ZcGePoint3d(10, 0, 0));
  ZcGePoint3dArray pts;
  ASSERT_EQ(Zcad::eOk, line.intersectWith(&ref, ZcDb::kOnBothOperands, pts));
  ASSERT_EQ(1, pts.length());
  EXPECT_EQ(ZcGePoint3d(3, 0, 0), pts[0]);
}

TEST(DrawOrder, MovingToTheBottomDrawsFirst) {
  ZcDbDatabase db;
  ZcDbObjectId a = AppendEntity(db, new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 0, 0)));
  ZcDbObjectId b = AppendEntity(db, new ZcDbLine(ZcGePoint3d(0, 1, 0), ZcGePoint3d(1, 1, 0)));
  ZcDbBlockTableRecord* ms = nullptr;
  zcdbOpenObject(ms, db.modelSpaceId(), ZcDb::kForWrite);
  ZcDbSortentsTable* sort = nullptr;
  ASSERT_EQ(Zcad::eOk, ms->getSortentsTable(sort, ZcDb::kForWrite, true));
  ZcDbObjectIdArray ids;
  ids.append(b);
  sort->moveToBottom(ids);
  ZcDbObjectIdArray order;
  sort->getFullDrawOrder(order);
  sort->close();
  ms->close();
  ASSERT_EQ(2, order.length());
  EXPECT_EQ(b, order[0]);
  EXPECT_EQ(a, order[1]);
}

}  // namespace

namespace {

TEST(Numbers, SettersRefuseNumbersThatAreNotFiniteAndKeepTheirValue) {
  const double inf = std::numeric_limits<double>::infinity(), nan = std::nan("");
  const ZcGePoint3d far(inf, 0, 0), odd(0, nan, 0);
  ZcDbLine line(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 0, 0));
  EXPECT_EQ(Zcad::eInvalidInput, line.setStartPoint(far));
  EXPECT_EQ(Zcad::eInvalidInput, line.setEndPoint(odd));
  EXPECT_EQ(ZcGePoint3d(0, 0, 0), line.startPoint());
  EXPECT_EQ(ZcGePoint3d(1, 0, 0), line.endPoint());
  ZcDbCircle circle(ZcGePoint3d(0, 0, 0), ZcGeVector3d::kZAxis, 1);
  EXPECT_EQ(Zcad::eInvalidInput, circle.setCenter(far));
  EXPECT_EQ(Zcad::eInvalidInput, circle.setRadius(inf));
  EXPECT_EQ(1.0, circle.radius());
  ZcDbArc arc(ZcGePoint3d(0, 0, 0), 1, 0, 1);
  EXPECT_EQ(Zcad::eInvalidInput, arc.setEndAngle(nan));
  ZcDbPolyline pl;
  EXPECT_EQ(Zcad::eInvalidInput, pl.addVertexAt(0, ZcGePoint2d(inf, 0)));
  EXPECT_EQ(0u, pl.numVerts());
  pl.addVertexAt(0, ZcGePoint2d(0, 0));
  EXPECT_EQ(Zcad::eInvalidInput, pl.setBulgeAt(0, nan));
  EXPECT_EQ(Zcad::eInvalidInput, pl.setElevation(-inf));
  ZcDbText text(ZcGePoint3d(0, 0, 0), L"A");
  EXPECT_EQ(Zcad::eInvalidInput, text.setPosition(odd));
  EXPECT_EQ(Zcad::eInvalidInput, text.setHeight(inf));
  EXPECT_EQ(Zcad::eInvalidInput, text.setRotation(nan));
  ZcDbMText mtext;
  EXPECT_EQ(Zcad::eInvalidInput, mtext.setLocation(far));
  ZcDbBlockReference ref;
  EXPECT_EQ(Zcad::eInvalidInput, ref.setPosition(far));
  EXPECT_EQ(Zcad::eInvalidInput, ref.setScaleFactors(ZcGeScale3d(1, inf, 1)));
  EXPECT_EQ(Zcad::eInvalidInput, ref.setRotation(nan));
  EXPECT_EQ(Zcad::eInvalidInput, line.setLinetypeScale(inf));

  // nor through XData or an Xrecord's data
  ZcDbDatabase db;
  RegisterApp(db, L"Fastrelle");
  resbuf* list = TextItem(1001, L"Fastrelle");
  list->rbnext = zcutNewRb(1040);
  list->rbnext->resval.rreal = nan;
  ZcDbEntity* resident = nullptr;
  zcdbOpenZcDbEntity(resident, AppendEntity(db, new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 0, 0))),
                     ZcDb::kForWrite);
  EXPECT_EQ(Zcad::eInvalidInput, resident->setXData(list));
  resident->close();
  ZcDbXrecord record;
  EXPECT_EQ(Zcad::eInvalidInput, record.setFromRbChain(list->rbnext));
  zcutRelRb(list);
}

TEST(Numbers, ADrawingHoldingAnInfiniteNumberIsNotSavedAsAnotherNumber) {
  ZcDbDatabase db;
  ZcDbObjectId id = AppendEntity(db, new ZcDbLine(ZcGePoint3d(1e308, 0, 0), ZcGePoint3d(0, 0, 0)));
  ZcDbEntity* e = nullptr;
  zcdbOpenZcDbEntity(e, id, ZcDb::kForWrite);
  e->transformBy(ZcGeMatrix3d::translation(ZcGeVector3d(1e308, 0, 0)));  // overflows
  e->close();
  std::string text = db.dxfText();
  EXPECT_NE(std::string::npos, text.find("\n 10\ninf\n"));
  auto path = std::filesystem::temp_directory_path() / ("fastrelle_inf_" + std::to_string(::getpid()) + ".dxf");
  EXPECT_EQ(Zcad::eFileWriteError, db.saveAs(path.wstring().c_str()));
  std::filesystem::remove(path);
}

}  // namespace
