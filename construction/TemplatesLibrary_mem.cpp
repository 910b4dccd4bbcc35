// TemplatesLibrary_mem.
#include "construction/TemplatesLibrary_mem.h"

#include "construction/Fastrelle_App.h"
#include "framework/Folders.h"

namespace {
SettingsFile::Values& Shared() {
  static SettingsFile::Values values;
  return values;
}
}  // namespace

TemplatesLibrary_mem::TemplatesLibrary_mem() : SettingsFile(Shared(), L"TemplatesLibrary.ini") {}

CString TemplatesLibrary_mem::Folder() {
  const CString folder = GetPath(L"BasePath");
  return folder.IsEmpty() ? Fastrelle_App::DefaultTemplatesFolder() : folder;
}

CString TemplatesLibrary_mem::InfoPath() {
  const CString name = GetString(L"InfoText");
  if (name.IsEmpty()) return CString();
  return ResolveInstallPath(GetString(L"BasePath") + name);
}
