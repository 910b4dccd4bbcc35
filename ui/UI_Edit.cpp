// The system's edits: keys, colours, notifications to the owner, and the numeric cell.
#include "ui/UI_Edit.h"

#include "ui/UI_Messages.h"

IMPLEMENT_DYNAMIC(UI_Edit, CEdit)
IMPLEMENT_DYNAMIC(UI_DG_Edit, UI_Edit)
IMPLEMENT_DYNAMIC(UI_DG_E_Numeric, UI_Edit)

namespace {
const wchar_t kNumberStart[] = L"0123456789.,-";
bool StartsAsNumber(const CString& text) { return !text.IsEmpty() && wcschr(kNumberStart, text[0]); }
}  // namespace

BEGIN_MESSAGE_MAP(UI_Edit, CEdit)
  ON_WM_CREATE()
  ON_WM_KILLFOCUS()
  ON_CONTROL_REFLECT_EX(EN_UPDATE, OnUpdate)
  ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

UI_Edit::UI_Edit(CWnd* owner, const CString& initialText) : m_owner(owner), m_initialText(initialText) {}

int UI_Edit::OnCreate(LPCREATESTRUCT create) {
  if (CEdit::OnCreate(create) == -1) return -1;
  if (!m_owner) {
    m_owner = GetParent();
    if (m_owner && !m_owner->IsWindow()) m_owner = nullptr;
  }
  if (m_owner) SetFont(m_owner->GetFont(), FALSE);
  SetWindowText(m_initialText);
  SetSel(0, -1);
  SendMessage(EM_SCROLLCARET);
  return 0;
}

void UI_Edit::SetBkColor(COLORREF colour) {
  m_bkColor = colour;
  m_brush.DeleteObject();
  if (colour != 1) m_brush.CreateSolidBrush(colour);
}

CString UI_Edit::GetValue() {
  CString text;
  GetWindowText(text);
  return text;
}

void UI_Edit::Notify(UINT message) {
  m_notified = 1;
  SendToOwner(m_owner, message, static_cast<WPARAM>(GetDlgCtrlID()));
}

BOOL UI_Edit::HandleKey(UINT key) {
  int start = 0, end = 0;
  GetSel(start, end);
  int length = GetWindowTextLength();
  switch (key) {
    case VK_RETURN: Notify(WM_UI_EDIT_KILL_FOCUS); return TRUE;
    case VK_ESCAPE: Notify(WM_UI_EDIT_VK_ESCAPE); return TRUE;
    case VK_LEFT:
      if (end <= 0) return FALSE;
      SetSel(std::max(start - 1, 0), std::max(start - 1, 0));  // never before the text
      SendMessage(EM_SCROLLCARET);
      return TRUE;
    case VK_RIGHT:
      if (start >= length) return FALSE;
      SetSel(end + 1, end + 1);
      return TRUE;
    case VK_DELETE: {
      CString text;
      GetWindowText(text);
      if (start == end && end < length) ++end;
      if (start != end) {
        SetSel(start, end);
        ReplaceSel(L"");
      }
      SetSel(start, start);
      return TRUE;
    }
  }
  return FALSE;
}

BOOL UI_Edit::PreTranslateMessage(MSG* msg) {
  if (msg->message == WM_KEYDOWN && HandleKey(static_cast<UINT>(msg->wParam))) return TRUE;
  return CEdit::PreTranslateMessage(msg);
}

void UI_Edit::OnKillFocus(CWnd* next) {
  CEdit::OnKillFocus(next);
  OnKillFocusNotify();
}

void UI_Edit::OnKillFocusNotify() { Notify(WM_UI_EDIT_KILL_FOCUS); }

BOOL UI_Edit::OnUpdate() {
  if (m_owner && m_owner->IsWindow()) {
    CRect area;
    GetWindowRect(area);
    m_owner->ScreenToClient(area);
    area.DeflateRect(1);
    m_owner->InvalidateRect(area);
  }
  return FALSE;
}

HBRUSH UI_Edit::CtlColor(CDC* dc, UINT) {
  dc->SetTextColor(m_textColor);
  if (m_bkColor == 1) {
    dc->SetBkMode(TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
  }
  dc->SetBkColor(m_bkColor);
  return m_brush;
}

BEGIN_MESSAGE_MAP(UI_DG_Edit, UI_Edit)
  ON_WM_ACTIVATE()
  ON_CONTROL_REFLECT_EX(EN_SETFOCUS, OnSetFocusReflect)
END_MESSAGE_MAP()

BOOL UI_DG_Edit::PreTranslateMessage(MSG* msg) {
  if (msg->message != WM_KEYDOWN) return UI_Edit::PreTranslateMessage(msg);
  UINT key = static_cast<UINT>(msg->wParam);
  if (HandleKey(key)) return TRUE;
  int start = 0, end = 0, id = GetDlgCtrlID();
  GetSel(start, end);
  int target = 0;
  if (key == VK_LEFT && start == 0) target = id - 1;
  else if (key == VK_RIGHT && end >= GetWindowTextLength()) target = id + 1;
  else if (key == VK_UP) target = id - 100;
  else if (key == VK_DOWN) target = id + 100;
  else return UI_Edit::PreTranslateMessage(msg);
  m_notified = 1;
  SendToOwner(m_owner, WM_UI_DG_SETACTIVE, static_cast<WPARAM>(target));
  return TRUE;
}

void UI_DG_Edit::OnActivate(UINT state, CWnd* other, BOOL minimized) {
  UI_Edit::OnActivate(state, other, minimized);
  SendToOwner(m_owner, WM_UI_EDIT_ACTIVATED, 0);
}

BOOL UI_DG_Edit::OnSetFocusReflect() {
  SendToOwner(m_owner, WM_UI_EDIT_ACTIVATED, static_cast<WPARAM>(GetDlgCtrlID()));
  return FALSE;
}

CString UI_DG_E_Numeric::GetValue() {
  CString text = UI_Edit::GetValue();
  if (text.IsEmpty()) return L"0.000";
  return StartsAsNumber(text) ? text : m_initialText;
}

void UI_DG_E_Numeric::OnKillFocusNotify() {
  CString text = UI_Edit::GetValue();
  if (!text.IsEmpty() && !StartsAsNumber(text)) SetWindowText(m_initialText);
}
