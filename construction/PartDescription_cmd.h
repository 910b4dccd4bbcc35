// The command "Fastrelle:Description" ("Fastrelle:Opis"): runs the part-description
// dialog. Registered by the construction command set.
#ifndef CONSTRUCTION_PARTDESCRIPTION_CMD_H
#define CONSTRUCTION_PARTDESCRIPTION_CMD_H

#include "framework/cmd.h"

class PartDescription_cmd : public cmd {
public:
  PartDescription_cmd() : cmd(L"Fastrelle:Description", L"Fastrelle:Opis", 1) {}
  /// The dialog, built for this run and discarded when it closes.
  void Run() override;
};

#endif
