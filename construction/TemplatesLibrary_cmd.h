// The command "Fastrelle:Templates" ("Fastrelle:Szablony"): runs the templates library
// dialog. Registered by the construction command set.
#ifndef CONSTRUCTION_TEMPLATESLIBRARY_CMD_H
#define CONSTRUCTION_TEMPLATESLIBRARY_CMD_H

#include "framework/cmd.h"

class TemplatesLibrary_cmd : public cmd {
public:
  TemplatesLibrary_cmd() : cmd(L"Fastrelle:Templates", L"Fastrelle:Szablony", 1) {}
  /// The dialog, built for this run and discarded when it closes.
  void Run() override;
};

#endif
