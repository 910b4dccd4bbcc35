// The About dialog's module list and the version texts of its rows.
#include "base/ModuleList.h"

#include <cstring>

#include "base/ZRX_Module.h"
#include "framework/UI_File.h"
#include "framework/UI_Path.h"
#include "win/winver.h"
#include "win/winuser.h"
#include "win/winwindows.h"

namespace {
std::vector<CString> g_modules;
bool g_filled = false;
}  // namespace

const std::vector<CString>& GetModuleList() {
  if (g_filled) return g_modules;
  g_filled = true;
  CString folder = GetBaseFolder();
  if (folder.IsEmpty()) return g_modules;  // no folder: nothing is listed from the current one
  CStringArray titles;
  UI_File(folder).ListFiles(L".zrx", titles);
  for (int i = 0; i < titles.GetSize(); ++i) g_modules.push_back(folder + L"\\" + titles[i] + L".zrx");
  return g_modules;
}

void ForgetModuleList() {
  g_modules.clear();
  g_filled = false;
}

std::vector<ModuleRow> GetModuleRows() {
  std::vector<ModuleRow> rows;
  for (const CString& path : GetModuleList()) {
    CString name = UI_Path(path).GetFileName();
    int dot = name.ReverseFind(L'.');
    rows.push_back({dot > 0 ? name.Left(dot) : name, GetFileVersionText(path)});
  }
  return rows;
}

CString GetFileVersionText(const CString& path) {
  DWORD handle = 0;
  DWORD size = GetFileVersionInfoSizeW(path, &handle);
  if (size == 0) return CString();
  std::vector<unsigned char> block(size);
  if (!GetFileVersionInfoW(path, handle, size, block.data())) return CString();
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block.data(), L"\\", &value, &length) || length < sizeof(VS_FIXEDFILEINFO)) return CString();
  VS_FIXEDFILEINFO info;
  std::memcpy(&info, value, sizeof info);
  if (info.dwSignature != VS_FFI_SIGNATURE) return CString();
  CString text;
  text.Format(L"%d.%d.%d.%d\n", HIWORD(info.dwFileVersionMS), LOWORD(info.dwFileVersionMS),
              HIWORD(info.dwFileVersionLS), LOWORD(info.dwFileVersionLS));
  return text;
}
