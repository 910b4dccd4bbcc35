// A layout kept in a file the user picks: the file's path and what the file dialog offers.
// The layout-definition file (Layout_FRL) is the one kind.
#ifndef LAYOUT_LAYOUT_SAVER_FILE_H
#define LAYOUT_LAYOUT_SAVER_FILE_H

#include "layout/Layout_saver.h"

/// Starts as an empty layout (width 0, length 0, no items) with no path.
class Layout_saver_file : public Layout_saver {
public:
  Layout_saver_file() : Layout_saver(Layout(0.0, 0.0)) {}

  /// Sets the file-dialog description and pattern; here: empties them and the path.
  virtual void SetFileTypes();
  /// Reads the layout from `path`.
  virtual void LoadFrom(const CString& path) = 0;
  /// Asks for a file to open, then LoadFrom.
  virtual void LoadAsk() = 0;

  const CString& GetPath() const { return m_path; }
  void SetPath(const CString& path) { m_path = path; }

protected:
  CString m_path;
  CString m_description;
  CString m_pattern;
};

#endif
