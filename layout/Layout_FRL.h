// The layout-definition file (".frl"): the fabric width and length, kept apart from any
// drawing so a fabric can be used again. The layout-properties dialog saves and opens it.
#ifndef LAYOUT_LAYOUT_FRL_H
#define LAYOUT_LAYOUT_FRL_H

#include "layout/Layout_saver_file.h"

/// The file: UTF-16 text with a byte-order mark, two lines each ended by a line end:
///   line 1: the fabric width, "%0.4f"
///   line 2: the fabric length, "%0.4f"
/// Items are not stored. The file dialog offers one filter, the Plot.ini values of
/// "Layout_FileExtension" (description) and "Layout_ExtensionFilter" (pattern).
class Layout_FRL : public Layout_saver_file {
public:
  /// Writes the two lines to the path (asked for with a save dialog when empty, offering
  /// the Plot.ini filter; a cancel gives false). The file is written beside the target and put in its place only when
  /// whole: a failed write, close or replace prints the path, gives false and leaves the
  /// old file as it was.
  bool Save() override;
  /// LoadFrom with no path: does nothing.
  void Load() override;
  /// Description and pattern from Plot.ini.
  void SetFileTypes() override;
  /// An empty path does nothing. Otherwise the path is kept and both lines are read. Each
  /// must be a number and nothing else (blanks around it aside): a sign, digits with at
  /// most one "." or ",", an optional exponent, and finite. A missing or unreadable file,
  /// fewer than two lines or a line that is no such number prints the path (and the line)
  /// and changes neither width nor length. Further lines are ignored.
  ///   "120,5" => 120.5;  "abc", "1e999", "" => refused
  void LoadFrom(const CString& path) override;
  /// An open dialog with the one filter; the chosen path (none when cancelled) to LoadFrom.
  void LoadAsk() override;
};

#endif
