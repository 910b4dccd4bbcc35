// The file dialog with a filter list.
#include "ui/FileFilterList.h"

#include "mfc/CFileDialog.h"
#include "mfc/CFileFind.h"

void FileFilterList::AddFilter(const CString& description, const CString& pattern) {
  m_descriptions.Add(description);
  m_patterns.Add(pattern);
}

CString FileFilterList::GetFilterText() const {
  CString text;
  for (int i = 0; i < m_descriptions.GetSize(); ++i)
    text.AppendFormat(L"%s (%s)|%s|", m_descriptions[i], m_patterns[i], m_patterns[i]);
  return text + L"|";
}

CString FileFilterList::GetDefaultExtension() const {
  if (m_patterns.GetSize() == 0) return CString();
  CString first = m_patterns[0];
  if (first.Left(2) == L"*.") first = first.Mid(2);
  return first == L"*" ? CString() : first;
}

bool FileFilterList::ShowDialog() {
  if (m_patterns.GetSize() == 0) return false;
  CString filter = GetFilterText(), extension = GetDefaultExtension();
  DWORD flags = m_open ? (OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST) : OFN_OVERWRITEPROMPT;
  CFileDialog dlg(m_open ? TRUE : FALSE, extension.IsEmpty() ? nullptr : extension.GetString(), nullptr, flags, filter,
                  nullptr, 0, TRUE);
  if (IsExistingFolder(m_initialFolder)) dlg.m_ofn.lpstrInitialDir = m_initialFolder;
  if (dlg.DoModal() != IDOK) return false;
  m_path = dlg.GetPathName();
  return true;
}

bool IsExistingFolder(const CString& path) {
  if (path.IsEmpty()) return false;
  CFileFind find;
  if (!find.FindFile(path)) return false;
  find.FindNextFile();
  return find.IsDirectory() != FALSE;
}
