// The drawing's size list, built afresh from the layer table by every operation that needs
// it and kept on that operation's stack, never between operations; and the free functions
// of the size table: name listings, lookups, the base size and making a size's layers.
#ifndef SIZES_FASTRELLE_SIZES_H
#define SIZES_FASTRELLE_SIZES_H

#include <vector>

#include "sizes/Fastrelle_Size.h"
#include "sizes/Fastrelle_Size_ZW.h"

class ZcDbDatabase;

/// Sizes by value, in the order they were added.
class Fastrelle_Sizes {
public:
  /// A copy of the size at `index`; std::out_of_range ("invalid vector<T> subscript") for
  /// an index outside the list.
  Fastrelle_Size GetAt(int index) const;
  /// Copies the first base size; false when there is none.
  bool FindBase(Fastrelle_Size& base) const;
  /// A size of exactly that name (case counts).
  bool Contains(const CString& name) const;
  void Add(const Fastrelle_Size& size) { m_sizes.push_back(size); }
  int GetCount() const { return static_cast<int>(m_sizes.size()); }
  const std::vector<Fastrelle_Size>& Sizes() const { return m_sizes; }

protected:
  std::vector<Fastrelle_Size> m_sizes;
};

/// The size list of a drawing's layers.
class Fastrelle_Sizes_ZW : public Fastrelle_Sizes {
public:
  virtual ~Fastrelle_Sizes_ZW() = default;
  /// Appends the sizes of `db` (the working drawing when null), layers in table order:
  /// "DEFPOINTS" skipped; a layer's size is its name without markers, base when it holds
  /// "^", coloured as the first of its layers; sizes "0", names failing the size-name check
  /// and names already listed (case counts) are left out. Reads only: renames nothing.
  ///   layers 38, 38', 38~, ^40, ^40', ^40~, 0, Defpoints, M~  =>  38, 40 (base), M
  void LoadFromLayers(ZcDbDatabase* db = nullptr);
  /// The first size of that name, case aside, bound to its layers; the size "0" when none.
  Fastrelle_Size_ZW Find(const CString& name) const;
  /// Makes the size(s) of that name (case aside) the base size and every other base size
  /// plain, renaming their layers; a name of no size leaves the drawing without a base.
  void SetBaseSize(const CString& name);
};

/// Size names of the layers of `db` (working drawing when null): "DEFPOINTS" and "0"
/// skipped, markers removed, repeats (case counts) dropped; an empty name is listed.
void ListSizeNamesFromLayers(CStringArray& names, ZcDbDatabase* db = nullptr);
/// As ListSizeNamesFromLayers for the working drawing, "0" listed too.
std::vector<CString> CollectSizeNames();
/// The drawing's size of that size's name (case aside), bound to all three layers; the
/// size "0" when there is none or one of its layers is missing.
Fastrelle_Size_ZW FindSizeInDrawing(const Fastrelle_Size& size);
/// The name of the first base size of `db`; "" when it has none.
CString GetBaseSizeName(ZcDbDatabase* db = nullptr);
/// Makes the missing layers of the size, with their "Lines.ini" line kinds, and gives each
/// of its three layers the size's colour. 47 and no layer for a name failing the size-name
/// check (size "0" aside); else 0, or the status of the first layer that could not be made.
int EnsureSizeLayers(Fastrelle_Size size);

#endif
