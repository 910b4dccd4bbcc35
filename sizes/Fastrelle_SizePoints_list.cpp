// The grading grid: columns, rows per size, showing a place and applying edited offsets.
#include "sizes/Fastrelle_SizePoints_list.h"

#include <cmath>
#include <cwchar>
#include <optional>

#include "framework/Product.h"
#include "framework/ResString.h"
#include "sizes/Fastrelle_Points_Gradable.h"
#include "sizes/Fastrelle_SizePoints_BaseSize_edit.h"
#include "sizes/Fastrelle_Sizes.h"
#include "sizes/Fastrelle_Sizes_Sorters.h"
#include "sizes/SizeLayerNames.h"
#include "ui/UI_Messages.h"

namespace {
/// The refusal of a DDX or DDY edit in a row whose neighbour size lacks the shown point.
const UINT kNoNeighbourMessage = 41221;

struct ColumnSpec {
  UINT title;   // string id; 0: the fixed "*"
  int percent;  // of the width left beside the first column
};
const ColumnSpec kSpecs[] = {{0, 0},      {40103, 10}, {40104, 5},  {40110, 5},  {40111, 5},  {43119, 5},
                             {40112, 12}, {40113, 12}, {40114, 12}, {40115, 12}, {40116, 12}, {40117, 12}};

bool IsOffsetColumn(int column) {
  using L = Fastrelle_SizePoints_list;
  return column == L::kDX || column == L::kDY || column == L::kDDX || column == L::kDDY;
}

/// The text as an offset: "," read as ".", blanks around allowed; false for text that is
/// no number ("abc", "", "-").
bool ReadOffset(CString text, double& value) {
  text.Trim();
  text.Replace(L',', L'.');
  if (text.IsEmpty()) return false;
  const wchar_t* begin = text;
  wchar_t* end = nullptr;
  value = std::wcstod(begin, &end);
  return end != begin && std::isfinite(value);
}

std::optional<ZcGePoint3d> PositionOf(ZcDbObjectId id) {
  Fastrelle_Point_Gradable point(id);
  if (id.isNull() || !point.IsReference()) return std::nullopt;
  return point.GetPosition();
}
}  // namespace

CString FormatOffset(double value) {
  CString text;
  text.Format(L"%0.1f", value);
  return text;
}

IMPLEMENT_DYNAMIC(Fastrelle_SizePoints_list, Zc_DataGrid)

BEGIN_MESSAGE_MAP(Fastrelle_SizePoints_list, Zc_DataGrid)
  ON_REGISTERED_MESSAGE(WM_UI_EDIT_KILL_FOCUS, OnEditKillFocus)
  ON_REGISTERED_MESSAGE(WM_UI_DG_SETACTIVE, OnSetActive)
  ON_REGISTERED_MESSAGE(WM_UI_EDIT_ACTIVATED, OnEditActivated)
END_MESSAGE_MAP()

void Fastrelle_SizePoints_list::PreSubclassWindow() {
  Zc_DataGrid::PreSubclassWindow();
  SetExtendedStyle(GetExtendedStyle() | LVS_EX_FULLROWSELECT);
  InsertColumns();
  Fill();
  SetExtendedStyle(GetExtendedStyle() | LVS_EX_GRIDLINES);
}

void Fastrelle_SizePoints_list::InsertColumns() {
  CRect box;
  GetWindowRect(box);
  const double w = box.Width() - 5 - m_firstColumnWidth;
  for (int c = 0; c < kColumns; ++c) {
    const ColumnSpec& spec = kSpecs[c];
    const CString title = spec.title ? LoadResString(spec.title) : CString(L"*");
    const int width = c == 0 ? m_firstColumnWidth : static_cast<int>(w * spec.percent / 100.0);
    InsertColumn(m_columns[c], title, LVCFMT_LEFT, width);
  }
}

void Fastrelle_SizePoints_list::Fill() {
  DeleteAllRows();
  m_rows.clear();
  m_baseRow = 0;
  m_baseHandle.Empty();
  Fastrelle_Sizes_ZW drawing;
  drawing.LoadFromLayers();
  std::vector<Fastrelle_Size> sizes = drawing.Sizes();
  SortSizes(sizes);
  for (const Fastrelle_Size& size : sizes) {
    const int row = InsertRow(GetItemCount(), CString());
    if (row < 0) continue;
    m_rows.resize(static_cast<size_t>(row) + 1);
    m_rows[row].size = size.GetName();
    SetItemText(row, kSize, size.GetName());
    const CString seam = (size.IsBase() ? BaseSizeMarker() : CString()) + size.GetName();
    const CString cut = seam + CutLineSuffix(), tech = seam + TechLineSuffix();
    PutLayerColorCell(row, kColor, seam);
    AddCellLayer(row, kColor, cut);
    AddCellLayer(row, kColor, tech);
    PutLayerVisibilityCell(row, kCutVisible, cut);
    PutLayerVisibilityCell(row, kSeamVisible, seam);
    PutLayerVisibilityCell(row, kTechVisible, tech);
    if (size.IsBase()) {
      m_baseRow = row;
      SetItemText(row, kBase, L"*");
    }
    PutOffsetEditors(row, size.IsBase());
  }
}

void Fastrelle_SizePoints_list::PutOffsetEditors(int row, bool base) {
  for (int column : {kDX, kDY, kDDX, kDDY}) {
    if (!base) {
      if (!PutTextEdit(row, column)) return;
      continue;
    }
    UI_DataGridCell* cell = PrepareCell(row, column, 1);
    if (!cell) return;
    auto* edit = new Fastrelle_SizePoints_BaseSize_edit(this, GetItemText(row, column));
    edit->SetBkColor(RGB(255, 255, 255));
    Adopt(cell, edit, edit->Create(WS_CHILD | WS_VISIBLE, GetCellRect(row, column), this, CellId(row, column)));
  }
}

void Fastrelle_SizePoints_list::WriteCell(int row, int column, const CString& text) {
  SetItemText(row, column, text);
  if (CWnd* editor = GetCellEditor(row, column)) editor->SetWindowText(text);
  m_rows[row].written[column] = text;
}

CString Fastrelle_SizePoints_list::Written(int row, int column) const {
  if (row < 0 || row >= static_cast<int>(m_rows.size()) || column < 0 || column >= kColumns) return CString();
  return m_rows[row].written[column];
}

int Fastrelle_SizePoints_list::NeighbourRow(int row) const {
  if (row < m_baseRow) return row + 1;
  if (row > m_baseRow) return row - 1;
  return row;
}

bool Fastrelle_SizePoints_list::ShowPoint(Fastrelle_Points_Gradable& collection) {
  const ZcDbObjectId baseId = collection.FindBasePoint();
  const std::optional<ZcGePoint3d> base = PositionOf(baseId);
  if (!base) return false;
  wchar_t handle[17] = {};
  baseId.handle().getIntoAsciiBuffer(handle);
  m_baseHandle = handle;
  const int rows = static_cast<int>(m_rows.size());
  std::vector<std::optional<ZcGePoint3d>> at(static_cast<size_t>(rows));
  for (int r = 0; r < rows; ++r) at[r] = r == m_baseRow ? base : PositionOf(collection.FindInSize(m_rows[r].size));
  for (int r = 0; r < rows; ++r) {
    RowState& state = m_rows[r];
    state.filled = at[r].has_value();
    const std::optional<ZcGePoint3d>& n = at[NeighbourRow(r)];
    state.hasNeighbour = state.filled && n.has_value();
    CString values[6];
    if (state.filled) {
      const ZcGeVector3d d = *at[r] - *base;
      values[0] = FormatOffset(d.x), values[1] = FormatOffset(d.y), values[2] = FormatOffset(d.length());
      if (state.hasNeighbour) {
        const ZcGeVector3d dd = *at[r] - *n;
        values[3] = FormatOffset(dd.x), values[4] = FormatOffset(dd.y), values[5] = FormatOffset(dd.length());
      }
    }
    for (int i = 0; i < 6; ++i) WriteCell(r, kDX + i, values[i]);
  }
  return true;
}

bool Fastrelle_SizePoints_list::ShowAgain() {
  std::unique_ptr<Fastrelle_Points_Gradable> collection = PointsFromHandle(m_baseHandle);
  return collection && ShowPoint(*collection);
}

std::vector<GradingOffset> Fastrelle_SizePoints_list::GetOffsets() const {
  std::vector<GradingOffset> offsets;
  for (int r = 0; r < static_cast<int>(m_rows.size()); ++r) {
    if (!m_rows[r].filled || r == m_baseRow) continue;
    GradingOffset o;
    o.X = o.Y = true;
    o.size = m_rows[r].size;
    ReadOffset(Written(r, kDX), o.DX);
    ReadOffset(Written(r, kDY), o.DY);
    offsets.push_back(o);
  }
  return offsets;
}

void Fastrelle_SizePoints_list::ApplyCell(int id) {
  const int relative = id - GetDlgCtrlID();
  if (m_busy || relative < 0) return;
  const int row = relative / 100, column = relative % 100;
  if (row >= static_cast<int>(m_rows.size()) || !IsOffsetColumn(column) || !GetCellEditor(row, column)) return;
  const CString text = EditorText(row, column);
  if (text == Written(row, column)) return;
  m_busy = 1;
  auto restore = [&] {
    GetCellEditor(row, column)->SetWindowText(Written(row, column));
    m_busy = 0;
  };
  double value = 0.0;
  std::unique_ptr<Fastrelle_Points_Gradable> collection = PointsFromHandle(m_baseHandle);
  const std::optional<ZcGePoint3d> base = collection ? PositionOf(collection->FindBasePoint()) : std::nullopt;
  if (!ReadOffset(text, value) || !base || !m_rows[row].filled) return restore();
  // The other cell of the pair keeps what was shown unless a number was typed there too.
  auto cell = [&](int c) {
    double v = 0.0;
    if (c == column) return value;
    if (!ReadOffset(EditorText(row, c), v)) ReadOffset(Written(row, c), v);
    return v;
  };
  GradingOffset offset;
  offset.X = offset.Y = true;
  offset.size = m_rows[row].size;
  if (column == kDX || column == kDY) {
    offset.DX = cell(kDX);
    offset.DY = cell(kDY);
  } else {
    const std::optional<ZcGePoint3d> n =
        PositionOf(collection->FindInSize(m_rows[NeighbourRow(row)].size));
    if (!m_rows[row].hasNeighbour || !n) {
      MessageBoxW(m_hWnd, LoadResString(kNoNeighbourMessage), kProductWord, MB_OK | MB_ICONWARNING);
      return restore();
    }
    offset.DX = n->x - base->x + cell(kDDX);
    offset.DY = n->y - base->y + cell(kDDY);
  }
  collection->ApplyOffsets({offset});
  ShowPoint(*collection);  // the same references, now moved
  m_busy = 0;
}

void Fastrelle_SizePoints_list::ActivateCell(int id) {
  const int relative = id - GetDlgCtrlID();
  if (relative < 0) return;
  if (CWnd* editor = GetCellEditor(relative / 100, relative % 100)) editor->SetFocus();
}

LRESULT Fastrelle_SizePoints_list::OnEditKillFocus(WPARAM id, LPARAM) {
  ApplyCell(static_cast<int>(id));
  return 0;
}

LRESULT Fastrelle_SizePoints_list::OnSetActive(WPARAM id, LPARAM) {
  ActivateCell(static_cast<int>(id));
  return 0;
}
