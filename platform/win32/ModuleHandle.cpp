// Module handles by name: the loaded modules the dynamic linker started, or the program.
#include <link.h>
#include <sys/stat.h>

#include "mfc/TextFold.h"
#include "runtime/Modules.h"
#include "win/winbase.h"
#include "win32/FilePaths.h"

namespace {

// An address inside the program's own image: the first object the loader lists is the program.
int FirstObject(struct dl_phdr_info* info, size_t, void* out) {
  for (int i = 0; i < info->dlpi_phnum; ++i) {
    if (info->dlpi_phdr[i].p_type == PT_LOAD) {
      *static_cast<const void**>(out) = reinterpret_cast<const void*>(info->dlpi_addr + info->dlpi_phdr[i].p_vaddr);
      return 1;
    }
  }
  return 1;
}

bool SameFile(const std::string& a, const std::string& b) {
  struct stat sa, sb;
  return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
         sa.st_ino == sb.st_ino;
}

}  // namespace

HMODULE GetModuleHandleW(const wchar_t* moduleName) {
  if (!moduleName) {
    const void* address = nullptr;
    dl_iterate_phdr(FirstObject, &address);
    return platform::ModuleOf(address);
  }
  const std::wstring name = moduleName;
  if (name.empty()) return nullptr;
  const bool hasFolder = name.find_first_of(L"\\/") != std::wstring::npos;
  const std::string native = hasFolder ? platform::NativePath(name) : std::string();
  for (HINSTANCE m : platform::StartedModules()) {
    if (hasFolder ? SameFile(native, m->file)
                  : platform::CompareFolded(platform::PathFileName(m->path), name) == 0)
      return m;
  }
  return nullptr;
}
