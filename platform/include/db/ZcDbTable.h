// Table entities: rows and columns of text cells with their heights and widths. The
// part-set and growth summaries are drawn as these.
#ifndef PLATFORM_DB_ZCDBTABLE_H
#define PLATFORM_DB_ZCDBTABLE_H

#include <string>
#include <vector>

#include "db/ZcDbEntity.h"

/// A new table has no rows and no columns. The position is the top-left corner; rows go
/// down (against the Y axis of the direction's plane), columns to the right along the
/// direction. Row and column indexes out of range give eInvalidIndex, never a crash.
///
/// Cells may be merged into rectangular ranges that never overlap; a range shows as one
/// cell with its first (top-left) cell's text and height. Inserting or deleting rows or
/// columns moves the ranges with their cells; a range the change cuts through is unmerged.
/// Each cell has an alignment of the host's values 1-9 (top, middle, bottom rows of left,
/// centre, right: 1 top left, 4 middle left, 9 bottom right); a new cell has 1.
class ZcDbTable : public ZcDbEntity {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbTable)
  ZcDbTable() = default;

  unsigned numRows() const { return static_cast<unsigned>(rowHeights_.size()); }
  unsigned numColumns() const { return static_cast<unsigned>(columnWidths_.size()); }
  /// Inserts `count` rows of `height` before row `at` (at == numRows appends).
  Zcad::ErrorStatus insertRows(int at, double height, int count = 1);
  Zcad::ErrorStatus insertColumns(int at, double width, int count = 1);
  Zcad::ErrorStatus deleteRows(int at, int count = 1);
  /// Merges the cells of rows top..bottom and columns left..right. eInvalidIndex when the
  /// range leaves the table, is reversed, or overlaps a range already merged.
  Zcad::ErrorStatus mergeCells(int top, int bottom, int left, int right);
  /// Unmerges every range that shares a cell with the given one; eInvalidIndex when the
  /// given range leaves the table.
  Zcad::ErrorStatus unmergeCells(int top, int bottom, int left, int right);
  /// True when the cell lies in a merged range, whose bounds are then given.
  bool isMergedCell(int row, int col, int* top = nullptr, int* bottom = nullptr, int* left = nullptr,
                    int* right = nullptr) const;
  /// The cell's alignment, 1-9; 0 for a cell outside the table.
  int alignment(int row, int col) const;
  /// eInvalidInput for a value outside 1-9.
  Zcad::ErrorStatus setAlignment(int row, int col, int alignment);
  double rowHeight(int row) const;
  double columnWidth(int col) const;
  /// eInvalidInput for a height / width that is not > 0.
  Zcad::ErrorStatus setRowHeight(int row, double h);
  Zcad::ErrorStatus setColumnWidth(int col, double w);
  std::wstring textString(int row, int col) const;
  Zcad::ErrorStatus setTextString(int row, int col, const wchar_t* text);
  double textHeight(int row, int col) const;
  Zcad::ErrorStatus setTextHeight(int row, int col, double h);
  ZcGePoint3d position() const { return position_; }
  Zcad::ErrorStatus setPosition(const ZcGePoint3d& p);
  ZcGeVector3d direction() const { return direction_; }
  double width() const;
  double height() const;

  Zcad::ErrorStatus transformBy(const ZcGeMatrix3d& m) override;
  Zcad::ErrorStatus getGeomExtents(ZcDbExtents& extents) const override;
  ZcDbObject* cloneObject() const override;
  const char* dxfName() const override { return "ACAD_TABLE"; }
  void dxfOutFields(ZcDbDxfFiler* filer) const override;
  Zcad::ErrorStatus dxfInFields(ZcDbDxfFiler* filer) override;

private:
  struct Cell {
    std::wstring text;
    double height = 2.5;
    int alignment = 1;
  };
  struct Range {
    int top, bottom, left, right;
    bool holds(int row, int col) const { return row >= top && row <= bottom && col >= left && col <= right; }
    bool meets(const Range& o) const {
      return top <= o.bottom && o.top <= bottom && left <= o.right && o.left <= right;
    }
  };
  bool validCell(int row, int col) const;
  /// Moves or drops the ranges for `count` rows (or columns) inserted (count > 0) or
  /// deleted (count < 0) at index `at`.
  void shiftRanges(bool rows, int at, int count);
  Cell& cell(int row, int col) { return cells_[static_cast<size_t>(row) * numColumns() + col]; }
  const Cell& cell(int row, int col) const { return cells_[static_cast<size_t>(row) * numColumns() + col]; }

  ZcGePoint3d position_;
  ZcGeVector3d direction_ = ZcGeVector3d::kXAxis;
  ZcGeVector3d normal_ = ZcGeVector3d::kZAxis;
  std::vector<double> rowHeights_, columnWidths_;
  std::vector<Cell> cells_;  // row-major
  std::vector<Range> merged_;
};

#endif
