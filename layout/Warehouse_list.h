// The content list of the warehouse dialog: one row per part of a model drawing, one
// column per size, each size cell showing how many pieces are still to place (own side and
// mirror side for a mirrored part). Its cells keep the item values (rotation, quantity,
// line choice) the insertion reads.
#ifndef LAYOUT_WAREHOUSE_LIST_H
#define LAYOUT_WAREHOUSE_LIST_H

#include "construction/Fastrelle_Part.h"
#include "layout/Fastrelle_Form_To_Plot.h"
#include "layout/Layout.h"
#include "ui/UI_DataGrid_2.h"

/// Columns: 0 the model (shows the file title, keeps the full path as value 0), 1 the part
/// (shows the name, keeps the type "%i" as value 0), 2-31 sizes, untitled until a size
/// takes one. A size cell keeps 0 rotation "%0.4f", 1 quantity "%i", 2 line choice "%i".
/// A remaining count is the quantity less the references of the piece's block anywhere in
/// the drawing: "%i" for a single part, "own:mirror" for a mirrored one.
class Warehouse_list : public UI_DataGrid_2 {
public:
  /// Posted to the parent on a double-click on a titled size cell (row, column).
  static constexpr UINT kInsertOne = 0x0400 + 101;
  static constexpr int kSizeColumns = 30;

  /// Adds the layout's items: a row per model title and part, a column per size. A size
  /// past the 30 columns, or an item of another model drawing sharing the row's file
  /// title, is named in a message and fills no cell.
  void Fill(const Layout& layout);
  /// No rows, columns made again (size titles gone, shares kept).
  void Clear() override;
  /// The next piece to place from the cell: own side while it has no more pieces than the
  /// mirror side, else the mirror.
  Fastrelle_Form_To_Plot NextPieceOfCell(int row, int column) const;
  /// Recomputes the cell's shown count(s) from the drawing.
  void RefreshCell(int row, int column);
  /// The cell's shown text still asks for a piece (of either side).
  bool HasPieceToPlace(int row, int column) const;
  /// Gives the layout one item per titled size column of the row (AddItem's merge rule).
  void ReadRow(int row, Layout& layout) const;
  /// The row's part: its name and type, in memory (no drawing is read or written).
  Fastrelle_Part GetRowPart(int row) const;
  /// The first untitled size column; 32 when all 30 are titled.
  int FirstUntitledColumn() const;
  void SpreadColumns();
  /// A cell value read as a whole number / real ("," as "."); 0 for a missing value or a
  /// text that is no number.
  int ValueInt(int row, int column, int index) const;
  double ValueDouble(int row, int column, int index) const;

  int m_modelColumn = 0;
  double m_modelShare = 0.2;
  int m_partColumn = 1;
  double m_partShare = 0.3;
  int m_sizeColumnCount = kSizeColumns;
  int m_quantityIndex = 1;
  int m_lineIndex = 2;

protected:
  void PreSubclassWindow() override;
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void MakeColumns();
  int ListWidth() const;
  /// The row of the model title and part; -1 when none.
  int FindRow(const CString& title, const CString& part) const;
  /// The remaining count(s) of the piece for a part of `type`.
  static CString RemainingText(Fastrelle_Form_To_Plot piece, int type, int quantity);
};

#endif
