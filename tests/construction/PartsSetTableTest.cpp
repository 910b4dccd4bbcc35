// The part-set summary table: column widths from the width and shares, the quantity each
// part row shows and the total counting pairs twice, the merged title and total rows, and
// a failing step that leaves no half-made table behind.
#include "construction/PartsSetTable.h"

#include "MarkingFixture.h"

namespace {

class SetTable : public MarkingTest {
protected:
  /// The table, read and closed again (its memory lives with the drawing).
  static ZcDbTable* Table(ZcDbObjectId id) {
    ZcDbTable* table = nullptr;
    if (zcdbOpenObject(table, id, ZcDb::kForRead) != Zcad::eOk) return nullptr;
    table->close();
    return table;
  }
  static CString Cell(ZcDbTable* t, int row, int column) { return t->textString(row, column).c_str(); }
  static PartsSetRow Row(const wchar_t* name, int type, int quantity) {
    PartsSetRow row;
    row.name = name;
    row.type = type;
    row.quantity = quantity;
    return row;
  }
  static PartsSetTable::Widths Shares(double total, double number, double name, double material, double mode) {
    PartsSetTable::Widths w;
    w.total = total;
    w.number = number;
    w.name = name;
    w.material = material;
    w.mode = mode;
    return w;
  }
};

TEST_F(SetTable, ColumnsTakeTheirShareOfTheWidthAndQuantityTheRest) {
  PartsSetTable table(5.0, ZcDbObjectId());
  ASSERT_EQ(0, table.Build(ZcGePoint3d(0, 0, 0), Shares(100, 0.1, 0.4, 0.2, 0.2), {}));
  ZcDbTable* t = Table(table.Id());
  const double expected[] = {10, 40, 20, 20, 10};
  for (int c = 0; c < 5; ++c) EXPECT_NEAR(expected[c], t->columnWidth(c), 1e-9) << c;
}

TEST_F(SetTable, SharesAboveTheWholeAreReportedAndTheTableGoesOnWithQuantityWidthOne) {
  PartsSetTable table(5.0, ZcDbObjectId());
  ASSERT_EQ(0, table.Build(ZcGePoint3d(0, 0, 0), Shares(100, 0.3, 0.4, 0.3, 0.2), {Row(L"Przód", 0, 1)}));
  ZcDbTable* t = Table(table.Id());
  ASSERT_NE(nullptr, t);
  EXPECT_NEAR(30, t->columnWidth(0), 1e-9);
  EXPECT_NEAR(1.0, t->columnWidth(4), 1e-9);
  EXPECT_EQ(4u, t->numRows());
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"PartsSetTable::SetColumnWidth"));
}

TEST_F(SetTable, EachRowShowsItsPartsQuantityAndTheTotalCountsPairsTwice) {
  {
    PartsSetTable table(5.0, ZcDbObjectId());
    ASSERT_EQ(0, table.Build(ZcGePoint3d(0, 0, 0), Shares(150, 0.1, 0.35, 0.25, 0.2),
                             {Row(L"A", 0, 1), Row(L"B", 0, 1), Row(L"C", 0, 1), Row(L"D", 1, 1)}));
    ZcDbTable* t = Table(table.Id());
    ASSERT_EQ(7u, t->numRows());
    EXPECT_EQ(CString(L"4"), Cell(t, 5, 0));
    EXPECT_EQ(CString(L"para w pionie"), Cell(t, 5, 3));
    EXPECT_EQ(CString(L"5"), Cell(t, 6, 4));
  }
  PartsSetTable table(5.0, ZcDbObjectId());
  ASSERT_EQ(0, table.Build(ZcGePoint3d(0, 0, 0), Shares(150, 0.1, 0.35, 0.25, 0.2),
                           {Row(L"Przód", 0, 3), Row(L"Tył", 2, 2)}));
  ZcDbTable* t = Table(table.Id());
  EXPECT_EQ(CString(L"3"), Cell(t, 2, 4));
  EXPECT_EQ(CString(L"2"), Cell(t, 3, 4));
  EXPECT_EQ(CString(L"para w poziomie"), Cell(t, 3, 3));
  EXPECT_EQ(CString(L"7"), Cell(t, 4, 4));
  EXPECT_EQ(7, table.Total());
}

TEST_F(SetTable, TitleAndTotalAreMergedOverTheFirstFourColumnsAndRowsScaleWithTheText) {
  PartsSetTable table(5.0, ZcDbObjectId());
  ASSERT_EQ(0, table.Build(ZcGePoint3d(150, 85, 0), Shares(150, 0.1, 0.35, 0.25, 0.2), {Row(L"Przód", 1, 2)}));
  ZcDbTable* t = Table(table.Id());
  EXPECT_EQ(ZcGePoint3d(150, 85, 0), t->position());
  const wchar_t* header[] = {L"lp.", L"Część", L"Materiał", L"Tryb", L"Ilość"};
  for (int c = 0; c < 5; ++c) EXPECT_EQ(CString(header[c]), Cell(t, 1, c));
  EXPECT_EQ(CString(L"Zestawienie części"), Cell(t, 0, 0));
  EXPECT_EQ(CString(L"RAZEM:"), Cell(t, 3, 0));
  for (int row : {0, 3}) {
    int top = -1, bottom = -1, left = -1, right = -1;
    ASSERT_TRUE(t->isMergedCell(row, 2, &top, &bottom, &left, &right)) << row;
    EXPECT_EQ(row, top);
    EXPECT_EQ(row, bottom);
    EXPECT_EQ(0, left);
    EXPECT_EQ(3, right);
    EXPECT_FALSE(t->isMergedCell(row, 4));
  }
  EXPECT_EQ(4, t->alignment(3, 0));
  for (int r = 0; r < 4; ++r) {
    EXPECT_DOUBLE_EQ(7.0, t->rowHeight(r)) << r;
    EXPECT_DOUBLE_EQ(5.0, t->textHeight(r, 4)) << r;
  }
}

TEST_F(SetTable, AFailingStepErasesTheHalfMadeTableAndReturnsItsStatus) {
  PartsSetTable table(0.0, ZcDbObjectId());  // no text height the table takes
  const int status = table.Build(ZcGePoint3d(0, 0, 0), Shares(150, 0.1, 0.35, 0.25, 0.2), {Row(L"Przód", 0, 1)});
  EXPECT_NE(0, status);
  EXPECT_TRUE(table.Id().isErased());
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"PartsSetTable::SetTextHeight"));
}

}  // namespace
