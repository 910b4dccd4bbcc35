// The grading grid: one row per size of the drawing with its layer colour, the visibility
// of its three layers and one grade point's offsets from the base-size point and from the
// neighbouring size. Typing an offset moves that size's point. Held by the grading dialog.
#ifndef SIZES_FASTRELLE_SIZEPOINTS_LIST_H
#define SIZES_FASTRELLE_SIZEPOINTS_LIST_H

#include <vector>

#include "sizes/GradingOffset.h"
#include "ui/UI_DataGrid_2.h"

class Fastrelle_Points_Gradable;

/// Columns (fixed): 0 "*" (base row), 1 size, 2 layer colour, 3-5 visibility of the cut,
/// seam and extra-elements layers, 6 DX, 7 DY, 8 D (from the base point), 9 DDX, 10 DDY,
/// 11 DD (from the neighbour towards the base). Offsets show one decimal ("%0.1f").
///
/// States of a row, set by ShowPoint:
/// 1. filled: its size has a point of the shown place; the six values are written.
/// 2. filled without a neighbour: DX, DY, D written; DDX, DDY, DD empty (an edit of DDX
///    or DDY is refused with a message).
/// 3. empty: its size lacks the place; all six empty; edits move nothing.
/// Every text written into an offset cell is remembered; ApplyCell acts only on a cell
/// whose editor now reads otherwise, so passing the focus through cells moves nothing.
class Fastrelle_SizePoints_list : public Zc_DataGrid {
  DECLARE_DYNAMIC(Fastrelle_SizePoints_list)
public:
  enum Column { kBase, kSize, kColor, kCutVisible, kSeamVisible, kTechVisible, kDX, kDY, kD, kDDX, kDDY, kDD, kColumns };

  /// Rebuilds the rows from the drawing's sizes in the order of the ordering lists.
  void Fill();
  /// Shows the collection's place (the points of one grade point over the sizes): nothing
  /// and false when it has no base-size point. Remembers the base point's handle.
  bool ShowPoint(Fastrelle_Points_Gradable& collection);
  /// Shows again the place last shown, found anew from its handle; false when it is gone.
  bool ShowAgain();
  /// One offset per row filled for the shown place, the base row left out, in row order:
  /// X and Y set, the row's size, the row's DX and DY.
  std::vector<GradingOffset> GetOffsets() const;
  /// Applies the edit of the cell whose editor has control id `id` (see the states above).
  void ApplyCell(int id);
  /// Focuses the editor of the cell with that id; ids below the grid's, or naming no cell
  /// with an editor, do nothing.
  void ActivateCell(int id);

  int BaseRow() const { return m_baseRow; }
  const CString& BaseHandle() const { return m_baseHandle; }

protected:
  void PreSubclassWindow() override;
  void InsertColumns();
  /// Puts the offset editors of a row: the base-size editor in the base row, else text edits.
  void PutOffsetEditors(int row, bool base);
  /// Writes the text into the cell and its editor, and remembers it.
  void WriteCell(int row, int column, const CString& text);
  /// The text last written into the cell ("" when none).
  CString Written(int row, int column) const;
  /// The row whose size's point is the neighbour of `row` in the shown place.
  int NeighbourRow(int row) const;
  LRESULT OnEditKillFocus(WPARAM id, LPARAM);
  LRESULT OnSetActive(WPARAM id, LPARAM);
  LRESULT OnEditActivated(WPARAM, LPARAM) { return 0; }
  DECLARE_MESSAGE_MAP()

  int m_columns[kColumns] = {kBase, kSize, kColor, kCutVisible, kSeamVisible, kTechVisible, kDX, kDY, kD, kDDX, kDDY, kDD};
  int m_firstColumnWidth = 20;
  int m_busy = 0;
  int m_baseRow = 0;
  CString m_baseHandle;

private:
  struct RowState {
    CString size;
    bool filled = false;
    bool hasNeighbour = false;
    CString written[kColumns];
  };
  std::vector<RowState> m_rows;
};

/// "%0.1f" of the value: 5 => "5.0".
CString FormatOffset(double value);

#endif
