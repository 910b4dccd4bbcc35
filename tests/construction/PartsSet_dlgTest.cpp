// The part-set dialog as a user drives it: "Wstaw" saves the list before it draws, so the
// table shows the edited values and a renamed row goes on as its new name; a name or a
// quantity the parts refuse leaves that row's part as it was; size and text are kept.
#include "construction/PartsSet_dlg.h"

#include <algorithm>

#include "MarkingFixture.h"
#include "construction/Fastrelle_Parts.h"
#include "construction/PartRecords.h"
#include "construction/PartSizeGroup.h"
#include "construction/PartsSet_Cmd.h"
#include "db/ZcDbTable.h"
#include "framework/Selections.h"

namespace {

class PartSetDialog : public MarkingTest {
protected:
  void SetUp() override {
    MarkingTest::SetUp();
    Fastrelle_Part_Drawer(L"Przód", 0).BuildFromCurves(Square());
    Fastrelle_Part_Drawer(L"Tył", 0).BuildFromCurves(Square(200));
    headless::ClearTranscript();
  }
  void TearDown() override {
    PartsSet_dlg::RememberedText() = CString();
    PartsSet_dlg::RememberedSize() = 5.0;
    MarkingTest::TearDown();
  }
  /// (type, quantity) of the record, (-1, -1) when there is none.
  static std::pair<int, int> Record(const wchar_t* name) {
    int type = -1, quantity = -1;
    if (!ReadPartRecord(nullptr, name, type, quantity)) return {-1, -1};
    return {type, quantity};
  }
  /// The one table of model space.
  ZcDbTable* TheTable() {
    ZcDbTable* found = nullptr;
    for (ZcDbObjectId id : ModelSpace()) {
      ZcDbTable* t = nullptr;
      if (zcdbOpenObject(t, id, ZcDb::kForRead) != Zcad::eOk) continue;
      t->close();
      EXPECT_EQ(nullptr, found) << "a second table";
      found = t;
    }
    return found;
  }
};

TEST_F(PartSetDialog, InsertSavesTheListFirstSoTheTableShowsItAndARenamedRowKeepsItsNewName) {
  Run<PartsSet_Cmd>({L"@dlg edit 8025 #0 3 3", L"@dlg edit 8025 #0 4 para w pionie", L"@dlg edit 8025 #1 1 Plecy",
                     L"@dlg click 8027", L"300,300", L"@dlg cancel"});
  const std::wstring t = headless::Transcript();
  EXPECT_EQ(std::make_pair(1, 3), Record(L"Przód")) << headless::ToUtf8(t);
  EXPECT_EQ(std::make_pair(0, 1), Record(L"Plecy"));
  EXPECT_EQ(std::make_pair(-1, -1), Record(L"Tył"));
  EXPECT_TRUE(HasGroup(L"Plecy|38"));
  EXPECT_EQ(std::wstring::npos, t.find(L"PartsSet_PartsList::")) << headless::ToUtf8(t);  // the second save found Plecy
  ZcDbTable* table = TheTable();
  ASSERT_NE(nullptr, table);
  ASSERT_EQ(5u, table->numRows());
  EXPECT_EQ(std::wstring(L"Plecy"), table->textString(2, 1));
  EXPECT_EQ(std::wstring(L"Przód"), table->textString(3, 1));
  EXPECT_EQ(std::wstring(L"3"), table->textString(3, 4));
  EXPECT_EQ(std::wstring(L"para w pionie"), table->textString(3, 3));
  EXPECT_EQ(std::wstring(L"7"), table->textString(4, 4));
  // Written out and read back, the drawing knows the part by its new name only.
  ZcDbDatabase reopened(false, true);
  ASSERT_EQ(Zcad::eOk, reopened.readDxfText(db_->dxfText()));
  Fastrelle_Parts parts;
  parts.Load(&reopened);
  std::vector<std::wstring> names;
  for (const Fastrelle_Part& part : parts.Parts()) names.push_back(part.GetName().str());
  std::sort(names.begin(), names.end());
  EXPECT_EQ((std::vector<std::wstring>{L"Plecy", L"Przód"}), names);
  EXPECT_EQ(CString(L"Plecy"), FindPartRecordKey(&reopened, L"plecy"));
  EXPECT_EQ(CString(), FindPartRecordKey(&reopened, L"Tył"));
  for (const wchar_t* size : {L"0", L"38", L"40"}) {
    ZcDbObjectIdArray ids;
    EXPECT_EQ(0, PartSizeGroup(&reopened, L"Plecy", size).GetIds(ids)) << headless::ToUtf8(size);
    EXPECT_FALSE(ids.isEmpty());
    EXPECT_NE(0, PartSizeGroup(&reopened, L"Tył", size).GetIds(ids)) << headless::ToUtf8(size);
  }
}

TEST_F(PartSetDialog, ARefusedNameOrQuantityLeavesThatPartAndTheOtherValuesAreSaved) {
  Run<PartsSet_Cmd>({L"@dlg edit 8025 #1 1 przód", L"@dlg edit 8025 #1 3 4", L"@dlg edit 8025 #0 3 70000",
                     L"@dlg edit 8025 #0 4 para w poziomie", L"@dlg ok"});
  EXPECT_EQ(std::make_pair(2, 1), Record(L"Przód"));
  Run<PartsSet_Cmd>({L"@dlg edit 8025 #0 3 dwa", L"@dlg ok"});  // no number: the quantity stays
  const std::wstring t = headless::Transcript();
  EXPECT_NE(std::wstring::npos, t.find(L"Tył: PartsSet_PartsList::Rename")) << headless::ToUtf8(t);
  EXPECT_EQ(std::make_pair(0, 4), Record(L"Tył"));
  EXPECT_TRUE(HasGroup(L"Tył|38"));
  EXPECT_EQ(std::make_pair(2, 1), Record(L"Przód"));
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Przód: PartsSet_PartsList::SetQuantity"));
  EXPECT_EQ(CString(L"Przód"), FindPartRecordKey(nullptr, L"przód"));
}

TEST_F(PartSetDialog, ClosingKeepsTheTextAndSizeForTheNextRun) {
  EXPECT_DOUBLE_EQ(5.0, PartsSet_dlg::RememberedSize());  // "DecriptiorSize"
  Run<PartsSet_Cmd>({L"@dlg set 8026 Uwagi do kompletu", L"@dlg cancel"});
  EXPECT_EQ(CString(L"Uwagi do kompletu"), PartsSet_dlg::RememberedText());
  headless::ClearTranscript();
  Run<PartsSet_Cmd>({L"@dlg show", L"@dlg cancel"});
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"8026 rich \"Uwagi do kompletu\""))
      << headless::ToUtf8(headless::Transcript());
}

}  // namespace
