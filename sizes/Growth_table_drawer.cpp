// The growth table.
#include "sizes/Growth_table_drawer.h"

#include <algorithm>
#include <vector>

#include "db/ZcDbEntity.h"
#include "ed/ErrorStatus.h"
#include "framework/ResString.h"
#include "framework/ZW_Table.h"
#include "sizes/Fastrelle_Sizes.h"

namespace {
const UINT kSizeTitle = 43116, kDifferenceTitle = 43117;
const double kTextHeight = 2.5;
// A character's width in text heights and the margin round a cell's text: enough for the
// digits and the Polish titles of the table.
const double kCharWidth = 0.8, kMargin = 1.5;

void Erase(ZcDbObjectId id) {
  ZcDbEntity* e = nullptr;
  if (zcdbOpenObject(e, id, ZcDb::kForWrite) != Zcad::eOk) return;
  e->erase();
  e->close();
}

/// Writes the cells into the table (held open) and fits columns and rows to them.
int Fill(ZW_Table& table, const std::vector<std::vector<CString>>& rows) {
  const int columns = static_cast<int>(rows.front().size());
  if (int es = table.InsertColumns(columns)) return es;
  std::vector<int> widest(columns, 1);
  for (size_t r = 0; r < rows.size(); ++r) {
    if (int es = table.AppendRow()) return es;
    for (int c = 0; c < columns; ++c) {
      if (int es = table.SetCellText(static_cast<int>(r), c, rows[r][c])) return es;
      widest[c] = std::max(widest[c], rows[r][c].GetLength());
    }
  }
  if (int es = table.SetTextHeight(kTextHeight)) return es;
  for (int c = 0; c < columns; ++c)
    if (int es = table.SetColumnWidth(c, widest[c] * kCharWidth * kTextHeight + 2 * kMargin)) return es;
  for (size_t r = 0; r < rows.size(); ++r)
    if (int es = table.SetRowHeight(static_cast<int>(r), kTextHeight + 2 * kMargin)) return es;
  return 0;
}

}  // namespace

std::vector<std::vector<CString>> Growth_table_drawer::Rows() {
  std::vector<std::vector<CString>> rows;
  rows.push_back({LoadResString(kSizeTitle), L"+", L"+", LoadResString(kDifferenceTitle)});
  Fastrelle_Sizes_ZW sizes;
  sizes.LoadFromLayers();
  for (const Fastrelle_Size& size : sizes.Sizes()) {
    m_size = sizes.Find(size.GetName());
    double first = FirstLength(), second = SecondLength();
    rows.push_back({size.GetName(), Format(first), Format(second), Format(first - second)});
  }
  return rows;
}

int Growth_table_drawer::Draw() {
  std::vector<std::vector<CString>> rows = Rows();
  if (rows.size() < 2) return Zcad::eWrongObjectType;  // no size: no table
  ZW_Table table;
  if (int es = table.Create()) return es;
  int es = table.Open(1);
  if (es == 0) {
    es = Fill(table, rows);
    table.Close();
  }
  if (es != 0) {
    Erase(table.Id());
    return es;
  }
  m_ids.append(table.Id());
  return 0;
}
