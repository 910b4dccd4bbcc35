// The drawing list of the templates library: the library folder's sub-folders and
// drawings with their previews. Used by TemplatesLibrary_dlg.
#ifndef CONSTRUCTION_LIB_TEMPLATES_LST_H
#define CONSTRUCTION_LIB_TEMPLATES_LST_H

#include "ui/UI_DwgListCtrl.h"

class Lib_Templates_lst : public UI_DwgListCtrl {
  DECLARE_DYNAMIC(Lib_Templates_lst)
public:
  /// Shows the folder's sub-folders, then its ".dwg" drawings; a missing folder leaves the
  /// list empty.
  void ShowFolder(const CString& folder);
};

#endif
