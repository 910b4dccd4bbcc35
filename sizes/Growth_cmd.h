// The command "Fastrelle:GrowthControl" ("Fastrelle:KontrolaPrzyrostu"): runs the growth
// dialog. Registered by the construction command set.
#ifndef SIZES_GROWTH_CMD_H
#define SIZES_GROWTH_CMD_H

#include "framework/cmd.h"

class Growth_cmd : public cmd {
public:
  Growth_cmd() : cmd(L"Fastrelle:GrowthControl", L"Fastrelle:KontrolaPrzyrostu", 1) {}
  /// The dialog, run modally; the picked sets are lost when it closes.
  void Run() override;
};

#endif
