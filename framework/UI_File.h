// A file or folder on disk by its Windows path: existence, the name it really has, the
// files and sub-folders of a folder, and 8-bit text lines (the Windows-1250 code page) read
// or appended. Used by the file lists, the size-list files and the logs.
#ifndef FRAMEWORK_UI_FILE_H
#define FRAMEWORK_UI_FILE_H

#include "mfc/CFile.h"

/// What CFileFind can tell of a path: Found; Missing (its folder has no such name, or
/// there is no such folder); Unknown (the folder cannot be listed: the file may be there,
/// and must not be taken for missing and written over).
enum class FileLookup { Found, Missing, Unknown };
FileLookup LookUpFile(const CString& path);

/// A path, kept normalised (NormalizePath), and a CFile that names it.
class UI_File {
public:
  /// The CFile gets `path` as given.
  explicit UI_File(const CString& path);
  /// folder + "\" (unless it ends with one) + name + extension, normalised.
  UI_File(const CString& name, const CString& folder, const CString& extension);

  const CString& GetPath() const { return m_path; }
  /// The file name without its last "." and extension.
  CString GetNameWithoutExtension() const;
  /// The text after the last "." of the file name; "" when it has none.
  CString GetExtension() const;
  bool Exists() const;
  /// The path as the disk spells it (found regardless of case); the stored path when the
  /// name is empty or nothing is found.
  CString GetFoundPath() const;
  /// Appends the titles (names without extension) of the files in this folder whose
  /// names end with `suffix` ("*" + suffix), sorted by name; folders, "." and ".." skipped.
  void ListFiles(const CString& suffix, CStringArray& out) const;
  /// Appends the names of the sub-folders of this folder, sorted; "." and ".." skipped.
  void ListFolders(CStringArray& out) const;
  /// Appends every line of the 8-bit text file; false, appending nothing, when it is
  /// missing or cannot be read to its end.
  bool ReadLines(CStringArray& out) const;
  /// Appends each line and "\n" at the end of the 8-bit text file, creating it when
  /// missing (never when its folder cannot be listed to tell). Nothing for an empty array. When the file cannot be created, opened or
  /// written, a message box says path + " is locked." (caption "!") and nothing more is
  /// written.
  void AppendLines(const CStringArray& lines);

private:
  void ReportLocked() const;

  CFile m_file;
  CString m_path;
};

#endif
