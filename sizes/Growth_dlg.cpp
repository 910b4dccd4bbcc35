// The growth-control dialog.
#include "sizes/Growth_dlg.h"

#include "framework/Printer.h"
#include "framework/Product.h"
#include "framework/ResString.h"
#include "framework/Transforms.h"
#include "sizes/Growth_table_drawer.h"

namespace {
const int kListId = 8025, kTableButtonId = 8033;
const UINT kTitle = 43118;
}  // namespace

IMPLEMENT_DYNAMIC(Growth_dlg, CZdUiDialog)

BEGIN_MESSAGE_MAP(Growth_dlg, CZdUiDialog)
  ON_MESSAGE(kGrowthShowMessage, OnShowMessage)
  ON_MESSAGE(kGrowthTableMessage, OnTableMessage)
END_MESSAGE_MAP()

void Growth_dlg::DoDataExchange(CDataExchange* dx) {
  CZdUiDialog::DoDataExchange(dx);
  DDX_Control(dx, kListId, m_list);
  DDX_Control(dx, kTableButtonId, m_tableButton);
}

BOOL Growth_dlg::OnInitDialog() {
  CZdUiDialog::OnInitDialog();
  SetWindowText(ProductGroupName() + L"  " + LoadResString(kTitle));
  m_tableButton.ShowIcon();
  return TRUE;
}

LRESULT Growth_dlg::OnShowMessage(WPARAM wParam, LPARAM) {
  if (wParam == 0) BeginEditorCommand();
  else if (wParam == 5) CompleteEditorCommand();
  return 0;
}

LRESULT Growth_dlg::OnTableMessage(WPARAM, LPARAM) { return DrawTable(); }

int Growth_dlg::DrawTable() {
  OnShowMessage(0, 0);
  Growth_table_drawer drawer(m_list.GetGrowth());
  int status = drawer.Draw();
  if (status == 0) {
    Position_MoveSelector mover;
    mover.m_ids = drawer.GetIds();
    mover.select();
  } else {
    ZWPrinter().Print(L"\nGrowth_table_drawer::Draw");
    PrintErrorStatus(status);
  }
  OnShowMessage(5, 0);
  return status;
}
