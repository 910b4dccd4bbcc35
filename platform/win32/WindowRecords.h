// The window manager's records, shared inside the platform: the record behind each HWND,
// the state a control class keeps in its window, and the hooks MFC uses to attach its
// objects. Used by the window functions, the standard controls, GDI and platform/mfc.
#ifndef PLATFORM_WIN32_WINDOWRECORDS_H
#define PLATFORM_WIN32_WINDOWRECORDS_H

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "win/winuser.h"

namespace platform {

/// What a control class keeps in its window (an edit's selection, a list's rows).
struct WindowState {
  virtual ~WindowState() = default;
};

/// One window. Invariants:
/// 1. `handle` is never given to another window, even after this one is destroyed.
/// 2. `children` holds the live children in creation order (the tab order).
/// 3. A window being destroyed (`destroying`) has had WM_DESTROY; it leaves the table at
///    WM_NCDESTROY (DestroyWindow).
struct WindowRecord {
  HWND handle = nullptr;
  std::wstring className, text;
  DWORD style = 0, exStyle = 0;
  int id = 0;
  HWND parent = nullptr;  // children only
  HWND owner = nullptr;   // popups (dialogs) only
  RECT rect{};            // in the parent's client coordinates (screen for popups)
  std::vector<HWND> children;
  WNDPROC proc = nullptr;
  HFONT font = nullptr;
  LONG userData = 0;
  bool needsPaint = false, needsErase = false, destroying = false;
  std::unique_ptr<WindowState> state;
  void* object = nullptr;              // the MFC object attached (CWnd), if any
  std::shared_ptr<void> temporary;     // a wrapper FromHandle made, dropped with the window
  std::string initData;                // the DLGINIT bytes its dialog template gave it
  std::vector<COLORREF> pixels;  // the client area as last painted, row by row
  LONG pixelWidth = 0, pixelHeight = 0;
  // Modal dialogs: EndDialog sets these; the loop returns the result.
  bool ended = false;
  INT_PTR endResult = 0;
};

WindowRecord* FindWindowRecord(HWND window);

/// The state of a control class in its window, made on first use.
template <class T>
T& StateOf(HWND window) {
  WindowRecord* r = FindWindowRecord(window);
  static T none;  // a window that is gone: a throwaway state
  if (!r) return none = T();
  if (!r->state) r->state = std::make_unique<T>();
  return *static_cast<T*>(r->state.get());
}

/// Called with each new window right after its record exists and before WM_NCCREATE, once:
/// how CWnd::CreateEx attaches its object before the window's first message.
void SetCreationHook(std::function<void(HWND)> hook);

/// Sends WM_COMMAND (code, id) from a control to its parent.
void NotifyParent(HWND control, UINT code);
/// Sends WM_NOTIFY with `header` (from and id filled in) to the control's parent.
LRESULT NotifyParent(HWND control, NMHDR& header);

/// Live windows in creation order.
std::vector<HWND> LiveWindows();
/// Delivers every posted message, in order, including those posted meanwhile.
void DeliverPostedMessages();
/// Erases and paints every window marked for it.
void PaintPendingWindows();

/// The colour at (x, y) of the window's last painting; the dialog face colour when unpainted.
COLORREF PaintedPixel(HWND window, LONG x, LONG y);
/// Fills a rectangle of the window's client surface.
void FillSurface(HWND window, const RECT& rect, COLORREF colour);

/// True when the window is of the class named (upper case: "BUTTON", "EDIT").
bool IsClass(HWND window, const wchar_t* upperName);
/// Holds a key down (Shift, Control) for GetKeyState while a scripted action runs.
void SetKeyDown(int key, bool down);
/// Paints a control's background with the brush its parent answers to `ctlColor`.
void PaintControlBackground(HWND window, HDC dc, UINT ctlColor);

/// The colour a solid brush paints; false for a hollow or unknown one.
bool BrushColour(HBRUSH brush, COLORREF& colour);
/// The window a device context paints.
HWND WindowOfDC(HDC dc);

/// The built-in classes' procedures, registered on first use of the window manager.
LRESULT ButtonProc(HWND, UINT, WPARAM, LPARAM);
LRESULT StaticProc(HWND, UINT, WPARAM, LPARAM);
LRESULT EditProc(HWND, UINT, WPARAM, LPARAM);
LRESULT ComboBoxProc(HWND, UINT, WPARAM, LPARAM);
LRESULT DialogProc(HWND, UINT, WPARAM, LPARAM);
LRESULT ListViewProc(HWND, UINT, WPARAM, LPARAM);
LRESULT HeaderProc(HWND, UINT, WPARAM, LPARAM);

}  // namespace platform

#endif
