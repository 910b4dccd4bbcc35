// The editable grid with its editors: puts text, numeric, check-box and combo editors
// over cells (each a child window with the cell's control id) and deletes rows with their
// editors. Zc_DataGrid adds the two layer-bound cells.
#ifndef UI_UI_DATAGRID_2_H
#define UI_UI_DATAGRID_2_H

#include "ui/UI_DataGrid.h"

class UI_DataGrid_2 : public UI_DataGrid {
  DECLARE_DYNAMIC(UI_DataGrid_2)
public:
  /// On WM_DESTROY every row goes first, so no editor or cell outlives the grid.
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void Clear() override { DeleteAllRows(); }
  // Each put returns false outside the grid or when the editor cannot be made (nothing is
  // left behind); an editor already over the cell is destroyed first.
  virtual bool PutCheckBox(int row, int column, int state);
  virtual void SetCheck(int row, int column, int state);
  virtual bool PutTextEdit(int row, int column);
  virtual bool PutNumericEdit(int row, int column);
  /// Deletes the row with its editors; the editors below move up onto their cells.
  virtual BOOL DeleteRow(int row);
  /// Deletes every selected row, from the last; stops at a delete that fails. 1.
  virtual int DeleteSelectedRows();
  virtual void DeleteAllRows();
  bool PutComboCell(int row, int column, const CStringArray& options);

protected:
  /// The id of the editor of (row, column): the grid's id + column + 100 row.
  int CellId(int row, int column) const { return GetDlgCtrlID() + column + 100 * row; }
  /// Readies a cell for a new editor of `type`; null outside the grid.
  UI_DataGridCell* PrepareCell(int row, int column, int type);
  /// Records `editor` in the cell once `made` (its Create) succeeded; else deletes it.
  bool Adopt(UI_DataGridCell* cell, CWnd* editor, BOOL made);
};

class Zc_DataGrid : public UI_DataGrid_2 {
  DECLARE_DYNAMIC(Zc_DataGrid)
public:
  bool PutLayerVisibilityCell(int row, int column, const CString& layer);
  bool PutLayerColorCell(int row, int column, const CString& layer);
  /// One more layer for the cell's layer control.
  void AddCellLayer(int row, int column, const CString& layer);
  /// The colour index of the row's colour button (column 1), repainted.
  void SetRowColor(int row, int colorIndex);
};

#endif
