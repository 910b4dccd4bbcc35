// Fuzz target of the drawing-file reader, by text and by file (the side-drawing path,
// readDwgFile): any bytes either read into a drawing that can be written and read again,
// or are refused with a message naming a line - never a crash, a hang or an object left
// open - and both paths agree.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "db/ZcDbDatabase.h"

namespace {
// The text without its handle seed: objects read but not written (a second table of block
// records, say) may leave the first database's seed higher; both are above every handle.
std::string WithoutSeed(std::string text) {
  std::size_t at = text.find("$HANDSEED\n  5\n");
  if (at != std::string::npos) text.erase(at, text.find('\n', at + 14) - at);
  return text;
}

// The file each input is written to for the side-drawing path, one per fuzzing process.
const std::string& SideFile() {
  static const std::string path = "/tmp/fastrelle_fuzz_dxf_" + std::to_string(::getpid()) + ".dwg";
  return path;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  ZcDbDatabase db(false, true);
  Zcad::ErrorStatus byText = db.readDxfText(text);

  std::FILE* f = std::fopen(SideFile().c_str(), "wb");
  if (!f) std::abort();
  if (size) std::fwrite(data, 1, size, f);
  std::fclose(f);
  ZcDbDatabase side(false, true);
  std::wstring wide(SideFile().begin(), SideFile().end());
  Zcad::ErrorStatus byFile = side.readDwgFile(wide.c_str());
  bool binary = text.compare(0, 4, "AC10") == 0;  // refused by the file path only
  if (!binary && (byText == Zcad::eOk) != (byFile == Zcad::eOk)) std::abort();
  if (byFile != Zcad::eOk && side.readError().empty()) std::abort();
  if (side.numOpenObjects() != 0) std::abort();

  if (byText != Zcad::eOk) {
    if (db.readError().empty()) std::abort();  // a refusal always says why
    return 0;
  }
  if (db.numOpenObjects() != 0) std::abort();
  std::string written = db.dxfText();
  ZcDbDatabase again(false, true);
  if (again.readDxfText(written) != Zcad::eOk) std::abort();  // what we write we can read
  if (WithoutSeed(again.dxfText()) != WithoutSeed(written)) std::abort();  // and as the same drawing
  return 0;
}
