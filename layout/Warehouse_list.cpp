// The content list of the warehouse dialog.
#include "layout/Warehouse_list.h"

#include <cwchar>

#include "framework/Printer.h"
#include "framework/ResString.h"
#include "framework/Selections.h"
#include "framework/UI_DwgBlock.h"
#include "win/commctrl.h"
#include "win/winwindows.h"

namespace {
const UINT kModelTitle = 43121, kPartTitle = 43122, kSizePastColumns = 43104, kSameTitle = 43105;

bool StartsNumber(const CString& text) { return !text.IsEmpty() && std::wcschr(L"0123456789.,-", text[0]); }

int ReadInt(const CString& text) { return StartsNumber(text) ? static_cast<int>(std::wcstol(text, nullptr, 10)) : 0; }

// Paths compared without case and with either separator.
bool SamePath(CString a, CString b) {
  a.Replace(L'/', L'\\');
  b.Replace(L'/', L'\\');
  return a.CompareNoCase(b) == 0;
}

// The own side and the mirror side of a part type.
void SidesOf(int type, int& own, int& mirror) {
  own = mirror = 0;
  if (type == 1) own = 2, mirror = 1;
  if (type == 2) own = 3, mirror = 4;
}

int References(Fastrelle_Form_To_Plot& piece, int side) {
  piece.m_side = side;
  const CString name = piece.GetBlockName();
  return name.IsEmpty() ? 0 : GetBlockReferenceIdsByName(name).length();
}
}  // namespace

void Warehouse_list::PreSubclassWindow() {
  UI_DataGrid_2::PreSubclassWindow();
  SetExtendedStyle(0x21);
  MakeColumns();
}

int Warehouse_list::ListWidth() const {
  CRect rect;
  GetClientRect(&rect);
  return rect.Width() - 5;
}

void Warehouse_list::MakeColumns() {
  const int width = ListWidth();
  m_modelColumn = InsertColumn(0, LoadResString(kModelTitle), LVCFMT_LEFT, static_cast<int>(width * m_modelShare));
  m_partColumn = InsertColumn(1, LoadResString(kPartTitle), LVCFMT_LEFT, static_cast<int>(width * m_partShare));
  for (int column = 2; column < 2 + m_sizeColumnCount; ++column) InsertColumn(column, L"", LVCFMT_LEFT, 0);
}

void Warehouse_list::Clear() {
  DeleteAllRows();
  DeleteAllColumns();
  MakeColumns();
}

int Warehouse_list::FirstUntitledColumn() const {
  for (int column = 2; column < 2 + m_sizeColumnCount; ++column)
    if (GetColumnTitle(column).IsEmpty()) return column;
  return 2 + m_sizeColumnCount;
}

void Warehouse_list::SpreadColumns() {
  const int first = FirstUntitledColumn();
  if (first <= 2) return;
  const int width = ListWidth();
  const int model = static_cast<int>(width * m_modelShare), part = static_cast<int>(width * m_partShare);
  SetColumnWidth(0, model);
  SetColumnWidth(1, part);
  for (int column = 2; column < first; ++column) SetColumnWidth(column, (width - model - part) / (first - 2));
  LayoutCellEditors();
}

int Warehouse_list::ValueInt(int row, int column, int index) const {
  return ReadInt(GetComboItem(row, column, index));
}

double Warehouse_list::ValueDouble(int row, int column, int index) const {
  CString text = GetComboItem(row, column, index);
  if (!StartsNumber(text)) return 0.0;
  text.Replace(L",", L".");
  return std::wcstod(text, nullptr);
}

int Warehouse_list::FindRow(const CString& title, const CString& part) const {
  for (int row = 0; row < GetItemCount(); ++row)
    if (GetItemText(row, m_modelColumn) == title && GetItemText(row, m_partColumn) == part) return row;
  return -1;
}

CString Warehouse_list::RemainingText(Fastrelle_Form_To_Plot piece, int type, int quantity) {
  CString text;
  if (type != 1 && type != 2) {
    text.Format(L"%i", quantity - References(piece, 0));
    return text;
  }
  int own = 0, mirror = 0;
  SidesOf(type, own, mirror);
  const int ownLeft = quantity - References(piece, own);
  text.Format(L"%i:%i", ownLeft, quantity - References(piece, mirror));
  return text;
}

void Warehouse_list::Fill(const Layout& layout) {
  for (unsigned i = 0; i < layout.GetItemCount(); ++i) {
    const LayoutItem item = layout.GetItem(i);
    const CString title = UI_DwgBlock::FileTitle(item.m_modelPath);
    const CString partName = item.m_part.GetName();
    int row = FindRow(title, partName);
    if (row < 0) {
      row = InsertRow(GetItemCount(), title);
      if (row < 0) continue;
      SetItemText(row, m_partColumn, partName);
      AddComboItem(row, m_modelColumn, item.m_modelPath);
      CString type;
      type.Format(L"%i", item.m_part.GetType());
      AddComboItem(row, m_partColumn, type);
    }
    CString message;
    const CString rowPath = GetComboItem(row, m_modelColumn, 0);
    if (!SamePath(rowPath, item.m_modelPath)) {
      message.Format(LoadResString(kSameTitle), static_cast<const wchar_t*>(item.m_modelPath),
                     static_cast<const wchar_t*>(rowPath));
      ZWPrinter().Print(message);
      continue;
    }
    int column = item.m_size.IsEmpty() ? -1 : FindColumn(item.m_size);
    if (column < 2) {
      column = FirstUntitledColumn();
      if (column >= 2 + m_sizeColumnCount) {
        message.Format(LoadResString(kSizePastColumns), static_cast<const wchar_t*>(title),
                       static_cast<const wchar_t*>(partName), static_cast<const wchar_t*>(item.m_size));
        ZWPrinter().Print(message);
        continue;
      }
      SetColumnTitle(column, item.m_size);
      SpreadColumns();
    }
    CString value;
    value.Format(L"%0.4f", item.m_rotation);
    AddComboItem(row, column, value);
    value.Format(L"%i", item.m_quantity);
    AddComboItem(row, column, value);
    value.Format(L"%i", item.m_lines);
    AddComboItem(row, column, value);
    m_quantityIndex = 1;
    m_lineIndex = m_quantityIndex + 1;
    RefreshCell(row, column);
  }
}

Fastrelle_Part Warehouse_list::GetRowPart(int row) const {
  return Fastrelle_Part(GetItemText(row, m_partColumn), ValueInt(row, m_partColumn, 0));
}

Fastrelle_Form_To_Plot Warehouse_list::NextPieceOfCell(int row, int column) const {
  Fastrelle_Form_To_Plot piece(ValueDouble(row, column, 0));
  piece.m_modelPath = GetComboItem(row, m_modelColumn, 0);
  piece.m_partName = GetRowPart(row).GetName();
  piece.m_sizeName = GetColumnTitle(column);
  piece.m_lines = ValueInt(row, column, m_lineIndex);
  int own = 0, mirror = 0;
  SidesOf(GetRowPart(row).GetType(), own, mirror);
  if (own != 0) {
    Fastrelle_Form_To_Plot probe = piece;
    const int placedOwn = References(probe, own), placedMirror = References(probe, mirror);
    // The side with fewer pieces comes next, so that an erased piece is made up on its
    // own side instead of the other side growing without end.
    piece.m_side = placedOwn <= placedMirror ? own : mirror;
  }
  return piece;
}

void Warehouse_list::RefreshCell(int row, int column) {
  if (!CellExists(row, column) || column < 2) return;
  Fastrelle_Form_To_Plot piece = NextPieceOfCell(row, column);
  SetItemText(row, column, RemainingText(piece, GetRowPart(row).GetType(), ValueInt(row, column, m_quantityIndex)));
}

bool Warehouse_list::HasPieceToPlace(int row, int column) const {
  const CString text = GetItemText(row, column);
  const int type = GetRowPart(row).GetType();
  if (type != 1 && type != 2) return StartsNumber(text) && ReadInt(text) > 0;
  const int colon = text.Find(L':');
  CString first = colon < 0 ? text : text.Left(colon), second = colon < 0 ? CString() : text.Mid(colon + 1);
  if (first.IsEmpty() || second.IsEmpty()) return false;
  if (!StartsNumber(first)) return false;
  if (ReadInt(first) > 0) return true;
  return StartsNumber(second) && ReadInt(second) > 0;
}

void Warehouse_list::ReadRow(int row, Layout& layout) const {
  const int end = FirstUntitledColumn();
  for (int column = 2; column < end; ++column)
    layout.AddItem(LayoutItem(GetComboItem(row, m_modelColumn, 0), GetRowPart(row), GetColumnTitle(column),
                              ValueInt(row, column, m_quantityIndex), ValueDouble(row, column, 0),
                              ValueInt(row, column, m_lineIndex)));
}

BOOL Warehouse_list::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
  const auto* header = reinterpret_cast<const NMHEADERW*>(lParam);
  if (header && (header->hdr.code == HDN_ENDTRACKW || header->hdr.code == HDN_ENDTRACKA)) {
    const int width = ListWidth();
    if (width > 0 && header->pitem && (header->iItem == 0 || header->iItem == 1)) {
      const double share = static_cast<double>(header->pitem->cxy) / width;
      (header->iItem == 0 ? m_modelShare : m_partShare) = share;
    }
    SpreadColumns();
    if (result) *result = 0;
    return TRUE;
  }
  return UI_DataGrid_2::OnNotify(wParam, lParam, result);
}

BOOL Warehouse_list::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_LBUTTONDBLCLK) {
    CWnd* parent = GetParent();
    if (!parent) return TRUE;
    UI_DataGrid_2::OnWndMsg(message, wParam, lParam, result);
    LVHITTESTINFO hit{};
    hit.pt.x = static_cast<short>(lParam & 0xFFFF);
    hit.pt.y = static_cast<short>((lParam >> 16) & 0xFFFF);
    SubItemHitTest(&hit);
    if (hit.iItem >= 0 && hit.iSubItem >= 2 && hit.iSubItem < FirstUntitledColumn())
      parent->PostMessage(kInsertOne, static_cast<WPARAM>(hit.iItem), hit.iSubItem);
    return TRUE;
  }
  return UI_DataGrid_2::OnWndMsg(message, wParam, lParam, result);
}
