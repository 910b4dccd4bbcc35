// The modal loop of a dialog, headless: between actions it delivers posted messages and
// paints; each line "@dlg ..." of the input is one user action. Any other line, or none,
// ends the dialog as Escape would (IDCANCEL through the dialog's own handler) and stays
// for what follows; a handler that does not close is overruled with IDCANCEL, so nothing
// waits. Also the user's keys: through the pre-translate chain, then to the window.
#include <algorithm>
#include <functional>

#include "ed/zced.h"
#include "headless/Host.h"
#include "headless/Windows.h"
#include "mfc/DialogSystem.h"
#include "win32/WindowRecords.h"

namespace {

const std::wstring kPrefix = L"@dlg ";

std::function<void(HWND, const std::wstring&)>& ActionHook() {
  static std::function<void(HWND, const std::wstring&)> hook;
  return hook;
}

bool Ended(HWND dialog) {
  platform::WindowRecord* r = platform::FindWindowRecord(dialog);
  return !r || r->ended;
}

void Idle() {
  platform::DeliverPostedMessages();
  platform::PaintPendingWindows();
}

}  // namespace

namespace platform {

bool TakeScriptAnswer(const std::wstring& prefix, std::wstring& answer) {
  std::wstring line;
  if (!headless::PeekInput(line) || line.compare(0, prefix.size(), prefix) != 0) return false;
  headless::PopInput(line);
  answer = line.substr(prefix.size());
  while (!answer.empty() && (answer.back() == L' ' || answer.back() == L'\t')) answer.pop_back();
  return true;
}

void DeliverInput(HWND dialog, const MSG& msg) {
  MSG m = msg;
  if (!IsWindow(m.hwnd)) return;
  if (CWnd::WalkPreTranslateTree(dialog, &m)) return;
  DispatchMessageW(&m);
}

void TypeKey(HWND dialog, UINT key, wchar_t character) {
  HWND target = GetFocus() ? GetFocus() : dialog;
  MSG down{target, WM_KEYDOWN, key, 1, 0, {0, 0}};
  MSG m = down;
  bool taken = CWnd::WalkPreTranslateTree(dialog, &m);
  if (!taken) DispatchMessageW(&m);
  if (!taken && character && IsWindow(target)) {  // translated into a character
    MSG ch{target, WM_CHAR, static_cast<WPARAM>(character), 1, 0, {0, 0}};
    DeliverInput(dialog, ch);
  }
  HWND now = GetFocus() ? GetFocus() : dialog;
  if (IsWindow(now)) DeliverInput(dialog, MSG{now, WM_KEYUP, key, 1, 0, {0, 0}});
}

void TypeText(HWND dialog, const std::wstring& text) {
  for (wchar_t c : text) {
    UINT key = VK_PACKET;
    if (c >= L'a' && c <= L'z') key = static_cast<UINT>(c - L'a' + L'A');
    else if ((c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9')) key = static_cast<UINT>(c);
    else if (c == L',') key = VK_OEM_COMMA;
    else if (c == L'.') key = VK_OEM_PERIOD;
    else if (c == L'-') key = VK_OEM_MINUS;
    else if (c == L' ') key = VK_SPACE;
    TypeKey(dialog, key, c);
  }
}

INT_PTR RunModalLoop(HWND dialog, UINT) {
  // Off the modal stack however the loop ends, by an exception from a handler too, so that
  // the dialogs opened later are not owned by this one.
  struct Modal {
    HWND dialog;
    ~Modal() {
      auto& modal = ModalDialogs();
      modal.erase(std::remove(modal.begin(), modal.end(), dialog), modal.end());
    }
  } entry{dialog};
  ModalDialogs().push_back(dialog);
  Idle();
  if (IsWindow(dialog)) zcutPrintf(L"\n%s", DescribeDialog(dialog));
  for (;;) {
    Idle();
    if (Ended(dialog)) break;
    std::wstring line;
    if (!headless::PeekInput(line) || line.compare(0, kPrefix.size(), kPrefix) != 0) {
      SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
      Idle();
      if (!Ended(dialog)) EndDialog(dialog, IDCANCEL);
      break;
    }
    headless::PopInput(line);
    std::wstring action = line.substr(kPrefix.size());
    zcutPrintf(L"\n%s", line);
    RunDialogAction(dialog, action);
    if (ActionHook() && IsWindow(dialog)) ActionHook()(dialog, action);
  }
  WindowRecord* r = FindWindowRecord(dialog);
  return r ? r->endResult : IDCANCEL;
}

}  // namespace platform

namespace headless {
void FailWindowCreation(int nth) { platform::FailWindowCreation(nth); }
std::size_t LiveWindowCount() { return platform::LiveWindows().size(); }
void SetDialogActionHook(std::function<void(HWND, const std::wstring&)> hook) { ActionHook() = std::move(hook); }
std::wstring DescribeDialog(HWND dialog) { return platform::DescribeDialog(dialog); }
void RunIdle() { Idle(); }
HWND ActiveModalDialog() {
  auto& modal = platform::ModalDialogs();
  return modal.empty() ? nullptr : modal.back();
}
std::vector<HWND> OpenDialogs() { return platform::OpenDialogs(); }
std::vector<HWND> ModelessDialogs() {
  std::vector<HWND> out;
  const std::vector<HWND>& modal = platform::ModalDialogs();
  for (HWND h : platform::OpenDialogs())
    if (IsWindow(h) && std::find(modal.begin(), modal.end(), h) == modal.end()) out.push_back(h);
  return out;
}
}  // namespace headless
