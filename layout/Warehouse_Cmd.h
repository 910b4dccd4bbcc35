// The command "Fastrelle:Repository" ("Fastrelle:Magazyn"): the road into the layout. A
// drawing without a layout border first gets one (new-layout dialog) and a model (model
// dialog); then the warehouse dialog. Registered by the plot command set.
#ifndef LAYOUT_WAREHOUSE_CMD_H
#define LAYOUT_WAREHOUSE_CMD_H

#include "framework/cmd.h"

class Warehouse_Cmd : public cmd {
public:
  Warehouse_Cmd() : cmd(L"Fastrelle:Repository", L"Fastrelle:Magazyn", 1) {}
  /// With a border: the warehouse dialog. Without: the new-layout dialog (Cancel ends),
  /// the border drawn (a refused border ends the command after its message), the model
  /// dialog (Cancel ends), then the warehouse dialog.
  void Run() override;
};

#endif
