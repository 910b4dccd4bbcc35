// File dialogs with filter lists: pairs of a description and a pattern, shown as an open
// or a save dialog (size-list files, layout definitions, models).
#ifndef UI_FILEFILTERLIST_H
#define UI_FILEFILTERLIST_H

#include "mfc/CString.h"

class FileFilterList {
public:
  void AddFilter(const CString& description, const CString& pattern);
  /// The filter text: "description (pattern)|pattern|" for each pair, then "|".
  CString GetFilterText() const;
  /// The default extension: the first pattern without its "*." ("*.txs" => "txs"; "*.*"
  /// and no filter => "").
  CString GetDefaultExtension() const;
  /// Runs the dialog (open: files and folders must exist; save: asks before replacing);
  /// true with the path chosen. False when cancelled or when no filter was added.
  bool ShowDialog();
  CString GetPathName() const { return m_path; }

  CStringArray m_descriptions;
  CStringArray m_patterns;
  bool m_open = true;
  CString m_path;
  /// Where the dialog opens when it names an existing folder.
  CString m_initialFolder;
};

/// True when `path` names an existing folder (whatever dots its name has).
bool IsExistingFolder(const CString& path);

#endif
