// The line-choice combo of the model dialog: cut lines only, seam lines only, or both;
// the selected index is a layout item's line choice.
#ifndef LAYOUT_LINES_CMB_H
#define LAYOUT_LINES_CMB_H

#include "ui/UI_Combo.h"

class Lines_cmb : public UIS_Combo {
public:
  /// Empties the combo and adds "Tylko linie cięcia", "Tylko linie szycia" and
  /// "Linie szycia i cięcia" in this order.
  void Fill();
  /// The line choice: the selected index, 2 (both) when nothing is selected.
  int GetLines() const;

protected:
  void PreSubclassWindow() override;
};

#endif
