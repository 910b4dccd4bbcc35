// The system's combos and the combo helpers.
#include "ui/UI_Combo.h"

#include <algorithm>

#include "ui/UI_Messages.h"

IMPLEMENT_DYNAMIC(UI_Combo, CComboBox)
IMPLEMENT_DYNAMIC(UI_DG_Combo, UI_Combo)
IMPLEMENT_DYNAMIC(UIS_Combo, CComboBox)

BOOL UI_Combo::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  if (!CComboBox::Create(style, rect, parent, id)) return FALSE;
  if (m_owner) SetFont(m_owner->GetFont(), FALSE);
  SetWindowText(m_initialText);
  return TRUE;
}

void UI_Combo::NotifyOnce(UINT message) {
  if (m_notified) return;
  m_notified = 1;
  SendToOwner(m_owner, message, 0);
}

BOOL UI_Combo::PreTranslateMessage(MSG* msg) {
  bool key = msg->message == WM_KEYDOWN, character = msg->message == WM_CHAR;
  if (key || character) {
    WPARAM k = msg->wParam;
    if (k == (key ? VK_RETURN : L'\r') || k == (key ? VK_TAB : L'\t')) {
      NotifyOnce(WM_UI_COMBO_KILL_FOCUS);
      return TRUE;
    }
    if (k == (key ? VK_ESCAPE : 27)) {
      NotifyOnce(WM_UI_COMBO_VK_ESCAPE);
      return TRUE;
    }
  }
  return CComboBox::PreTranslateMessage(msg);
}

BEGIN_MESSAGE_MAP(UI_DG_Combo, UI_Combo)
  ON_CONTROL_REFLECT_EX(CBN_SETFOCUS, OnSetFocusReflect)
END_MESSAGE_MAP()

void UI_DG_Combo::Fill(const CStringArray& options) {
  for (int i = 0; i < options.GetSize(); ++i) AddString(options[i]);
  SetDropDownHeight(this, std::min(options.GetSize(), 10));
}

BOOL UI_DG_Combo::OnSetFocusReflect() {
  if (!m_activated) {
    m_activated = 1;
    SendToOwner(m_owner, WM_UI_DGITEM_ACTIVATED, static_cast<WPARAM>(GetDlgCtrlID()));
  }
  return FALSE;
}

void AddStringsToCombo(CComboBox* combo, const CStringArray* strings) {
  if (!combo || !strings) return;
  for (int i = 0; i < strings->GetSize(); ++i) combo->AddString((*strings)[i]);
  SetDropDownHeight(combo, std::min(strings->GetSize(), 10));
}

void SetDropDownHeight(CComboBox* combo, int n) {
  if (!combo || !combo->IsWindow()) return;
  CRect rect;
  combo->GetWindowRect(rect);
  combo->SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height() + n * combo->GetItemHeight(-1),
                      SWP_NOMOVE | SWP_NOZORDER);
}

CString GetComboSelectedText(CComboBox* combo) {
  CString text;
  if (combo && combo->GetCurSel() >= 0) combo->GetLBText(combo->GetCurSel(), text);
  return text;
}
