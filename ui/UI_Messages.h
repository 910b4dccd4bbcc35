// The registered window messages through which the system's controls report to their
// owner window (a grid or a dialog). Each is registered by name when the module loads;
// every one is sent with lParam 0, and only while the owner is still a window.
#ifndef UI_UI_MESSAGES_H
#define UI_UI_MESSAGES_H

#include "win/winuser.h"

extern const UINT WM_UI_DG_SETACTIVE;      // a cell editor leaves by an arrow: wParam the target cell's id
extern const UINT WM_UI_DGITEM_ACTIVATED;  // a grid combo got the focus (first time): its id
extern const UINT WM_UI_Check_KILL;        // a check box lost the focus (first time): 0
extern const UINT WM_UI_EDIT_ACTIVATED;    // an editor was activated (0) or focused (its id)
extern const UINT WM_UI_EDIT_UPDATEVALUE;  // registered, never sent
extern const UINT WM_UI_EDIT_KILL_FOCUS;   // Enter in an edit, or it lost the focus: its id
extern const UINT WM_UI_EDIT_VK_ESCAPE;    // Escape in an edit: its id
extern const UINT WM_UI_COMBO_KILL_FOCUS;  // Enter or Tab in a combo (first time): 0
extern const UINT WM_UI_COMBO_VK_ESCAPE;   // Escape in a combo (first time): 0
extern const UINT WM_UI_ColSel_KILL;       // a colour button lost the focus (first time): 0
extern const UINT WM_UI_ColSel_SelChanged; // the colour dialog closed: 0

class CWnd;
/// Sends `message` with `wParam` and lParam 0 to `owner` when it is still a window.
void SendToOwner(CWnd* owner, UINT message, WPARAM wParam);

#endif
