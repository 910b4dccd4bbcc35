// The command "Fastrelle:Hole" ("Fastrelle:Dziurka"): puts a hole symbol into parts at the
// points the user gives. Registered by the construction command set.
#ifndef CONSTRUCTION_HOLE_CMD_H
#define CONSTRUCTION_HOLE_CMD_H

#include "framework/cmd.h"

class Hole_cmd : public cmd {
public:
  Hole_cmd() : cmd(L"Fastrelle:Hole", L"Fastrelle:Dziurka", 1) {}
  /// The symbol inserter with the remembered size and folder of holes ("HoleSize",
  /// "Templates\Holes") and the prompt "Wskaż punkt wstawienia dziurki".
  void Run() override;
};

#endif
