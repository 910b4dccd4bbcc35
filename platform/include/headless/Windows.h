// Control of the headless window system for the host program and the tests: delivering
// posted messages between commands, counting live windows, watching dialog actions and
// reading a dialog's dump. System code never includes this header.
#ifndef PLATFORM_HEADLESS_WINDOWS_H
#define PLATFORM_HEADLESS_WINDOWS_H

#include <functional>
#include <string>
#include <vector>

#include "win/winuser.h"

namespace headless {

/// Makes the `nth` next window creation fail, as when the system runs out of window
/// resources (1: the very next; 0: none pending).
void FailWindowCreation(int nth);
/// Windows that exist now (every kind).
std::size_t LiveWindowCount();
/// Called after each dialog action with the dialog and the action's text; null to stop.
void SetDialogActionHook(std::function<void(HWND dialog, const std::wstring& action)> hook);
/// The dialog's dump, as "@dlg show" prints it.
std::wstring DescribeDialog(HWND dialog);
/// What the host does between commands and a modal loop between actions: delivers the
/// posted messages in order and paints the windows marked for it.
void RunIdle();
/// The innermost modal dialog now running, or null.
HWND ActiveModalDialog();
/// The dialogs now open, oldest first.
std::vector<HWND> OpenDialogs();
/// The open dialogs that run no modal loop (the floating ones), oldest first.
std::vector<HWND> ModelessDialogs();
/// Locks on the current document not yet released, and locks taken since the start.
int DocumentLocksHeld();
int DocumentLocksTaken();
/// Makes the `nth` next lock request on the document be refused (eObjectInUse), as when
/// another session holds it (1: the very next; 0: none pending).
void FailDocumentLock(int nth);
/// Every ShellExecuteW asked for ("open <file>"), recorded, never run.
std::vector<std::wstring> ShellExecutions();

}  // namespace headless

#endif
