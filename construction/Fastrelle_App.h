// Folders of the application the templates library falls back on: the install folder's
// template folder. Used by TemplatesLibrary_mem.
#ifndef CONSTRUCTION_FASTRELLE_APP_H
#define CONSTRUCTION_FASTRELLE_APP_H

#include "mfc/CString.h"

class Fastrelle_App {
public:
  /// The install folder followed by "\Templates\" (one separator between them).
  static CString DefaultTemplatesFolder();
};

#endif
