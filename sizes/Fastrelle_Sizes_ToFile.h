// The size list to and from a file the user chooses: the size rules dialog's export runs
// the save dialog here, its import hands over the path of the open dialog. Formats and
// safe writing are SizeListFile's.
#ifndef SIZES_FASTRELLE_SIZES_TOFILE_H
#define SIZES_FASTRELLE_SIZES_TOFILE_H

#include <vector>

#include "sizes/Fastrelle_Size.h"
#include "ui/FileFilterList.h"

class Fastrelle_Sizes_ToFile {
public:
  /// The dialog (an open dialog until Save) with one filter: string 40214 ("Pliki
  /// rozmiarów ") and the product group name, pattern "FastrelleSizesFileExtension".
  Fastrelle_Sizes_ToFile();
  virtual ~Fastrelle_Sizes_ToFile() = default;
  /// Runs the save dialog and writes the sizes to the chosen file (SaveSizeList): false
  /// when cancelled, for an extension of no format or a failed write (the old file stays).
  bool Save(const std::vector<Fastrelle_Size>& sizes);
  /// Appends the sizes of the file the open dialog chose (LoadSizeList).
  bool Load(const CString& path, std::vector<Fastrelle_Size>& sizes);
  FileFilterList& Dialog() { return m_dialog; }

private:
  FileFilterList m_dialog;
};

#endif
