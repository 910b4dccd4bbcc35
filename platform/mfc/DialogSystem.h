// The dialog machinery shared inside platform/mfc: templates along the resource chain,
// building a dialog from its template, the modal loop with its scripted actions, the dump,
// and the private messages through which controls describe themselves and take actions.
#ifndef PLATFORM_MFC_DIALOGSYSTEM_H
#define PLATFORM_MFC_DIALOGSYSTEM_H

#include <string>
#include <vector>

#include "mfc/CWnd.h"
#include "mfc/Resources.h"

/// Asks a control for its dump line(s) after "<id> ": lParam is a std::wstring* to fill;
/// non-zero when the control described itself.
#define WM_HEADLESS_DESCRIBE 0x7F00
/// Asks a control to take a scripted action: lParam is a platform::ControlAction*; non-zero
/// when the control knows the action (it may still refuse it, with a reason).
#define WM_HEADLESS_ACTION 0x7F01

namespace platform {

/// A scripted action for a control that knows best how to take it (a property grid's "prop",
/// a list's "edit" or "header"): the words after the control id.
struct ControlAction {
  std::wstring verb;
  std::vector<std::wstring> args;
  std::wstring rest;    // the text after the verb's fixed arguments (a typed value)
  std::wstring refusal; // set when the control refuses
  POINT point{-1, -1};  // "cell": the centre of the named cell or item, in the control's client
};

/// A short description of a window over a cell: `edit "1,5"`, `check +`, `combo "M"`,
/// `button #00FF00` (the colour it painted).
std::wstring DescribeCellWindow(HWND window);
/// A whole number in an action (an id, a column, a width): digits with an optional "-",
/// within int's range; false for anything else, so that the action is refused.
bool ReadActionNumber(const std::wstring& text, int& value);
/// An item named in an action: "#n" (from 0) or a text matched exactly, else without case,
/// among `texts`; -1 when none.
int FindItem(const std::vector<std::wstring>& texts, const std::wstring& item);
/// Gives `text` to a control as typed: focus, select all, key by key (empty: Delete); a
/// drop-down list selects the item instead. False with a reason when it cannot.
bool SetControlText(HWND dialog, HWND control, const std::wstring& text, std::wstring& refusal);
/// Clicks a control at a point of its client area (its centre when x < 0): focus, then the
/// mouse messages through the pre-translate chain.
void ClickControl(HWND dialog, HWND control, POINT at);

void HookCreation(CWnd* wnd);
/// The MFC class FromHandle wraps windows of `className` in (a "ComboBox" in a CComboBox).
void RegisterTemporaryKind(const wchar_t* className, CWnd* (*make)());
template <class T>
CWnd* MakeWindowObject() {
  return new T;
}
const DialogTemplate* FindDialogTemplate(UINT id);
const BinaryResource* FindBinaryResource(const wchar_t* type, UINT id);
/// Makes the dialog window and its controls (the object attached before the first
/// message), runs DLGINIT and WM_INITDIALOG; null when the window could not be made.
HWND CreateDialogFromTemplate(const DialogTemplate& tmpl, HWND owner, CWnd* object);
/// Runs the modal loop of `dialog` until EndDialog; returns its result.
INT_PTR RunModalLoop(HWND dialog, UINT templateId);
/// The dump: the caption and id, then one line per control in tab order.
std::wstring DescribeDialog(HWND dialog);
/// Draws the dialog as it was last painted into an SVG file (boxes in their colours, texts);
/// false when the file cannot be written.
bool DrawDialogSvg(HWND dialog, const std::wstring& file);
/// Takes one action (the text after "@dlg "); false with a message printed when it cannot.
bool RunDialogAction(HWND dialog, const std::wstring& action);
/// A key or mouse message as the user's: through the pre-translate chain from its window
/// up to `dialog`, then to the window.
void DeliverInput(HWND dialog, const MSG& msg);
/// Types `key` (a virtual key) into the focused window: WM_KEYDOWN, WM_CHAR, WM_KEYUP.
void TypeKey(HWND dialog, UINT key, wchar_t character);
/// Types a text key by key.
void TypeText(HWND dialog, const std::wstring& text);
/// Takes the next input line when it starts with `prefix` ("@file "), giving the rest;
/// false (nothing taken) otherwise.
bool TakeScriptAnswer(const std::wstring& prefix, std::wstring& answer);
/// The dialog windows now open (modal and modeless), oldest first.
std::vector<HWND>& OpenDialogs();
/// The modal dialogs now running, innermost last.
std::vector<HWND>& ModalDialogs();
/// The template id a dialog was made from.
UINT DialogTemplateId(HWND dialog);

}  // namespace platform

#endif
