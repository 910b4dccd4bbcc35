// Fuzz target of the key=value settings reader (Config::Load through a settings class):
// any bytes load without a crash, and the values loaded, saved and loaded again are the
// same values - a load and save never turns one entry into two or two into one.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "framework/SettingsFile.h"

namespace {

// A settings class holding one entry from the start, so that construction loads nothing
// from the install folder.
class FuzzSettings : public SettingsFile {
public:
  explicit FuzzSettings(Values& values) : SettingsFile(Seeded(values), L"Fuzz.ini") {}
  const Values& values() const { return held_; }

private:
  static Values& Seeded(Values& values) {
    values[L"seed"] = L"1";
    return values;
  }
  Values held_;
};

std::string TempPath(const char* what) {
  return "/tmp/fastrelle_fuzz_settings_" + std::to_string(::getpid()) + what;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string in = TempPath(".ini"), out = TempPath("_saved.ini");
  std::FILE* f = std::fopen(in.c_str(), "wb");
  if (!f) std::abort();
  if (size) std::fwrite(data, 1, size, f);
  std::fclose(f);

  SettingsFile::Values first, second;
  FuzzSettings loaded(first);
  loaded.Load(CString(std::wstring(in.begin(), in.end()).c_str()));
  if (loaded.Save(CString(std::wstring(out.begin(), out.end()).c_str())) != 0) return 0;
  FuzzSettings again(second);
  again.Load(CString(std::wstring(out.begin(), out.end()).c_str()));
  if (first != second) std::abort();
  return 0;
}
