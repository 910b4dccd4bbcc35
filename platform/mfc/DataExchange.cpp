// Dialog data exchange: controls to members and back (UpdateData and the DDX_ functions).
// A value that cannot be read tells the user, puts the focus on its control and fails.
#include <cstdint>
#include <cwchar>
#include <cwctype>
#include <vector>

#include "mfc/CDialog.h"

namespace {

struct ExchangeFailed {};

CString Text(HWND control) {
  int n = GetWindowTextLengthW(control);
  std::vector<wchar_t> buffer(static_cast<size_t>(n) + 1, 0);
  GetWindowTextW(control, buffer.data(), n + 1);
  return CString(buffer.data());
}

// The whole text, spaces around allowed, as a number; false when it is none.
bool ReadDouble(const CString& text, double& value) {
  const wchar_t* s = text.GetString();
  wchar_t* end = nullptr;
  value = std::wcstod(s, &end);
  if (end == s) return false;
  while (*end && std::iswspace(static_cast<wint_t>(*end))) ++end;
  return *end == 0;
}

bool ReadLong(const CString& text, long& value) {
  const wchar_t* s = text.GetString();
  wchar_t* end = nullptr;
  value = std::wcstol(s, &end, 10);
  if (end == s) return false;
  while (*end && std::iswspace(static_cast<wint_t>(*end))) ++end;
  return *end == 0;
}

}  // namespace

HWND CDataExchange::PrepareCtrl(int id) {
  m_lastControl = GetDlgItem(m_pDlgWnd ? m_pDlgWnd->m_hWnd : nullptr, id);
  return m_lastControl;
}

void CDataExchange::Fail() {
  if (IsWindow(m_lastControl)) {
    SetFocus(m_lastControl);
    SendMessageW(m_lastControl, EM_SETSEL, 0, -1);
  }
  throw ExchangeFailed{};
}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
  CDataExchange dx(this, saveAndValidate);
  try {
    DoDataExchange(&dx);
  } catch (const ExchangeFailed&) {
    return FALSE;
  }
  return TRUE;
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
  if (control.m_hWnd) return;
  if (HWND h = dx->PrepareCtrl(id)) control.SubclassWindow(h);
}

void DDX_Text(CDataExchange* dx, int id, CString& value) {
  HWND h = dx->PrepareEditCtrl(id);
  if (!h) return;
  if (dx->m_bSaveAndValidate) value = Text(h);
  else SetWindowTextW(h, value);
}

void DDX_Text(CDataExchange* dx, int id, int& value) {
  HWND h = dx->PrepareEditCtrl(id);
  if (!h) return;
  if (!dx->m_bSaveAndValidate) {
    CString s;
    s.Format(L"%d", value);
    SetWindowTextW(h, s);
    return;
  }
  long v = 0;
  if (!ReadLong(Text(h), v) || v < INT32_MIN || v > INT32_MAX) {
    MessageBoxW(nullptr, L"Please enter an integer.", L"", MB_OK | MB_ICONWARNING);
    dx->Fail();
  }
  value = static_cast<int>(v);
}

void DDX_Text(CDataExchange* dx, int id, UINT& value) {
  int v = static_cast<int>(value);
  DDX_Text(dx, id, v);
  if (dx->m_bSaveAndValidate) value = static_cast<UINT>(v);
}

void DDX_Text(CDataExchange* dx, int id, double& value) {
  HWND h = dx->PrepareEditCtrl(id);
  if (!h) return;
  if (!dx->m_bSaveAndValidate) {
    CString s;
    s.Format(L"%.15g", value);
    SetWindowTextW(h, s);
    return;
  }
  double v = 0;
  if (!ReadDouble(Text(h), v)) {
    MessageBoxW(nullptr, L"Please enter a number.", L"", MB_OK | MB_ICONWARNING);
    dx->Fail();
  }
  value = v;
}

void DDX_CBIndex(CDataExchange* dx, int id, int& index) {
  HWND h = dx->PrepareCtrl(id);
  if (!h) return;
  if (dx->m_bSaveAndValidate) index = static_cast<int>(SendMessageW(h, CB_GETCURSEL, 0, 0));
  else SendMessageW(h, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_CBString(CDataExchange* dx, int id, CString& value) {
  HWND h = dx->PrepareCtrl(id);
  if (!h) return;
  if (dx->m_bSaveAndValidate) {
    value = Text(h);
  } else if (SendMessageW(h, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(value.GetString())) ==
             CB_ERR) {
    SetWindowTextW(h, value);
  }
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
  HWND h = dx->PrepareCtrl(id);
  if (!h) return;
  if (dx->m_bSaveAndValidate) value = static_cast<int>(SendMessageW(h, BM_GETCHECK, 0, 0));
  else SendMessageW(h, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}
