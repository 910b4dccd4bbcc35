// Fuzz target of the size ordering lists: any bytes, read as the ordering-lists file, sort
// the sizes they name (and one they do not) into a permutation of them, the same one
// whichever order the sizes came in.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "SizesFuzzSettings.h"
#include "sizes/Fastrelle_Sizes_Sorters.h"
#include "sizes/SizesTextFile.h"

namespace {
std::vector<CString> Names(const std::vector<Fastrelle_Size>& sizes) {
  std::vector<CString> names;
  for (const Fastrelle_Size& s : sizes) names.push_back(s.GetName());
  return names;
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  UseFuzzSettings();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CStringArray lines;
  DecodeTextLines(std::string(reinterpret_cast<const char*>(data), size), lines);
  Fastrelle_Sizes_Sorters::Clear();
  Fastrelle_Sizes_Sorters::AddLists(lines);
  std::vector<Fastrelle_Size> sizes = {{L"zz-none", 1, false}};
  for (const KeywordList& list : Fastrelle_Sizes_Sorters::Lists())
    for (const CString& name : list.Items())
      if (sizes.size() < 64) sizes.emplace_back(name, 1, false);
  std::vector<Fastrelle_Size> reversed(sizes.rbegin(), sizes.rend());
  SortSizes(sizes);
  SortSizes(reversed);
  std::vector<CString> a = Names(sizes), b = Names(reversed);
  // Equal names are interchangeable; what must agree is the sequence of names.
  if (a != b) std::abort();
  std::vector<CString> sortedA = a, input = Names(reversed);
  std::sort(sortedA.begin(), sortedA.end());
  std::sort(input.begin(), input.end());
  if (sortedA != input) std::abort();
  return 0;
}
