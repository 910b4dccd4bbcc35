// The editable grid's cell bookkeeping: rows and their cells, editor placement, column
// titles and reading the values typed in cells.
#include "ui/UI_DataGrid.h"

#include <cwchar>
#include <memory>

IMPLEMENT_DYNAMIC(UI_DataGrid, CListCtrl)

UI_DataGrid::~UI_DataGrid() {
  for (int i = 0; IsWindow() && i < GetItemCount(); ++i) {  // a grid gone without WM_DESTROY
    std::unique_ptr<UI_DataGridRow> cells(GetRow(i));
    if (cells)
      for (UI_DataGridCell& c : cells->cells) DestroyEditor(c);
    SetItemData(i, 0);
  }
}

void UI_DataGrid::PreSubclassWindow() {
  SetExtendedStyle(GetExtendedStyle() | LVS_EX_GRIDLINES);
  CListCtrl::PreSubclassWindow();
}

BOOL UI_DataGrid::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  if (m_fixedColumns == 1 && (header->code == HDN_BEGINTRACKW || header->code == HDN_BEGINTRACKA)) {
    *result = 1;
    return TRUE;
  }
  return CListCtrl::OnNotify(wParam, lParam, result);
}

int UI_DataGrid::InsertRow(int row, const CString& text) {
  if (row < 0) return -1;
  int index = InsertItem(LVIF_TEXT, row, text, 0, 0, 0, 0);
  if (index < 0) return index;
  auto* cells = new UI_DataGridRow;
  cells->cells.resize(static_cast<size_t>(std::max(GetHeaderCtrl() ? GetHeaderCtrl()->GetItemCount() : 0, 0)));
  SetItemData(index, reinterpret_cast<DWORD_PTR>(cells));
  return index;
}

UI_DataGridRow* UI_DataGrid::GetRow(int row) const {
  if (row < 0 || row >= GetItemCount()) return nullptr;
  return reinterpret_cast<UI_DataGridRow*>(GetItemData(row));
}

bool UI_DataGrid::CellExists(int row, int column) const {
  UI_DataGridRow* cells = GetRow(row);
  return cells && column >= 0 && column < static_cast<int>(cells->cells.size());
}

UI_DataGridCell* UI_DataGrid::GetCell(int row, int column) const {
  return CellExists(row, column) ? &GetRow(row)->cells[static_cast<size_t>(column)] : nullptr;
}

CWnd* UI_DataGrid::GetCellEditor(int row, int column) const {
  UI_DataGridCell* cell = GetCell(row, column);
  return cell && cell->editor ? CWnd::FromHandle(cell->editor) : nullptr;
}

CRect UI_DataGrid::GetCellRect(int row, int column) {
  CRect rect;
  GetItemRect(row, rect, LVIR_BOUNDS);
  int w = 0;
  for (int c = 0; c < column; ++c) w += GetColumnWidth(c);
  CRect client;
  GetClientRect(client);
  int x = rect.left + w;
  if (x < 0 || x > client.right) {
    Scroll(CSize(x, 0));
    rect.left -= x;
  }
  rect.bottom += 1;
  rect.left = rect.left + w + 2;
  rect.right = rect.left + GetColumnWidth(column) - 4;
  return rect;
}

void UI_DataGrid::LayoutCellEditors() {
  for (int r = 0; r < GetItemCount(); ++r) {
    UI_DataGridRow* cells = GetRow(r);
    for (int c = 0; cells && c < static_cast<int>(cells->cells.size()); ++c) {
      HWND editor = cells->cells[static_cast<size_t>(c)].editor;
      if (!::IsWindow(editor)) continue;
      CRect rect = GetCellRect(r, c);
      ::SetWindowPos(editor, nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_FRAMECHANGED);
    }
  }
}

CString UI_DataGrid::GetColumnTitle(int column) const {
  wchar_t buffer[256] = {};
  HDITEM item{};
  item.mask = HDI_TEXT;
  item.pszText = buffer;
  item.cchTextMax = 256;
  CHeaderCtrl* header = GetHeaderCtrl();
  if (!header || !header->GetItem(column, &item)) return CString();
  return CString(buffer);
}

void UI_DataGrid::SetColumnTitle(int column, const CString& text) {
  wchar_t buffer[256] = {};
  std::wcsncpy(buffer, text, 255);  // a longer title is cut, never written past the buffer
  HDITEM item{};
  item.mask = HDI_TEXT;
  item.pszText = buffer;
  item.cchTextMax = 256;
  if (CHeaderCtrl* header = GetHeaderCtrl()) header->SetItem(column, &item);
}

int UI_DataGrid::FindColumn(const CString& text) const {
  CHeaderCtrl* header = GetHeaderCtrl();
  for (int c = 0; header && c < header->GetItemCount(); ++c)
    if (GetColumnTitle(c) == text) return c;
  return -1;
}

void UI_DataGrid::DeleteAllColumns() {
  CHeaderCtrl* header = GetHeaderCtrl();
  for (int c = header ? header->GetItemCount() : 0; c >= 0; --c) DeleteColumn(c);
}

void UI_DataGrid::DestroyEditor(UI_DataGridCell& cell) {
  HWND editor = cell.editor;
  cell.editor = nullptr;
  if (!::IsWindow(editor)) return;
  CWnd* object = CWnd::FromHandlePermanent(editor);
  ::DestroyWindow(editor);
  delete object;  // the grid made it; null for a window made without an object
}

BOOL UI_DataGrid::DeleteRowAndCells(int row) {
  if (row < 0 || row >= GetItemCount()) return FALSE;
  if (UI_DataGridRow* cells = GetRow(row)) {
    for (UI_DataGridCell& c : cells->cells) DestroyEditor(c);
    delete cells;
  }
  SetItemData(row, 0);
  BOOL deleted = DeleteItem(row);
  LayoutCellEditors();
  return deleted;
}

int UI_DataGrid::DeleteSelected(const std::function<BOOL(int)>& deleteRow) {
  std::vector<int> selected;  // gathered first: deleting moves the rows and the mark
  for (int i = GetNextItem(-1, LVNI_SELECTED); i >= 0; i = GetNextItem(i, LVNI_SELECTED)) selected.push_back(i);
  for (auto it = selected.rbegin(); it != selected.rend(); ++it)
    if (!deleteRow(*it)) break;
  return 1;
}

int UI_DataGrid::DeleteSelectedItems() {
  return DeleteSelected([this](int row) { return DeleteRowAndCells(row); });
}

void UI_DataGrid::SetCellText(int row, int column, const CString& text) {
  if (CWnd* editor = GetCellEditor(row, column)) editor->SetWindowText(text);
}

CString UI_DataGrid::EditorText(int row, int column) const {
  CString text;
  if (CWnd* editor = GetCellEditor(row, column)) editor->GetWindowText(text);
  return text;
}

int UI_DataGrid::GetCellInt(int row, int column) const {
  CString text = EditorText(row, column);
  if (text.IsEmpty() || !std::wcschr(L"0123456789.,-", text[0])) return 0;
  return static_cast<int>(std::wcstol(text, nullptr, 10));
}

double UI_DataGrid::GetCellDouble(int row, int column) const {
  CString text = EditorText(row, column);
  if (text.IsEmpty() || !std::wcschr(L"0123456789.,-", text[0])) return 0;
  text.Replace(L',', L'.');
  return std::wcstod(text, nullptr);
}

void UI_DataGrid::AddComboItem(int row, int column, const CString& text) {
  if (UI_DataGridCell* cell = GetCell(row, column)) cell->options.Add(text);
}

CString UI_DataGrid::GetComboItem(int row, int column, int index) const {
  UI_DataGridCell* cell = GetCell(row, column);
  if (!cell || index < 0 || index >= cell->options.GetSize()) return CString();
  return cell->options[index];
}

void UI_DataGrid::SetRowHeight() {
  m_rowHeight.Create(1, 20, ILC_COLOR32, 1, 1);
  SetImageList(&m_rowHeight, LVSIL_SMALL);
}
