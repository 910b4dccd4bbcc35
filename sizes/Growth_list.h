// The growth dialog's list: one row per size with the total length of each picked set of
// curves in that size and their difference. A click on the header of column 1 or 2 picks
// that set in the drawing. Used by Growth_dlg.
#ifndef SIZES_GROWTH_LIST_H
#define SIZES_GROWTH_LIST_H

#include "sizes/Growth.h"
#include "ui/UI_DataGrid_2.h"

/// Dialog-private messages the list sends to its dialog: hide (wParam 0) or show (wParam 5)
/// it around work in the drawing; draw the table.
constexpr UINT kGrowthShowMessage = 1129, kGrowthTableMessage = 1130;

class Growth_list : public UI_DataGrid_2 {
  DECLARE_DYNAMIC(Growth_list)
public:
  /// Step A: empties set 1 or 2, hides the dialog for the user's selection, makes the keys
  /// of what was selected (each curve once), shows the dialog again and recomputes. Other
  /// set numbers do nothing.
  void PickSet(int set);
  /// Step B: for every row, its size's lengths of both sets and their difference ("%0.1f"),
  /// the document locked for writing meanwhile and unlocked on every path.
  void Recompute();
  const Growth& GetGrowth() const { return m_growth; }
  Growth& GetGrowth() { return m_growth; }

protected:
  /// Columns "Rozmiar" (50 pixels), "+", "+", "Różnica" (each a third of the rest) and one row
  /// per size of the drawing, layer-table order, only the name filled; grid lines.
  void PreSubclassWindow() override;
  /// Header clicks (either character set): column 1 or 2 picks that set; others nothing.
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

  Growth m_growth;
};

#endif
