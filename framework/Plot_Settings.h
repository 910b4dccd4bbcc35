// The layout settings, "Plot.ini": layout file patterns, description blocks and tokens,
// default quantities and rotations. Read by the layout and plot code.
#ifndef FRAMEWORK_PLOT_SETTINGS_H
#define FRAMEWORK_PLOT_SETTINGS_H

#include "framework/SettingsFile.h"

/// "Plot.ini", loaded by the first object made while the module is loaded.
class Plot_Settings : public SettingsFile {
public:
  Plot_Settings();
};

/// A value of "Plot.ini" (a missing key prints it with status 22 and gives "").
CString GetPlotSettingString(const CString& key);

#endif
