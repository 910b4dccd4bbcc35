// The Base module's command set (group "Fastrelle"): the user manual, the updater and the
// About dialog. Registered by Base's entry point before the main module's sets, so the
// name "Fastrelle:About" is Base's.
#ifndef BASE_BASE_CMDS_H
#define BASE_BASE_CMDS_H

#include "framework/cmd.h"

/// Opens the user manual: the module folder's "Fastrelle.pdf" (found without regard to
/// case) is handed to the shell with the module folder as working folder; when it is
/// missing (or a folder), or the module folder is unknown, "<path> missing !" is printed
/// and nothing is opened.
class Help_cmd : public cmd {
public:
  Help_cmd() : cmd(L"Fastrelle:Help", L"Fastrelle:Podręcznik", 1) {}
  void Run() override;
};

/// Starts the updater "FastrelleUpdater.exe" of the module folder the same way; neither
/// waits for it nor looks at its result. Missing: "<path> missing !".
class Update_cmd : public cmd {
public:
  Update_cmd() : cmd(L"Fastrelle:Update", L"Fastrelle:Aktualizuj", 1) {}
  void Run() override;
};

/// Shows the About dialog with the installed modules and their versions.
class AboutFastrelle_cmd : public cmd {
public:
  AboutFastrelle_cmd() : cmd(L"Fastrelle:About", L"Fastrelle:OProgramie", 1) {}
  void Run() override;
};

class Base_cmds : public cmds {
public:
  Base_cmds();
};

/// The manual's and the updater's file names in the module folder.
extern const wchar_t kManualFileName[];
extern const wchar_t kUpdaterFileName[];

#endif
