// The line-choice combo.
#include "layout/Lines_cmb.h"

#include "framework/ResString.h"

void Lines_cmb::PreSubclassWindow() {
  UIS_Combo::PreSubclassWindow();
  Fill();
}

void Lines_cmb::Fill() {
  ResetContent();
  for (UINT id : {43145u, 43146u, 43147u}) AddString(LoadResString(id));
}

int Lines_cmb::GetLines() const {
  const int index = GetCurSel();
  return index >= 0 && index <= 2 ? index : 2;
}
