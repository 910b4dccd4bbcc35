// The base-size row's offset editor: the question before the first key.
#include "sizes/Fastrelle_SizePoints_BaseSize_edit.h"

#include "framework/Product.h"
#include "framework/ResString.h"
#include "ui/UI_Messages.h"

namespace {
const UINT kChangingBaseSize = 40238;
}  // namespace

IMPLEMENT_DYNAMIC(Fastrelle_SizePoints_BaseSize_edit, UI_DG_Edit)

BOOL Fastrelle_SizePoints_BaseSize_edit::PreTranslateMessage(MSG* msg) {
  if (msg->message != WM_KEYDOWN) return UI_DG_Edit::PreTranslateMessage(msg);
  const UINT key = static_cast<UINT>(msg->wParam);
  if (key == VK_RETURN || key == VK_ESCAPE) {
    m_state = -1;
    Notify(key == VK_RETURN ? WM_UI_EDIT_KILL_FOCUS : WM_UI_EDIT_VK_ESCAPE);
    return TRUE;
  }
  if (m_state == -1) {
    const int answer = MessageBoxW(m_hWnd, LoadResString(kChangingBaseSize), ProductGroupName(), MB_YESNO | MB_ICONWARNING);
    m_state = answer == IDYES ? 0 : 1;
  }
  if (m_state == 1) return TRUE;
  return UI_DG_Edit::PreTranslateMessage(msg);
}

void Fastrelle_SizePoints_BaseSize_edit::OnKillFocusNotify() {
  m_state = -1;
  UI_DG_Edit::OnKillFocusNotify();
}
