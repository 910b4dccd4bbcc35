// The Base module's commands.
#include "base/Base_cmds.h"

#include "base/About_dlg.h"
#include "base/ZRX_Module.h"
#include "framework/Printer.h"
#include "framework/Product.h"
#include "mfc/CFileFind.h"
#include "win/shellapi.h"
#include "win/winuser.h"
#include "win/winwindows.h"

const wchar_t kManualFileName[] = L"Fastrelle.pdf";
const wchar_t kUpdaterFileName[] = L"FastrelleUpdater.exe";

namespace {

// True when `path` names a file: a folder of that name is no manual or updater.
bool IsFile(const CString& path) {
  CFileFind find;
  if (!find.FindFile(path)) return false;
  find.FindNextFile();
  return !find.IsDirectory();
}

// Hands the module folder's file `name` to the shell, or says it is missing. The checked
// path itself is handed over (never a bare name that a search path would resolve
// elsewhere), with the module folder as the working folder.
void OpenFromModuleFolder(const wchar_t* name) {
  CString folder = GetBaseFolder();
  CString path = folder + name;
  if (folder.IsEmpty() || !IsFile(path)) {
    ZWPrinter().Print(L"\n" + path + L" missing !");
    return;
  }
  ShellExecuteW(nullptr, L"open", path, nullptr, folder, SW_SHOWNORMAL);
}

}  // namespace

void Help_cmd::Run() { OpenFromModuleFolder(kManualFileName); }

void Update_cmd::Run() { OpenFromModuleFolder(kUpdaterFileName); }

void AboutFastrelle_cmd::Run() {
  About_dlg dialog;
  dialog.DoModal();
}

Base_cmds::Base_cmds() : cmds(ProductGroupName()) {
  Add<Help_cmd>();
  Add<Update_cmd>();
  Add<AboutFastrelle_cmd>();
}
