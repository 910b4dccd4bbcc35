// Fuzz target of the key=value settings reader, on bytes standing as the per-user copy on
// disk: any copy loads over the install copy without a crash, and the merged set written
// back reads again as exactly the same set (no line joined to the next, none split in two,
// no value changed), or the copy is left byte for byte as it was.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "ed/zced.h"
#include "framework/SettingsFile.h"
#include "headless/Host.h"

namespace {

std::string Bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class Fuzzed : public SettingsFile {
public:
  explicit Fuzzed(Values& values) : SettingsFile(values, L"Fuzzed.ini") {}
};

// A folder of its own holding install/Config and appdata/Config, published once (the
// folder lookups keep what they first find) and removed when the fuzzer exits.
struct Folder {
  std::filesystem::path path;
  ~Folder() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
};

const std::filesystem::path& Root() {
  static const Folder root{[] {
    std::string pattern = (std::filesystem::temp_directory_path() / "fastrelle-fuzz-XXXXXX").string();
    std::filesystem::path made = ::mkdtemp(pattern.data());
    std::filesystem::create_directories(made / "install" / "Config");
    std::filesystem::create_directories(made / "appdata" / "Config");
    std::wstring install = headless::FromUtf8((made / "install").string());
    std::wstring appdata = headless::FromUtf8((made / "appdata").string());
    zcedSetEnv(L"Fastrelle_Construction_Path", install.c_str());
    zcedSetEnv(L"Fastrelle_Construction_AppdataPath", appdata.c_str());
    std::string defaults = "\xFF\xFE";  // "a=1" as UTF-16 with its mark
    for (char c : std::string("a=1\r\n")) defaults += {c, '\0'};
    std::ofstream(made / "install" / "Config" / "Fuzzed.ini", std::ios::binary) << defaults;
    return made;
  }()};
  return root.path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::filesystem::path user = Root() / "appdata" / "Config" / "Fuzzed.ini";
  std::ofstream(user, std::ios::binary | std::ios::trunc) << input;
  SettingsFile::Values merged, reread;
  Fuzzed first(merged);
  const std::string written = Bytes(user);
  if (written != input) {  // written back: it must read as the very set that was written
    Fuzzed second(reread);
    if (reread != merged || Bytes(user) != written) std::abort();
  }
  headless::ClearTranscript();
  return 0;
}
