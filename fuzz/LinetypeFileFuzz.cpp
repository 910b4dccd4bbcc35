// Fuzz target of the platform's linetype-file loader (loadLineTypeFile): any bytes, as the
// file, load every linetype or one by name without a crash, a hang or an object left open,
// and a drawing with what was loaded writes and reads back.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "db/ZcDbDatabase.h"
#include "headless/Database.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = "/tmp/fastrelle_fuzz_lin_" + std::to_string(::getpid()) + ".lin";
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) std::abort();
  if (size) std::fwrite(data, 1, size, f);
  std::fclose(f);
  std::wstring file(path.begin(), path.end());
  for (const wchar_t* name : {L"*", L"DASHED", L"Continuous"}) {
    ZcDbDatabase db(true, true);
    Zcad::ErrorStatus es = db.loadLineTypeFile(name, file.c_str());
    if (es == Zcad::eOk && name[0] == L'*' && db.loadLineTypeFile(L"*", file.c_str()) != Zcad::eOk) std::abort();
    if (headless::OpenObjectCount(&db) != 0) std::abort();
    ZcDbDatabase again(false, true);
    if (again.readDxfText(db.dxfText()) != Zcad::eOk) std::abort();  // what was loaded saves
  }
  return 0;
}
