// The open and save file dialogs, headless: the dialog is written on the command line
// ("[Open: title] description (pattern) in folder") and answered by a script line
// "@file <path>" or "@file cancel"; without one it is cancelled.
#ifndef PLATFORM_MFC_CFILEDIALOG_H
#define PLATFORM_MFC_CFILEDIALOG_H

#include "mfc/CDialog.h"

#define OFN_READONLY 0x00000001
#define OFN_OVERWRITEPROMPT 0x00000002
#define OFN_HIDEREADONLY 0x00000004
#define OFN_NOCHANGEDIR 0x00000008
#define OFN_ALLOWMULTISELECT 0x00000200
#define OFN_PATHMUSTEXIST 0x00000800
#define OFN_FILEMUSTEXIST 0x00001000
#define OFN_EXPLORER 0x00080000

struct OPENFILENAMEW {
  DWORD Flags = 0;
  const wchar_t* lpstrInitialDir = nullptr;
  const wchar_t* lpstrTitle = nullptr;
  const wchar_t* lpstrDefExt = nullptr;
};
typedef OPENFILENAMEW OPENFILENAME;

class CFileDialog : public CDialog {
  DECLARE_DYNAMIC(CFileDialog)
public:
  /// `filter` is "description|pattern|...|"; `defaultExt` is without its ".".
  explicit CFileDialog(BOOL openFileDialog, const wchar_t* defaultExt = nullptr, const wchar_t* fileName = nullptr,
                       DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const wchar_t* filter = nullptr,
                       CWnd* parent = nullptr, DWORD size = 0, BOOL vistaStyle = TRUE);
  /// IDOK with a path that passed the dialog's checks: a relative path is taken in the
  /// initial folder, a name without extension gets the default one, opening refuses a
  /// missing file or folder, saving a missing folder, and an existing file is confirmed
  /// with a Yes/No box under OFN_OVERWRITEPROMPT; after a refusal the next "@file" line is
  /// read. IDCANCEL otherwise.
  INT_PTR DoModal() override;
  CString GetPathName() const { return m_path; }
  CString GetFileName() const;
  CString GetFileExt() const;
  CString GetFileTitle() const;
  CString GetFolderPath() const;

  OPENFILENAME m_ofn;

private:
  BOOL m_open;
  CString m_defaultExt, m_fileName, m_filter, m_path, m_initialDir, m_title;
};

#endif
