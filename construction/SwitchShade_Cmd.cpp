// The shaded-display switch.
#include "construction/SwitchShade_Cmd.h"

#include "framework/Guards.h"

int SwitchShade_Cmd::NextMode(int mode) { return mode == 0 || mode == 2 || mode == 8 ? 5 : 0; }

void SwitchShade_Cmd::Run() {
  ZW_View view;
  if (view.IsValid()) view.SetMode(NextMode(view.GetMode()));
}
