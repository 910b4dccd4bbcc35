// Fuzz target of the size-list readers: any bytes, read as a TXS and as a VEA/ENV file,
// give sizes whose names pass the size-name check, at most one base size, no name twice and
// colours 1-255; and what either format writes of them reads back the same.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "SizesFuzzSettings.h"
#include "sizes/Fastrelle_Sizes_TXS.h"
#include "sizes/Fastrelle_Sizes_VEAEVN.h"
#include "sizes/SizeLayerNames.h"
#include "sizes/SizesTextFile.h"

namespace {

void Check(const std::vector<Fastrelle_Size>& sizes) {
  int bases = 0;
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    if (!CheckSizeName(sizes[i].GetName())) std::abort();
    if (sizes[i].GetColor() < 1 || sizes[i].GetColor() > 255) std::abort();
    bases += sizes[i].IsBase() ? 1 : 0;
    for (std::size_t j = 0; j < i; ++j)
      if (sizes[j].GetName().CompareNoCase(sizes[i].GetName()) == 0) std::abort();
  }
  if (bases > 1) std::abort();
}

template <class Format>
void ReadWriteRead(const CStringArray& lines, bool keepsColours) {
  Format first;
  first.SetLines(lines);
  std::vector<Fastrelle_Size> sizes;
  first.Read(sizes);
  Check(sizes);
  Format writer;
  writer.SetSizes(sizes);
  CStringArray written;
  writer.Write(written);
  Format again;
  again.SetLines(written);
  std::vector<Fastrelle_Size> back;
  again.Read(back);
  if (back.size() != sizes.size()) std::abort();
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    if (back[i].GetName() != sizes[i].GetName() || back[i].IsBase() != sizes[i].IsBase()) std::abort();
    if (keepsColours && back[i].GetColor() != sizes[i].GetColor()) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  UseFuzzSettings();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CStringArray lines;
  DecodeTextLines(std::string(reinterpret_cast<const char*>(data), size), lines);
  ReadWriteRead<Fastrelle_Sizes_TXS>(lines, true);
  ReadWriteRead<Fastrelle_Sizes_VEAEVN>(lines, false);
  return 0;
}
