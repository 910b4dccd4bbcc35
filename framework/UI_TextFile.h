// A UTF-16 text file of lines, as the C runtime's "ccs=UNICODE" modes store it (byte-order
// mark, CRLF): written whole, read whole, tested for being in use, deleted. Used by the
// templates library's information text and the layout-definition files.
#ifndef FRAMEWORK_UI_TEXTFILE_H
#define FRAMEWORK_UI_TEXTFILE_H

#include "mfc/CString.h"

/// A UTF-16 line file by its path.
class UI_TextFile {
public:
  explicit UI_TextFile(const CString& path) : m_path(path) {}
  /// Replaces the file by the lines, each followed by "\n". 1 on success; -1 when the
  /// file cannot be opened, or a write or the close fails.
  int WriteLines(const CStringArray& lines);
  /// Appends every line (line ends removed); false, appending nothing, when the file
  /// cannot be opened or a read fails part-way.
  bool ReadLines(CStringArray& out) const;
  /// True when the file cannot be opened for reading with writers shut out: held by
  /// another program, or missing.
  bool IsLocked() const;
  /// Removes the file; a failure is ignored.
  void Delete();
  const CString& GetPath() const { return m_path; }

private:
  CString m_path;
};

#endif
