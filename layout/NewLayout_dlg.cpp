// The new-layout dialog.
#include "layout/NewLayout_dlg.h"

#include <cmath>
#include <cwchar>

#include "framework/Printer.h"
#include "framework/Product.h"
#include "framework/ResString.h"
#include "layout/Layout_FRL.h"

namespace {
const int kWidthId = 1014, kLengthId = 1015, kLoadId = 1016, kSaveId = 1017;
const UINT kWidthText = 43138, kLengthText = 43139, kLoadText = 43159, kSaveText = 43158, kNotAboveZero = 43103;

// The text as a number: the whole text (blanks around it aside) must be one, "," as ".".
bool ReadNumber(CString text, double& value) {
  text.Trim();
  text.Replace(L",", L".");
  if (text.IsEmpty()) return false;
  wchar_t* end = nullptr;
  value = std::wcstod(text, &end);
  return end && *end == L'\0' && std::isfinite(value);
}

CString Formatted(double value) {
  CString text;
  text.Format(L"%0.4f", value);
  return text;
}
}  // namespace

BEGIN_MESSAGE_MAP(NewLayout_dlg, CZdUiDialog)
  ON_BN_CLICKED(kLoadId, OnLoad)
  ON_BN_CLICKED(kSaveId, OnSave)
END_MESSAGE_MAP()

BOOL NewLayout_dlg::OnInitDialog() {
  CZdUiDialog::OnInitDialog();
  SetWindowText(ProductGroupName());
  SetDlgItemText(12013, LoadResString(kWidthText));
  SetDlgItemText(12014, LoadResString(kLengthText));
  SetDlgItemText(kLoadId, LoadResString(kLoadText));
  SetDlgItemText(kSaveId, LoadResString(kSaveText));
  SetDlgItemText(kWidthId, L"0.0");
  SetDlgItemText(kLengthId, L"0.0");
  return TRUE;
}

bool NewLayout_dlg::ReadValues(double& width, double& length) {
  CString widthText, lengthText;
  GetDlgItemText(kWidthId, widthText);
  GetDlgItemText(kLengthId, lengthText);
  if (ReadNumber(widthText, width) && ReadNumber(lengthText, length) && width > 1e-4 && length > 1e-4) return true;
  ZWAlert().ShowMessage(LoadResString(kNotAboveZero));
  return false;
}

void NewLayout_dlg::OnOK() {
  double width = 0.0, length = 0.0;
  if (!ReadValues(width, length)) return;
  m_width = width;
  m_length = length;
  EndDialog(IDOK);
}

void NewLayout_dlg::OnLoad() {
  Layout_FRL file;
  file.SetWidth(-1.0);
  file.SetLength(-1.0);
  file.LoadAsk();
  if (file.GetWidth() < 0.0 && file.GetLength() < 0.0) return;  // cancelled or refused
  SetDlgItemText(kWidthId, Formatted(file.GetWidth()));
  SetDlgItemText(kLengthId, Formatted(file.GetLength()));
}

void NewLayout_dlg::OnSave() {
  double width = 0.0, length = 0.0;
  if (!ReadValues(width, length)) return;
  Layout_FRL file;
  file.SetWidth(width);
  file.SetLength(length);
  file.Save();
}
