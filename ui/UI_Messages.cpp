// The registered messages of the system's controls, registered as the module loads.
#include "ui/UI_Messages.h"

#include "mfc/CWnd.h"

const UINT WM_UI_DG_SETACTIVE = RegisterWindowMessageW(L"WM_UI_DG_SETACTIVE");
const UINT WM_UI_DGITEM_ACTIVATED = RegisterWindowMessageW(L"WM_UI_DGITEM_ACTIVATED");
const UINT WM_UI_Check_KILL = RegisterWindowMessageW(L"WM_UI_Check_KILL");
const UINT WM_UI_EDIT_ACTIVATED = RegisterWindowMessageW(L"WM_UI_EDIT_ACTIVATED");
const UINT WM_UI_EDIT_UPDATEVALUE = RegisterWindowMessageW(L"WM_UI_EDIT_UPDATEVALUE");
const UINT WM_UI_EDIT_KILL_FOCUS = RegisterWindowMessageW(L"WM_UI_EDIT_KILL_FOCUS");
const UINT WM_UI_EDIT_VK_ESCAPE = RegisterWindowMessageW(L"WM_UI_EDIT_VK_ESCAPE");
const UINT WM_UI_COMBO_KILL_FOCUS = RegisterWindowMessageW(L"WM_UI_COMBO_KILL_FOCUS");
const UINT WM_UI_COMBO_VK_ESCAPE = RegisterWindowMessageW(L"WM_UI_COMBO_VK_ESCAPE");
const UINT WM_UI_ColSel_KILL = RegisterWindowMessageW(L"WM_UI_ColSel_KILL");
const UINT WM_UI_ColSel_SelChanged = RegisterWindowMessageW(L"WM_UI_ColSel_SelChanged");

void SendToOwner(CWnd* owner, UINT message, WPARAM wParam) {
  if (owner && ::IsWindow(owner->m_hWnd)) ::SendMessageW(owner->m_hWnd, message, wParam, 0);
}
