// Fuzz target of the drawing-file reader: any bytes either read into a drawing that can be
// written and read again, or are refused with a message naming a line - never a crash, a
// hang or an object left open.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "db/ZcDbDatabase.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  ZcDbDatabase db(false, true);
  if (db.readDxfText(text) != Zcad::eOk) {
    if (db.readError().empty()) std::abort();  // a refusal always says why
    return 0;
  }
  if (db.numOpenObjects() != 0) std::abort();
  std::string written = db.dxfText();
  ZcDbDatabase again(false, true);
  if (again.readDxfText(written) != Zcad::eOk) std::abort();  // what we write we can read
  return 0;
}
