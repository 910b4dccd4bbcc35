// The command "Fastrelle:Switch:Solid" ("Fastrelle:Zmien:Wyswietlanie"): switches the
// current view between shaded and flat display. Registered by the construction command
// set.
#ifndef CONSTRUCTION_SWITCHSHADE_CMD_H
#define CONSTRUCTION_SWITCHSHADE_CMD_H

#include "framework/cmd.h"

class SwitchShade_Cmd : public cmd {
public:
  SwitchShade_Cmd() : cmd(L"Fastrelle:Switch:Solid", L"Fastrelle:Zmien:Wyswietlanie", 1) {}
  /// The view's shade mode 0, 2 or 8 becomes 5 (flat shaded with edges), any other 0
  /// (host numbering). Nothing without a view.
  void Run() override;

  /// The mode that follows `mode`: 0, 2, 8 => 5; anything else => 0.
  static int NextMode(int mode);
};

#endif
