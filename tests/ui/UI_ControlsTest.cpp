// The system's controls in a grid of a dialog, driven by the script as a user would drive
// them; the grid logs what its controls tell it.
#include "ui/UI_Edit.h"

#include <gtest/gtest.h>

#include "DialogFixture.h"
#include "db/ZcDbSymbolTable.h"
#include "framework/Layers.h"
#include "mfc/CDialog.h"
#include "ui/UI_Button.h"
#include "ui/UI_DataGrid_2.h"
#include "ui/UI_Messages.h"

namespace {

class LoggingGrid : public Zc_DataGrid {
protected:
  LRESULT Log(const char* what, WPARAM w) {
    TestLog().push_back(std::string(what) + " " + std::to_string(w));
    return 0;
  }
  LRESULT OnSetActive(WPARAM w, LPARAM) { return Log("setactive", w); }
  LRESULT OnEditKill(WPARAM w, LPARAM) { return Log("editkill", w); }
  LRESULT OnEditEscape(WPARAM w, LPARAM) { return Log("escape", w); }
  LRESULT OnComboKill(WPARAM w, LPARAM) { return Log("combokill", w); }
  LRESULT OnItemActivated(WPARAM w, LPARAM) { return Log("activated", w); }
  LRESULT OnColour(WPARAM w, LPARAM) { return Log("colour", w); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(LoggingGrid, Zc_DataGrid)
  ON_REGISTERED_MESSAGE(WM_UI_DG_SETACTIVE, OnSetActive)
  ON_REGISTERED_MESSAGE(WM_UI_EDIT_KILL_FOCUS, OnEditKill)
  ON_REGISTERED_MESSAGE(WM_UI_EDIT_VK_ESCAPE, OnEditEscape)
  ON_REGISTERED_MESSAGE(WM_UI_COMBO_KILL_FOCUS, OnComboKill)
  ON_REGISTERED_MESSAGE(WM_UI_DGITEM_ACTIVATED, OnItemActivated)
  ON_REGISTERED_MESSAGE(WM_UI_ColSel_SelChanged, OnColour)
END_MESSAGE_MAP()

class GridDialog : public CDialog {
public:
  GridDialog() : CDialog(101) {}
  LoggingGrid grid;
  std::function<void(LoggingGrid&)> init;

protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    grid.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 200), this, 8013);
    for (int c = 0; c < 3; ++c) grid.InsertColumn(c, c == 1 ? L"Kolor" : L"C", LVCFMT_LEFT, 60);
    for (const wchar_t* text : {L"a", L"b", L"c"}) grid.InsertRow(grid.GetItemCount(), text);
    grid.SetItemText(1, 1, L"12");
    if (init) init(grid);
    return TRUE;
  }
};

class ControlsTest : public DialogTest {
protected:
  std::vector<std::string> Run(std::function<void(LoggingGrid&)> init, std::vector<std::wstring> actions) {
    actions.push_back(L"@dlg ok");
    headless::PushInputs(actions);
    GridDialog dlg;
    dlg.init = std::move(init);
    EXPECT_EQ(dlg.DoModal(), IDOK) << headless::ToUtf8(headless::Transcript());
    return TestLog();
  }
  static UI_Edit* Edit(LoggingGrid& g, int row, int column) { return dynamic_cast<UI_Edit*>(g.GetCellEditor(row, column)); }
  void Layer(const wchar_t* name, bool off, bool frozen) {
    ZcDbLayerTableRecord* made = nullptr;
    ASSERT_EQ(CreateLayer(name, made), 0);
    ZcDbLayerTableRecord* w = nullptr;
    ASSERT_EQ(zcdbOpenObject(w, made->objectId(), ZcDb::kForWrite), Zcad::eOk);
    w->setIsOff(off);
    w->setIsFrozen(frozen);
    w->close();
  }
};

}  // namespace

TEST_F(ControlsTest, AnEditMovesItsCaretThenNamesTheNeighbouringCells) {
  std::wstring afterDeletes;
  headless::SetDialogActionHook([&](HWND, const std::wstring& action) {
    if (action == L"key 8114 Delete") afterDeletes += L"|";
  });
  auto log = Run([](LoggingGrid& g) { g.PutTextEdit(1, 1); },
                 {L"@dlg key 8114 Left", L"@dlg key 8114 Left", L"@dlg key 8114 Right", L"@dlg key 8114 End",
                  L"@dlg key 8114 Right", L"@dlg key 8114 Up", L"@dlg key 8114 Down", L"@dlg key 8114 Home",
                  L"@dlg key 8114 Delete", L"@dlg key 8114 End", L"@dlg key 8114 Delete", L"@dlg show",
                  L"@dlg key 8114 Enter", L"@dlg key 8114 Escape"});
  // Left from the select-all of creation stops at 0; then Left leaves; Right inside only moves.
  EXPECT_EQ(log, (std::vector<std::string>{"setactive 8113", "setactive 8115", "setactive 8014", "setactive 8214",
                                           "editkill 8114", "escape 8114"}));
  EXPECT_NE(headless::Transcript().find(L"    1: b | 12 [edit \"2\"] |"), std::wstring::npos)
      << headless::ToUtf8(headless::Transcript());
}

TEST_F(ControlsTest, ANumericCellPutsItsFirstTextBackAfterInputThatIsNoNumber) {
  GridDialog* seen = nullptr;
  std::vector<std::wstring> values;
  headless::SetDialogActionHook([&](HWND dialog, const std::wstring&) {
    auto* grid = static_cast<LoggingGrid*>(CWnd::FromHandle(GetDlgItem(dialog, 8013)));
    if (UI_Edit* e = Edit(*grid, 1, 1)) {
      CString text;
      e->GetWindowText(text);
      values.push_back(text.str() + L"=" + e->GetValue().str());
    }
    (void)seen;
  });
  Run([](LoggingGrid& g) { g.PutNumericEdit(1, 1); },
      {L"@dlg set 8114 abc", L"@dlg focus 1", L"@dlg set 8114", L"@dlg set 8114 1,5"});
  EXPECT_EQ(values, (std::vector<std::wstring>{L"abc=12", L"12=12", L"=0.000", L"1,5=1,5", L"1,5=1,5"}));
}

TEST_F(ControlsTest, AComboTellsOfEnterOrTabOnceAndOfItsFirstFocus) {
  auto log = Run([](LoggingGrid& g) { g.PutComboCell(2, 1, CStringArray{L"S", L"M", L"L"}); },
                 {L"@dlg key 8214 Tab", L"@dlg key 8214 Enter", L"@dlg focus 1", L"@dlg edit 8013 c 1 M",
                  L"@dlg show"});
  EXPECT_EQ(log, (std::vector<std::string>{"activated 8214", "combokill 0"}));
  EXPECT_NE(headless::Transcript().find(L"    2: c | [combo \"M\"] |"), std::wstring::npos)
      << headless::ToUtf8(headless::Transcript());
}

TEST_F(ControlsTest, ACheckBoxCellTogglesOnItsClickAndReadsPlusOrMinus) {
  std::vector<std::wstring> texts;
  headless::SetDialogActionHook([&](HWND dialog, const std::wstring&) {
    auto* grid = static_cast<LoggingGrid*>(CWnd::FromHandle(GetDlgItem(dialog, 8013)));
    CString t;
    dynamic_cast<UI_CheckBox*>(grid->GetCellEditor(0, 2))->GetText(t);
    texts.push_back(t.str());
  });
  Run([](LoggingGrid& g) { g.PutCheckBox(0, 2, 1); },
      {L"@dlg edit 8013 a 2 -", L"@dlg edit 8013 a 2 -", L"@dlg click 8013 a 2"});
  EXPECT_EQ(texts, (std::vector<std::wstring>{L"-", L"-", L"+", L"+"}));  // the last after "ok"
}

TEST_F(ControlsTest, AVisibilityBoxTurnsItsLayerOffAndOnThawedWithTheDocumentLocked) {
  Layer(L"L1", false, false);
  Layer(L"L2", true, true);
  int regens = headless::Regenerations(), locks = headless::DocumentLocksTaken();
  Run(
      [](LoggingGrid& g) {
        g.PutLayerVisibilityCell(0, 0, L"L1");
        g.PutLayerVisibilityCell(1, 0, L"L2");
      },
      {L"@dlg show", L"@dlg click 8013 a 0", L"@dlg click 8013 b 0", L"@dlg show"});
  EXPECT_TRUE(FindLayer(L"L1")->isOff());
  EXPECT_FALSE(FindLayer(L"L2")->isOff());
  EXPECT_FALSE(FindLayer(L"L2")->isFrozen());
  EXPECT_EQ(headless::Regenerations(), regens + 2);
  EXPECT_EQ(headless::DocumentLocksTaken(), locks + 2);
  EXPECT_EQ(headless::DocumentLocksHeld(), 0);
  std::wstring t = headless::Transcript();
  EXPECT_NE(t.find(L"    0: a [check +] |"), std::wstring::npos);
  EXPECT_NE(t.find(L"    1: b [check -] |"), std::wstring::npos);
  EXPECT_NE(t.find(L"    1: b [check +] |"), std::wstring::npos);
}

TEST_F(ControlsTest, AColourButtonNotifiesEvenWhenCancelledAndPaintsGreyWithoutALayer) {
  Layer(L"L1", false, false);
  auto log = Run(
      [](LoggingGrid& g) {
        g.PutLayerColorCell(0, 1, L"L1");
        g.PutLayerColorCell(2, 1, L"bad<name");
      },
      {L"@dlg click 8013 a 1", L"@color cancel", L"@dlg click 8013 a 1", L"@color 5", L"@dlg show"});
  EXPECT_EQ(log, (std::vector<std::string>{"colour 0", "colour 0"}));
  EXPECT_EQ(FindLayer(L"L1")->color().colorIndex(), 5);
  std::wstring t = headless::Transcript();
  EXPECT_NE(t.find(L"    0: a | [button #0000FF] |"), std::wstring::npos) << headless::ToUtf8(t);
  EXPECT_NE(t.find(L"    2: c | [button #808080] |"), std::wstring::npos) << headless::ToUtf8(t);
  EXPECT_EQ(headless::DocumentLocksHeld(), 0);
}
