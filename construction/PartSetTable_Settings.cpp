// PartSetTable_Settings.
#include "construction/PartSetTable_Settings.h"

namespace {
SettingsFile::Values& Shared() {
  static SettingsFile::Values values;
  return values;
}
}  // namespace

PartSetTable_Settings::PartSetTable_Settings() : SettingsFile(Shared(), L"PartSetDescription.ini") {}
