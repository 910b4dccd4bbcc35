// The symbol dialog.
#include "construction/Drawing_Selector.h"

#include "framework/Strings.h"

namespace {
const int kListId = 8025, kSizeId = 8031;
}  // namespace

double Drawing_Selector::ParseSize(const CString& text) {
  CString copy = text;
  double value = 0.0;
  return ParseDouble(copy, value) ? value : 1.0;
}


void Drawing_Selector::DoDataExchange(CDataExchange* dx) {
  CDialogEx::DoDataExchange(dx);
  DDX_Control(dx, kListId, m_list);
  DDX_Text(dx, kSizeId, m_sizeText);
}

BOOL Drawing_Selector::OnInitDialog() {
  CDialogEx::OnInitDialog();
  m_list.OpenFolder(m_path, L"dwg");
  m_list.Arrange(0);
  m_list.SelectPath(m_path);
  SetWindowText(L"");
  UpdateData(FALSE);
  return TRUE;
}

void Drawing_Selector::OnOK() {
  if (!UpdateData(TRUE)) return;
  m_path = m_list.GetSelectedPath();
  EndDialog(IDOK);
}
