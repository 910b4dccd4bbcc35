// The last size and symbol drawing (or folder) of the notch, hole and special-point
// commands, kept for as long as the module stays loaded and never written to a settings
// file. Read by those commands before their symbol dialog and written back after it.
#ifndef CONSTRUCTION_REMEMBEREDSYMBOL_H
#define CONSTRUCTION_REMEMBEREDSYMBOL_H

#include "mfc/CString.h"

/// One command's memory. It starts empty (size 0); a size below 1e-5 counts as not yet
/// read, and ReadOnFirstUse then takes the size from "Construction.ini" and the path
/// from the install folder.
class RememberedSymbol {
public:
  /// `sizeKey` names the size setting ("NotchSize"); `folder` the symbol folder under the
  /// install folder's "Templates" ("Notch").
  RememberedSymbol(const wchar_t* sizeKey, const wchar_t* folder) : m_sizeKey(sizeKey), m_folder(folder) {}

  /// When the size is below 1e-5: the size setting (a missing key prints it and gives 0)
  /// and the path <install>\Templates\<folder>.
  void ReadOnFirstUse();
  /// Back to the start, nothing read, as in a module just loaded.
  void Forget();

  double m_size = 0.0;
  CString m_path;

  /// The three memories: "NotchSize" / "Notch", "HoleSize" / "Holes", "SpecPointSize" /
  /// "Special points".
  static RememberedSymbol& Notch();
  static RememberedSymbol& Hole();
  static RememberedSymbol& SpecialPoint();

private:
  const wchar_t* m_sizeKey;
  const wchar_t* m_folder;
};

/// True when `path` names an existing file (not a folder): the only thing a symbol
/// command may take as its symbol drawing.
bool IsSymbolDrawing(const CString& path);

#endif
