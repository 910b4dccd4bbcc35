// Fuzz target of the sectioned settings reader ("Lines.ini", IniFileReader): any bytes load
// without a crash or a hang, into no more sections than the file has lines.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "framework/IniFileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = "/tmp/fastrelle_fuzz_lines_" + std::to_string(::getpid()) + ".ini";
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) std::abort();
  if (size) std::fwrite(data, 1, size, f);
  std::fclose(f);
  IniFileReader ini;
  ini.Load(CString(std::wstring(path.begin(), path.end()).c_str()));
  auto lines = static_cast<int>(std::count(data, data + size, '\n')) + 1;
  if (ini.GetCount() > lines) std::abort();
  for (int i = 0; i < ini.GetCount(); ++i) ini.FindSections(ini.GetSection(i).GetSectionName());
  return 0;
}
