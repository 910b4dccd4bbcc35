// Plot_Settings and its getter.
#include "framework/Plot_Settings.h"

namespace {
SettingsFile::Values& Shared() {
  static SettingsFile::Values values;
  return values;
}
}  // namespace

Plot_Settings::Plot_Settings() : SettingsFile(Shared(), L"Plot.ini") {}

CString GetPlotSettingString(const CString& key) { return Plot_Settings().GetString(key); }
