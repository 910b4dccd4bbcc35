// The command "Fastrelle:Layout:Label" ("Fastrelle:Układ:Opisz"): runs the layout-label
// dialog. Registered by the plot command set.
#ifndef LAYOUT_LAYOUT_LABEL_CMD_H
#define LAYOUT_LAYOUT_LABEL_CMD_H

#include "framework/cmd.h"

class Layout_Label_Cmd : public cmd {
public:
  Layout_Label_Cmd() : cmd(L"Fastrelle:Layout:Label", L"Fastrelle:Układ:Opisz", 1) {}
  /// The dialog, built for this run and discarded when it closes.
  void Run() override;
};

#endif
