// The part-set settings, "PartSetDescription.ini": the summary table's width and column
// shares, the gap between the stacked items and the set description's template. Read by
// the part-set dialog and the set description.
#ifndef CONSTRUCTION_PARTSETTABLE_SETTINGS_H
#define CONSTRUCTION_PARTSETTABLE_SETTINGS_H

#include "framework/SettingsFile.h"

/// "PartSetDescription.ini", loaded by the first object made while the module is loaded.
/// Keys: "TableWidth", "LPColumnWidthRatio", "NameColumnWidthRatio",
/// "MaterialColumnWidthRatio", "ModeColumnWidthRatio" (reals), "DecriptiorSize" (the gap
/// between stacked items and the first size of a set description), "DecriptiorName" (the
/// template drawing, relative to the install folder or full).
class PartSetTable_Settings : public SettingsFile {
public:
  PartSetTable_Settings();
};

#endif
