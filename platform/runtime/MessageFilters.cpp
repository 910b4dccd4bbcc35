// Window-message filters that modules install with the host, and key presses on the
// drawing view delivered through them as the host's message loop does.
#include <algorithm>
#include <vector>

#include "mfc/TextFold.h"
#include "win/winuser.h"

#include "ed/zced.h"
#include "headless/Host.h"
#include "runtime/Modules.h"

namespace {
std::vector<ZcedFilterWinMsgFn>& Filters() {
  static std::vector<ZcedFilterWinMsgFn> filters;
  return filters;
}
}  // namespace

bool zcedRegisterFilterWinMsg(ZcedFilterWinMsgFn fn) {
  if (!fn) return false;
  auto& f = Filters();
  if (std::find(f.begin(), f.end(), fn) == f.end()) f.push_back(fn);
  return true;
}

bool zcedRemoveFilterWinMsg(ZcedFilterWinMsgFn fn) {
  auto& f = Filters();
  auto it = std::find(f.begin(), f.end(), fn);
  if (it == f.end()) return false;
  f.erase(it);
  return true;
}

namespace platform {
void DropModuleFilters(HINSTANCE module) {
  auto& f = Filters();
  f.erase(std::remove_if(f.begin(), f.end(),
                         [&](ZcedFilterWinMsgFn fn) {
                           return AddressInModule(reinterpret_cast<const void*>(fn), module);
                         }),
          f.end());
}
}  // namespace platform

namespace headless {
bool FilterMessage(MSG& msg) {
  std::vector<ZcedFilterWinMsgFn> copy = Filters();  // a filter may remove itself
  for (ZcedFilterWinMsgFn fn : copy)
    if (fn(&msg)) return true;
  return false;
}
std::size_t FilterCount() { return Filters().size(); }

namespace {
LRESULT ViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}
// A message as the loop takes it from the queue: through the filters, else to its window.
bool Deliver(UINT message, WPARAM key, LPARAM flags) {
  MSG msg{DrawingView(), message, key, flags, 0, {0, 0}};
  if (FilterMessage(msg)) return true;
  SendMessageW(msg.hwnd, message, key, flags);
  return false;
}
}  // namespace

HWND DrawingView() {
  static HWND view = nullptr;
  if (!IsWindow(view)) {
    RegisterClassProcW(L"ZcadDrawingView", &ViewProc);
    view = CreateWindowExW(0, L"ZcadDrawingView", L"Drawing", 0, 0, 0, 1200, 900, nullptr, nullptr, nullptr, nullptr);
  }
  return view;
}

bool PressKey(UINT virtualKey) {
  bool taken = Deliver(WM_KEYDOWN, virtualKey, 1);
  Deliver(WM_KEYUP, virtualKey, static_cast<LPARAM>(0xC0000001u));
  return taken;
}

bool RunKeyLine(const std::wstring& line) {
  std::wstring text = line;
  text.erase(0, text.find_first_not_of(L" \t"));
  text.erase(text.find_last_not_of(L" \t\r") + 1);
  if (platform::ToUpper(text.substr(0, 5)) != L"@KEY ") return false;
  std::wstring name = text.substr(5);
  name.erase(0, name.find_first_not_of(L" \t"));
  const std::wstring upper = platform::ToUpper(name);
  static const std::pair<const wchar_t*, UINT> kKeys[] = {
      {L"LEFT", VK_LEFT}, {L"UP", VK_UP}, {L"RIGHT", VK_RIGHT}, {L"DOWN", VK_DOWN}};
  for (const auto& [key, code] : kKeys)
    if (upper == key) {
      PressKey(code);
      return true;
    }
  zcutPrintf(L"\nUnknown key \"%s\": a key is Left, Up, Right or Down.", name.c_str());
  return true;
}

}  // namespace headless
