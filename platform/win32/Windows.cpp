// The headless window manager: the table of window records, creation and destruction,
// sending and posting, registered messages, the family of a window, geometry, focus,
// texts and the marks that paint windows when the loop is idle.
#include <algorithm>
#include <cstring>
#include <deque>
#include <map>
#include <set>

#include "mfc/TextFold.h"
#include "win32/WindowRecords.h"

namespace {

using platform::WindowRecord;

struct Manager {
  std::map<std::uintptr_t, std::unique_ptr<WindowRecord>> windows;  // by handle value
  std::uintptr_t next = 0x1000;  // handles count up, never reused
  std::map<std::wstring, WNDPROC> classes;  // by upper-case name
  std::map<std::wstring, UINT> registered;   // by upper-case name
  UINT nextRegistered = 0xC000;
  std::deque<MSG> posted;
  HWND focus = nullptr;
  std::function<void(HWND)> creationHook;
  std::set<int> keysDown;
};

Manager& M() {
  static Manager m;
  if (m.classes.empty()) {
    m.classes[L"BUTTON"] = platform::ButtonProc;
    m.classes[L"STATIC"] = platform::StaticProc;
    m.classes[L"EDIT"] = platform::EditProc;
    m.classes[L"COMBOBOX"] = platform::ComboBoxProc;
    m.classes[L"#32770"] = platform::DialogProc;
    m.classes[L"SYSLISTVIEW32"] = platform::ListViewProc;
    m.classes[L"SYSHEADER32"] = platform::HeaderProc;
    // The MFC controls of templates are windows of the standard kinds their objects subclass.
    m.classes[L"MFCBUTTON"] = platform::ButtonProc;
    m.classes[L"MFCLINK"] = platform::ButtonProc;
    m.classes[L"MFCEDITBROWSE"] = platform::EditProc;
    m.classes[L"RICHEDIT20W"] = platform::EditProc;
    m.classes[L"MFCPROPERTYGRID"] = DefWindowProcW;
  }
  return m;
}

std::uintptr_t Key(HWND h) { return reinterpret_cast<std::uintptr_t>(h); }

// Destroys in the order Windows does: WM_DESTROY to a window before its children.
void SendDestroy(HWND h) {
  WindowRecord* r = platform::FindWindowRecord(h);
  if (!r || r->destroying) return;
  r->destroying = true;
  SendMessageW(h, WM_DESTROY, 0, 0);
  r = platform::FindWindowRecord(h);
  if (!r) return;
  std::vector<HWND> children = r->children;
  for (HWND c : children) SendDestroy(c);
}

void Forget(HWND h) {
  WindowRecord* r = platform::FindWindowRecord(h);
  if (!r) return;
  std::vector<HWND> children = r->children;
  for (HWND c : children) Forget(c);
  SendMessageW(h, WM_NCDESTROY, 0, 0);
  r = platform::FindWindowRecord(h);
  if (!r) return;
  if (WindowRecord* p = platform::FindWindowRecord(r->parent))
    p->children.erase(std::remove(p->children.begin(), p->children.end(), h), p->children.end());
  auto& m = M();
  if (m.focus == h) m.focus = nullptr;
  m.windows.erase(Key(h));
}

// Offset of the window's client origin on the screen.
POINT Origin(HWND h) {
  POINT p{0, 0};
  for (WindowRecord* r = platform::FindWindowRecord(h); r; r = platform::FindWindowRecord(r->parent)) {
    p.x += r->rect.left;
    p.y += r->rect.top;
  }
  return p;
}

LONG Width(const RECT& r) { return r.right - r.left; }
LONG Height(const RECT& r) { return r.bottom - r.top; }

}  // namespace

namespace platform {

WindowRecord* FindWindowRecord(HWND window) {
  if (!window) return nullptr;
  auto& w = M().windows;
  auto it = w.find(Key(window));
  return it == w.end() ? nullptr : it->second.get();
}

bool IsClass(HWND window, const wchar_t* upperName) {
  WindowRecord* r = FindWindowRecord(window);
  return r && ToUpper(r->className) == upperName;
}

void SetKeyDown(int key, bool down) {
  auto& keys = M().keysDown;
  if (down) keys.insert(key);
  else keys.erase(key);
}

void SetCreationHook(std::function<void(HWND)> hook) { M().creationHook = std::move(hook); }

void NotifyParent(HWND control, UINT code) {
  WindowRecord* r = FindWindowRecord(control);
  if (!r || !r->parent) return;
  SendMessageW(r->parent, WM_COMMAND, MAKEWPARAM(r->id, code), reinterpret_cast<LPARAM>(control));
}

LRESULT NotifyParent(HWND control, NMHDR& header) {
  WindowRecord* r = FindWindowRecord(control);
  if (!r || !r->parent) return 0;
  header.hwndFrom = control;
  header.idFrom = static_cast<UINT_PTR>(r->id);
  return SendMessageW(r->parent, WM_NOTIFY, static_cast<WPARAM>(r->id), reinterpret_cast<LPARAM>(&header));
}

std::vector<HWND> LiveWindows() {
  std::vector<HWND> out;
  for (auto& [key, r] : M().windows) out.push_back(r->handle);
  return out;
}

void DeliverPostedMessages() {
  auto& q = M().posted;
  while (!q.empty()) {
    MSG msg = q.front();
    q.pop_front();
    DispatchMessageW(&msg);
  }
}

void PaintPendingWindows() {
  for (HWND h : LiveWindows()) UpdateWindow(h);
}

}  // namespace platform

HWND CreateWindowExW(DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style, int x,
                     int y, int width, int height, HWND parent, HMENU menu, HINSTANCE, LPVOID param) {
  auto& m = M();
  auto cls = m.classes.find(platform::ToUpper(className ? className : L""));
  if (cls == m.classes.end()) return nullptr;
  if (parent && !IsWindow(parent)) return nullptr;
  if ((style & WS_CHILD) && !parent) return nullptr;
  auto record = std::make_unique<WindowRecord>();
  m.next += 4;
  record->handle = reinterpret_cast<HWND>(m.next);
  record->className = className;
  record->text = text ? text : L"";
  record->style = style;
  record->exStyle = exStyle;
  record->proc = cls->second;
  record->rect = {x, y, x + std::max(width, 0), y + std::max(height, 0)};
  if (style & WS_CHILD) {
    record->parent = parent;
    record->id = static_cast<int>(reinterpret_cast<std::intptr_t>(menu));
    platform::FindWindowRecord(parent)->children.push_back(record->handle);
  } else {
    record->owner = parent;
  }
  HWND h = record->handle;
  m.windows[Key(h)] = std::move(record);
  if (m.creationHook) {
    auto hook = std::move(m.creationHook);
    m.creationHook = nullptr;
    hook(h);
  }
  CREATESTRUCTW create{param, nullptr, menu, parent, height, width, y, x, static_cast<LONG>(style),
                       text, className, exStyle};
  if (!SendMessageW(h, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create)) ||
      SendMessageW(h, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
    DestroyWindow(h);
    return nullptr;
  }
  if (!IsWindow(h)) return nullptr;
  InvalidateRect(h, nullptr, TRUE);
  return h;
}

BOOL DestroyWindow(HWND window) {
  WindowRecord* r = platform::FindWindowRecord(window);
  if (!r || r->destroying) return FALSE;
  auto& m = M();
  if (m.focus && (m.focus == window || IsChild(window, m.focus))) m.focus = nullptr;
  SendDestroy(window);
  Forget(window);
  return TRUE;
}

BOOL IsWindow(HWND window) { return platform::FindWindowRecord(window) != nullptr; }

LRESULT SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WindowRecord* r = platform::FindWindowRecord(window);
  if (!r || !r->proc) return 0;
  return r->proc(window, message, wParam, lParam);
}

BOOL PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!IsWindow(window)) return FALSE;
  M().posted.push_back(MSG{window, message, wParam, lParam, 0, {0, 0}});
  return TRUE;
}

LRESULT DispatchMessageW(const MSG* msg) {
  return msg ? SendMessageW(msg->hwnd, msg->message, msg->wParam, msg->lParam) : 0;
}

UINT RegisterWindowMessageW(const wchar_t* name) {
  if (!name || !*name) return 0;
  auto& m = M();
  auto [it, added] = m.registered.emplace(platform::ToUpper(name), m.nextRegistered);
  if (added) ++m.nextRegistered;
  return it->second;
}

BOOL RegisterClassProcW(const wchar_t* className, WNDPROC proc) {
  if (!className || !proc) return FALSE;
  M().classes[platform::ToUpper(className)] = proc;
  return TRUE;
}

int GetClassNameW(HWND window, wchar_t* name, int size) {
  WindowRecord* r = platform::FindWindowRecord(window);
  if (!r || !name || size <= 0) return 0;
  int n = std::min<int>(size - 1, static_cast<int>(r->className.size()));
  std::wmemcpy(name, r->className.c_str(), n);
  name[n] = 0;
  return n;
}

LRESULT CallWindowProcW(WNDPROC proc, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return proc ? proc(window, message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

WNDPROC SubclassWindowProc(HWND window, WNDPROC proc) {
  WindowRecord* r = platform::FindWindowRecord(window);
  if (!r) return nullptr;
  WNDPROC old = r->proc;
  r->proc = proc;
  return old;
}

LONG GetWindowLongW(HWND window, int index) {
  WindowRecord* r = platform::FindWindowRecord(window);
  if (!r) return 0;
  switch (index) {
    case GWL_STYLE: return static_cast<LONG>(r->style);
    case GWL_EXSTYLE: return static_cast<LONG>(r->exStyle);
    case GWL_ID: return r->id;
    case GWLP_USERDATA: return r->userData;
  }
  return 0;
}

LONG SetWindowLongW(HWND window, int index, LONG value) {
  WindowRecord* r = platform::FindWindowRecord(window);
  if (!r) return 0;
  LONG old = GetWindowLongW(window, index);
  switch (index) {
    case GWL_STYLE: r->style = static_cast<DWORD>(value); break;
    case GWL_EXSTYLE: r->exStyle = static_cast<DWORD>(value); break;
    case GWL_ID: r->id = value; break;
    case GWLP_USERDATA: r->userData = value; break;
  }
  return old;
}

HWND GetParent(HWND window) {
  WindowRecord* r = platform::FindWindowRecord(window);
  return r ? (r->parent ? r->parent : r->owner) : nullptr;
}

HWND SetParent(HWND window, HWND parent) {
  WindowRecord* r = platform::FindWindowRecord(window);
  if (!r || (parent && !IsWindow(parent))) return nullptr;
  HWND old = GetParent(window);
  if (WindowRecord* p = platform::FindWindowRecord(r->parent))
    p->children.erase(std::remove(p->children.begin(), p->children.end(), window), p->children.end());
  if (r->style & WS_CHILD) {
    r->parent = parent;
    if (parent) platform::FindWindowRecord(parent)->children.push_back(window);
  } else {
    r->owner = parent;
  }
  return old;
}

BOOL IsChild(HWND parent, HWND window) {
  for (HWND p = GetParent(window); p; p = GetParent(p))
    if (p == parent) return TRUE;
  return FALSE;
}

HWND GetDlgItem(HWND dialog, int id) {
  WindowRecord* r = platform::FindWindowRecord(dialog);
  if (!r) return nullptr;
  for (HWND c : r->children)
    if (WindowRecord* cr = platform::FindWindowRecord(c); cr && cr->id == id) return c;
  return nullptr;
}

int GetDlgCtrlID(HWND window) {
  WindowRecord* r = platform::FindWindowRecord(window);
  return r ? r->id : 0;
}

HWND GetWindow(HWND window, UINT command) {
  WindowRecord* r = platform::FindWindowRecord(window);
  if (!r) return nullptr;
  if (command == GW_CHILD) return r->children.empty() ? nullptr : r->children.front();
  if (command == GW_HWNDNEXT) {
    WindowRecord* p = platform::FindWindowRecord(r->parent);
    if (!p) return nullptr;
    auto it = std::find(p->children.begin(), p->children.end(), window);
    return it != p->children.end() && it + 1 != p->children.end() ? *(it + 1) : nullptr;
  }
  return nullptr;
}

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
  WindowRecord* d = platform::FindWindowRecord(dialog);
  if (!d) return nullptr;
  std::vector<HWND> stops;
  for (HWND c : d->children) {
    WindowRecord* r = platform::FindWindowRecord(c);
    if (r && (r->style & WS_TABSTOP) && (r->style & WS_VISIBLE) && !(r->style & WS_DISABLED))
      stops.push_back(c);
  }
  if (stops.empty()) return nullptr;
  HWND top = control;
  while (top && GetParent(top) != dialog) top = GetParent(top);  // a combo's edit: the combo
  auto it = std::find(stops.begin(), stops.end(), top);
  if (it == stops.end()) return previous ? stops.back() : stops.front();
  size_t i = static_cast<size_t>(it - stops.begin());
  return previous ? stops[(i + stops.size() - 1) % stops.size()] : stops[(i + 1) % stops.size()];
}

BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  WindowRecord* r = platform::FindWindowRecord(window);
  if (!r) return FALSE;
  RECT old = r->rect;
  if (!(flags & SWP_NOMOVE)) {
    r->rect.right += x - r->rect.left;
    r->rect.bottom += y - r->rect.top;
    r->rect.left = x;
    r->rect.top = y;
  }
  if (!(flags & SWP_NOSIZE)) {
    r->rect.right = r->rect.left + std::max(cx, 0);
    r->rect.bottom = r->rect.top + std::max(cy, 0);
  }
  if (!(flags & SWP_NOZORDER)) {
    if (insertAfter == HWND_TOPMOST) r->exStyle |= WS_EX_TOPMOST;
    if (insertAfter == HWND_NOTOPMOST) r->exStyle &= ~static_cast<DWORD>(WS_EX_TOPMOST);
  }
  if (flags & SWP_SHOWWINDOW) ShowWindow(window, SW_SHOW);
  if (flags & SWP_HIDEWINDOW) ShowWindow(window, SW_HIDE);
  if (Width(old) != Width(r->rect) || Height(old) != Height(r->rect))
    SendMessageW(window, WM_SIZE, 0, MAKELPARAM(Width(r->rect), Height(r->rect)));
  InvalidateRect(window, nullptr, TRUE);
  return TRUE;
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL) {
  return SetWindowPos(window, nullptr, x, y, width, height, SWP_NOZORDER);
}

BOOL GetClientRect(HWND window, RECT* rect) {
  WindowRecord* r = platform::FindWindowRecord(window);
  if (!r || !rect) return FALSE;
  *rect = {0, 0, Width(r->rect), Height(r->rect)};
  return TRUE;
}

BOOL GetWindowRect(HWND window, RECT* rect) {
  WindowRecord* r = platform::FindWindowRecord(window);
  if (!r || !rect) return FALSE;
  POINT o = Origin(window);
  *rect = {o.x, o.y, o.x + Width(r->rect), o.y + Height(r->rect)};
  return TRUE;
}

BOOL ScreenToClient(HWND window, POINT* point) {
  if (!IsWindow(window) || !point) return FALSE;
  POINT o = Origin(window);
  point->x -= o.x;
  point->y -= o.y;
  return TRUE;
}

BOOL ClientToScreen(HWND window, POINT* point) {
  if (!IsWindow(window) || !point) return FALSE;
  POINT o = Origin(window);
  point->x += o.x;
  point->y += o.y;
  return TRUE;
}

int MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  long long p = static_cast<long long>(number) * numerator;
  long long half = (denominator > 0 ? denominator : -denominator) / 2;
  long long q = (p >= 0) == (denominator > 0) ? (std::llabs(p) + half) / std::llabs(denominator)
                                              : -((std::llabs(p) + half) / std::llabs(denominator));
  return static_cast<int>(q);
}

BOOL ShowWindow(HWND window, int command) {
  WindowRecord* r = platform::FindWindowRecord(window);
  if (!r) return FALSE;
  BOOL was = (r->style & WS_VISIBLE) != 0;
  bool show = command != SW_HIDE;
  if (show == static_cast<bool>(was)) return was;
  if (show) r->style |= WS_VISIBLE;
  else r->style &= ~static_cast<DWORD>(WS_VISIBLE);
  SendMessageW(window, WM_SHOWWINDOW, show, 0);
  if (show) InvalidateRect(window, nullptr, TRUE);
  return was;
}

BOOL IsWindowVisible(HWND window) {
  for (WindowRecord* r = platform::FindWindowRecord(window); r; r = platform::FindWindowRecord(r->parent))
    if (!(r->style & WS_VISIBLE)) return FALSE;
  return IsWindow(window);
}

BOOL EnableWindow(HWND window, BOOL enable) {
  WindowRecord* r = platform::FindWindowRecord(window);
  if (!r) return FALSE;
  BOOL wasDisabled = (r->style & WS_DISABLED) != 0;
  if (enable) r->style &= ~static_cast<DWORD>(WS_DISABLED);
  else r->style |= WS_DISABLED;
  if (wasDisabled == static_cast<BOOL>(!enable)) return wasDisabled;
  SendMessageW(window, WM_ENABLE, enable, 0);
  return wasDisabled;
}

BOOL IsWindowEnabled(HWND window) {
  WindowRecord* r = platform::FindWindowRecord(window);
  return r && !(r->style & WS_DISABLED);
}

HWND SetFocus(HWND window) {
  auto& m = M();
  if (window && !IsWindow(window)) return nullptr;
  HWND old = m.focus;
  if (old == window) return old;
  m.focus = window;
  if (IsWindow(old)) SendMessageW(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0);
  if (window && m.focus == window) SendMessageW(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
  return IsWindow(old) ? old : nullptr;
}

short GetKeyState(int key) { return M().keysDown.count(key) ? static_cast<short>(0x8000) : 0; }

HWND GetFocus() { return IsWindow(M().focus) ? M().focus : nullptr; }

HWND GetActiveWindow() {
  HWND h = GetFocus();
  while (h && GetParent(h) && (GetWindowLongW(h, GWL_STYLE) & WS_CHILD)) h = GetParent(h);
  return h;
}

BOOL SetWindowTextW(HWND window, const wchar_t* text) {
  return static_cast<BOOL>(SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : L"")));
}

int GetWindowTextW(HWND window, wchar_t* text, int size) {
  if (!text || size <= 0) return 0;
  text[0] = 0;
  return static_cast<int>(SendMessageW(window, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(text)));
}

int GetWindowTextLengthW(HWND window) { return static_cast<int>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)); }

BOOL SetDlgItemTextW(HWND dialog, int id, const wchar_t* text) {
  HWND item = GetDlgItem(dialog, id);
  return item ? SetWindowTextW(item, text) : FALSE;
}

UINT GetDlgItemTextW(HWND dialog, int id, wchar_t* text, int size) {
  HWND item = GetDlgItem(dialog, id);
  if (!item) {
    if (text && size > 0) text[0] = 0;
    return 0;
  }
  return static_cast<UINT>(GetWindowTextW(item, text, size));
}

BOOL InvalidateRect(HWND window, const RECT*, BOOL erase) {
  WindowRecord* r = platform::FindWindowRecord(window);
  if (!r) return FALSE;
  r->needsPaint = true;
  r->needsErase = r->needsErase || erase;
  return TRUE;
}

BOOL ValidateRect(HWND window, const RECT*) {
  WindowRecord* r = platform::FindWindowRecord(window);
  if (!r) return FALSE;
  r->needsPaint = r->needsErase = false;
  return TRUE;
}

BOOL UpdateWindow(HWND window) {
  WindowRecord* r = platform::FindWindowRecord(window);
  if (!r) return FALSE;
  if (!r->needsPaint || !IsWindowVisible(window)) return TRUE;
  if (r->needsErase) {
    r->needsErase = false;
    HDC dc = GetDC(window);
    SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    ReleaseDC(window, dc);
  }
  if (platform::FindWindowRecord(window)) SendMessageW(window, WM_PAINT, 0, 0);
  if ((r = platform::FindWindowRecord(window))) r->needsPaint = false;
  return TRUE;
}
