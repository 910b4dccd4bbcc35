// Blocks defined from drawing files, inserted with their attributes, and attribute texts
// read and written by tag.
#include "framework/UI_Block.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "db/ZcDbBlockReference.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbArc.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbText.h"
#include "framework/BlockReference.h"
#include "framework/SideDatabase.h"
#include "framework/UI_AttDefList.h"
#include "framework/UI_DwgBlock.h"
#include "headless/Database.h"
#include "headless/Host.h"

namespace {

// A symbol drawing: a circle, a NUM definition (default "1"), a constant KIND ("stała")
// and an invisible NOTE.
std::filesystem::path WriteSymbolDrawing(const char* title) {
  auto dir = std::filesystem::temp_directory_path() / ("fastrelle_blocks_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  auto path = dir / (std::string(title) + ".dwg");
  ZcDbDatabase side;
  ZcDbBlockTableRecord* ms = nullptr;
  zcdbOpenObject(ms, side.modelSpaceId(), ZcDb::kForWrite);
  auto append = [&](ZcDbEntity* e) {
    ms->appendZcDbEntity(e);
    e->close();
  };
  append(new ZcDbCircle(ZcGePoint3d(0, 0, 0), ZcGeVector3d::kZAxis, 2));
  append(new ZcDbAttributeDefinition(ZcGePoint3d(1, 0, 0), L"1", L"NUM"));
  auto* kind = new ZcDbAttributeDefinition(ZcGePoint3d(1, -2, 0), L"stała", L"KIND");
  kind->setConstant(true);
  append(kind);
  auto* note = new ZcDbAttributeDefinition(ZcGePoint3d(1, -4, 0), L"", L"NOTE");
  note->setInvisible(true);
  append(note);
  ms->close();
  side.saveAs(path.wstring().c_str());
  return path;
}

class UI_BlockTest : public ::testing::Test {
protected:
  void SetUp() override {
    headless::NewDrawing();
    headless::ClearTranscript();
  }
  void TearDown() override { EXPECT_EQ(0, headless::OpenObjectCount()); }
};

TEST_F(UI_BlockTest, ASymbolDrawingIsDefinedAndInsertedWithAttributesFromItsDefinitions) {
  auto path = WriteSymbolDrawing("GradePoint");
  UI_Block block(CString(path.wstring().c_str()), true);
  ASSERT_NE(nullptr, block.Record());
  EXPECT_EQ(CString(L"GradePoint"), block.GetName());
  ZcDbObjectId refId;
  ASSERT_EQ(0, InsertBlock(L"GradePoint", ZcGePoint3d(10, 20, 0), 2.0, 0.0, &refId));
  ZcDbBlockReference* ref = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(ref, refId, ZcDb::kForRead));
  ref->close();
  NameValueList values;
  GetAttributeValues(ref, values);
  ASSERT_EQ(3, values.GetCount());  // constant definitions become attributes too
  EXPECT_EQ(CString(L"NUM"), values[0].name);
  EXPECT_EQ(CString(L"1"), values[0].value);

  EXPECT_EQ(0, SetAttributeValue(ref, L"num", L"5"));
  EXPECT_EQ(22, SetAttributeValue(ref, L"missing", L"5"));
  CString text;
  EXPECT_EQ(0, GetAttributeValue(ref, L"Num", text));
  EXPECT_EQ(CString(L"5"), text);

  ZcDbObjectIdArray attrs = ref->attributeIds();
  ZcDbAttribute* note = nullptr;
  zcdbOpenObject(note, attrs[2], ZcDb::kForRead);
  EXPECT_TRUE(note->isInvisible());
  EXPECT_EQ(ZcGePoint3d(12, 12, 0), note->position());  // placed by the reference's transform
  note->close();
}

TEST_F(UI_BlockTest, AConstantDefinitionAnswersForATagNoAttributeHas) {
  auto path = WriteSymbolDrawing("Notch");
  UI_Block block(CString(path.wstring().c_str()), true);
  ZcDbObjectId refId;
  ASSERT_EQ(0, InsertBlock(L"Notch", ZcGePoint3d(), 1.0, 0.0, &refId));
  ZcDbBlockReference* ref = nullptr;
  zcdbOpenObject(ref, refId, ZcDb::kForWrite);
  ZcDbObjectIdArray attrs = ref->attributeIds();
  ref->close();
  ZcDbObject* kind = nullptr;
  zcdbOpenObject(kind, attrs[1], ZcDb::kForWrite);
  kind->erase();
  kind->close();
  CString text;
  EXPECT_EQ(0, GetAttributeValue(ref, L"KIND", text));
  EXPECT_EQ(CString(L"stała"), text);
  EXPECT_EQ(374, GetAttributeValue(nullptr, L"KIND", text));
}

TEST_F(UI_BlockTest, AnExistingBlockIsUsedWithoutReadingAFile) {
  UI_Block made(L"part", false);
  EXPECT_EQ(0, made.Create());
  UI_Block byPath(L"C:\\nowhere\\part.dwg", true);
  EXPECT_NE(nullptr, byPath.Record());
  EXPECT_EQ(0, byPath.LoadStatus());
  EXPECT_EQ(std::wstring::npos, headless::Transcript().find(L"not possible"));
}

TEST_F(UI_BlockTest, AMissingDrawingIsReportedAndDefinesNothing) {
  UI_Block block(L"C:\\nowhere\\Missing.dwg", true);
  EXPECT_EQ(nullptr, block.Record());
  EXPECT_EQ(76, block.LoadStatus());
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"\nIt's not possible to load file: C:\\nowhere\\Missing.dwg\n"));
  UI_DwgBlock dwg;
  EXPECT_EQ(76, dwg.Define(L"C:\\nowhere\\Missing"));
}

TEST_F(UI_BlockTest, InsertingIntoABlockTheDrawingLacksGives3AndAddsNothing) {
  ZcDbDatabase other;
  ZcDbBlockTable* bt = nullptr;
  other.getBlockTable(bt, ZcDb::kForWrite);
  auto* elsewhere = new ZcDbBlockTableRecord;
  elsewhere->setName(L"Elsewhere");
  ZcDbObjectId ownerId;
  bt->add(ownerId, elsewhere);
  elsewhere->close();
  bt->close();
  ZcDbObjectId refId;
  EXPECT_EQ(3, InsertBlockInto(L"Anything", ZcGePoint3d(), ZcGeScale3d(1), 0, ownerId, &refId));
  EXPECT_EQ(Zcad::eKeyNotFound, InsertBlock(L"NoSuchBlock", ZcGePoint3d(), 1, 0, &refId));
  EXPECT_TRUE(refId.isNull());
}

TEST_F(UI_BlockTest, MultiLineAttributesTakeTheAttachmentOfTheirAlignment) {
  EXPECT_EQ(21, AttachmentOfAlignment(4, 0));
  EXPECT_EQ(1, AttachmentOfAlignment(0, 3));
  EXPECT_EQ(19, AttachmentOfAlignment(5, 2));
}

TEST_F(UI_BlockTest, AttributeDefinitionListsAreHeldClosed) {
  auto path = WriteSymbolDrawing("Holes");
  UI_Block block(CString(path.wstring().c_str()), true);
  UI_AttDefList list;
  EXPECT_EQ(0, list.LoadFromBlock(block.Record()));
  EXPECT_EQ(3u, list.Definitions().size());
  EXPECT_EQ(L"NUM", list.Definitions()[0]->tag());
  EXPECT_EQ(20, UI_AttDefList().LoadFromBlock(nullptr));
  UI_Block empty(L"Empty", false);
  empty.Create();
  EXPECT_EQ(130, UI_AttDefList().LoadFromBlock(empty.Record()));
}

TEST_F(UI_BlockTest, ASideDatabaseThatFailsIsDeletedAndReopeningReplacesTheOld) {
  auto path = WriteSymbolDrawing("Model");
  SideDatabase side(CString(path.wstring().c_str()));
  ASSERT_EQ(0, side.Open());
  ZcDbDatabase* first = side.Database();
  ASSERT_EQ(0, side.Open());
  EXPECT_NE(nullptr, side.Database());
  (void)first;
  SideDatabase missing(L"C:\\nowhere\\x.dwg");
  EXPECT_EQ(76, missing.Open());
  EXPECT_EQ(nullptr, missing.Database());
  EXPECT_TRUE(missing.GetBlockReferences(L"x").isEmpty());
}

}  // namespace
