// String lookup with the "Pusty tekst" fallback.
#include "framework/ResString.h"

#include "framework/Printer.h"

CString LoadResString(UINT id) {
  CString text;
  if (!text.LoadString(id)) {
    ZWPrinter().Print(L"Pusty tekst");
    PrintInt(static_cast<int>(id));
  }
  return text;
}
