// The summary table of a part set: a title row, a header row, one row per part (number,
// name, material, mirroring mode, quantity) and a total row. Drawn by the set description
// of the part-set dialog.
#ifndef CONSTRUCTION_PARTSSETTABLE_H
#define CONSTRUCTION_PARTSSETTABLE_H

#include <vector>

#include "framework/ZW_Table.h"
#include "ge/ZcGePoint3d.h"

/// One part row's values: name, material, type (0 single, 1 pair mirrored vertically, 2
/// horizontally) and quantity, as the part record holds them.
struct PartsSetRow {
  CString name, material;
  int type = 0;
  int quantity = 1;
};

/// Layout of the table (columns left to right):
///   row 0      "Zestawienie części" merged over columns 0-3
///   row 1      "lp." | "Część" | "Materiał" | "Tryb" | "Ilość"
///   rows 2..   r - 1 | name | material | mode text | quantity
///   last row   "RAZEM:" merged over columns 0-3 (middle left) | the total
/// Every cell's text height is the table's text height; every row is trunc(1.4 x height)
/// high when that is at least 1.
class PartsSetTable : public ZW_Table {
public:
  enum Column { kNumber = 0, kName = 1, kMaterial = 2, kMode = 3, kQuantity = 4, kColumns = 5 };
  /// Width W and the shares of columns 0-3; the quantity column takes the rest.
  struct Widths {
    double total = 0, number = 0, name = 0, material = 0, mode = 0;
  };

  PartsSetTable(double textHeight, ZcDbObjectId owner) : m_textHeight(textHeight), m_owner(owner) {}

  /// The whole table with its top-left corner at `point`. A failing column width is
  /// printed and the later columns keep width 1 (the table goes on); any other failing
  /// step prints the failing operation and its status, erases what was made and returns
  /// the status. 0 on success.
  int Build(const ZcGePoint3d& point, const Widths& widths, const std::vector<PartsSetRow>& rows);

  /// The new table with its title and header rows, title merged. 0 or the failure.
  int CreateWithHeader(const Widths& widths);
  /// W x share for columns 0-3, the rest for the quantity column; the first failure (3 for
  /// a negative width: shares summing above 1) is printed and returned, the later widths
  /// untouched.
  int SetColumnWidths(const Widths& widths);
  int AddPartRows(const std::vector<PartsSetRow>& rows);
  /// The total row; its value is Total() over the rows above.
  int AddTotalRow();
  /// Text height in every cell, then the row heights.
  int ApplyHeights();
  int MoveTo(const ZcGePoint3d& point);
  int Merge(int row, int left, int right);
  int SetAlignment(int row, int column, int alignment);
  /// Pieces to cut: over the part rows (2 .. rows - 2 when a total row exists, else to the
  /// end), the quantity cell read as an integer (0 for a text starting outside
  /// "0123456789.,-") times 2 for a mode cell "para w pionie" or "para w poziomie" (case
  /// aside), else times 1. Three singles and one pair of quantity 1 give 5.
  int Total(bool totalRowPresent = true);
  /// The mode text of a type: "Pojedynczy", "para w pionie", "para w poziomie"; "" else.
  static CString ModeText(int type);
  /// Erases the table from the drawing (after a failed step).
  void Erase();
  int RowCount();

private:
  double m_textHeight;
  ZcDbObjectId m_owner;
};

#endif
