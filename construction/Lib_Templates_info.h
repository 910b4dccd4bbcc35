// The information pane of the templates library: the library's text file shown in a
// rich edit. Used by TemplatesLibrary_dlg.
#ifndef CONSTRUCTION_LIB_TEMPLATES_INFO_H
#define CONSTRUCTION_LIB_TEMPLATES_INFO_H

#include "mfc/CMFCControls.h"

class Lib_Templates_info : public CRichEditCtrl {
  DECLARE_DYNAMIC(Lib_Templates_info)
public:
  /// Reads the UTF-16 text file and shows its lines joined with "\n". False, showing
  /// nothing, when the file cannot be read; nothing is shown for an empty file either.
  bool ShowFile(const CString& path);
};

#endif
