// The GDI wrappers of MFC over the headless GDI: brushes, fonts and device contexts.
#include "mfc/CDC.h"

#include <map>
#include <memory>

#include "mfc/CWnd.h"

BOOL CGdiObject::DeleteObject() {
  if (!m_hObject) return FALSE;
  if (m_owned) ::DeleteObject(m_hObject);
  m_hObject = nullptr;
  m_owned = false;
  return TRUE;
}

BOOL CBrush::CreateSolidBrush(COLORREF colour) {
  DeleteObject();
  m_hObject = ::CreateSolidBrush(colour);
  m_owned = true;
  return m_hObject != nullptr;
}

BOOL CBrush::CreateStockObject(int index) {
  DeleteObject();
  m_hObject = ::GetStockObject(index);
  return m_hObject != nullptr;
}

CFont* CFont::FromHandle(HFONT font) {
  static std::map<HFONT, std::unique_ptr<CFont>> wrappers;
  if (!font) return nullptr;
  auto& w = wrappers[font];
  if (!w) {
    w = std::make_unique<CFont>();
    w->m_hObject = font;
  }
  return w.get();
}

CDC* CDC::FromHandle(HDC dc) {
  static std::map<HDC, std::unique_ptr<CDC>> wrappers;
  if (!dc) return nullptr;
  auto& w = wrappers[dc];
  if (!w) w = std::make_unique<CDC>();
  w->m_hDC = dc;
  return w.get();
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF colour) {
  HBRUSH brush = ::CreateSolidBrush(colour);
  ::FillRect(m_hDC, rect, brush);
  ::DeleteObject(brush);
  ::SetBkColor(m_hDC, colour);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF colour) {
  RECT r{x, y, x + cx, y + cy};
  FillSolidRect(&r, colour);
}

CPaintDC::CPaintDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : nullptr) { m_hDC = ::BeginPaint(m_hWnd, &m_ps); }
CPaintDC::~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }
CClientDC::CClientDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : nullptr) { m_hDC = ::GetDC(m_hWnd); }
CClientDC::~CClientDC() { ::ReleaseDC(m_hWnd, m_hDC); }
