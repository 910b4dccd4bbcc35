// The part-set summary table.
#include "construction/PartsSetTable.h"

#include <cmath>
#include <cwchar>

#include "framework/Printer.h"
#include "framework/ResString.h"

namespace {
const UINT kTitle = 40240, kNumberTitle = 40233, kNameTitle = 40235, kMaterialTitle = 40234, kQuantityTitle = 40236,
           kModeTitle = 40237, kTotalLabel = 40239, kSingle = 40226, kVertical = 40232, kHorizontal = 40231;
const int kMiddleLeft = 4;

int Failed(const wchar_t* method, int status) {
  ZWPrinter().Print(CString(L"\nPartsSetTable::") + method);
  PrintErrorStatus(status);
  return status;
}

CString Int(int value) {
  CString text;
  text.Format(L"%i", value);
  return text;
}

// The leading integer of a cell text, 0 when it starts outside "0123456789.,-".
int CellInt(const std::wstring& text) {
  if (!text.empty() && !std::wcschr(L"0123456789.,-", text[0])) return 0;
  return static_cast<int>(std::wcstol(text.c_str(), nullptr, 10));
}
}  // namespace

CString PartsSetTable::ModeText(int type) {
  switch (type) {
    case 0: return LoadResString(kSingle);
    case 1: return LoadResString(kVertical);
    case 2: return LoadResString(kHorizontal);
    default: return CString();
  }
}

int PartsSetTable::RowCount() {
  if (Open(0) != Zcad::eOk) return 0;
  const int rows = static_cast<int>(m_table->numRows());
  Close();
  return rows;
}

int PartsSetTable::Build(const ZcGePoint3d& point, const Widths& widths, const std::vector<PartsSetRow>& rows) {
  int status = CreateWithHeader(widths);
  if (status == 0 && (status = MoveTo(point)) != 0) Failed(L"MoveTo", status);
  if (status == 0) status = AddPartRows(rows);
  if (status == 0) status = AddTotalRow();
  if (status == 0) status = ApplyHeights();
  if (status != 0) Erase();
  return status;
}

int PartsSetTable::CreateWithHeader(const Widths& widths) {
  if (int es = Create(m_owner)) return Failed(L"Create", es);
  if (int es = AppendRow()) return Failed(L"AppendRow", es);
  if (int es = InsertColumns(kColumns)) return Failed(L"InsertColumns", es);
  SetColumnWidths(widths);  // printed; the table goes on with what it could set
  if (int es = SetCellText(0, 0, LoadResString(kTitle))) return Failed(L"SetCellText", es);
  if (int es = AppendRow()) return Failed(L"AppendRow", es);
  const struct {
    int column;
    UINT title;
  } header[] = {{kNumber, kNumberTitle}, {kName, kNameTitle}, {kMaterial, kMaterialTitle},
                {kQuantity, kQuantityTitle}, {kMode, kModeTitle}};
  for (const auto& h : header)
    if (int es = SetHeaderText(h.column, LoadResString(h.title))) return Failed(L"SetHeaderText", es);
  return Merge(0, kNumber, kMode);
}

int PartsSetTable::SetColumnWidths(const Widths& w) {
  const double widths[kColumns] = {w.total * w.number, w.total * w.name, w.total * w.material, w.total * w.mode,
                                   w.total - w.total * (w.number + w.name + w.material + w.mode)};
  for (int column = 0; column < kColumns; ++column)
    if (int es = SetColumnWidth(column, widths[column])) return Failed(L"SetColumnWidth", es);
  return 0;
}

int PartsSetTable::AddPartRows(const std::vector<PartsSetRow>& rows) {
  for (const PartsSetRow& part : rows) {
    if (int es = AppendRow()) return Failed(L"AppendRow", es);
    const int r = RowCount() - 1;
    const CString texts[kColumns] = {Int(r - 1), part.name, part.material, ModeText(part.type), Int(part.quantity)};
    for (int column = 0; column < kColumns; ++column)
      if (int es = SetCellText(r, column, texts[column])) return Failed(L"SetCellText", es);
  }
  return 0;
}

int PartsSetTable::AddTotalRow() {
  const int total = Total(false);
  if (int es = AppendRow()) return Failed(L"AppendRow", es);
  const int t = RowCount() - 1;
  if (int es = Merge(t, kNumber, kMode)) return es;
  if (int es = SetCellText(t, 0, LoadResString(kTotalLabel))) return Failed(L"SetCellText", es);
  if (int es = SetCellText(t, kColumns - 1, Int(total))) return Failed(L"SetCellText", es);
  return SetAlignment(t, 0, kMiddleLeft);
}

int PartsSetTable::ApplyHeights() {
  if (int es = SetTextHeight(m_textHeight)) return Failed(L"SetTextHeight", es);
  const double rowHeight = std::trunc(1.4 * m_textHeight);
  if (!(rowHeight >= 1)) return 0;  // too small a scale: the rows keep their height
  const int rows = RowCount();
  for (int r = 0; r < rows; ++r)
    if (int es = SetRowHeight(r, rowHeight)) return Failed(L"SetRowHeight", es);
  return 0;
}

int PartsSetTable::MoveTo(const ZcGePoint3d& point) {
  if (int es = Open(1)) return es;
  const int es = m_table->setPosition(point);
  Close();
  return es;
}

int PartsSetTable::Merge(int row, int left, int right) {
  if (int es = Open(1)) return Failed(L"Merge", es);
  const int es = m_table->mergeCells(row, row, left, right);
  Close();
  return es ? Failed(L"Merge", es) : 0;
}

int PartsSetTable::SetAlignment(int row, int column, int alignment) {
  if (int es = Open(1)) return Failed(L"SetAlignment", es);
  const int es = m_table->setAlignment(row, column, alignment);
  Close();
  return es ? Failed(L"SetAlignment", es) : 0;
}

int PartsSetTable::Total(bool totalRowPresent) {
  if (Open(0) != Zcad::eOk) return 0;
  const CString vertical = LoadResString(kVertical), horizontal = LoadResString(kHorizontal);
  const int last = static_cast<int>(m_table->numRows()) - (totalRowPresent ? 2 : 1);
  int total = 0;
  for (int r = 2; r <= last; ++r) {
    const CString mode = m_table->textString(r, kMode).c_str();
    const bool pair = mode.CollateNoCase(vertical) == 0 || mode.CollateNoCase(horizontal) == 0;
    total += CellInt(m_table->textString(r, kQuantity)) * (pair ? 2 : 1);
  }
  Close();
  return total;
}

void PartsSetTable::Erase() {
  if (Open(1) != Zcad::eOk) return;
  m_table->erase();
  Close();
}
