// The command "Fastrelle:Switch:GroupSelection" ("Fastrelle:Zmien:Zaznaczanie"): turns the
// host's group selection ("PICKSTYLE") off or on. Registered by the construction command
// set.
#ifndef CONSTRUCTION_SWITCHPICKSSTYLE_H
#define CONSTRUCTION_SWITCHPICKSSTYLE_H

#include "framework/cmd.h"

class SwitchPicksStyle : public cmd {
public:
  SwitchPicksStyle() : cmd(L"Fastrelle:Switch:GroupSelection", L"Fastrelle:Zmien:Zaznaczanie", 1) {}
  /// "PICKSTYLE" other than 0 becomes 0 ("Wyłączone"), 0 becomes 1 ("Włączone"); prints
  /// "\nGrupowanie <word>". The new value stays after the command.
  void Run() override;
};

#endif
