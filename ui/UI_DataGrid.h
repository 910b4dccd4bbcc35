// The editable grid: a report list view whose rows carry one cell record per column that
// existed when the row was inserted; a cell may carry a live editor window laid over it
// (Part of every table of the system's dialogs). UI_DataGrid keeps the cell bookkeeping.
//
// Invariants:
// 1. A row's item data is its UI_DataGridRow (InsertRow) until DeleteRow frees it.
// 2. Every cell access checks 0 <= row < item count and 0 <= column < that row's own
//    cell count; outside, operations do nothing (false, 0, "" or null).
// 3. The editor of cell (r, c) has the control id grid id + c + 100 r, given when it is
//    made and kept when rows above it go (LayoutCellEditors only moves it).
#ifndef UI_UI_DATAGRID_H
#define UI_UI_DATAGRID_H

#include <functional>
#include <vector>

#include "mfc/CListCtrl.h"

/// One cell of a row.
struct UI_DataGridCell {
  int type = -1;   // -1 none, 1 text edit, 11 numeric edit, 3 check box, 4 combo, 21 colour button
  int flag = 1;    // set again when a combo is put in the cell
  int spare = -1;
  CStringArray options;  // a combo's option texts
  HWND editor = nullptr;
};

/// The cells of one row, as many as the grid had columns when the row was inserted.
struct UI_DataGridRow {
  std::vector<UI_DataGridCell> cells;
};

class UI_DataGrid : public CListCtrl {
  DECLARE_DYNAMIC(UI_DataGrid)
public:
  UI_DataGrid() = default;
  ~UI_DataGrid() override;
  BOOL DestroyWindow() override { return CListCtrl::DestroyWindow(); }
  virtual void Clear() { DeleteAllItems(); }

  /// -1 for a negative row or a failed insert; else the new row's index.
  int InsertRow(int row, const CString& text);
  bool CellExists(int row, int column) const;
  UI_DataGridCell* GetCell(int row, int column) const;
  CWnd* GetCellEditor(int row, int column) const;
  /// The rectangle for an editor over the cell, scrolling the list to show the cell.
  CRect GetCellRect(int row, int column);
  /// Moves every editor onto its cell (after rows went).
  void LayoutCellEditors();
  CString GetColumnTitle(int column) const;
  /// Sets a header text, cut to 255 characters.
  void SetColumnTitle(int column, const CString& text);
  /// The first column titled exactly `text`, or -1.
  int FindColumn(const CString& text) const;
  void DeleteAllColumns();
  /// Deletes every selected row (from the last); 1.
  int DeleteSelectedItems();
  void SetCellText(int row, int column, const CString& text);
  /// The editor's text read as a whole number / real ("," as "."); 0 for none, an empty
  /// text or one starting outside "0123456789.,-".
  int GetCellInt(int row, int column) const;
  double GetCellDouble(int row, int column) const;
  void AddComboItem(int row, int column, const CString& text);
  /// Option `index` of the cell; "" outside the options or the grid.
  CString GetComboItem(int row, int column, int index) const;
  /// Rows 20 pixels high (a 1 x 20 small image list).
  void SetRowHeight();

  int m_fixedColumns = 0;

protected:
  void PreSubclassWindow() override;
  /// With fixed columns, a divider drag is refused.
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  UI_DataGridRow* GetRow(int row) const;
  /// Destroys the row's editors and frees its cells, then deletes the item; the delete's result.
  BOOL DeleteRowAndCells(int row);
  /// Destroys and deletes the editor of a cell, if any.
  static void DestroyEditor(UI_DataGridCell& cell);
  CString EditorText(int row, int column) const;
  /// Deletes the selected rows from the last with `deleteRow`, stopping at a failure; 1.
  int DeleteSelected(const std::function<BOOL(int)>& deleteRow);

private:
  CImageList m_rowHeight;
};

#endif
