// CWnd: attaching objects to windows, the message route (WindowProc, OnWndMsg, commands,
// notifications and their reflection to the child that sent them), the pre-translate walk
// and the window calls MFC wraps.
#include "mfc/CWnd.h"

#include <map>
#include <vector>

#include "mfc/DialogSystem.h"
#include "mfc/TextFold.h"
#include "win32/WindowRecords.h"

const CRuntimeClass CObject::classCObject = {"CObject", sizeof(CObject), nullptr, nullptr};
const CRuntimeClass* CObject::GetRuntimeClass() const { return &classCObject; }

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const {
  for (const CRuntimeClass* c = this; c; c = c->m_pBaseClass)
    if (c == base) return true;
  return false;
}

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)
IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }
const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, 0, nullptr, nullptr}};
  static const AFX_MSGMAP map = {nullptr, entries};
  return &map;
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindEntry(UINT kind, UINT message, UINT code, UINT id) const {
  for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->pfn; ++e) {
      if (e->nKind != kind) continue;
      UINT m = e->pRegistered ? *e->pRegistered : e->nMessage;
      if (m != message || (e->pRegistered && m == 0)) continue;
      if (kind == AfxMessage || kind == AfxReflectCtlColor) return e;
      if (e->nCode != code) continue;
      if (kind == AfxReflectCommand || kind == AfxReflectNotify) return e;
      if (id >= e->nID && id <= e->nLastID) return e;
    }
  }
  return nullptr;
}

namespace {

platform::WindowRecord* Record(HWND h) { return platform::FindWindowRecord(h); }

bool IsColorMessage(UINT m) { return m >= WM_CTLCOLORMSGBOX && m <= WM_CTLCOLORSTATIC; }

std::map<std::wstring, CWnd* (*)()>& TemporaryKinds() {
  static std::map<std::wstring, CWnd* (*)()> kinds;
  return kinds;
}

// The wrapper FromHandle gives for a window no object is attached to: an object of the
// MFC class of the window's class (a CComboBox for a "ComboBox"), so that casting it to
// that class is sound.
CWnd* MakeTemporary(HWND window, const std::wstring& className) {
  auto it = TemporaryKinds().find(platform::ToUpper(className));
  CWnd* wnd = it != TemporaryKinds().end() ? it->second() : new CWnd;
  wnd->m_hWnd = window;
  return wnd;
}

}  // namespace

namespace platform {
void RegisterTemporaryKind(const wchar_t* className, CWnd* (*make)()) { TemporaryKinds()[ToUpper(className)] = make; }

void HookCreation(CWnd* wnd) {
  SetCreationHook([wnd](HWND h) { wnd->HookWindow(h); });
}
}  // namespace platform

void CWnd::HookWindow(HWND h) {
  platform::WindowRecord* r = Record(h);
  m_hWnd = h;
  r->object = this;
  PreSubclassWindow();
  if ((r = Record(h)) && r->object == this) {
    m_pfnSuper = r->proc;
    r->proc = AfxWndProc;
  }
}

LRESULT AfxWndProc(HWND h, UINT message, WPARAM wParam, LPARAM lParam) {
  platform::WindowRecord* r = Record(h);
  CWnd* wnd = r ? static_cast<CWnd*>(r->object) : nullptr;
  if (!wnd) return DefWindowProcW(h, message, wParam, lParam);
  MSG msg{h, message, wParam, lParam, 0, {0, 0}};
  const MSG* saved = wnd->m_current;
  wnd->m_current = &msg;
  LRESULT result = wnd->WindowProc(message, wParam, lParam);
  r = Record(h);
  if (!r || r->object != wnd) return result;  // the object went with a handler
  wnd->m_current = saved;
  if (message == WM_NCDESTROY) {
    r->proc = wnd->m_pfnSuper;
    r->object = nullptr;
    wnd->m_hWnd = nullptr;
    wnd->m_pfnSuper = nullptr;
    wnd->PostNcDestroy();  // may delete the object
  }
  return result;
}

CWnd::~CWnd() {
  HWND h = m_hWnd;
  if (!h) return;
  Detach();
  if (::IsWindow(h)) ::DestroyWindow(h);
}

CWnd* CWnd::FromHandlePermanent(HWND window) {
  platform::WindowRecord* r = Record(window);
  return r ? static_cast<CWnd*>(r->object) : nullptr;
}

CWnd* CWnd::FromHandle(HWND window) {
  platform::WindowRecord* r = Record(window);
  if (!r) return nullptr;
  if (r->object) return static_cast<CWnd*>(r->object);
  if (!r->temporary) {
    r->temporary = std::shared_ptr<void>(MakeTemporary(window, r->className), [](void* p) {
      auto* wnd = static_cast<CWnd*>(p);
      wnd->m_hWnd = nullptr;  // the window is going: nothing to detach or destroy
      delete wnd;
    });
  }
  return static_cast<CWnd*>(r->temporary.get());
}

BOOL CWnd::Create(const wchar_t* className, const wchar_t* windowName, DWORD style, const RECT& rect, CWnd* parent,
                  UINT id, void*) {
  return CreateEx(0, className, windowName, style, rect, parent, id);
}

BOOL CWnd::CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* windowName, DWORD style,
                    const RECT& rect, CWnd* parent, UINT id, void* param) {
  if (m_hWnd) return FALSE;
  static const bool registered = RegisterClassProcW(L"AfxWnd", DefWindowProcW);
  (void)registered;
  HWND parentHandle = parent ? parent->m_hWnd : nullptr;
  CREATESTRUCT cs{param, nullptr, reinterpret_cast<HMENU>(static_cast<std::intptr_t>(id)), parentHandle,
                  rect.bottom - rect.top, rect.right - rect.left, rect.top, rect.left, static_cast<LONG>(style),
                  windowName, className ? className : L"AfxWnd", exStyle};
  if (!PreCreateWindow(cs)) return FALSE;
  platform::HookCreation(this);
  HWND h = CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), cs.x, cs.y, cs.cx,
                           cs.cy, cs.hwndParent, cs.hMenu, nullptr, cs.lpCreateParams);
  platform::SetCreationHook(nullptr);
  return h != nullptr;
}

BOOL CWnd::DestroyWindow() {
  HWND h = m_hWnd;
  if (!::IsWindow(h)) return FALSE;
  bool routed = Record(h)->proc == AfxWndProc && Record(h)->object == this;
  BOOL ok = ::DestroyWindow(h);
  if (!routed) m_hWnd = nullptr;  // a routed object was detached at WM_NCDESTROY (and may be gone)
  return ok;
}

BOOL CWnd::Attach(HWND window) {
  platform::WindowRecord* r = Record(window);
  if (!r || r->object || m_hWnd) return FALSE;
  r->object = this;
  m_hWnd = window;
  return TRUE;
}

HWND CWnd::Detach() {
  HWND h = m_hWnd;
  if (platform::WindowRecord* r = Record(h); r && r->object == this) {
    if (r->proc == AfxWndProc && m_pfnSuper) r->proc = m_pfnSuper;
    r->object = nullptr;
  }
  m_hWnd = nullptr;
  m_pfnSuper = nullptr;
  return h;
}

BOOL CWnd::SubclassWindow(HWND window) {
  if (!Attach(window)) return FALSE;
  PreSubclassWindow();
  if (platform::WindowRecord* r = Record(window); r && r->object == this) {
    m_pfnSuper = r->proc;
    r->proc = AfxWndProc;
  }
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
  HWND item = parent ? ::GetDlgItem(parent->m_hWnd, static_cast<int>(id)) : nullptr;
  return item ? SubclassWindow(item) : FALSE;
}

HWND CWnd::UnsubclassWindow() { return Detach(); }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendMessageW(m_hWnd, message, wParam, lParam);
}
BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::PostMessageW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::WalkPreTranslateTree(HWND stop, MSG* msg) {
  for (HWND h = msg->hwnd; h; h = ::GetParent(h)) {
    if (CWnd* wnd = FromHandlePermanent(h); wnd && wnd->PreTranslateMessage(msg)) return TRUE;
    if (h == stop) break;
  }
  return FALSE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
  return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  LRESULT r = 0;
  if (message == WM_COMMAND) {
    if (!OnCommand(wParam, lParam)) return FALSE;
    *result = 0;
    return TRUE;
  }
  if (message == WM_NOTIFY) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (!header || !header->hwndFrom || !OnNotify(wParam, lParam, &r)) return FALSE;
    *result = r;
    return TRUE;
  }
  if (IsColorMessage(message)) {
    CWnd* child = FromHandlePermanent(reinterpret_cast<HWND>(lParam));
    if (child && child != this && child->OnChildNotify(message, wParam, lParam, result)) return TRUE;
    if (const AFX_MSGMAP_ENTRY* e = FindEntry(AfxMessage, WM_CTLCOLOR, 0, 0)) {
      r = message - WM_CTLCOLORMSGBOX;
      e->pfn(this, wParam, lParam, &r);
      *result = r;
      return TRUE;
    }
    return FALSE;
  }
  const AFX_MSGMAP_ENTRY* e = FindEntry(AfxMessage, message, 0, 0);
  if (!e || !e->pfn(this, wParam, lParam, &r)) return FALSE;
  *result = r;
  return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
  if (!m_current) return 0;
  return DefWindowProc(m_current->message, m_current->wParam, m_current->lParam);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  UINT id = LOWORD(wParam), code = HIWORD(wParam);
  if (auto control = reinterpret_cast<HWND>(lParam)) {
    LRESULT r = 0;
    CWnd* child = FromHandlePermanent(control);
    if (child && child != this && child->OnChildNotify(WM_COMMAND, wParam, lParam, &r)) return TRUE;
  }
  const AFX_MSGMAP_ENTRY* e = FindEntry(AfxCommand, WM_COMMAND, code, id);
  if (!e) return FALSE;
  LRESULT r = 0;
  e->pfn(this, wParam, lParam, &r);
  return TRUE;
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  CWnd* child = FromHandlePermanent(header->hwndFrom);
  if (child && child != this && child->OnChildNotify(WM_NOTIFY, wParam, lParam, result)) return TRUE;
  const AFX_MSGMAP_ENTRY* e = FindEntry(AfxNotify, WM_NOTIFY, header->code, static_cast<UINT>(header->idFrom));
  if (!e) return FALSE;
  e->pfn(this, wParam, lParam, result);
  return TRUE;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  return ReflectChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  LRESULT r = 0;
  if (message == WM_COMMAND) {
    const AFX_MSGMAP_ENTRY* e = FindEntry(AfxReflectCommand, WM_COMMAND, HIWORD(wParam), 0);
    return e && e->pfn(this, wParam, lParam, &r);
  }
  if (message == WM_NOTIFY) {
    const AFX_MSGMAP_ENTRY* e = FindEntry(AfxReflectNotify, WM_NOTIFY, reinterpret_cast<NMHDR*>(lParam)->code, 0);
    if (!e || !e->pfn(this, wParam, lParam, &r)) return FALSE;
    if (result) *result = r;
    return TRUE;
  }
  if (IsColorMessage(message)) {
    const AFX_MSGMAP_ENTRY* e = FindEntry(AfxReflectCtlColor, WM_CTLCOLOR, 0, 0);
    r = message - WM_CTLCOLORMSGBOX;
    if (!e || !e->pfn(this, wParam, lParam, &r)) return FALSE;
    if (result) *result = r;
    return TRUE;
  }
  return FALSE;
}

CWnd* CWnd::GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }

namespace {
BOOL ModifyLong(HWND h, int index, DWORD remove, DWORD add, UINT flags) {
  DWORD style = static_cast<DWORD>(GetWindowLongW(h, index)), changed = (style & ~remove) | add;
  if (style == changed) return FALSE;
  SetWindowLongW(h, index, static_cast<LONG>(changed));
  if (flags) ::SetWindowPos(h, nullptr, 0, 0, 0, 0, flags | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER);
  return TRUE;
}
}  // namespace

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags) { return ModifyLong(m_hWnd, GWL_STYLE, remove, add, flags); }
BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT flags) {
  return ModifyLong(m_hWnd, GWL_EXSTYLE, remove, add, flags);
}

void CWnd::SetFont(CFont* font, BOOL redraw) {
  SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font ? font->m_hObject : nullptr), redraw);
}
CFont* CWnd::GetFont() const { return CFont::FromHandle(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT))); }

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags) {
  HWND after = insertAfter ? insertAfter->m_hWnd : nullptr;
  return ::SetWindowPos(m_hWnd, after, x, y, cx, cy, flags);
}

void CWnd::ScreenToClient(LPRECT rect) const {
  POINT a{rect->left, rect->top}, b{rect->right, rect->bottom};
  ::ScreenToClient(m_hWnd, &a);
  ::ScreenToClient(m_hWnd, &b);
  *rect = {a.x, a.y, b.x, b.y};
}

void CWnd::ClientToScreen(LPRECT rect) const {
  POINT a{rect->left, rect->top}, b{rect->right, rect->bottom};
  ::ClientToScreen(m_hWnd, &a);
  ::ClientToScreen(m_hWnd, &b);
  *rect = {a.x, a.y, b.x, b.y};
}

void CWnd::GetWindowText(CString& text) const {
  int n = GetWindowTextLength();
  std::vector<wchar_t> buffer(static_cast<size_t>(n) + 1, 0);
  ::GetWindowTextW(m_hWnd, buffer.data(), n + 1);
  text = buffer.data();
}

int CWnd::GetDlgItemText(int id, CString& text) const {
  text.Empty();
  if (CWnd* item = GetDlgItem(id)) item->GetWindowText(text);
  return text.GetLength();
}

CDC* CWnd::GetDC() {
  auto* dc = new CDC;
  dc->m_hDC = ::GetDC(m_hWnd);
  return dc;
}

int CWnd::ReleaseDC(CDC* dc) {
  if (!dc) return 0;
  ::ReleaseDC(m_hWnd, dc->m_hDC);
  delete dc;
  return 1;
}
