// The open protocol, ids of live and deleted databases, erasure and XData.
#include "db/ZcDbObject.h"

#include <gtest/gtest.h>

#include "DrawingHelpers.h"

#include <cstdlib>
#include <cstring>
#include <memory>

#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbLine.h"
#include "headless/Database.h"

namespace {

ZcDbObjectId AddLine(ZcDbDatabase& db) {
  ZcDbBlockTableRecord* ms = nullptr;
  zcdbOpenObject(ms, db.modelSpaceId(), ZcDb::kForWrite);
  auto* line = new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(10, 0, 0));
  ZcDbObjectId id;
  ms->appendZcDbEntity(id, line);
  line->close();
  ms->close();
  return id;
}



TEST(OpenRules, SeveralReadersThenOneCloseEachLeavesNothingOpen) {
  ZcDbDatabase db;
  ZcDbObjectId id = AddLine(db);
  ZcDbObject *a = nullptr, *b = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(a, id, ZcDb::kForRead));
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(b, id, ZcDb::kForRead));
  EXPECT_EQ(1, db.numOpenObjects());
  EXPECT_EQ(Zcad::eOk, a->close());
  EXPECT_EQ(1, db.numOpenObjects());
  EXPECT_EQ(Zcad::eOk, b->close());
  EXPECT_EQ(0, db.numOpenObjects());
}

TEST(OpenRules, SecondWriteOpenFailsAndReadOfWrittenObjectFails) {
  ZcDbDatabase db;
  ZcDbObjectId id = AddLine(db);
  ZcDbObject *w = nullptr, *other = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(w, id, ZcDb::kForWrite));
  EXPECT_EQ(Zcad::eWasOpenForWrite, zcdbOpenObject(other, id, ZcDb::kForWrite));
  EXPECT_EQ(Zcad::eWasOpenForWrite, zcdbOpenObject(other, id, ZcDb::kForRead));
  EXPECT_EQ(nullptr, other);
  w->close();
}

TEST(OpenRules, WriteOpenOfAReadObjectUpgradesInPlaceAndOneCloseClosesIt) {
  ZcDbDatabase db;
  ZcDbObjectId id = AddLine(db);
  ZcDbLine *r = nullptr, *w = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(r, id, ZcDb::kForRead));
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(w, id, ZcDb::kForWrite));
  EXPECT_EQ(r, w);
  EXPECT_TRUE(r->isWriteEnabled());
  EXPECT_EQ(Zcad::eOk, w->setStartPoint(ZcGePoint3d(1, 1, 0)));
  EXPECT_EQ(Zcad::eOk, w->close());
  EXPECT_EQ(0, db.numOpenObjects());
  headless::ResetDiagnostics();
  EXPECT_EQ(Zcad::eWasNotOpen, r->close());  // the reader's close finds it closed
  EXPECT_EQ(1, headless::StrayCloses());
}

TEST(OpenRules, WritesToAClosedObjectFailAndChangeNothingButReadsWork) {
  ZcDbDatabase db;
  ZcDbObjectId id = AddLine(db);
  ZcDbLine* line = nullptr;
  zcdbOpenObject(line, id, ZcDb::kForRead);
  line->close();
  headless::ResetDiagnostics();
  EXPECT_EQ(Zcad::eWasNotOpenForWrite, line->setEndPoint(ZcGePoint3d(99, 0, 0)));
  EXPECT_EQ(Zcad::eWasNotOpenForWrite, line->setColorIndex(1));
  EXPECT_EQ(2, headless::WriteViolations());
  EXPECT_EQ(ZcGePoint3d(10, 0, 0), line->endPoint());
  EXPECT_EQ(id, line->objectId());
}

TEST(OpenRules, ErasedObjectKeepsItsIdButOpensOnlyWhenAsked) {
  ZcDbDatabase db;
  ZcDbObjectId id = AddLine(db);
  ZcDbObject* o = nullptr;
  zcdbOpenObject(o, id, ZcDb::kForWrite);
  EXPECT_EQ(Zcad::eOk, o->erase());
  o->close();
  EXPECT_TRUE(id.isValid());
  EXPECT_TRUE(id.isErased());
  EXPECT_EQ(Zcad::eWasErased, zcdbOpenObject(o, id, ZcDb::kForRead));
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(o, id, ZcDb::kForRead, true));
  o->close();
}

TEST(ObjectIds, IdsOfADeletedDatabaseAreInvalidAndDoNotOpen) {
  auto db = std::make_unique<ZcDbDatabase>();
  ZcDbObjectId id = AddLine(*db);
  EXPECT_TRUE(id.isValid());
  db.reset();
  auto other = std::make_unique<ZcDbDatabase>();  // a new database never reuses the number
  EXPECT_FALSE(id.isValid());
  ZcDbObject* o = nullptr;
  EXPECT_EQ(Zcad::eInvalidObjectId, zcdbOpenObject(o, id, ZcDb::kForRead));
  EXPECT_EQ(Zcad::eNullObjectId, zcdbOpenObject(o, ZcDbObjectId(), ZcDb::kForRead));
}

TEST(ObjectIds, HandlesAndEntityNamesLeadBackToTheObject) {
  ZcDbDatabase* db = headless::NewDrawing();
  ZcDbObjectId id = AddLine(*db);
  wchar_t hex[17];
  ASSERT_TRUE(id.handle().getIntoAsciiBuffer(hex));
  ads_name name;
  ASSERT_EQ(RTNORM, zcdbHandEnt(hex, name));
  ZcDbObjectId back;
  EXPECT_EQ(Zcad::eOk, zcdbGetObjectId(back, name));
  EXPECT_EQ(id, back);
  EXPECT_EQ(RTERROR, zcdbHandEnt(L"FFFFF", name));
  EXPECT_EQ(RTERROR, zcdbHandEnt(L"not hex", name));
}

TEST(XData, WritingOneApplicationReplacesOnlyItsPart) {
  ZcDbDatabase* db = headless::NewDrawing();
  RegisterApp(*db, L"A");
  RegisterApp(*db, L"B");
  ZcDbObjectId id = AddLine(*db);
  ZcDbObject* o = nullptr;
  zcdbOpenObject(o, id, ZcDb::kForWrite);
  resbuf* both = TextItem(1001, L"A", TextItem(1000, L"a1", TextItem(1001, L"B", TextItem(1000, L"b1"))));
  ASSERT_EQ(Zcad::eOk, o->setXData(both));
  resbuf* onlyA = TextItem(1001, L"A", TextItem(1000, L"a2"));
  ASSERT_EQ(Zcad::eOk, o->setXData(onlyA));
  resbuf* b = o->xData(L"b");  // names compare without case
  ASSERT_NE(nullptr, b);
  EXPECT_STREQ(L"b1", b->rbnext->resval.rstring);
  resbuf* a = o->xData(L"A");
  EXPECT_STREQ(L"a2", a->rbnext->resval.rstring);
  resbuf* dropA = TextItem(1001, L"A");
  ASSERT_EQ(Zcad::eOk, o->setXData(dropA));
  EXPECT_EQ(nullptr, o->xData(L"A"));
  o->close();
  for (resbuf* r : {both, onlyA, b, a, dropA}) zcutRelRb(r);
}

TEST(XData, UnregisteredApplicationAndOversizedDataAreRefusedWithoutChange) {
  ZcDbDatabase* db = headless::NewDrawing();
  RegisterApp(*db, L"A");
  ZcDbObjectId id = AddLine(*db);
  ZcDbObject* o = nullptr;
  zcdbOpenObject(o, id, ZcDb::kForWrite);
  resbuf* unknown = TextItem(1001, L"Nobody", TextItem(1000, L"x"));
  EXPECT_EQ(Zcad::eRegappIdNotFound, o->setXData(unknown));
  std::wstring big(300, L'x');
  resbuf* huge = TextItem(1001, L"A");
  resbuf* tail = huge;
  for (int i = 0; i < 60; ++i) tail = tail->rbnext = TextItem(1000, big.c_str());
  EXPECT_EQ(Zcad::eXdataSizeExceeded, o->setXData(huge));
  EXPECT_EQ(nullptr, o->xData());
  o->close();
  zcutRelRb(unknown);
  zcutRelRb(huge);
}

TEST(XData, IntegerItemsKeepTheBitsTheyWereWrittenWith) {
  ZcDbDatabase* db = headless::NewDrawing();
  RegisterApp(*db, L"A");
  ZcDbObjectId id = AddLine(*db);
  ZcDbObject* o = nullptr;
  zcdbOpenObject(o, id, ZcDb::kForWrite);
  resbuf* list = TextItem(1001, L"A");
  list->rbnext = zcutNewRb(1071);
  list->rbnext->resval.rint = -2;  // a 32-bit item written through the 16-bit member
  ASSERT_EQ(Zcad::eOk, o->setXData(list));
  resbuf* back = o->xData(L"A");
  EXPECT_EQ(-2, back->rbnext->resval.rint);
  o->close();
  zcutRelRb(list);
  zcutRelRb(back);
}

}  // namespace
