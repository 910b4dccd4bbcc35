// Cell editors over the grid and deleting rows with them; the layer-bound cells.
#include "ui/UI_DataGrid_2.h"

#include "ui/UI_Button.h"
#include "ui/UI_ColSel_btn.h"
#include "ui/UI_Combo.h"
#include "ui/UI_Edit.h"

IMPLEMENT_DYNAMIC(UI_DataGrid_2, UI_DataGrid)
IMPLEMENT_DYNAMIC(Zc_DataGrid, UI_DataGrid_2)

BOOL UI_DataGrid_2::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_DESTROY) DeleteAllRows();
  return UI_DataGrid::OnWndMsg(message, wParam, lParam, result);
}

UI_DataGridCell* UI_DataGrid_2::PrepareCell(int row, int column, int type) {
  UI_DataGridCell* cell = GetCell(row, column);
  if (!cell) return nullptr;
  DestroyEditor(*cell);
  cell->type = type;
  return cell;
}

bool UI_DataGrid_2::Adopt(UI_DataGridCell* cell, CWnd* editor, BOOL made) {
  if (!made) {
    delete editor;
    return false;
  }
  cell->editor = editor->m_hWnd;
  return true;
}

bool UI_DataGrid_2::PutCheckBox(int row, int column, int state) {
  UI_DataGridCell* cell = PrepareCell(row, column, 3);
  if (!cell) return false;
  auto* box = new UI_CheckBox(this);
  if (!Adopt(cell, box, box->Create(L"", 0x50000002, GetCellRect(row, column), this, CellId(row, column))))
    return false;
  box->SetCheck(state);
  box->SetFocus();
  return true;
}

void UI_DataGrid_2::SetCheck(int row, int column, int state) {
  UI_DataGridCell* cell = GetCell(row, column);
  if (!cell || cell->type != 3) return;
  if (auto* box = dynamic_cast<UI_CheckBox*>(CWnd::FromHandlePermanent(cell->editor))) box->SetCheck(state);
}

bool UI_DataGrid_2::PutTextEdit(int row, int column) {
  UI_DataGridCell* cell = PrepareCell(row, column, 1);
  if (!cell) return false;
  auto* edit = new UI_DG_Edit(this, GetItemText(row, column));
  edit->SetBkColor(RGB(255, 255, 255));
  return Adopt(cell, edit, edit->Create(0x50000000, GetCellRect(row, column), this, CellId(row, column)));
}

bool UI_DataGrid_2::PutNumericEdit(int row, int column) {
  UI_DataGridCell* cell = PrepareCell(row, column, 11);
  if (!cell) return false;
  auto* edit = new UI_DG_E_Numeric(this, GetItemText(row, column));
  edit->SetBkColor(RGB(255, 255, 255));
  return Adopt(cell, edit, edit->Create(0x50000000, GetCellRect(row, column), this, CellId(row, column)));
}

bool UI_DataGrid_2::PutComboCell(int row, int column, const CStringArray& options) {
  UI_DataGridCell* cell = PrepareCell(row, column, 4);
  if (!cell) return false;
  for (int i = 0; i < options.GetSize(); ++i) cell->options.Add(options[i]);
  cell->flag = 1;
  CRect rect = GetCellRect(row, column);
  rect.DeflateRect(1);
  auto* combo = new UI_DG_Combo(this, GetItemText(row, column));
  if (!Adopt(cell, combo, combo->Create(0x50200002, rect, this, CellId(row, column)))) return false;
  combo->Fill(options);
  return true;
}

BOOL UI_DataGrid_2::DeleteRow(int row) { return DeleteRowAndCells(row); }

int UI_DataGrid_2::DeleteSelectedRows() {
  return DeleteSelected([this](int row) { return DeleteRow(row); });
}

void UI_DataGrid_2::DeleteAllRows() {
  for (int r = GetItemCount() - 1; r >= 0; --r) DeleteRow(r);
  DeleteAllItems();
}

bool Zc_DataGrid::PutLayerVisibilityCell(int row, int column, const CString& layer) {
  UI_DataGridCell* cell = PrepareCell(row, column, 3);
  if (!cell) return false;
  auto* box = new Zc_Layer_Visibility_chck(this, layer);
  if (!Adopt(cell, box, box->Create(L"", 0x50000002, GetCellRect(row, column), this, CellId(row, column))))
    return false;
  box->ReadLayer();
  return true;
}

bool Zc_DataGrid::PutLayerColorCell(int row, int column, const CString& layer) {
  UI_DataGridCell* cell = PrepareCell(row, column, 21);
  if (!cell) return false;
  CRect rect = GetCellRect(row, column);
  rect.DeflateRect(1);
  auto* button = new Zc_Layer_ColSel_btn(this, layer);
  if (!Adopt(cell, button, button->Create(L"", 0x50800000, rect, this, CellId(row, column)))) return false;
  button->ReadLayer();
  return true;
}

void Zc_DataGrid::AddCellLayer(int row, int column, const CString& layer) {
  UI_DataGridCell* cell = GetCell(row, column);
  if (!cell) return;
  if (auto* button = dynamic_cast<Zc_Layer_ColSel_btn*>(CWnd::FromHandlePermanent(cell->editor)))
    button->AddLayer(layer);
}

void Zc_DataGrid::SetRowColor(int row, int colorIndex) {
  UI_DataGridCell* cell = GetCell(row, 1);
  if (!cell) return;
  if (auto* button = dynamic_cast<UI_ColSel_btn*>(CWnd::FromHandlePermanent(cell->editor))) {
    button->SetColorIndex(colorIndex);
    button->UpdateWindow();
  }
}
