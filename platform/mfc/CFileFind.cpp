// CFileFind: one folder listed, filtered by a wildcard name without regard to case, sorted.
#include "mfc/CFileFind.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include "mfc/TextFold.h"
#include "win/winbase.h"
#include "win32/FilePaths.h"
#include "win32/NativeFile.h"

namespace {

// Windows wildcard match of upper-cased texts: "*" any run, "?" one character.
bool Match(const wchar_t* pattern, const wchar_t* name) {
  const wchar_t* star = nullptr;
  const wchar_t* resume = nullptr;
  while (*name) {
    if (*pattern == L'*') {
      star = pattern++;
      resume = name;
    } else if (*pattern == L'?' || *pattern == *name) {
      ++pattern;
      ++name;
    } else if (star) {
      pattern = star + 1;
      name = ++resume;
    } else {
      return false;
    }
  }
  while (*pattern == L'*') ++pattern;
  return *pattern == L'\0';
}

bool MatchesName(const std::wstring& pattern, const std::wstring& name) {
  std::wstring p = platform::ToUpper(pattern), n = platform::ToUpper(name);
  if (Match(p.c_str(), n.c_str())) return true;
  // "*.*" and "x.*" also match names without an extension, as on Windows.
  return p.size() >= 2 && p.compare(p.size() - 2, 2, L".*") == 0 && n.find(L'.') == std::wstring::npos &&
         Match(p.c_str(), (n + L".").c_str());
}

bool IsDotName(const CString& name) { return name == L"." || name == L".."; }

}  // namespace

BOOL CFileFind::FindFile(const wchar_t* pattern, DWORD) {
  Close();
  std::wstring full = pattern ? pattern : L"*.*";
  size_t cut = full.find_last_of(L"\\/");
  std::wstring name = cut == std::wstring::npos ? full : full.substr(cut + 1);
  if (name.empty()) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return FALSE;
  }
  m_root = CString(cut == std::wstring::npos ? std::wstring() : full.substr(0, cut + 1));

  std::string folder = platform::NativePath(m_root.IsEmpty() ? L"." : m_root.str());
  // Windows tells a missing folder or name from one it may not list: so must the caller.
  DIR* dir = platform::FaultFires(headless::FileFault::List) ? (errno = EACCES, nullptr) : ::opendir(folder.c_str());
  if (!dir) {
    SetLastError(errno == ENOENT || errno == ENOTDIR ? ERROR_PATH_NOT_FOUND : ERROR_ACCESS_DENIED);
    return FALSE;
  }
  while (dirent* e = ::readdir(dir)) {
    std::wstring entry = platform::FromUtf8(e->d_name);
    if (!MatchesName(name, entry)) continue;
    struct stat st;
    std::string native = folder + "/" + e->d_name;
    bool ok = ::stat(native.c_str(), &st) == 0;
    m_entries.push_back({CString(entry), ok && S_ISDIR(st.st_mode),
                         ok ? static_cast<unsigned long long>(st.st_size) : 0});
  }
  ::closedir(dir);
  std::sort(m_entries.begin(), m_entries.end(), [](const Entry& a, const Entry& b) {
    if (IsDotName(a.name) != IsDotName(b.name)) return IsDotName(a.name);
    return a.name < b.name;
  });
  SetLastError(m_entries.empty() ? ERROR_FILE_NOT_FOUND : ERROR_SUCCESS);
  return m_entries.empty() ? FALSE : TRUE;
}

BOOL CFileFind::FindNextFile() {
  if (m_next < static_cast<int>(m_entries.size())) ++m_next;
  return m_next < static_cast<int>(m_entries.size()) ? TRUE : FALSE;
}

void CFileFind::Close() {
  m_entries.clear();
  m_root.Empty();
  m_next = 0;
}

const CFileFind::Entry* CFileFind::Current() const {
  return m_next > 0 && m_next <= static_cast<int>(m_entries.size()) ? &m_entries[m_next - 1] : nullptr;
}

CString CFileFind::GetFileName() const { return Current() ? Current()->name : CString(); }

CString CFileFind::GetFileTitle() const { return CString(platform::PathFileTitle(GetFileName().str())); }

CString CFileFind::GetFilePath() const { return Current() ? m_root + Current()->name : CString(); }
unsigned long long CFileFind::GetLength() const { return Current() ? Current()->length : 0; }
BOOL CFileFind::IsDirectory() const { return Current() && Current()->directory ? TRUE : FALSE; }
BOOL CFileFind::IsDots() const { return Current() && IsDotName(Current()->name) ? TRUE : FALSE; }
