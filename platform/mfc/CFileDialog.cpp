// CFileDialog, headless: prints the dialog, reads "@file" answers and checks them as the
// Windows dialog does before it closes.
#include "mfc/CFileDialog.h"

#include <filesystem>

#include "ed/zced.h"
#include "mfc/DialogSystem.h"
#include "win32/FilePaths.h"

IMPLEMENT_DYNAMIC(CFileDialog, CDialog)

namespace {

bool IsAbsolute(const std::wstring& p) {
  return (!p.empty() && (p[0] == L'/' || p[0] == L'\\')) || (p.size() > 1 && p[1] == L':');
}

std::wstring Join(const std::wstring& folder, const std::wstring& name) {
  if (folder.empty()) return name;
  wchar_t sep = folder.find(L'\\') != std::wstring::npos && folder.find(L'/') == std::wstring::npos ? L'\\' : L'/';
  return folder.back() == L'/' || folder.back() == L'\\' ? folder + name : folder + sep + name;
}

size_t NameStart(const CString& path) {
  int slash = std::max(path.ReverseFind(L'\\'), path.ReverseFind(L'/'));
  return static_cast<size_t>(slash + 1);
}

}  // namespace

CFileDialog::CFileDialog(BOOL openFileDialog, const wchar_t* defaultExt, const wchar_t* fileName, DWORD flags,
                         const wchar_t* filter, CWnd* parent, DWORD, BOOL)
    : CDialog(0, parent), m_open(openFileDialog), m_defaultExt(defaultExt), m_fileName(fileName), m_filter(filter) {
  m_ofn.Flags = flags;
}

INT_PTR CFileDialog::DoModal() {
  m_path.Empty();
  m_initialDir = m_ofn.lpstrInitialDir;
  m_title = m_ofn.lpstrTitle;
  if (m_ofn.lpstrDefExt) m_defaultExt = m_ofn.lpstrDefExt;
  std::wstring folder = m_initialDir.str();
  std::error_code ec;
  if (folder.empty() || !std::filesystem::is_directory(platform::NativePath(folder), ec))
    folder = platform::FromUtf8(std::filesystem::current_path(ec).string());
  std::wstring descriptions;
  int pos = 0;
  for (int k = 0;; ++k) {
    CString part = m_filter.Tokenize(L"|", pos);
    if (pos < 0 || part.IsEmpty()) break;
    if (k % 2 == 0) descriptions += (descriptions.empty() ? L"" : L"; ") + part.str();
  }
  zcutPrintf(L"\n[%s%s] %s in %s", m_open ? L"Open" : L"Save as", m_title.IsEmpty() ? L"" : (L": " + m_title).str(),
             descriptions, folder);
  std::wstring answer;
  while (platform::TakeScriptAnswer(L"@file ", answer)) {
    zcutPrintf(L"\n@file %s", answer);
    if (answer == L"cancel") break;
    std::wstring path = IsAbsolute(answer) ? answer : Join(folder, answer);
    CString name = CString(path).Mid(static_cast<int>(NameStart(path)));
    if (!m_defaultExt.IsEmpty() && name.Find(L'.') < 0) path += L"." + m_defaultExt.str();
    std::string native = platform::NativePath(path);
    std::filesystem::path parentFolder = std::filesystem::path(native).parent_path();
    bool folderExists = parentFolder.empty() || std::filesystem::is_directory(parentFolder, ec);
    bool fileExists = std::filesystem::is_regular_file(native, ec);
    if (!folderExists) {
      zcutPrintf(L"\n%s\nThe folder does not exist.", path);
      continue;
    }
    if (m_open && (m_ofn.Flags & OFN_FILEMUSTEXIST) && !fileExists) {
      zcutPrintf(L"\n%s\nFile not found.", path);
      continue;
    }
    if (!m_open && fileExists && (m_ofn.Flags & OFN_OVERWRITEPROMPT)) {
      std::wstring question = path + L" already exists.\nDo you want to replace it?";
      if (MessageBoxW(nullptr, question.c_str(), L"Confirm Save As", MB_YESNO | MB_ICONWARNING) != IDYES) continue;
    }
    m_path = path;
    zcutPrintf(L"\n");
    return IDOK;
  }
  zcutPrintf(L"\n");
  return IDCANCEL;
}

CString CFileDialog::GetFileName() const { return m_path.Mid(static_cast<int>(NameStart(m_path))); }
CString CFileDialog::GetFileExt() const {
  CString name = GetFileName();
  int dot = name.ReverseFind(L'.');
  return dot < 0 ? CString() : name.Mid(dot + 1);
}
CString CFileDialog::GetFileTitle() const {
  CString name = GetFileName();
  int dot = name.ReverseFind(L'.');
  return dot < 0 ? name : name.Left(dot);
}
CString CFileDialog::GetFolderPath() const {
  size_t start = NameStart(m_path);
  return start == 0 ? CString() : m_path.Left(static_cast<int>(start) - 1);
}
