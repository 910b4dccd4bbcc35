// cadhost: starts the platform, seeds the registry with the install folder, loads
// Module_Fastrelle (which loads its siblings), opens a drawing when asked, then runs
// commands typed by either of their names, from a script file or an interactive prompt,
// printing the command line; then saves and renders the drawing when asked. The modules
// are unloaded on exit. Exit status 0 when the input ran to its end (1 when a drawing
// could not be opened, saved or rendered).
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>

#include "headless/Host.h"
#include "headless/Windows.h"
#include "host/DrawingFiles.h"
#include "host/Options.h"
#include "rx/ZcRxDynamicLinker.h"

namespace {

const wchar_t kInstallKey[] = L"SOFTWARE\\MIRABO\\Fastrelle\\2018\\Fastrelle";

std::wstring Trim(const std::wstring& s) {
  size_t b = s.find_first_not_of(L" \t\r");
  if (b == std::wstring::npos) return L"";
  return s.substr(b, s.find_last_not_of(L" \t\r") - b + 1);
}

// Lines of the script file or of standard input, with "\r" and a UTF-8 BOM removed.
class LineReader {
public:
  explicit LineReader(std::istream& in, bool prompt) : in_(in), prompt_(prompt) {}
  bool operator()(std::wstring& line) {
    if (prompt_) std::cout << std::flush;
    std::string bytes;
    if (!std::getline(in_, bytes)) return false;
    if (first_ && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) bytes.erase(0, 3);
    first_ = false;
    if (!bytes.empty() && bytes.back() == '\r') bytes.pop_back();
    line = headless::FromUtf8(bytes);
    return true;
  }

private:
  std::istream& in_;
  bool prompt_;
  bool first_ = true;
};

void RunCommands(bool interactive) {
  std::wstring line;
  for (;;) {
    if (interactive) std::cout << "\nCommand: " << std::flush;
    if (!headless::PopInput(line)) break;
    std::wstring name = Trim(line);
    if (name.empty() || name[0] == L';') continue;  // blank lines and comments
    if (!interactive) std::cout << "\nCommand: " << headless::ToUtf8(name) << std::flush;
    if (headless::RunCommand(name) == headless::CommandResult::Unknown)
      std::cout << "\nUnknown command \"" << headless::ToUtf8(name) << "\"." << std::flush;
    headless::RunIdle();  // messages the command posted, and painting
  }
  std::cout << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  HostOptions options;
  if (!ParseOptions(argc, argv, options)) return 2;

  std::error_code ec;
  std::filesystem::path install = std::filesystem::absolute(options.install, ec);
  std::filesystem::create_directories(options.appdata, ec);
  std::filesystem::path appdata = std::filesystem::absolute(options.appdata, ec);
  // The per-user settings folder, as the installer makes it; the modules never create it.
  std::filesystem::create_directories(appdata / "Mirabo/Fastrelle/2018/Fastrelle/Config", ec);

  headless::SetTranscriptEcho([](const std::wstring& text) { std::cout << headless::ToUtf8(text); });
  headless::SetMachineRegistryValue(kInstallKey, L"Path", headless::FromUtf8(install.string()));
  headless::SetAppDataFolder(headless::FromUtf8(appdata.string()));

  std::ifstream scriptFile;
  bool interactive = false;
  if (!options.script.empty()) {
    scriptFile.open(options.script, std::ios::binary);
    if (!scriptFile) {
      std::cerr << "cadhost: cannot read the script " << options.script << "\n";
      return 2;
    }
    headless::SetInputSource(LineReader(scriptFile, false));
  } else {
    interactive = ::isatty(STDIN_FILENO);
    headless::SetInputSource(LineReader(std::cin, interactive));
  }

  auto* linker = static_cast<ZcRxDynamicLinker*>(zcrxSysRegistry()->at(L"DynamicLinker"));
  std::wstring mainModule = headless::FromUtf8((install / "Module_Fastrelle.zrx").string());
  if (!linker || !linker->loadModule(mainModule.c_str(), true, false)) {
    std::cerr << "\ncadhost: Module_Fastrelle.zrx could not be loaded from " << install.string() << "\n";
    return 1;
  }
  for (const std::string& module : options.load) {
    std::wstring path = headless::FromUtf8(std::filesystem::absolute(module, ec).string());
    if (!linker->loadModule(path.c_str(), true, false)) {
      std::cerr << "\ncadhost: " << module << " could not be loaded\n";
      headless::UnloadAllModules();
      return 1;
    }
  }
  if (!options.open.empty() && !OpenDrawing(options.open)) {
    headless::UnloadAllModules();
    return 1;
  }
  RunCommands(interactive);
  bool written = (options.save.empty() || SaveDrawing(options.save)) &&
                 (options.svg.empty() || SaveSvg(options.svg));
  headless::UnloadAllModules();
  headless::SetTranscriptEcho(nullptr);
  return written ? 0 : 1;
}
