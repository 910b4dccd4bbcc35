// Fastrelle_Settings and its getters.
#include "framework/Fastrelle_Settings.h"

namespace {
SettingsFile::Values& Shared() {
  static SettingsFile::Values values;
  return values;
}
}  // namespace

Fastrelle_Settings::Fastrelle_Settings() : SettingsFile(Shared(), L"Construction.ini") {}

CString GetSettingString(const CString& key) { return Fastrelle_Settings().GetString(key); }
double GetSettingDouble(const CString& key) { return Fastrelle_Settings().GetDouble(key); }
int GetSettingInt(const CString& key) { return Fastrelle_Settings().GetInt(key); }
CString GetSettingPath(const CString& key) { return Fastrelle_Settings().GetPath(key); }
