// Growth control over a part graded in two sizes: curve keys by grade-point numbers, set
// lengths per size, the dialog's header clicks and the table it draws into the drawing.
#include "sizes/Growth.h"

#include "construction/Fastrelle_Part_Drawer.h"
#include "construction/PartsFixture.h"
#include "db/ZcDbTable.h"
#include "headless/Windows.h"
#include "sizes/Growth_dlg.h"
#include "sizes/Growth_table_drawer.h"

namespace {

/// The dialog with its list's rows read as it closes: "size:first,second,difference|".
class ReadGrowth : public Growth_dlg {
public:
  std::wstring rows;
  bool shownAtOk = false;
  void OnOK() override {
    shownAtOk = IsWindowVisible();
    for (int i = 0; i < m_list.GetItemCount(); ++i)
      rows += m_list.GetItemText(i, 0).str() + L":" + m_list.GetItemText(i, 1).str() + L"," +
              m_list.GetItemText(i, 2).str() + L"," + m_list.GetItemText(i, 3).str() + L"|";
    Growth_dlg::OnOK();
  }
};

class GrowthTest : public PartsTest {
protected:
  void SetUp() override {
    PartsTest::SetUp();
    std::wstring module = headless::FromUtf8(FASTRELLE_INSTALL_DIR) + L"/Fastrelle_Construction.zrx";
    ASSERT_TRUE(Linker()->loadModule(module.c_str(), true, false));
    // A 10 x 10 square part; size 38's corner (10,0) graded to (12.34,0).
    ASSERT_EQ(0, Fastrelle_Part_Drawer(L"Front", 0).BuildFromCurves(Square(0, 0, 10)));
    ASSERT_EQ(0, Fastrelle_SizePoint(Number(10, 0), L"38").MoveTo(ZcGePoint3d(12.34, 0, 0)));
    headless::ClearTranscript();
  }
  static int Number(double x, double y) { return Fastrelle_SizePoint(ZcGePoint3d(x, y, 0)).GetNumber(); }
  /// The part's seam line of that size starting at the point.
  ZcDbObjectId SeamFrom(const wchar_t* size, double x, double y) {
    std::wstring group = std::wstring(L"Front|") + size;
    for (ZcDbObjectId id : Members(group.c_str())) {
      auto* line = Read<ZcDbEntity>(id);
      ZcGePoint3d s;
      if (line->isKindOf(ZcDbCurve::desc()) && static_cast<ZcDbCurve*>(line)->getStartPoint(s) == Zcad::eOk &&
          s.distanceTo(ZcGePoint3d(x, y, 0)) < 1e-9)
        return id;
    }
    return ZcDbObjectId();
  }
  static CString Key(int a, int b) {
    CString k;
    k.Format(L"%d|%d", a, b);
    return k;
  }
  ZcDbTable* FindTable() {
    for (ZcDbObjectId id : ModelSpace())
      if (Read<ZcDbEntity>(id)->isKindOf(ZcDbTable::desc())) return Read<ZcDbTable>(id);
    return nullptr;
  }
};

TEST_F(GrowthTest, AKeyNamesTheGradePointsOnTheCurvesEndsAndASetHoldsEachCurveOnce) {
  const int a = Number(0, 0), b = Number(10, 0);
  EXPECT_EQ(Key(a, b), Growth::MakeKey(SeamFrom(L"40", 0, 0)));
  ZcDbObjectIdArray picked;
  for (const wchar_t* size : {L"0", L"38", L"40"}) picked.append(SeamFrom(size, 0, 0));
  picked.append(AddLine(ZcGePoint3d(10, 0, 0), ZcGePoint3d(0, 0, 0)));  // the same curve drawn backwards
  picked.append(Members(L"Front|40")[5]);                               // a grade point: no curve, no key
  CStringArray keys;
  keys.Add(L"stale");
  Growth::MakeKeys(picked, keys);
  ASSERT_EQ(1, keys.GetSize());
  EXPECT_EQ(Key(a, b), keys[0]);
}

TEST_F(GrowthTest, AnEndAwayFromEveryGradePointHasNumberZeroAndFindsNoCurve) {
  // Ends within 0.01 number the key; an end 0.5 away does not, however near its point.
  ZcDbObjectId near = AddLine(ZcGePoint3d(0.005, 0, 0), ZcGePoint3d(10, 10.009, 0));
  ZcDbObjectId loose = AddLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(5, 0.5, 0));
  EXPECT_EQ(Key(Number(0, 0), Number(10, 10)), Growth::MakeKey(near));
  EXPECT_EQ(Key(Number(0, 0), 0), Growth::MakeKey(loose));
  Growth growth;
  growth.m_size = Fastrelle_Sizes_ZW().Find(L"40");
  ZcDbObjectIdArray picked;
  picked.append(loose);
  Growth::MakeKeys(picked, growth.m_first);
  EXPECT_EQ(0.0, growth.FirstLength());
  growth.m_first.Add(L"1|2|3");  // not two numbers: ignored
  growth.m_first.Add(L"x");
  EXPECT_EQ(0.0, growth.FirstLength());
}

TEST_F(GrowthTest, LengthsFollowEachSizesCurvesAndShowOneDecimalWithTheirSign) {
  Growth growth;
  growth.m_first.Add(Key(Number(0, 0), Number(10, 0)));  // the graded bottom edge
  growth.m_second.Add(Key(Number(0, 10), Number(0, 0)));  // the left edge, either way round
  Fastrelle_Sizes_ZW sizes;
  sizes.LoadFromLayers();
  growth.m_size = sizes.Find(L"38");
  EXPECT_NEAR(12.34, growth.FirstLength(), 1e-9);
  EXPECT_NEAR(10.0, growth.SecondLength(), 1e-9);
  EXPECT_EQ(L"12.3", Growth::Format(growth.FirstLength()));
  EXPECT_EQ(L"10.0", Growth::Format(growth.SecondLength()));
  EXPECT_EQ(L"2.3", Growth::Format(growth.FirstLength() - growth.SecondLength()));
  EXPECT_EQ(L"-2.3", Growth::Format(growth.SecondLength() - growth.FirstLength()));
  growth.m_size = sizes.Find(L"40");
  EXPECT_NEAR(10.0, growth.FirstLength(), 1e-9);
}

TEST_F(GrowthTest, HeaderClicksPickTheSetsAndACrossingOverStackedSizesCountsTheCurveOnce) {
  headless::PushInputs({L"@dlg header 8025 1 click", L"C", L"4,-1", L"6,1", L"",  // every size's bottom edge
                        L"@dlg header 8025 0 click", L"@dlg header 8025 3 click",  // nothing to pick
                        L"@dlg header 8025 2 click", L"0,5", L"", L"@dlg ok"});
  ReadGrowth dialog;
  ASSERT_EQ(IDOK, dialog.DoModal());
  EXPECT_EQ(L"38:12.3,10.0,2.3|40:10.0,10.0,0.0|", dialog.rows);
  EXPECT_EQ(0u, headless::PendingInput());
  EXPECT_EQ(0, headless::DocumentLocksHeld());
  EXPECT_GT(headless::DocumentLocksTaken(), 0);
  EXPECT_EQ(1, GetShort(L"PICKSTYLE"));
  std::wstring t = headless::Transcript();
  EXPECT_NE(std::wstring::npos, t.find(L"Fastrelle  Kontrola przyrostu")) << headless::ToUtf8(t);
}

TEST_F(GrowthTest, TheTableHoldsTheTitlesAndOneRowPerSizeAndIsMovedToItsPlace) {
  headless::PushInputs({L"@dlg header 8025 1 click", L"5,0", L"", L"@dlg header 8025 2 click", L"0,5", L"",
                        L"@dlg click 8033", L"200,0", L"@dlg ok"});
  ReadGrowth dialog;
  ASSERT_EQ(IDOK, dialog.DoModal());
  ZcDbTable* table = FindTable();
  ASSERT_NE(nullptr, table);
  ASSERT_EQ(3u, table->numRows());
  ASSERT_EQ(4u, table->numColumns());
  const wchar_t* expected[3][4] = {{L"Rozmiar", L"+", L"+", L"Różnica"},
                                   {L"38", L"12.3", L"10.0", L"2.3"},
                                   {L"40", L"10.0", L"10.0", L"0.0"}};
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 4; ++c) EXPECT_EQ(expected[r][c], table->textString(r, c)) << r << "," << c;
  EXPECT_LE(table->position().distanceTo(ZcGePoint3d(200, 0, 0)), 1e-9);
  // Fitted to the texts: no column or row is left 1 wide or high.
  EXPECT_GT(table->columnWidth(3), table->columnWidth(1));
  EXPECT_GT(table->rowHeight(0), 2.5);
}

TEST_F(GrowthTest, WithoutSizesNoTableIsMadeAndTheDialogComesBackUnlocked) {
  db_ = headless::NewDrawing();
  EXPECT_EQ(Zcad::eWrongObjectType, Growth_table_drawer(Growth()).Draw());
  headless::PushInputs({L"@dlg click 8033", L"@dlg ok"});
  ReadGrowth dialog;
  EXPECT_EQ(IDOK, dialog.DoModal());
  EXPECT_TRUE(dialog.shownAtOk);  // shown again after the table failed
  EXPECT_EQ(nullptr, FindTable());
  EXPECT_EQ(L"", dialog.rows);
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Growth_table_drawer::Draw"));
  EXPECT_EQ(0, headless::DocumentLocksHeld());
}

}  // namespace
