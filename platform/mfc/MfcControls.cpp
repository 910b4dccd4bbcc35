// The rich edit, the browse edit, the image button, the web link and PNG bitmaps.
#include "mfc/CMFCControls.h"

#include "mfc/DialogSystem.h"
#include "win/shellapi.h"
#include "win32/GdiObjects.h"
#include "win32/WindowRecords.h"

IMPLEMENT_DYNAMIC(CRichEditCtrl, CWnd)
IMPLEMENT_DYNAMIC(CMFCEditBrowseCtrl, CEdit)
IMPLEMENT_DYNAMIC(CMFCButton, CButton)
IMPLEMENT_DYNAMIC(CMFCLinkCtrl, CMFCButton)

BOOL CBitmap::Attach(HBITMAP bitmap) {
  DeleteObject();
  m_hObject = bitmap;
  m_owned = true;
  return bitmap != nullptr;
}

HBITMAP CBitmap::Detach() {
  HBITMAP b = static_cast<HBITMAP>(m_hObject);
  m_hObject = nullptr;
  m_owned = false;
  return b;
}

BOOL CPngImage::Load(UINT id, HINSTANCE) {
  const platform::BinaryResource* png = platform::FindBinaryResource(L"PNG", id);
  return png && LoadFromBuffer(png->bytes, png->size);
}

BOOL CPngImage::LoadFromBuffer(const unsigned char* bytes, std::size_t size) {
  HBITMAP bitmap = platform::DecodePng(bytes, size);
  return bitmap ? Attach(bitmap) : FALSE;
}

void CMFCEditBrowseCtrl::EnableFileBrowseButton(const wchar_t* defaultExt, const wchar_t* filter, DWORD flags) {
  m_mode = 1;
  m_defaultExt = defaultExt;
  m_filter = filter;
  m_flags = flags;
}

void CMFCEditBrowseCtrl::OnBrowse() {
  if (m_mode != 1) return;
  CString current;
  GetWindowText(current);
  CFileDialog dlg(TRUE, m_defaultExt.IsEmpty() ? nullptr : m_defaultExt.GetString(), current, m_flags, m_filter, GetParent());
  if (dlg.DoModal() != IDOK) return;
  SetWindowText(dlg.GetPathName());
  OnAfterUpdate();
}

LRESULT CMFCEditBrowseCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_HEADLESS_ACTION) {
    auto* action = reinterpret_cast<platform::ControlAction*>(lParam);
    if (action->verb != L"browse") return FALSE;
    if (m_mode == 0) action->refusal = L"the edit has no browse button";
    else OnBrowse();
    return TRUE;
  }
  return CEdit::WindowProc(message, wParam, lParam);
}

CMFCButton::~CMFCButton() {
  if (m_ownedImage) DestroyIcon(m_ownedImage);
}

void CMFCButton::SetImage(HICON icon, BOOL autoDestroy, HICON) {
  if (m_hWnd) SendMessage(BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
  if (m_ownedImage && m_ownedImage != icon) DestroyIcon(m_ownedImage);
  m_ownedImage = autoDestroy ? icon : nullptr;
  Invalidate();
}

void CMFCButton::SetImage(UINT id, UINT) { SetImage(LoadIconW(nullptr, MAKEINTRESOURCEW(id))); }

BEGIN_MESSAGE_MAP(CMFCLinkCtrl, CMFCButton)
  ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

void CMFCLinkCtrl::PreSubclassWindow() {
  CMFCButton::PreSubclassWindow();
  platform::WindowRecord* r = platform::FindWindowRecord(m_hWnd);
  if (!r || r->initData.empty()) return;
  const std::string open = "<MFCLink_Url>", close = "</MFCLink_Url>";
  size_t from = r->initData.find(open), to = r->initData.find(close);
  if (from != std::string::npos && to != std::string::npos && to > from)
    m_url = CString(r->initData.substr(from + open.size(), to - from - open.size()).c_str());
}

BOOL CMFCLinkCtrl::OnClicked() {
  if (!m_url.IsEmpty()) ShellExecuteW(nullptr, L"open", m_url, nullptr, nullptr, SW_SHOWNORMAL);
  return FALSE;
}
