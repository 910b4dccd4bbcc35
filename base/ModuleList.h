// The installed modules as the About dialog lists them: the ".zrx" files of the Base
// module's folder and the file version each carries. The list is filled at its first use
// and kept until Base is unloaded, so modules added later show after a restart.
#ifndef BASE_MODULELIST_H
#define BASE_MODULELIST_H

#include <vector>

#include "mfc/CString.h"

/// One row of the About dialog's list: the file's name without extension, its version text.
struct ModuleRow {
  CString name;
  CString version;
};

/// The full paths of the ".zrx" files in the module folder (folder + "\" + title + ".zrx",
/// in the order the file search gives them; folders skipped), filled on the first call.
/// Empty when the module folder is unknown.
const std::vector<CString>& GetModuleList();
/// Forgets the list (Base's unload).
void ForgetModuleList();

/// The rows for GetModuleList, in order.
std::vector<ModuleRow> GetModuleRows();

/// The file version of `path` as "a.b.c.d\n" (the line feed included: "2018.0.5.0\n"); ""
/// when the file has no version record, the record cannot be read, is shorter than the
/// fixed record, or does not carry the record's signature.
CString GetFileVersionText(const CString& path);

#endif
