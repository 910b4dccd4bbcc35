// The About dialog's list of installed modules.
#include "base/About_Modules.h"

#include "base/ModuleList.h"
#include "framework/ResString.h"

void About_Modules::PreSubclassWindow() {
  CListCtrl::PreSubclassWindow();
  RECT rect{};
  GetWindowRect(&rect);
  const int width = rect.right - rect.left;
  const int first = static_cast<int>(width * 0.4);
  InsertColumn(0, LoadResString(42205), LVCFMT_LEFT, first);
  InsertColumn(1, LoadResString(42204), LVCFMT_LEFT, width - first - 5);
  int row = 0;
  for (const ModuleRow& module : GetModuleRows()) {
    InsertItem(row, module.name);
    SetItemText(row, 1, module.version);
    ++row;
  }
}
