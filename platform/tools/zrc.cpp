// zrc: the resource compiler build tool.
//
//   zrc Module.rc Module_rc.cpp
//
// Reads a Windows resource script (UTF-8) and writes a C++ table of its string resources
// that registers itself with the platform when the module holding it is mapped.
#include <fstream>
#include <iostream>
#include <sstream>

#include "tools/ResourceScript.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: zrc input.rc output.cpp\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << argv[1] << ": error: cannot read the file\n";
    return 1;
  }
  std::stringstream buffer;
  buffer << in.rdbuf();
  std::string cpp, error;
  if (!CompileResourceScript(buffer.str(), argv[1], cpp, error)) {
    std::cerr << error << "\n";
    return 1;
  }
  std::ofstream out(argv[2], std::ios::binary);
  out << cpp;
  if (!out.good()) {
    std::cerr << argv[2] << ": error: cannot write the file\n";
    return 1;
  }
  return 0;
}
