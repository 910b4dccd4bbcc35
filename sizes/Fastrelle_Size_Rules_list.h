// The size rules dialog's list: one row per size of the drawing, its name ("*" first for
// the base size) and a colour cell bound to the size's three layers; and the functions
// that fill it and read it back. Used by Fastrelle_Sizes_Rules_dlg.
#ifndef SIZES_FASTRELLE_SIZE_RULES_LIST_H
#define SIZES_FASTRELLE_SIZE_RULES_LIST_H

#include <vector>

#include "sizes/Fastrelle_Size.h"
#include "ui/UI_DataGrid_2.h"

/// Row layout:
///   column 0  the size name, "*" first for the base size; the cell's first option holds
///             the plain name the drawing knows the size by (the stored name)
///   column 1  the colour index as "%i", under a colour cell bound to the size's seam,
///             cut and extra-elements layers
class Fastrelle_Size_Rules_list : public Zc_DataGrid {
  DECLARE_DYNAMIC(Fastrelle_Size_Rules_list)
public:
  /// The stored name of the row; "" outside the list.
  CString StoredName(int row) const { return GetComboItem(row, 0, 0); }
  /// Sets the stored name of the row.
  void SetStoredName(int row, const CString& name);
  /// The colour cell of the row bound again to the size's layers under their names now.
  void BindColorCell(int row, const Fastrelle_Size& size);
  /// The rows selected, in list order.
  std::vector<int> SelectedRows() const;
};

/// Clears the list, then one row per size in order (AddSizeRuleRow).
void FillSizeRulesList(Fastrelle_Size_Rules_list& list, const std::vector<Fastrelle_Size>& sizes);
/// Inserts the size's row at `row` (name, "*" for the base, colour, stored name, colour
/// cell on its own layers: a missing one is made); the row's index, -1 when it could not
/// be inserted.
int AddSizeRuleRow(Fastrelle_Size_Rules_list& list, int row, const Fastrelle_Size& size);
/// The sizes the rows show, in order: the column-0 text ("*" first: the base, every "*"
/// trimmed from both ends), the colour cell's colour (else column 1 read as a number;
/// -1 becomes "SizeDefaultColor").
std::vector<Fastrelle_Size> CollectSizes(const Fastrelle_Size_Rules_list& list);
/// The first row whose column-0 text begins with "*"; -1 when none.
int FindBaseRow(const Fastrelle_Size_Rules_list& list);

#endif
