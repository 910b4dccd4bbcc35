// The main command set.
#include "shell/ModuleFastrelle_cmds.h"

#include "framework/Printer.h"
#include "framework/Product.h"

const wchar_t kModuleVersion[] = L"2018.0.5";
const wchar_t kModuleReleaseDate[] = L"Mar  5 2018";

void Fastrelle_About_cmd::Run() {
  ZWPrinter().Print(L"\n" + kProductWord + L" Module: " + kProductWord + L" Version: " +
                    kModuleVersion + L" released: " + kModuleReleaseDate + L" . ");
}

ModuleFastrelle_cmds::ModuleFastrelle_cmds() : cmds(ProductGroupName()) {
  Add<Fastrelle_About_cmd>();
}
