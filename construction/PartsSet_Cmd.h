// The command "Fastrelle:FormSet" ("Fastrelle:KompletowanieInformacji"): runs the
// part-set dialog. Registered by the construction command set.
#ifndef CONSTRUCTION_PARTSSET_CMD_H
#define CONSTRUCTION_PARTSSET_CMD_H

#include "framework/cmd.h"

class PartsSet_Cmd : public cmd {
public:
  PartsSet_Cmd() : cmd(L"Fastrelle:FormSet", L"Fastrelle:KompletowanieInformacji", 1) {}
  /// The dialog, built for this run and discarded when it closes.
  void Run() override;
};

#endif
