// UI_File.
#include "framework/UI_File.h"

#include "framework/UI_Path.h"
#include "mfc/CFileFind.h"
#include "mfc/CStdioFile.h"
#include "win/winbase.h"
#include "win/winuser.h"

UI_File::UI_File(const CString& path) : m_path(NormalizePath(path)) { m_file.SetFilePath(path); }

UI_File::UI_File(const CString& name, const CString& folder, const CString& extension) {
  CString full = folder;
  if (full.Right(1) != L"\\") full += L"\\";
  m_path = NormalizePath(full + name + extension);
  m_file.SetFilePath(m_path);
}

CString UI_File::GetNameWithoutExtension() const { return m_file.GetFileTitle(); }

CString UI_File::GetExtension() const {
  CString name = m_file.GetFileName();
  int dot = name.ReverseFind(L'.');
  return dot < 0 ? CString() : name.Mid(dot + 1);
}

FileLookup LookUpFile(const CString& path) {
  CFileFind find;
  if (find.FindFile(path)) return FileLookup::Found;
  DWORD why = GetLastError();
  return why == ERROR_FILE_NOT_FOUND || why == ERROR_PATH_NOT_FOUND ? FileLookup::Missing : FileLookup::Unknown;
}

bool UI_File::Exists() const {
  CFileFind find;
  return find.FindFile(m_path);
}

CString UI_File::GetFoundPath() const {
  if (m_file.GetFileTitle().IsEmpty()) return m_path;
  CFileFind find;
  if (!find.FindFile(m_path)) return m_path;
  find.FindNextFile();
  return find.GetFilePath();
}

void UI_File::ListFiles(const CString& suffix, CStringArray& out) const {
  CFileFind find;
  BOOL more = find.FindFile(m_path + L"\\*" + suffix);
  while (more) {
    more = find.FindNextFile();
    if (find.IsDirectory() || find.IsDots() || find.GetFileTitle().IsEmpty()) continue;
    out.Add(find.GetFileTitle());
  }
}

void UI_File::ListFolders(CStringArray& out) const {
  CFileFind find;
  BOOL more = find.FindFile(m_path + L"\\*");
  while (more) {
    more = find.FindNextFile();
    if (find.IsDirectory() && !find.IsDots()) out.Add(find.GetFileName());
  }
}

bool UI_File::ReadLines(CStringArray& out) const {
  if (!Exists()) return false;
  CStdioFile file;
  if (!file.Open(m_path, CFile::modeRead | CFile::typeText)) return false;
  CStringArray lines;
  try {
    CString line;
    while (file.ReadString(line)) lines.Add(line);
  } catch (CFileException* e) {
    e->Delete();
    return false;
  }
  out.Append(lines);
  return true;
}

void UI_File::ReportLocked() const { MessageBoxW(nullptr, m_path + L" is locked.", L"!", MB_OK); }

void UI_File::AppendLines(const CStringArray& lines) {
  if (lines.IsEmpty()) return;
  try {
    // Only a file known to be missing is created: one in a folder that cannot be listed
    // may hold lines already, which a create would empty.
    if (LookUpFile(m_path) == FileLookup::Missing)
      CStdioFile(m_path, CFile::modeCreate | CFile::modeWrite | CFile::typeText).Close();
    CStdioFile file(m_path, CFile::modeReadWrite | CFile::modeNoTruncate | CFile::typeText);
    file.SeekToEnd();
    for (const CString& line : lines) {
      file.WriteString(line);  // a NUL ends the line's text, never its line end
      file.WriteString(L"\n");
    }
    file.Close();
  } catch (CFileException* e) {
    e->Delete();
    ReportLocked();
  }
}
