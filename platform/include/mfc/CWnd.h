// CWnd: the MFC object attached to a window. Messages reach it through WindowProc and its
// message map; notifications of a child go to the child's reflection entries first, then
// to the parent's map. Every window class of the system derives from it.
#ifndef PLATFORM_MFC_CWND_H
#define PLATFORM_MFC_CWND_H

#include "mfc/CDC.h"
#include "mfc/CObject.h"
#include "mfc/CString.h"

class CDataExchange;

class CWnd : public CCmdTarget {
  DECLARE_DYNAMIC(CWnd)
public:
  CWnd() = default;
  /// A window still attached is detached and destroyed.
  ~CWnd() override;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND m_hWnd = nullptr;
  HWND GetSafeHwnd() const { return m_hWnd; }
  operator HWND() const { return GetSafeHwnd(); }

  /// The object attached to `window`, else a temporary wrapper (null for no window).
  static CWnd* FromHandle(HWND window);
  /// The object attached to `window`, or null.
  static CWnd* FromHandlePermanent(HWND window);

  // --- Creation and attachment ---
  virtual BOOL Create(const wchar_t* className, const wchar_t* windowName, DWORD style, const RECT& rect,
                      CWnd* parent, UINT id, void* context = nullptr);
  virtual BOOL CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* windowName, DWORD style,
                        const RECT& rect, CWnd* parent, UINT id, void* param = nullptr);
  virtual BOOL DestroyWindow();
  BOOL Attach(HWND window);
  HWND Detach();
  /// Attaches and routes the window's messages through this object (PreSubclassWindow first).
  BOOL SubclassWindow(HWND window);
  BOOL SubclassDlgItem(UINT id, CWnd* parent);
  HWND UnsubclassWindow();

  // --- Messages ---
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  virtual BOOL PreTranslateMessage(MSG* msg);
  /// Runs PreTranslateMessage from `msg`'s window up to `stop`: TRUE when one took it.
  static BOOL WalkPreTranslateTree(HWND stop, MSG* msg);
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  virtual void PreSubclassWindow() {}
  virtual void PostNcDestroy() {}
  virtual void DoDataExchange(CDataExchange*) {}
  /// Exchanges the controls' values with the members (DoDataExchange); FALSE when a value
  /// could not be read (the user was told, the focus is on the control).
  BOOL UpdateData(BOOL saveAndValidate = TRUE);
  /// Calls the window's original procedure with the message being handled.
  LRESULT Default();

  // --- Family and state ---
  CWnd* GetDlgItem(int id) const;
  int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
  int SetDlgCtrlID(int id) { return static_cast<int>(SetWindowLongW(m_hWnd, GWL_ID, id)); }
  CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
  CWnd* GetOwner() const { return GetParent(); }
  BOOL IsWindow() const { return ::IsWindow(GetSafeHwnd()); }
  DWORD GetStyle() const { return static_cast<DWORD>(GetWindowLongW(m_hWnd, GWL_STYLE)); }
  DWORD GetExStyle() const { return static_cast<DWORD>(GetWindowLongW(m_hWnd, GWL_EXSTYLE)); }
  BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
  BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);
  BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
  BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
  BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
  BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
  CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
  static CWnd* GetFocus() { return FromHandle(::GetFocus()); }
  void SetFont(CFont* font, BOOL redraw = TRUE);
  CFont* GetFont() const;

  // --- Geometry ---
  BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
  void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE) { ::MoveWindow(m_hWnd, x, y, width, height, repaint); }
  void MoveWindow(LPCRECT rect, BOOL repaint = TRUE) {
    MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
  }
  void GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
  void GetWindowRect(LPRECT rect) const { ::GetWindowRect(m_hWnd, rect); }
  void ScreenToClient(LPPOINT point) const { ::ScreenToClient(m_hWnd, point); }
  void ScreenToClient(LPRECT rect) const;
  void ClientToScreen(LPPOINT point) const { ::ClientToScreen(m_hWnd, point); }
  void ClientToScreen(LPRECT rect) const;
  void CenterWindow(CWnd* alternateOwner = nullptr) {}

  // --- Texts ---
  void SetWindowText(const wchar_t* text) { ::SetWindowTextW(m_hWnd, text); }
  void GetWindowText(CString& text) const;
  int GetWindowTextLength() const { return ::GetWindowTextLengthW(m_hWnd); }
  void SetDlgItemText(int id, const wchar_t* text) { ::SetDlgItemTextW(m_hWnd, id, text); }
  int GetDlgItemText(int id, CString& text) const;

  // --- Painting ---
  void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
  void InvalidateRect(LPCRECT rect, BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, rect, erase); }
  void ValidateRect(LPCRECT rect) { ::ValidateRect(m_hWnd, rect); }
  void UpdateWindow() { ::UpdateWindow(m_hWnd); }
  void RedrawWindow() { Invalidate(); UpdateWindow(); }
  void SetRedraw(BOOL redraw = TRUE) {}
  CDC* GetDC();
  int ReleaseDC(CDC* dc);

protected:
  virtual BOOL PreCreateWindow(CREATESTRUCT&) { return TRUE; }

  // Handlers of the standard messages: each does what the window would do without them.
  int OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
  void OnDestroy() { Default(); }
  void OnNcDestroy() { Default(); }
  void OnPaint() { Default(); }
  BOOL OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
  void OnSetFocus(CWnd*) { Default(); }
  void OnKillFocus(CWnd*) { Default(); }
  void OnSize(UINT, int, int) { Default(); }
  void OnActivate(UINT, CWnd*, BOOL) { Default(); }
  void OnClose() { Default(); }
  void OnShowWindow(BOOL, UINT) { Default(); }
  void OnKeyDown(UINT, UINT, UINT) { Default(); }
  void OnKeyUp(UINT, UINT, UINT) { Default(); }
  void OnChar(UINT, UINT, UINT) { Default(); }
  void OnLButtonDown(UINT, CPoint) { Default(); }
  void OnLButtonUp(UINT, CPoint) { Default(); }
  void OnLButtonDblClk(UINT, CPoint) { Default(); }
  UINT OnGetDlgCode() { return static_cast<UINT>(Default()); }
  HBRUSH OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }

  WNDPROC m_pfnSuper = nullptr;

public:
  /// Attaches this object to a window being created, before its first message.
  void HookWindow(HWND window);

private:
  friend LRESULT AfxWndProc(HWND, UINT, WPARAM, LPARAM);
  const MSG* m_current = nullptr;  // the message being handled, for Default
};

/// The procedure of every window with an object attached: calls the object's WindowProc.
LRESULT AfxWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

#define ON_WM_CREATE() \
  {WM_CREATE, 0, 0, 0, AfxMessage, nullptr, AFX_THUNK(*result = self->OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam)); return TRUE)},
#define ON_WM_DESTROY() {WM_DESTROY, 0, 0, 0, AfxMessage, nullptr, AFX_THUNK(self->OnDestroy(); return TRUE)},
#define ON_WM_NCDESTROY() {WM_NCDESTROY, 0, 0, 0, AfxMessage, nullptr, AFX_THUNK(self->OnNcDestroy(); return TRUE)},
#define ON_WM_PAINT() {WM_PAINT, 0, 0, 0, AfxMessage, nullptr, AFX_THUNK(self->OnPaint(); return TRUE)},
#define ON_WM_ERASEBKGND() \
  {WM_ERASEBKGND, 0, 0, 0, AfxMessage, nullptr, \
   AFX_THUNK(*result = self->OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(wParam))); return TRUE)},
#define ON_WM_SETFOCUS() \
  {WM_SETFOCUS, 0, 0, 0, AfxMessage, nullptr, AFX_THUNK(self->OnSetFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam))); return TRUE)},
#define ON_WM_KILLFOCUS() \
  {WM_KILLFOCUS, 0, 0, 0, AfxMessage, nullptr, AFX_THUNK(self->OnKillFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam))); return TRUE)},
#define ON_WM_SIZE() \
  {WM_SIZE, 0, 0, 0, AfxMessage, nullptr, AFX_THUNK(self->OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); return TRUE)},
#define ON_WM_ACTIVATE() \
  {WM_ACTIVATE, 0, 0, 0, AfxMessage, nullptr, \
   AFX_THUNK(self->OnActivate(LOWORD(wParam), CWnd::FromHandle(reinterpret_cast<HWND>(lParam)), HIWORD(wParam)); return TRUE)},
#define ON_WM_CLOSE() {WM_CLOSE, 0, 0, 0, AfxMessage, nullptr, AFX_THUNK(self->OnClose(); return TRUE)},
#define ON_WM_SHOWWINDOW() \
  {WM_SHOWWINDOW, 0, 0, 0, AfxMessage, nullptr, AFX_THUNK(self->OnShowWindow(static_cast<BOOL>(wParam), static_cast<UINT>(lParam)); return TRUE)},
#define AFX_KEY_ENTRY(message, fn) \
  {message, 0, 0, 0, AfxMessage, nullptr, \
   AFX_THUNK(self->fn(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); return TRUE)},
#define ON_WM_KEYDOWN() AFX_KEY_ENTRY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() AFX_KEY_ENTRY(WM_KEYUP, OnKeyUp)
#define ON_WM_CHAR() AFX_KEY_ENTRY(WM_CHAR, OnChar)
#define AFX_MOUSE_ENTRY(message, fn) \
  {message, 0, 0, 0, AfxMessage, nullptr, \
   AFX_THUNK(self->fn(static_cast<UINT>(wParam), CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)))); return TRUE)},
#define ON_WM_LBUTTONDOWN() AFX_MOUSE_ENTRY(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MOUSE_ENTRY(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_MOUSE_ENTRY(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_GETDLGCODE() {WM_GETDLGCODE, 0, 0, 0, AfxMessage, nullptr, AFX_THUNK(*result = self->OnGetDlgCode(); return TRUE)},
#define ON_WM_CTLCOLOR() \
  {WM_CTLCOLOR, 0, 0, 0, AfxMessage, nullptr, \
   AFX_THUNK(*result = reinterpret_cast<LRESULT>(self->OnCtlColor(CDC::FromHandle(reinterpret_cast<HDC>(wParam)), \
             CWnd::FromHandle(reinterpret_cast<HWND>(lParam)), static_cast<UINT>(*result))); return TRUE)},
#define ON_WM_CTLCOLOR_REFLECT() \
  {WM_CTLCOLOR, 0, 0, 0, AfxReflectCtlColor, nullptr, \
   AFX_THUNK(HBRUSH b = self->CtlColor(CDC::FromHandle(reinterpret_cast<HDC>(wParam)), static_cast<UINT>(*result)); \
             *result = reinterpret_cast<LRESULT>(b); return b != nullptr)},

#endif
