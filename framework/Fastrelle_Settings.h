// The construction settings, "Construction.ini": symbol sizes and paths, size colours,
// file patterns, description tokens and formats. Read through the free getters by most of
// the construction and sizes code.
#ifndef FRAMEWORK_FASTRELLE_SETTINGS_H
#define FRAMEWORK_FASTRELLE_SETTINGS_H

#include "framework/SettingsFile.h"

/// "Construction.ini", loaded by the first object made while the module is loaded.
class Fastrelle_Settings : public SettingsFile {
public:
  Fastrelle_Settings();
};

/// A value of "Construction.ini" (a missing key prints it with status 22 and gives "" or 0).
CString GetSettingString(const CString& key);
double GetSettingDouble(const CString& key);
int GetSettingInt(const CString& key);
/// A path of "Construction.ini" resolved against the install folder (Config::GetPath).
CString GetSettingPath(const CString& key);

#endif
