// The list of description tokens.
#include "construction/Fastrelle_Description_Help_Dialog.h"

#include "construction/Fastrelle_Desc_Vars.h"
#include "framework/Product.h"
#include "framework/ResString.h"

namespace {
const int kListId = 8022;
const UINT kCloseString = 40306;
}  // namespace

void Fastrelle_Description_Help_Dialog::DoDataExchange(CDataExchange* dx) {
  CDialogEx::DoDataExchange(dx);
  DDX_Control(dx, kListId, m_list);
}

BOOL Fastrelle_Description_Help_Dialog::OnInitDialog() {
  CDialogEx::OnInitDialog();
  SetWindowText(kProductWord);
  if (CWnd* cancel = GetDlgItem(IDCANCEL)) cancel->SetWindowText(LoadResString(kCloseString));
  m_list.InsertColumn(0, L"", LVCFMT_LEFT, 100);
  Fastrelle_Desc_Vars vars;
  for (int i = 0; i < vars.GetCount(); ++i) m_list.InsertItem(i, vars.GetAt(i).GetName());
  return TRUE;
}
