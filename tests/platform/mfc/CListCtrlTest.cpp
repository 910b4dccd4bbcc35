#include "mfc/CListCtrl.h"

#include <gtest/gtest.h>

#include "DialogFixture.h"
#include "mfc/CDialog.h"

namespace {

// A dialog holding one report list (id 8013) made at initialisation, as the system's dialogs
// hold their grids; it logs what its list tells it.
class ListDialog : public CDialog {
public:
  ListDialog() : CDialog(101) {}
  CListCtrl list;
  BOOL refuseTrack = FALSE, refuseLabel = FALSE;
  std::function<void(ListDialog&)> init;

protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_EDITLABELS, CRect(0, 0, 300, 200), this, 8013);
    list.InsertColumn(0, L"Rozmiar", LVCFMT_LEFT, 100);
    list.InsertColumn(1, L"Kolor", LVCFMT_LEFT, 58);
    for (const wchar_t* size : {L"38", L"40", L"42"}) list.InsertItem(list.GetItemCount(), size);
    list.SetItemText(2, 1, L"3");
    if (init) init(*this);
    return TRUE;
  }
  void OnDblClk(NMHDR* n, LRESULT*) {
    auto* a = reinterpret_cast<NMITEMACTIVATE*>(n);
    TestLog().push_back("dblclk " + std::to_string(a->iItem) + "," + std::to_string(a->iSubItem));
  }
  void OnColumnClick(NMHDR* n, LRESULT*) {
    TestLog().push_back("column " + std::to_string(reinterpret_cast<NMLISTVIEW*>(n)->iSubItem));
  }
  void OnBeginTrack(NMHDR*, LRESULT* result) { *result = refuseTrack; }
  void OnBeginLabel(NMHDR*, LRESULT* result) { *result = refuseLabel; }
  void OnEndLabel(NMHDR* n, LRESULT* result) {
    *result = std::wstring(reinterpret_cast<NMLVDISPINFO*>(n)->item.pszText) != L"bad";
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ListDialog, CDialog)
  ON_NOTIFY(NM_DBLCLK, 8013, OnDblClk)
  ON_NOTIFY(LVN_COLUMNCLICK, 8013, OnColumnClick)
  ON_NOTIFY(HDN_BEGINTRACKW, 0, OnBeginTrack)
  ON_NOTIFY(LVN_BEGINLABELEDITW, 8013, OnBeginLabel)
  ON_NOTIFY(LVN_ENDLABELEDITW, 8013, OnEndLabel)
END_MESSAGE_MAP()

}  // namespace

TEST_F(DialogTest, AListKeepsItsRowsAndSelectionMarkRightWhenRowsGo) {
  ListDialog dlg;
  dlg.init = [](ListDialog& d) {
    d.list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    d.list.SetSelectionMark(2);
    d.list.DeleteItem(0);
    EXPECT_EQ(d.list.GetSelectionMark(), 1);
    EXPECT_EQ(d.list.GetItemText(1, 0), L"42");
    EXPECT_EQ(d.list.GetItemText(1, 7), L"");
    d.list.DeleteItem(1);
    EXPECT_EQ(d.list.GetSelectionMark(), -1);
    EXPECT_EQ(d.list.GetSelectedCount(), 0u);
    d.list.InsertItem(1, L"42");
    d.list.SetItemData(1, 99);
    EXPECT_EQ(d.list.GetItemData(1), 99u);
    CRect row;
    d.list.GetItemRect(1, row, LVIR_BOUNDS);
    EXPECT_EQ(row, CRect(0, 20 + 17, 158, 20 + 34));
  };
  dlg.DoModal();
}

TEST_F(DialogTest, ScriptedListActionsReachTheDialogAsTheUsersWould) {
  headless::PushInputs({L"@dlg select 8013 40", L"@dlg select 8013 +#2", L"@dlg dblclick 8013 42 1",
                        L"@dlg header 8013 1 click", L"@dlg header 8013 0 width 80", L"@dlg edit 8013 38 0 36",
                        L"@dlg edit 8013 #1 0 bad", L"@dlg show"});
  ListDialog dlg;
  dlg.DoModal();
  EXPECT_EQ(TestLog(), (std::vector<std::string>{"dblclk 2,1", "column 1"}));
  std::wstring t = headless::Transcript();
  EXPECT_NE(t.find(L"  8013 list: Rozmiar (80) | Kolor (58) (focused)\n    0: 36 |\n    1: 40 |\n    2 (selected): 42 | 3"),
            std::wstring::npos)
      << headless::ToUtf8(t);
}

TEST_F(DialogTest, RowsColumnsAndWidthsBeyondAnyNumberAreRefusedAndTheDialogGoesOn) {
  headless::PushInputs({L"@dlg select 8013 #99999999999999", L"@dlg header 8013 99999999999999 click",
                        L"@dlg header 8013 0 width 99999999999999", L"@dlg header 8013 0 width",
                        L"@dlg edit 8013 #0 99999999999999 x", L"@dlg ok"});
  ListDialog dlg;
  EXPECT_EQ(IDOK, dlg.DoModal());
  std::wstring t = headless::Transcript();
  EXPECT_NE(t.find(L"\"select 8013 #99999999999999\": no row \"#99999999999999\"."), std::wstring::npos) << headless::ToUtf8(t);
  EXPECT_NE(t.find(L"\"header 8013 99999999999999 click\": no such column."), std::wstring::npos);
  EXPECT_NE(t.find(L"\"header 8013 0 width 99999999999999\": a header takes click or width <pixels>."), std::wstring::npos);
  EXPECT_NE(t.find(L"\"header 8013 0 width\": a header takes click or width <pixels>."), std::wstring::npos);
  EXPECT_NE(t.find(L"\"edit 8013 #0 99999999999999 x\": no such cell."), std::wstring::npos);
}

TEST_F(DialogTest, AListCanRefuseADividerDragAndALabelEdit) {
  headless::PushInputs({L"@dlg header 8013 0 width 80", L"@dlg edit 8013 38 0 36", L"@dlg edit 8013 38 1 x"});
  ListDialog dlg;
  dlg.refuseTrack = dlg.refuseLabel = TRUE;
  dlg.init = [](ListDialog& d) { d.list.SetColumnWidth(0, 90); };
  dlg.DoModal();
  std::wstring t = headless::Transcript();
  EXPECT_NE(t.find(L"\"header 8013 0 width 80\": the list keeps its column widths."), std::wstring::npos);
  EXPECT_NE(t.find(L"\"edit 8013 38 0 36\": the list refused the edit."), std::wstring::npos);
  EXPECT_NE(t.find(L"\"edit 8013 38 1 x\": no editor over the cell."), std::wstring::npos);
}
