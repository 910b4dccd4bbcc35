// The command "Fastrelle:Measure" ("Fastrelle:Miarka"): the measuring tape, with its
// length shown live beside the cursor along the curve. Registered by the construction
// command set.
#ifndef CONSTRUCTION_MEASURE_CMD_H
#define CONSTRUCTION_MEASURE_CMD_H

#include "framework/cmd.h"

class Measure_Cmd : public cmd {
public:
  Measure_Cmd() : cmd(L"Fastrelle:Measure", L"Fastrelle:Miarka", 2) {}
  /// The tape's start point, then the tape until Enter, Space or a cancel, its length
  /// written at its end as it moves. The live text goes with the command.
  void Run() override;
};

#endif
