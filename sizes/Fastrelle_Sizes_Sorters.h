// Size ordering lists: the user's own orders of size names (XS;S;M;L, 32;34;36), one list a
// line of the file named by "SortersPath", read once and shared until the module is
// unloaded. SortSizes orders sizes by them before the grading grid shows one row a size.
#ifndef SIZES_FASTRELLE_SIZES_SORTERS_H
#define SIZES_FASTRELLE_SIZES_SORTERS_H

#include <vector>

#include "framework/KeywordList.h"
#include "sizes/Fastrelle_Size.h"
#include "sizes/Monostate.h"

/// The ordering lists. The file (any encoding SizesTextFile reads): each line is one list,
/// even an empty one; its names are separated by any character of "SortersSeparator",
/// trimmed of tab, line feed and blank, empty names dropped. "S; M ;L" => S, M, L.
/// The file's path in the settings is relative to the install folder, or full.
class Fastrelle_Sizes_Sorters : public Monostate {
public:
  /// Appends the lists of the file (lists loaded before stay); the list in use becomes
  /// the first. A missing file adds nothing and says nothing; one that cannot be read
  /// prints its path and status 72.
  void Load() override;
  /// At least one list is loaded.
  virtual bool IsLoaded() const;
  /// Appends one list per line (the file's rules above); the list in use becomes the first.
  static void AddLists(const CStringArray& lines);

  static const std::vector<KeywordList>& Lists();
  /// The list the position comparison uses.
  static unsigned& Current();
  /// Forgets every list (module unload), so the next sort reads the file again.
  static void Clear();
};

/// Name order: a's name before b's, ordinal and case-sensitive ("10" < "9" < "L" < "M").
bool CompareSizeNames(const Fastrelle_Size& a, const Fastrelle_Size& b);
/// Position order in the list in use (loading the lists when none are): a name absent from
/// it comes after every present one and ties with other absent ones; matching is exact.
/// std::out_of_range ("invalid vector<T> subscript") when the list in use is past the end.
bool CompareSizePositions(const Fastrelle_Size& a, const Fastrelle_Size& b);
/// Sorts by name, then by each list in file order with a stable sort, so the last list
/// holding a name decides its place and sizes that list lacks keep the order the earlier
/// lists gave them. Returns the number of lists.
///   L, M, S with "S;M;L"            => S, M, L
///   S, M, XXL with "S;M;L"          => S, M, XXL
///   S, M, L with "S;M;L" then "32;34" => S, M, L
int SortSizes(std::vector<Fastrelle_Size>& sizes);

#endif
