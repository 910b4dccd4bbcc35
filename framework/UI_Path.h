// Paths as texts: UI_Path takes a path apart on "/" (after turning backslashes into "/"),
// and NormalizePath tidies a Windows path's end. Used by the folder lookup, the file
// helpers, the settings readers and the file dialogs.
#ifndef FRAMEWORK_UI_PATH_H
#define FRAMEWORK_UI_PATH_H

#include "mfc/CString.h"

/// A path whose separators are turned into "/" when it is made.
///   'C:\dir\file.dwg' => file name 'file.dwg', extension "dwg", name without
///                        extension "file", folder 'C:/dir/'
///   'C:\dir\README'   => extension 'README' (the whole name), name without extension ""
class UI_Path {
public:
  explicit UI_Path(const CString& path) : m_path(path) { NormalizeSeparators(); }
  /// Every doubled backslash, then every backslash, becomes "/".
  void NormalizeSeparators();
  const CString& GetPath() const { return m_path; }
  /// The text after the last "/" ("" when the path ends with "/").
  CString GetFileName() const;
  /// The text after the last "." of the file name; the whole name when it has no ".".
  CString GetExtension() const;
  /// The file name without its last "." and extension; "" when it has no ".".
  CString GetNameWithoutExtension() const;
  /// The path without its file name, the trailing "/" kept; "" when it has no "/".
  CString GetFolder() const;

private:
  CString m_path;
};

/// A Windows path with its end tidied. Ending in ".." (the last piece between "\"): every
/// ".." is dropped with the piece before it ("." pieces go too); when a ".." has no piece
/// left before it the path is returned as it came. Otherwise trailing "\" are trimmed. A
/// leading drive ("C:") and leading separators ("\\server", "\") are kept in both cases.
///   'C:\a\b\..' => 'C:\a'      'C:\a\b\' => 'C:\a\b'      '\\srv\s\x\..' => '\\srv\s'
///   'C:\a\b\c\..\..' => 'C:\a'      '..' and 'a\..\..' => as they are      'C:\' => 'C:\'
CString NormalizePath(const CString& path);

#endif
