// The group-selection switch.
#include "construction/SwitchPicksStyle.h"

#include "framework/Printer.h"
#include "framework/ResString.h"
#include "framework/ZWVariable.h"

void SwitchPicksStyle::Run() {
  int style = 0;
  GetVariableInt(L"PICKSTYLE", style);
  const bool on = style == 0;
  SetVariableInt(L"PICKSTYLE", on ? 1 : 0);
  ZWPrinter().Print(L"\n" + LoadResString(40251) + L" " + LoadResString(on ? 40252 : 40253));
}
