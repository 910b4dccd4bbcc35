// The size list of the model dialog: one column per size of the model drawing, row 0 the
// quantity and row 1 the rotation to take into the layout, both typed in numeric cells.
#ifndef LAYOUT_SIZESLIST_H
#define LAYOUT_SIZESLIST_H

#include <vector>

#include "ui/UI_DataGrid_2.h"

class SizesList : public UI_DataGrid_2 {
public:
  /// What the list says for one size.
  struct Size {
    CString name;
    double rotation = 0.0;
    int quantity = 0;
  };
  /// Size columns the list can hold (after the title column).
  static constexpr int kSizeColumns = 30;

  /// The size's column (found by title, else the first untitled column takes the name)
  /// with quantity "DefaultPartQuantity" and rotation "DefaultPartRotation" of Plot.ini
  /// (each read as a whole number; empty or no number: 0). False when no column is left.
  bool AddSize(const CString& name);
  /// Every size column the same width: (width − column 0 − 5) ÷ the number of sizes.
  void SpreadColumns();
  /// Every titled size column from column 1 on, in column order.
  std::vector<Size> ReadSizes() const;
  /// Rows and columns made again: no size left.
  void Clear() override;

protected:
  void PreSubclassWindow() override;
  void MakeColumnsAndRows();
  int FirstUntitledColumn() const;
};

#endif
