// The About dialog's list of installed modules: two columns, "Moduł" and "Wersja", and a
// row per ".zrx" file of Base's folder with its file version (ModuleList.h).
#ifndef BASE_ABOUT_MODULES_H
#define BASE_ABOUT_MODULES_H

#include "mfc/CListCtrl.h"

class About_Modules : public CListCtrl {
protected:
  /// As the list is attached: column 0 "Moduł" (42205) takes 40 % of the list's width
  /// (truncated), column 1 "Wersja" (42204) the rest less 5 pixels; then one row per
  /// module of the module list (filled at the first About dialog and kept).
  void PreSubclassWindow() override;
};

#endif
