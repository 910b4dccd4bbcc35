// Table entities: rows, columns and text cells, the box and the ACAD_TABLE record.
#include "db/ZcDbTable.h"

#include <algorithm>
#include <cmath>

#include "db/DbInternal.h"
#include "db/ZcDbDxfFiler.h"

ZCRX_DEFINE_MEMBERS(ZcDbTable, ZcDbEntity)

bool ZcDbTable::validCell(int row, int col) const {
  return row >= 0 && col >= 0 && row < static_cast<int>(numRows()) && col < static_cast<int>(numColumns());
}

Zcad::ErrorStatus ZcDbTable::insertRows(int at, double height, int count) {
  if (!zcdb::Finite(height)) return Zcad::eInvalidInput;
  if (at < 0 || at > static_cast<int>(numRows()) || count < 1) return Zcad::eInvalidIndex;
  if (!(height > 0)) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  rowHeights_.insert(rowHeights_.begin() + at, count, height);
  cells_.insert(cells_.begin() + static_cast<std::ptrdiff_t>(at) * numColumns(),
                static_cast<std::size_t>(count) * numColumns(), Cell());
  shiftRanges(true, at, count);
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbTable::insertColumns(int at, double width, int count) {
  if (!zcdb::Finite(width)) return Zcad::eInvalidInput;
  if (at < 0 || at > static_cast<int>(numColumns()) || count < 1) return Zcad::eInvalidIndex;
  if (!(width > 0)) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  unsigned oldCols = numColumns();
  std::vector<Cell> cells;
  cells.reserve(static_cast<std::size_t>(numRows()) * (oldCols + count));
  for (unsigned r = 0; r < numRows(); ++r)
    for (unsigned c = 0; c <= oldCols; ++c) {
      if (static_cast<int>(c) == at) cells.insert(cells.end(), count, Cell());
      if (c < oldCols) cells.push_back(cells_[r * oldCols + c]);
    }
  cells_ = std::move(cells);
  columnWidths_.insert(columnWidths_.begin() + at, count, width);
  shiftRanges(false, at, count);
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbTable::deleteRows(int at, int count) {
  if (at < 0 || count < 1 || at + count > static_cast<int>(numRows())) return Zcad::eInvalidIndex;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  rowHeights_.erase(rowHeights_.begin() + at, rowHeights_.begin() + at + count);
  auto first = cells_.begin() + static_cast<std::ptrdiff_t>(at) * numColumns();
  cells_.erase(first, first + static_cast<std::ptrdiff_t>(count) * numColumns());
  shiftRanges(true, at, -count);
  return Zcad::eOk;
}

void ZcDbTable::shiftRanges(bool rows, int at, int count) {
  std::vector<Range> kept;
  for (Range r : merged_) {
    int& lo = rows ? r.top : r.left;
    int& hi = rows ? r.bottom : r.right;
    if (count > 0) {
      if (lo >= at) {
        lo += count;
        hi += count;
      } else if (at <= hi) {
        continue;  // new rows or columns open the range: it is unmerged
      }
    } else {
      const int end = at - count;  // one past the last deleted index
      if (lo >= end) {
        lo += count;
        hi += count;
      } else if (hi >= at) {
        continue;  // the range loses cells: it is unmerged
      }
    }
    kept.push_back(r);
  }
  merged_ = std::move(kept);
}

Zcad::ErrorStatus ZcDbTable::mergeCells(int top, int bottom, int left, int right) {
  if (top > bottom || left > right || !validCell(top, left) || !validCell(bottom, right)) return Zcad::eInvalidIndex;
  const Range range{top, bottom, left, right};
  for (const Range& r : merged_)
    if (r.meets(range)) return Zcad::eInvalidIndex;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  merged_.push_back(range);
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbTable::unmergeCells(int top, int bottom, int left, int right) {
  if (top > bottom || left > right || !validCell(top, left) || !validCell(bottom, right)) return Zcad::eInvalidIndex;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  const Range range{top, bottom, left, right};
  std::erase_if(merged_, [&](const Range& r) { return r.meets(range); });
  return Zcad::eOk;
}

bool ZcDbTable::isMergedCell(int row, int col, int* top, int* bottom, int* left, int* right) const {
  for (const Range& r : merged_) {
    if (!r.holds(row, col)) continue;
    if (top) *top = r.top;
    if (bottom) *bottom = r.bottom;
    if (left) *left = r.left;
    if (right) *right = r.right;
    return true;
  }
  return false;
}

int ZcDbTable::alignment(int row, int col) const { return validCell(row, col) ? cell(row, col).alignment : 0; }

Zcad::ErrorStatus ZcDbTable::setAlignment(int row, int col, int a) {
  if (!validCell(row, col)) return Zcad::eInvalidIndex;
  if (a < 1 || a > 9) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  cell(row, col).alignment = a;
  return Zcad::eOk;
}

double ZcDbTable::rowHeight(int row) const {
  return row >= 0 && row < static_cast<int>(numRows()) ? rowHeights_[row] : 0.0;
}
double ZcDbTable::columnWidth(int col) const {
  return col >= 0 && col < static_cast<int>(numColumns()) ? columnWidths_[col] : 0.0;
}

Zcad::ErrorStatus ZcDbTable::setRowHeight(int row, double h) {
  if (!zcdb::Finite(h)) return Zcad::eInvalidInput;
  if (row < 0 || row >= static_cast<int>(numRows())) return Zcad::eInvalidIndex;
  if (!(h > 0)) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  rowHeights_[row] = h;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbTable::setColumnWidth(int col, double w) {
  if (!zcdb::Finite(w)) return Zcad::eInvalidInput;
  if (col < 0 || col >= static_cast<int>(numColumns())) return Zcad::eInvalidIndex;
  if (!(w > 0)) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  columnWidths_[col] = w;
  return Zcad::eOk;
}

std::wstring ZcDbTable::textString(int row, int col) const {
  return validCell(row, col) ? cell(row, col).text : std::wstring();
}

Zcad::ErrorStatus ZcDbTable::setTextString(int row, int col, const wchar_t* text) {
  if (!validCell(row, col)) return Zcad::eInvalidIndex;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  cell(row, col).text = text ? text : L"";
  return Zcad::eOk;
}

double ZcDbTable::textHeight(int row, int col) const {
  return validCell(row, col) ? cell(row, col).height : 0.0;
}

Zcad::ErrorStatus ZcDbTable::setTextHeight(int row, int col, double h) {
  if (!zcdb::Finite(h)) return Zcad::eInvalidInput;
  if (!validCell(row, col)) return Zcad::eInvalidIndex;
  if (!(h > 0)) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  cell(row, col).height = h;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbTable::setPosition(const ZcGePoint3d& p) {
  if (!zcdb::Finite(p)) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  position_ = p;
  return Zcad::eOk;
}

double ZcDbTable::width() const {
  double w = 0;
  for (double c : columnWidths_) w += c;
  return w;
}
double ZcDbTable::height() const {
  double h = 0;
  for (double r : rowHeights_) h += r;
  return h;
}

Zcad::ErrorStatus ZcDbTable::transformBy(const ZcGeMatrix3d& m) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  ZcGeVector3d d = direction_;
  d.transformBy(m);
  double s = d.length();
  if (s == 0) return Zcad::eInvalidInput;
  position_.transformBy(m);
  direction_ = d.normal();
  for (double& r : rowHeights_) r *= s;
  for (double& c : columnWidths_) c *= s;
  for (Cell& c : cells_) c.height *= s;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbTable::getGeomExtents(ZcDbExtents& ext) const {
  ZcGeVector3d x = direction_.normal(), down(x.y, -x.x, 0);
  ext = ZcDbExtents();
  for (double u : {0.0, width()})
    for (double v : {0.0, height()}) ext.addPoint(position_ + x * u + down * v);
  return Zcad::eOk;
}

ZcDbObject* ZcDbTable::cloneObject() const {
  auto* c = new ZcDbTable;
  c->position_ = position_;
  c->direction_ = direction_;
  c->normal_ = normal_;
  c->rowHeights_ = rowHeights_;
  c->columnWidths_ = columnWidths_;
  c->cells_ = cells_;
  c->merged_ = merged_;
  copyEntityTo(c);
  return c;
}

// ACAD_TABLE: 100 AcDbBlockReference, 10/20/30 position (the top-left corner), then
// 100 AcDbTable, 11/21/31 direction, 91 rows, 92 columns, 141 each row height, 142 each
// column width, then per cell in row order 171 1 (a text cell), 173 1 when the cell lies
// in a merged range (else 0), at a range's first cell 175 the columns and 176 the rows it
// spans, 170 the alignment (1-9), 140 text height and 1 text (3 for pieces of 250
// characters before the last). A file without 173/175/176/170 reads as unmerged cells
// aligned top left.
void ZcDbTable::dxfOutFields(ZcDbDxfFiler* f) const {
  ZcDbEntity::dxfOutFields(f);
  f->writeRaw(100, "AcDbBlockReference");
  f->writePoint3d(10, position_);
  f->writeRaw(100, "AcDbTable");
  f->writeVector3d(11, direction_);
  f->writeInt(91, numRows());
  f->writeInt(92, numColumns());
  for (double h : rowHeights_) f->writeDouble(141, h);
  for (double w : columnWidths_) f->writeDouble(142, w);
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    const Cell& c = cells_[i];
    const int row = static_cast<int>(i / numColumns()), col = static_cast<int>(i % numColumns());
    int top = 0, bottom = 0, left = 0, right = 0;
    const bool merged = isMergedCell(row, col, &top, &bottom, &left, &right);
    f->writeInt(171, 1);
    f->writeInt(173, merged ? 1 : 0);
    if (merged && row == top && col == left) {
      f->writeInt(175, right - left + 1);
      f->writeInt(176, bottom - top + 1);
    }
    f->writeInt(170, c.alignment);
    f->writeDouble(140, c.height);
    std::size_t at = 0;
    for (; c.text.size() - at > 250; at += 250) f->writeString(3, c.text.substr(at, 250));
    f->writeString(1, c.text.substr(at));
  }
}

Zcad::ErrorStatus ZcDbTable::dxfInFields(ZcDbDxfFiler* f) {
  if (Zcad::ErrorStatus es = ZcDbEntity::dxfInFields(f); es != Zcad::eOk) return es;
  f->seekMarker("AcDbBlockReference");
  ZcDbDxfPair p;
  while (f->next(p))
    if (p.code == 10) position_ = f->toPoint3d(p);
  f->seekMarker("AcDbTable");
  long long rows = 0, cols = 0;
  struct Span {
    long long cols = 0, rows = 0;
    int line = 0;
  };
  std::vector<Span> spans;  // one per cell
  while (f->next(p)) {
    switch (p.code) {
      case 11: direction_ = f->toVector3d(p).normal(); break;
      case 91: rows = f->toInt(p); break;
      case 92: cols = f->toInt(p); break;
      case 141: rowHeights_.push_back(f->toDouble(p)); break;
      case 142: columnWidths_.push_back(f->toDouble(p)); break;
      case 171: cells_.emplace_back(); spans.emplace_back(); break;
      case 175:
      case 176:
        if (spans.empty()) break;
        (p.code == 175 ? spans.back().cols : spans.back().rows) = f->toInt(p);
        if (spans.back().line == 0) spans.back().line = p.line;  // the span's first line
        break;
      case 170:
        if (!cells_.empty()) {
          const long long a = f->toInt(p);
          cells_.back().alignment = a >= 1 && a <= 9 ? static_cast<int>(a) : 1;  // else top left
        }
        break;
      case 140: if (!cells_.empty()) cells_.back().height = f->toDouble(p); break;
      case 3: if (!cells_.empty()) cells_.back().text += f->toString(p); break;
      case 1: if (!cells_.empty()) cells_.back().text += f->toString(p); break;
      default: break;
    }
  }
  if (rows < 0 || cols < 0 || static_cast<long long>(rowHeights_.size()) != rows ||
      static_cast<long long>(columnWidths_.size()) != cols ||
      static_cast<long long>(cells_.size()) != rows * cols) {
    f->setError(0, L"a table whose rows, columns and cells do not agree");
    rowHeights_.clear();
    columnWidths_.clear();
    cells_.clear();
  }
  for (std::size_t i = 0; i < cells_.size() && !f->hasError(); ++i) {
    const Span& s = spans[i];
    if (s.cols == 0 && s.rows == 0) continue;
    const long long top = static_cast<long long>(i) / cols, left = static_cast<long long>(i) % cols;
    // spans are checked against the table before any sum, so no huge value overflows
    if (s.cols < 0 || s.rows < 0 || s.rows > rows - top || s.cols > cols - left) {
      f->setError(s.line, L"a merged table range that reaches outside the table");
      continue;
    }
    const Range range{static_cast<int>(top), static_cast<int>(top + std::max(s.rows, 1LL) - 1),
                      static_cast<int>(left), static_cast<int>(left + std::max(s.cols, 1LL) - 1)};
    if (std::any_of(merged_.begin(), merged_.end(), [&](const Range& r) { return r.meets(range); })) {
      f->setError(s.line, L"a merged table range that overlaps another");
    } else {
      merged_.push_back(range);
    }
  }
  if (f->hasError()) merged_.clear();
  return f->hasError() ? Zcad::eBadDxfFile : Zcad::eOk;
}
