// Parsing cadhost's command line and choosing its default folders.
#include "host/Options.h"

#include <unistd.h>

#include <cstdlib>
#include <iostream>

namespace {

const char kUsage[] =
    "usage: cadhost [--install DIR] [--appdata DIR] [--open DRAWING] [--script FILE]\n"
    "               [--save DRAWING] [--svg FILE] [--load MODULE]...\n"
    "  --install DIR   the install tree (default: the folder of cadhost)\n"
    "  --appdata DIR   the folder that %APPDATA% names (default: $APPDATA, else\n"
    "                  $XDG_CONFIG_HOME/fastrelle, else ~/.config/fastrelle)\n"
    "  --script FILE   read commands and answers from FILE (default: standard input)\n"
    "  --open DRAWING  read the drawing (DXF, whatever its extension) before the script\n"
    "  --save DRAWING  write the drawing as DXF after the script\n"
    "  --svg FILE      render the drawing as SVG after the script\n"
    "  --load MODULE   load a further module after Module_Fastrelle (may be repeated)\n";

std::string ProgramFolder() {
  char buf[4096];
  ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return ".";
  std::string path(buf, static_cast<size_t>(n));
  return path.substr(0, path.find_last_of('/'));
}

std::string DefaultAppData() {
  if (const char* appdata = std::getenv("APPDATA"); appdata && *appdata) return appdata;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) return std::string(xdg) + "/fastrelle";
  const char* home = std::getenv("HOME");
  return std::string(home && *home ? home : ".") + "/.config/fastrelle";
}

}  // namespace

bool ParseOptions(int argc, char** argv, HostOptions& options) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      std::exit(0);
    }
    std::string loaded;
    std::string* target = arg == "--load"    ? &loaded
                          : arg == "--install" ? &options.install
                          : arg == "--appdata" ? &options.appdata
                          : arg == "--script"  ? &options.script
                          : arg == "--open"    ? &options.open
                          : arg == "--save"    ? &options.save
                          : arg == "--svg"     ? &options.svg
                                               : nullptr;
    if (!target) {
      std::cerr << "cadhost: unknown option " << arg << "\n" << kUsage;
      return false;
    }
    if (i + 1 >= argc) {
      std::cerr << "cadhost: " << arg << " needs a value\n" << kUsage;
      return false;
    }
    // A drawing or picture without a name can be neither read nor written: a failed file
    // (exit 1), told before anything runs.
    bool file = target == &options.open || target == &options.save || target == &options.svg;
    if (file && !*argv[i + 1]) {
      std::cerr << "cadhost: " << arg << " needs a file name, not an empty one\n";
      std::exit(1);
    }
    *target = argv[++i];
    if (target == &loaded) options.load.push_back(loaded);
  }
  if (options.install.empty()) options.install = ProgramFolder();
  if (options.appdata.empty()) options.appdata = DefaultAppData();
  return true;
}
