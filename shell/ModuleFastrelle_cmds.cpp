// The main command set.
#include "shell/ModuleFastrelle_cmds.h"

#include "construction/Fastrelle_Toolbar.h"
#include "ed/zced.h"
#include "framework/CommandSequences.h"
#include "framework/Folders.h"
#include "framework/ModuleVersion.h"
#include "framework/Printer.h"
#include "framework/Product.h"

const wchar_t kModuleVersion[] = L"" FASTRELLE_BANNER_VERSION;
const wchar_t kModuleReleaseDate[] = L"Mar  5 2018";

CString GetMenuFilePath() { return GetRegisteredInstallPath() + L"\\Menu\\" + kProductWord + L".mnu"; }

void Fastrelle_Menu_cmd::Run() {
  if (GetRegisteredInstallPath().IsEmpty()) {
    // Without an install folder the menu would be looked for at the file-system root.
    ZWPrinter().Print(L"\nFastrelle: brak folderu instalacji w rejestrze; menu Menu\\Fastrelle.mnu "
                      L"nie zostało wczytane.\n");
    return;
  }
  const CString group = kProductWord + L"_" + kProductWord;
  if (zcedIsMenuGroupLoaded(group) == 1) MenuUnload(group);
  MenuLoad(GetMenuFilePath());
  Fastrelle_Toolbar::ShowAll();
}

void Fastrelle_About_cmd::Run() {
  ZWPrinter().Print(L"\n" + kProductWord + L" Module: " + kProductWord + L" Version: " +
                    kModuleVersion + L" released: " + kModuleReleaseDate + L" . ");
}

ModuleFastrelle_cmds::ModuleFastrelle_cmds() : cmds(ProductGroupName()) {
  Add<Fastrelle_Menu_cmd>();
  Add<Fastrelle_About_cmd>();
}
