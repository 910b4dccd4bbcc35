// The main command set: the menu command and the About command (group "Fastrelle").
#ifndef SHELL_MODULEFASTRELLE_CMDS_H
#define SHELL_MODULEFASTRELLE_CMDS_H

#include "framework/cmd.h"

/// "2018.0.5" and "Mar  5 2018" (two blanks before the 5).
extern const wchar_t kModuleVersion[];
extern const wchar_t kModuleReleaseDate[];

/// (Re)loads the menu: unloads the group "Fastrelle_Fastrelle" when it is loaded, loads
/// "<install>\Menu\Fastrelle.mnu" and shows the system's toolbars. Running it twice leaves
/// the group loaded once.
class Fastrelle_Menu_cmd : public cmd {
public:
  Fastrelle_Menu_cmd() : cmd(L"Fastrelle", L"Fastrelle", 1) {}
  void Run() override;
};

/// The menu file: the registered install folder + "\Menu\Fastrelle.mnu".
CString GetMenuFilePath();

/// Prints the one-line banner: "\nFastrelle Module: Fastrelle Version: 2018.0.5 released:
/// Mar  5 2018 . " (ending with a blank). Also run once at every start-up.
class Fastrelle_About_cmd : public cmd {
public:
  Fastrelle_About_cmd() : cmd(L"Fastrelle:About", L"Fastrelle:About", 1) {}
  void Run() override;
};

class ModuleFastrelle_cmds : public cmds {
public:
  ModuleFastrelle_cmds();
};

#endif
