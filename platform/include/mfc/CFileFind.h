// MFC's directory search: the entries of one folder that match a name with wildcards,
// found without regard to case as on Windows. Used to test that a file exists and to list
// the files and sub-folders of a folder.
#ifndef PLATFORM_MFC_CFILEFIND_H
#define PLATFORM_MFC_CFILEFIND_H

#include <vector>

#include "mfc/CString.h"

/// A search over one folder. FindFile starts it; each FindNextFile moves to the next entry
/// and returns FALSE when that entry is the last one (which is still valid). Entries come
/// sorted by name: "." and ".." first, then ordinally.
class CFileFind {
public:
  CFileFind() = default;
  virtual ~CFileFind() = default;

  /// Starts a search: `pattern` is a folder path plus a name that may hold "*" and "?"
  /// ("C:\d\*.dwg"; "*.*" also matches names without a dot; null means "*.*" here). TRUE
  /// when at least one entry matches. A pattern ending in a separator matches nothing.
  /// On FALSE, GetLastError tells why: ERROR_FILE_NOT_FOUND (the folder holds no match),
  /// ERROR_PATH_NOT_FOUND (no such folder), ERROR_ACCESS_DENIED (it cannot be listed).
  virtual BOOL FindFile(const wchar_t* pattern = nullptr, DWORD flags = 0);
  virtual BOOL FindNextFile();
  void Close();

  /// The entry's name as on disk ("File.DWG"); that without its last extension; the
  /// folder of the pattern as given joined with the name.
  CString GetFileName() const;
  CString GetFileTitle() const;
  CString GetFilePath() const;
  /// The folder part of the pattern, as given.
  CString GetRoot() const { return m_root; }
  unsigned long long GetLength() const;
  BOOL IsDirectory() const;
  /// The entry is "." or "..".
  BOOL IsDots() const;

private:
  struct Entry {
    CString name;
    bool directory;
    unsigned long long length;
  };
  const Entry* Current() const;

  CString m_root;
  std::vector<Entry> m_entries;
  int m_next = 0;  // entries handed out so far by FindNextFile
};

#endif
