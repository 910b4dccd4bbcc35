// MFC's richer controls over the standard windows: the rich edit, the edit with a browse
// button, the image button, the web link, and bitmaps loaded from PNG resources.
#ifndef PLATFORM_MFC_CMFCCONTROLS_H
#define PLATFORM_MFC_CMFCCONTROLS_H

#include "mfc/CButton.h"
#include "mfc/CFileDialog.h"

class CBitmap : public CGdiObject {
public:
  operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
  BOOL Attach(HBITMAP bitmap);
  HBITMAP Detach();
};

/// A bitmap from a PNG resource of the modules.
class CPngImage : public CBitmap {
public:
  BOOL Load(UINT id, HINSTANCE instance = nullptr);
  BOOL LoadFromBuffer(const unsigned char* bytes, std::size_t size);
};

class CRichEditCtrl : public CWnd {
  DECLARE_DYNAMIC(CRichEditCtrl)
public:
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(L"RichEdit20W", nullptr, style | ES_MULTILINE, rect, parent, id);
  }
  void SetSel(int start, int end) { SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end); }
  void ReplaceSel(const wchar_t* text, BOOL canUndo = FALSE) {
    SendMessage(EM_REPLACESEL, canUndo, reinterpret_cast<LPARAM>(text));
  }
  BOOL SetReadOnly(BOOL readOnly = TRUE) { return static_cast<BOOL>(SendMessage(EM_SETREADONLY, readOnly)); }
};

/// An edit with a browse button; in file mode the button runs a file dialog.
class CMFCEditBrowseCtrl : public CEdit {
  DECLARE_DYNAMIC(CMFCEditBrowseCtrl)
public:
  void EnableFileBrowseButton(const wchar_t* defaultExt = nullptr, const wchar_t* filter = nullptr,
                              DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
  void EnableFolderBrowseButton() { m_mode = 2; }
  /// The button: in file mode a file dialog whose choice becomes the text, then OnAfterUpdate.
  virtual void OnBrowse();
  virtual void OnAfterUpdate() {}
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
  int m_mode = 0;  // 0 none, 1 file, 2 folder
  CString m_defaultExt, m_filter;
  DWORD m_flags = 0;
};

/// A button with an image (the icon it shows is kept in the window). An icon given with
/// `autoDestroy` belongs to the button: it is destroyed when another replaces it and with
/// the button.
class CMFCButton : public CButton {
  DECLARE_DYNAMIC(CMFCButton)
public:
  ~CMFCButton() override;
  void SetImage(HICON icon, BOOL autoDestroy = TRUE, HICON hot = nullptr);
  /// The icon resource `id` of the modules.
  void SetImage(UINT id, UINT hotId = 0);
  void SetTooltip(const wchar_t* text) { m_tooltip = text; }
  const CString& GetTooltip() const { return m_tooltip; }
  BOOL m_bTransparent = FALSE;
  int m_nFlatStyle = 0;

protected:
  CString m_tooltip;

private:
  HICON m_ownedImage = nullptr;
};

/// A web link: a click opens its address (ShellExecuteW). The address comes from the
/// dialog template's DLGINIT data ("<MFCLink_Url>...</MFCLink_Url>") or SetURL.
class CMFCLinkCtrl : public CMFCButton {
  DECLARE_DYNAMIC(CMFCLinkCtrl)
public:
  void SetURL(const wchar_t* url) { m_url = url; }
  const CString& GetURL() const { return m_url; }
  void SizeToContent() {}

protected:
  void PreSubclassWindow() override;
  BOOL OnClicked();
  DECLARE_MESSAGE_MAP()
  CString m_url;
};

#endif
