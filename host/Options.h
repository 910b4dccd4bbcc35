// cadhost's command line.
#ifndef HOST_OPTIONS_H
#define HOST_OPTIONS_H

#include <string>
#include <vector>

struct HostOptions {
  std::string install;  // the install folder; default: the folder of the program
  std::string appdata;  // the per-user folder that %APPDATA% names
  std::string script;   // commands and answers, one per line; default: standard input
  std::string open;     // a drawing read before the script
  std::string save;     // where the drawing is written (DXF) after the script
  std::string svg;      // where the drawing is rendered (SVG) after the script
  std::vector<std::string> load;  // further modules loaded after Module_Fastrelle, in order
};

/// Reads argv. On a bad command line prints why and the usage to stderr and returns false;
/// an empty drawing or picture name is a failed file: it says so and exits with 1.
bool ParseOptions(int argc, char** argv, HostOptions& options);

#endif
