// The command "Fastrelle:SpecialPoint" ("Fastrelle:PunktSpecialny"): puts a special-point
// mark into parts at the points the user gives. Registered by the construction command set.
#ifndef CONSTRUCTION_SPECPOINT_CMD_H
#define CONSTRUCTION_SPECPOINT_CMD_H

#include "framework/cmd.h"

class SpecPoint_Cmd : public cmd {
public:
  SpecPoint_Cmd() : cmd(L"Fastrelle:SpecialPoint", L"Fastrelle:PunktSpecialny", 1) {}
  /// The symbol inserter with the remembered size and folder of special points
  /// ("SpecPointSize", "Templates\Special points").
  void Run() override;
};

#endif
