#include "ui/UI_DataGrid.h"

#include <gtest/gtest.h>

#include "DialogFixture.h"
#include "mfc/CDialog.h"
#include "ui/UI_DataGrid_2.h"

namespace {

// A window holding a three-column, three-row grid with id 8013.
class GridTest : public DialogTest {
protected:
  void SetUp() override {
    DialogTest::SetUp();
    ASSERT_TRUE(parent_.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0));
    ASSERT_TRUE(grid_.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 380, 280), &parent_, 8013));
    for (int c = 0; c < 3; ++c) grid_.InsertColumn(c, L"C", LVCFMT_LEFT, 60);
    for (const wchar_t* text : {L"a", L"b", L"c"}) grid_.InsertRow(grid_.GetItemCount(), text);
  }
  void TearDown() override {
    parent_.DestroyWindow();
    DialogTest::TearDown();
  }
  int Id(int row, int column) { return grid_.GetCellEditor(row, column)->GetDlgCtrlID(); }
  CWnd parent_;
  Zc_DataGrid grid_;
};

}  // namespace

TEST_F(GridTest, EditorsTakeTheIdsOfTheirCellsAndCellsOutsideTheGridDoNothing) {
  EXPECT_TRUE(grid_.PutNumericEdit(0, 1));
  EXPECT_TRUE(grid_.PutTextEdit(1, 2));
  EXPECT_TRUE(grid_.PutCheckBox(2, 0, 1));
  EXPECT_EQ(Id(0, 1), 8014);
  EXPECT_EQ(Id(1, 2), 8115);
  EXPECT_EQ(Id(2, 0), 8213);
  EXPECT_EQ(grid_.GetExtendedStyle() & LVS_EX_GRIDLINES, static_cast<DWORD>(LVS_EX_GRIDLINES));

  grid_.InsertColumn(3, L"late", LVCFMT_LEFT, 60);  // rows made before it have no cell there
  EXPECT_FALSE(grid_.PutTextEdit(0, 3));
  EXPECT_FALSE(grid_.PutTextEdit(-1, 0));
  EXPECT_FALSE(grid_.PutTextEdit(3, 0));
  EXPECT_EQ(grid_.GetCell(0, -1), nullptr);
  grid_.SetCellText(0, 3, L"x");
  grid_.AddComboItem(-1, 0, L"x");
  EXPECT_EQ(grid_.GetCellInt(0, 3), 0);
  EXPECT_EQ(grid_.GetComboItem(0, 3, 0), L"");
}

TEST_F(GridTest, NumbersAreReadFromTheEditorsText) {
  grid_.PutNumericEdit(0, 1);
  grid_.SetCellText(0, 1, L"1,5");
  EXPECT_DOUBLE_EQ(grid_.GetCellDouble(0, 1), 1.5);
  grid_.SetCellText(0, 1, L"abc");
  EXPECT_DOUBLE_EQ(grid_.GetCellDouble(0, 1), 0);
  grid_.SetCellText(0, 1, L"-2");
  EXPECT_EQ(grid_.GetCellInt(0, 1), -2);
  EXPECT_DOUBLE_EQ(grid_.GetCellDouble(0, 1), -2.0);
  EXPECT_EQ(grid_.GetCellInt(1, 1), 0);  // no editor
}

TEST_F(GridTest, DeletingARowLaysTheEditorsBelowOntoTheirNewCellsKeepingTheirIds) {
  for (int r = 0; r < 3; ++r) grid_.PutTextEdit(r, 1);
  CRect row0 = grid_.GetCellRect(0, 1), row1 = grid_.GetCellRect(1, 1);
  EXPECT_TRUE(grid_.DeleteRow(0));
  ASSERT_EQ(grid_.GetItemCount(), 2);
  EXPECT_EQ(Id(0, 1), 8114);
  EXPECT_EQ(Id(1, 1), 8214);
  CRect placed;
  grid_.GetCellEditor(0, 1)->GetWindowRect(placed);
  grid_.ScreenToClient(placed);
  EXPECT_EQ(placed, row0);
  grid_.GetCellEditor(1, 1)->GetWindowRect(placed);
  grid_.ScreenToClient(placed);
  EXPECT_EQ(placed, row1);
  EXPECT_EQ(grid_.GetItemText(0, 0), L"b");
}

TEST_F(GridTest, DeletingTheSelectedRowsEndsWhereverTheMarkIs) {
  grid_.PutTextEdit(0, 0);
  grid_.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
  grid_.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
  grid_.SetSelectionMark(2);  // on a row that is not selected
  EXPECT_EQ(grid_.DeleteSelectedRows(), 1);
  ASSERT_EQ(grid_.GetItemCount(), 1);
  EXPECT_EQ(grid_.GetItemText(0, 0), L"c");
  grid_.SetSelectionMark(-1);
  grid_.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
  EXPECT_EQ(grid_.DeleteSelectedItems(), 1);
  EXPECT_EQ(grid_.GetItemCount(), 0);
}

TEST_F(GridTest, ComboCellsKeepTheirOptions) {
  CStringArray options{L"S", L"M", L"L"};
  EXPECT_TRUE(grid_.PutComboCell(1, 2, options));
  EXPECT_EQ(grid_.GetComboItem(1, 2, 0), L"S");
  EXPECT_EQ(grid_.GetComboItem(1, 2, 2), L"L");
  EXPECT_EQ(grid_.GetComboItem(1, 2, -1), L"");
  EXPECT_EQ(grid_.GetComboItem(1, 2, 3), L"");
  EXPECT_TRUE(grid_.PutComboCell(1, 2, options));  // the second editor replaces the first
  EXPECT_EQ(grid_.GetComboItem(1, 2, 5), L"L");
  std::size_t before = headless::LiveWindowCount();
  EXPECT_TRUE(grid_.PutTextEdit(1, 2));
  EXPECT_EQ(headless::LiveWindowCount(), before - 1);  // the combo and its edit went, one edit came
}

TEST_F(GridTest, TitlesAreCutAt255CharactersAndFoundExactly) {
  grid_.SetColumnTitle(1, CString(L'x', 300));
  EXPECT_EQ(grid_.GetColumnTitle(1).GetLength(), 255);
  grid_.SetColumnTitle(2, L"Kolor");
  EXPECT_EQ(grid_.FindColumn(L"Kolor"), 2);
  EXPECT_EQ(grid_.FindColumn(L"kolor"), -1);
  grid_.SetRowHeight();
  CRect row;
  grid_.GetItemRect(1, row, LVIR_BOUNDS);
  EXPECT_EQ(row.Height(), 20);
  grid_.DeleteAllColumns();
  EXPECT_EQ(grid_.GetHeaderCtrl()->GetItemCount(), 0);
}

namespace {
class FixedGridDialog : public CDialog {
public:
  FixedGridDialog() : CDialog(101) {}
  UI_DataGrid_2 grid;

protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    grid.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 200), this, 8013);
    grid.InsertColumn(0, L"Rozmiar", LVCFMT_LEFT, 100);
    grid.InsertRow(0, L"38");
    grid.PutTextEdit(0, 0);
    grid.m_fixedColumns = 1;
    return TRUE;
  }
};
}  // namespace

TEST_F(DialogTest, AGridWithFixedColumnsRefusesADividerDragAndLeavesNoWindow) {
  headless::PushInputs({L"@dlg header 8013 0 width 80", L"@dlg edit 8013 38 0 40", L"@dlg show", L"@dlg ok"});
  FixedGridDialog dlg;
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_NE(headless::Transcript().find(L"the list keeps its column widths"), std::wstring::npos);
  EXPECT_NE(headless::Transcript().find(L"  8013 list: Rozmiar (100) (focused)\n    0: 38 [edit \"40\"]"),
            std::wstring::npos)
      << headless::ToUtf8(headless::Transcript());
}
