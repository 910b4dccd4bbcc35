// The size list of the model dialog.
#include "layout/SizesList.h"

#include <cwchar>

#include "framework/Plot_Settings.h"
#include "framework/ResString.h"

namespace {
// A settings value read as a whole number; a value that is no number reads 0.
int SettingNumber(const wchar_t* key) {
  const CString text = GetPlotSettingString(key);
  if (text.IsEmpty() || !std::wcschr(L"0123456789.,-", text[0])) return 0;
  return static_cast<int>(std::wcstol(text, nullptr, 10));
}
}  // namespace

void SizesList::PreSubclassWindow() {
  UI_DataGrid_2::PreSubclassWindow();
  SetExtendedStyle(0x21);
  MakeColumnsAndRows();
}

void SizesList::MakeColumnsAndRows() {
  InsertColumn(0, LoadResString(43134), LVCFMT_LEFT, 70);
  for (int column = 1; column <= kSizeColumns; ++column) InsertColumn(column, L"", LVCFMT_LEFT, 0);
  InsertRow(0, LoadResString(43127));
  InsertRow(1, LoadResString(43135));
}

void SizesList::Clear() {
  DeleteAllRows();
  DeleteAllColumns();
  MakeColumnsAndRows();
}

int SizesList::FirstUntitledColumn() const {
  for (int column = 1; column <= kSizeColumns; ++column)
    if (GetColumnTitle(column).IsEmpty()) return column;
  return -1;
}

bool SizesList::AddSize(const CString& name) {
  const int quantity = SettingNumber(L"DefaultPartQuantity"), rotation = SettingNumber(L"DefaultPartRotation");
  int column = name.IsEmpty() ? -1 : FindColumn(name);
  if (column < 1) {
    column = FirstUntitledColumn();
    if (column < 0) return false;
    SetColumnTitle(column, name);
    SetColumnWidth(column, 60);
    PutNumericEdit(0, column);
    PutNumericEdit(1, column);
  }
  CString text;
  text.Format(L"%i", quantity);
  SetCellText(0, column, text);
  text.Format(L"%i", rotation);
  SetCellText(1, column, text);
  SpreadColumns();
  return true;
}

void SizesList::SpreadColumns() {
  const int untitled = FirstUntitledColumn();
  const int sizes = (untitled < 0 ? kSizeColumns + 1 : untitled) - 1;
  if (sizes <= 0) return;
  CRect rect;
  GetClientRect(&rect);
  const int width = (rect.Width() - GetColumnWidth(0) - 5) / sizes;
  for (int column = 1; column <= sizes; ++column) SetColumnWidth(column, width > 20 ? width : 20);
  LayoutCellEditors();
}

std::vector<SizesList::Size> SizesList::ReadSizes() const {
  std::vector<Size> sizes;
  for (int column = 1; column <= kSizeColumns; ++column) {
    const CString title = GetColumnTitle(column);
    if (title.IsEmpty()) break;
    sizes.push_back({title, GetCellDouble(1, column), GetCellInt(0, column)});
  }
  return sizes;
}
