// The grading dialog driven as a user drives it: showing a graded point, typing offsets
// (only a changed cell moves anything, a base-row edit asks first and moves once, text that
// is no number is put back), the arrow keys at the grid's edge, and the eight copy buttons.
#include "sizes/Fastrelle_SizePoints_dlg.h"

#include <array>
#include <functional>

#include "construction/SquarePartFixture.h"

namespace {

using Row = std::array<std::wstring, Fastrelle_SizePoints_list::kColumns>;

class GradingDialog : public SquarePartTest {
protected:
  /// Runs the dialog over the actions, then closes it with 8014; the grid's cells after
  /// each action are kept in `seen`.
  void Run(std::vector<std::wstring> actions, std::function<void(const std::wstring&)> after = nullptr) {
    actions.push_back(L"@dlg click 8014");
    headless::PushInputs(actions);
    Fastrelle_SizePoints_dlg dlg;
    seen.clear();
    focus.clear();
    headless::SetDialogActionHook([&](HWND, const std::wstring& action) {
      seen.push_back(Cells(dlg.Grid()));
      focus.push_back(GetDlgCtrlID(GetFocus()));
      if (after) after(action);
    });
    EXPECT_EQ(8, dlg.DoModal()) << headless::ToUtf8(headless::Transcript());
    headless::SetDialogActionHook(nullptr);
  }
  static std::vector<Row> Cells(Fastrelle_SizePoints_list& grid) {
    std::vector<Row> rows;
    for (int r = 0; r < grid.GetItemCount(); ++r) {
      Row row;
      for (int c = 0; c < Fastrelle_SizePoints_list::kColumns; ++c) {
        CString text = grid.GetItemText(r, c);
        if (CWnd* editor = grid.GetCellEditor(r, c); editor && c >= Fastrelle_SizePoints_list::kDX) editor->GetWindowText(text);
        row[c] = text.str();
      }
      rows.push_back(row);
    }
    return rows;
  }
  /// DX, DY, D, DDX, DDY, DD of a row, joined by blanks.
  static std::wstring Offsets(const Row& row) {
    std::wstring out;
    for (int c = Fastrelle_SizePoints_list::kDX; c <= Fastrelle_SizePoints_list::kDD; ++c) out += row[c] + L" ";
    return out;
  }
  static void Move(int number, const wchar_t* size, double x, double y) {
    ASSERT_EQ(0, Fastrelle_SizePoint(number, size).MoveTo(ZcGePoint3d(x, y, 0)));
  }
  /// The corner (100,100) graded in 38, 42 and 44 as the fixture's usual place.
  int GradeCorner() {
    const int n = NumberAt(100, 100);
    Move(n, L"38", 95, 96);
    Move(n, L"42", 105, 104);
    Move(n, L"44", 110, 108);
    return n;
  }

  std::vector<std::vector<Row>> seen;
  std::vector<int> focus;  // the focused control's id after each action
};

TEST_F(GradingDialog, RowsFollowTheSizeOrderWithTheBaseMarkedAndShowEveryOffsetOfAGradedPoint) {
  GradeCorner();
  Run({L"@dlg click 8018", L"100,100"});
  ASSERT_EQ(2u, seen.size());
  const std::vector<Row>& rows = seen.back();
  ASSERT_EQ(4u, rows.size());
  EXPECT_EQ(L"38", rows[0][1]);
  EXPECT_EQ(L"*", rows[1][0]);
  EXPECT_EQ(L"40", rows[1][1]);
  EXPECT_EQ(L"", rows[2][0]);
  EXPECT_EQ(L"-5.0 -4.0 6.4 -5.0 -4.0 6.4 ", Offsets(rows[0]));
  EXPECT_EQ(L"0.0 0.0 0.0 0.0 0.0 0.0 ", Offsets(rows[1]));
  EXPECT_EQ(L"5.0 4.0 6.4 5.0 4.0 6.4 ", Offsets(rows[2]));
  EXPECT_EQ(L"10.0 8.0 12.8 5.0 4.0 6.4 ", Offsets(rows[3]));
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Wskaż punktdo wyświetlenia: "));
}

TEST_F(GradingDialog, AnOrderingListPutsTheRowsInItsOrderAndTheNeighbourFollowsIt) {
  const int n = GradeCorner();
  CStringArray lists;
  lists.Add(L"44;42;40;38");
  Fastrelle_Sizes_Sorters::AddLists(lists);
  Run({L"@dlg click 8018", L"100,100", L"@dlg edit 8006 #0 9 1", L"@dlg focus 8006"});
  const std::vector<Row>& rows = seen.back();
  ASSERT_EQ(4u, rows.size());
  EXPECT_EQ(L"44", rows[0][1]);
  EXPECT_EQ(L"*", rows[2][0]);
  // 44's neighbour towards the base is now the row below: 42 at (105,104); DDY keeps 4.
  EXPECT_EQ(L"6.0 8.0 10.0 1.0 4.0 4.1 ", Offsets(rows[0]));
  ExpectAt(At(n, L"44"), 106, 108);
}

TEST_F(GradingDialog, APickOnNoPointOrAPlaceWithoutBaseSizeShowsNothingAndSaysSo) {
  Run({L"@dlg click 8018", L"50,50", L"@dlg click 8019"});
  EXPECT_EQ(L"", seen.back()[0][Fastrelle_SizePoints_list::kDX]);
  const std::wstring t = headless::Transcript();
  EXPECT_NE(std::wstring::npos, t.find(L"We wskazanym miejscu nie ma punktu stopniowania"));
  EXPECT_NE(std::wstring::npos, t.find(L"Najpierw wskaż punkt do wyświetlenia."));  // a copy with nothing shown
}

TEST_F(GradingDialog, ATypedOffsetMovesItsPointOnceAndPassingThroughOtherCellsMovesNothing) {
  const int n = GradeCorner();
  // Once 42 is applied, 44's point is moved behind the grid's back: its row is stale.
  Run({L"@dlg click 8018", L"100,100", L"@dlg edit 8006 #2 6 7", L"@dlg focus 8213", L"@dlg focus 8215",
       L"@dlg focus 8216", L"@dlg focus 8112", L"@dlg focus 8113", L"@dlg focus 8115", L"@dlg focus 8116",
       L"@dlg focus 8312", L"@dlg focus 8313", L"@dlg focus 8315", L"@dlg focus 8006"},
      [&](const std::wstring& action) {
        if (action.find(L"8213") != std::wstring::npos) Move(n, L"44", 120, 100);
      });
  ExpectAt(At(n, L"42"), 107, 104);  // x from the base point + 7, y kept from the DY cell
  ExpectAt(At(n, L"40"), 100, 100);
  ExpectAt(At(n, L"44"), 120, 100);
  ExpectAt(At(n, L"38"), 95, 96);
  EXPECT_EQ(L"7.0 4.0 8.1 7.0 4.0 8.1 ", Offsets(seen[3][2]));
}

TEST_F(GradingDialog, ABaseRowEditAsksFirstMovesTheBasePointOnceAndShowsZero) {
  const int n = GradeCorner();
  Run({L"@dlg click 8018", L"100,100", L"@dlg edit 8006 #1 6 5", L"@box Yes", L"@dlg key 8112 Enter",
       L"@dlg key 8112 Enter", L"@dlg focus 8006"});
  ExpectAt(At(n, L"40"), 105, 100);
  ExpectAt(At(n, L"42"), 105, 104);
  EXPECT_EQ(L"0.0 0.0 0.0 0.0 0.0 0.0 ", Offsets(seen.back()[1]));
  EXPECT_EQ(L"0.0 4.0 4.0 0.0 4.0 4.0 ", Offsets(seen.back()[2]));
  ASSERT_EQ(1u, headless::MessageBoxes().size());
  EXPECT_EQ(L"Zmieniasz rozmiar bazowy. Czy chcesz kontynuować?", headless::MessageBoxes()[0].text);
}

TEST_F(GradingDialog, NoToTheBaseSizeQuestionBlocksTypingUntilTheCellIsLeft) {
  const int n = GradeCorner();
  Run({L"@dlg click 8018", L"100,100", L"@dlg edit 8006 #1 6 5", L"@box No", L"@dlg edit 8006 #1 6 6",
       L"@dlg focus 8006", L"@dlg edit 8006 #1 7 3", L"@box No", L"@dlg focus 8006"});
  EXPECT_EQ(L"0.0", seen[3][1][Fastrelle_SizePoints_list::kDX]);
  ExpectAt(At(n, L"40"), 100, 100);
  EXPECT_EQ(2u, headless::MessageBoxes().size());  // once per stay in a cell
}

TEST_F(GradingDialog, TextThatIsNoNumberOrNothingIsPutBackAndMovesNothing) {
  const int n = GradeCorner();
  Run({L"@dlg click 8018", L"100,100", L"@dlg edit 8006 #2 6 abc", L"@dlg focus 8006", L"@dlg edit 8006 #2 7",
       L"@dlg focus 8006", L"@dlg edit 8006 #2 6 -", L"@dlg focus 8006"});
  ExpectAt(At(n, L"42"), 105, 104);
  EXPECT_EQ(L"5.0 4.0 6.4 5.0 4.0 6.4 ", Offsets(seen.back()[2]));
}

TEST_F(GradingDialog, UpInTheFirstRowStaysAndDownMovesToTheCellBelow) {
  GradeCorner();
  Run({L"@dlg click 8018", L"100,100", L"@dlg key 8012 Up", L"@dlg key 8012 Down"});
  EXPECT_EQ(8012, focus[1]);
  EXPECT_EQ(8112, focus[2]);
}

TEST_F(GradingDialog, ARowWhoseNeighbourLacksThePointShowsNoNeighbourOffsetsAndRefusesTheirEdit) {
  const int n = GradeCorner();
  ASSERT_EQ(0, Fastrelle_SizePoint(n, L"42").Erase());
  Move(NumberAt(0, 100), L"42", 3, 100);
  // A point filled in every size first: the second show empties what its point lacks.
  Run({L"@dlg click 8018", L"0,100", L"@dlg click 8018", L"100,100", L"@dlg edit 8006 #3 9 5", L"@dlg focus 8006", L"@dlg edit 8006 #2 6 3",
       L"@dlg focus 8006"});
  EXPECT_EQ(L"3.0 0.0 3.0 3.0 0.0 3.0 ", Offsets(seen[0][2]));
  EXPECT_EQ(L"10.0 8.0 12.8    ", Offsets(seen[1][3]));
  EXPECT_EQ(L"      ", Offsets(seen[1][2]));
  ExpectAt(At(n, L"44"), 110, 108);
  EXPECT_EQ(L"10.0 8.0 12.8    ", Offsets(seen.back()[3]));
  EXPECT_EQ(L"      ", Offsets(seen.back()[2]));
  ASSERT_EQ(1u, headless::MessageBoxes().size());
  EXPECT_NE(std::wstring::npos, headless::MessageBoxes()[0].text.find(L"DDX i DDY"));
}

TEST_F(GradingDialog, ASizeWhoseSeamIsSwitchedOffStillStretchesWithItsPoint) {
  const int n = GradeCorner();
  Run({L"@dlg click 8018", L"100,100", L"@dlg edit 8006 #2 4 -", L"@dlg edit 8006 #2 7 10", L"@dlg focus 8006"});
  ExpectAt(At(n, L"42"), 105, 110);
  bool followed = false;
  for (ZcDbObjectId id : Members(L"Front|42"))
    if (ZcDbLine* line = Read<ZcDbLine>(id))
      followed = followed || line->endPoint().distanceTo(ZcGePoint3d(105, 110, 0)) < 1e-9 ||
                 line->startPoint().distanceTo(ZcGePoint3d(105, 110, 0)) < 1e-9;
  EXPECT_TRUE(followed);
}

struct CopyCase {
  int button;
  double x38, y38;  // where the 38 point of the target lands (the target's base is (0,100))
};

class GradingCopy : public GradingDialog, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(GradingCopy, PastesOnlyRowsFilledForTheShownPointWithItsAxisModes) {
  const CopyCase c = GetParam();
  const int source = GradeCorner();
  ASSERT_EQ(0, Fastrelle_SizePoint(source, L"44").Erase());  // 44 lacks the source point
  const int target = NumberAt(0, 100);
  Move(target, L"44", -7, 100);
  Run({L"@dlg click 8018", L"100,100", L"@dlg click " + std::to_wstring(c.button), L"0,100"});
  ExpectAt(At(target, L"38"), c.x38, c.y38);
  ExpectAt(At(target, L"40"), 0, 100);
  ExpectAt(At(target, L"44"), -7, 100);
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Wskaż punkt do wklejenia stopniowania: "));
}

// 38's source offset is (-5, -4); copy keeps a sign, mirror reverses it, leave keeps 38's
// own coordinate (0 or 100).
INSTANTIATE_TEST_SUITE_P(EightButtons, GradingCopy,
                         ::testing::Values(CopyCase{8019, -5, 96}, CopyCase{8020, -5, 100}, CopyCase{8021, 0, 104},
                                           CopyCase{8022, 5, 100}, CopyCase{8023, 0, 96}, CopyCase{8024, 5, 104},
                                           CopyCase{8025, 5, 96}, CopyCase{8026, -5, 104}));

}  // namespace
