// The ordering lists' shared store, its loading and the sort.
#include "sizes/Fastrelle_Sizes_Sorters.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "ed/ErrorStatus.h"
#include "framework/Fastrelle_Settings.h"
#include "framework/Folders.h"
#include "framework/Printer.h"
#include "framework/Strings.h"
#include "sizes/SizesTextFile.h"

namespace {
std::vector<KeywordList>& Store() {
  static std::vector<KeywordList> lists;
  return lists;
}

unsigned PositionIn(const KeywordList& list, const CString& name) {
  int index = list.IndexOf(name);
  return index < 0 ? std::numeric_limits<unsigned>::max() : static_cast<unsigned>(index);
}
}  // namespace

const std::vector<KeywordList>& Fastrelle_Sizes_Sorters::Lists() { return Store(); }

unsigned& Fastrelle_Sizes_Sorters::Current() {
  static unsigned current = 0;
  return current;
}

void Fastrelle_Sizes_Sorters::Clear() {
  Store().clear();
  Current() = 0;
}

bool Fastrelle_Sizes_Sorters::IsLoaded() const { return !Store().empty(); }

void Fastrelle_Sizes_Sorters::Load() {
  const CString path = ResolveInstallPath(GetSettingString(L"SortersPath"));
  CStringArray lines;
  int es = ReadTextLines(path, lines);
  if (es == Zcad::eFileAccessErr) {
    ZWPrinter().Print(L"\n" + path);
    PrintErrorStatus(es);
  }
  AddLists(lines);
}

void Fastrelle_Sizes_Sorters::AddLists(const CStringArray& lines) {
  const CString separators = GetSettingString(L"SortersSeparator");
  for (const CString& line : lines) {
    KeywordList pieces, names;
    SplitToKeywordList(line, separators, pieces);
    for (const CString& name : pieces.Items())
      if (!name.IsEmpty()) names.Add(name);
    Store().push_back(names);
  }
  Current() = 0;
}

bool CompareSizeNames(const Fastrelle_Size& a, const Fastrelle_Size& b) {
  return a.GetName().Compare(b.GetName()) < 0;
}

bool CompareSizePositions(const Fastrelle_Size& a, const Fastrelle_Size& b) {
  Fastrelle_Sizes_Sorters sorters;
  if (!sorters.IsLoaded()) sorters.Load();
  const std::vector<KeywordList>& lists = Fastrelle_Sizes_Sorters::Lists();
  if (Fastrelle_Sizes_Sorters::Current() >= lists.size()) throw std::out_of_range("invalid vector<T> subscript");
  const KeywordList& list = lists[Fastrelle_Sizes_Sorters::Current()];
  return PositionIn(list, a.GetName()) < PositionIn(list, b.GetName());
}

int SortSizes(std::vector<Fastrelle_Size>& sizes) {
  std::stable_sort(sizes.begin(), sizes.end(), CompareSizeNames);
  Fastrelle_Sizes_Sorters sorters;
  if (!sorters.IsLoaded()) sorters.Load();
  const std::size_t count = Fastrelle_Sizes_Sorters::Lists().size();
  for (std::size_t i = 0; i < count; ++i) {
    Fastrelle_Sizes_Sorters::Current() = static_cast<unsigned>(i);
    std::stable_sort(sizes.begin(), sizes.end(), CompareSizePositions);
  }
  return static_cast<int>(count);
}
