// The templates library's settings, "TemplatesLibrary.ini": the folder of the template
// drawings and the name of the information text in it. Read by the templates dialog.
#ifndef CONSTRUCTION_TEMPLATESLIBRARY_MEM_H
#define CONSTRUCTION_TEMPLATESLIBRARY_MEM_H

#include "framework/SettingsFile.h"

/// "TemplatesLibrary.ini", loaded by the first object made while the module is loaded.
/// Keys: "BasePath" (the folder, relative to the install folder or full, ending in "\" so
/// that "InfoText" can be appended to it), "InfoText" (the information file's name).
class TemplatesLibrary_mem : public SettingsFile {
public:
  TemplatesLibrary_mem();
  /// "BasePath" resolved against the install folder; when empty, the install folder's
  /// "\Templates\" (Fastrelle_App).
  CString Folder();
  /// "BasePath" followed directly by "InfoText", resolved against the install folder as
  /// every settings path is (with "BasePath" empty: "<install>\Info.txt"); "" when
  /// "InfoText" is empty.
  CString InfoPath();
};

#endif
