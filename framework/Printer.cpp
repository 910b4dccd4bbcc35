// The printers.
#include "framework/Printer.h"

#include "ed/zced.h"
#include "win/winuser.h"

void Printer::PrintLines(const CStringArray& lines) {
  for (const CString& line : lines) {
    NewLine();
    Print(line);
  }
  NewLine();
}

void Printer::NewLine() { Print(L"\n"); }

void ZWPrinter::Print(const CString& text) { zcutPrintf(L"%s", text); }

void ZWAlert::PrintErrorStatus(int status) {
  Print(CString(L" es: ") + zcadErrorStatusText(status));
}

void ZWAlert::ShowMessage(const CString& text) { MessageBoxW(nullptr, text, L"", MB_OK); }

void FilePrinter::Print(const CString&) {}

void PrintInt(int value) {
  CString text;
  text.Format(L"%i", value);
  ZWPrinter printer;
  printer.NewLine();
  printer.Print(text);
}

void PrintNewLine() { ZWPrinter().NewLine(); }

void PrintErrorStatus(int status) {
  ZWAlert alert;
  alert.NewLine();
  alert.PrintErrorStatus(status);
  alert.NewLine();
}
