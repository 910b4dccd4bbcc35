// A case that needs an empty drawing: the four reasons a drawing is not empty, in order, and
// the purge after the case: what is unused goes silently, a referenced block stays with a
// line, and layers only a purged block used go too.
#include "testcase/ZWTestCase.h"

#include <gtest/gtest.h>

#include "DrawingFixture.h"
#include "db/ZcDbBlockReference.h"
#include "framework/Layers.h"
#include "framework/UI_Block.h"

namespace {

class EmptyCase : public ZWTestCase {
public:
  bool Evaluate() override { return true; }
  CString GetName() const override { return L"t_case"; }
};

class ZWTestCaseTest : public DrawingTest {
protected:
  // A block definition named `name` holding a line on `layer`.
  ZcDbObjectId MakeBlock(const wchar_t* name, const wchar_t* layer) {
    ZcDbBlockTable* table = nullptr;
    db_->getBlockTable(table, ZcDb::kForWrite);
    auto* record = new ZcDbBlockTableRecord();
    record->setName(name);
    ZcDbObjectId id;
    table->add(id, record);
    auto* line = new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 0, 0));
    line->setLayer(layer);
    record->appendZcDbEntity(line);
    line->close();
    record->close();
    table->close();
    return id;
  }
  CString Reason() { return ZWTestCase::NotEmptyReason(); }
  bool LayerExists(const wchar_t* name) {
    CStringArray names;
    GetLayerNames(names);
    for (int i = 0; i < names.GetSize(); ++i)
      if (names[i] == name) return true;
    return false;
  }
};

TEST_F(ZWTestCaseTest, TheFourReasonsAreFoundInTheirOrder) {
  EXPECT_EQ(Reason(), CString());
  MakeLayer(L"Defpoints");  // in any letter case
  EXPECT_EQ(Reason(), CString());
  MakeBlock(L"A", L"0");
  EXPECT_EQ(Reason(), CString(L"drawing has Blocks"));
  MakeGroup(L"G", {});
  EXPECT_EQ(Reason(), CString(L"drawing has groups"));
  MakeLayer(L"38");
  EXPECT_EQ(Reason(), CString(L"drawing has Layers"));
  EXPECT_EQ(Reason(), CString(L"drawing has Layers"));
  EXPECT_EQ(headless::Transcript(), L"");
  AddLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(5, 5, 0));
  EmptyCase testCase;
  EXPECT_FALSE(testCase.Initialize());
  EXPECT_EQ(headless::Transcript(), L"\n\nDrawing is not empty before test: \nt_case\nmodelSpace is not empty\n");
}

TEST_F(ZWTestCaseTest, FinishPurgesWhatIsUnusedAndSaysWhichBlockStays) {
  MakeLayer(L"Free");
  MakeLayer(L"Used");
  AddLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(5, 0, 0), L"Used");
  MakeBlock(L"Unused", L"0");
  ZcDbObjectId kept = MakeBlock(L"Kept", L"0");
  Add(new ZcDbBlockReference(ZcGePoint3d(0, 0, 0), kept));
  EmptyCase testCase;
  testCase.Finish();
  EXPECT_EQ(headless::Transcript(), L"\nFailed to purge block: Kept");
  EXPECT_FALSE(LayerExists(L"Free"));
  EXPECT_TRUE(LayerExists(L"Used"));  // an entity lies on it: it stays without a word
  CStringArray blocks;
  ListBlockNames(blocks);
  ASSERT_EQ(blocks.GetSize(), 1);
  EXPECT_EQ(blocks[0], CString(L"Kept"));
}

TEST_F(ZWTestCaseTest, ALayerOnlyAPurgedBlockUsedIsPurgedTooSoTheNextRunFindsTheDrawingEmpty) {
  MakeLayer(L"Inner");
  MakeBlock(L"Piece", L"Inner");
  EmptyCase testCase;
  testCase.Finish();
  EXPECT_EQ(headless::Transcript(), L"");
  EXPECT_EQ(Reason(), CString());
  EXPECT_TRUE(testCase.Initialize());
}

TEST_F(ZWTestCaseTest, NumbersAndStatusesPrintOnTheirOwnLines) {
  EmptyCase testCase;
  testCase.PrintDouble(204214.3000291);
  testCase.PrintInt(17);
  EXPECT_EQ(headless::Transcript(), L"\n204214.300029\n17");
}

}  // namespace
