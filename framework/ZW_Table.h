// The table entity wrapper the part-set and growth summaries are drawn with.
#ifndef FRAMEWORK_ZW_TABLE_H
#define FRAMEWORK_ZW_TABLE_H

#include "db/ZcDbTable.h"
#include "mfc/CString.h"

/// Holds the table by id. While the caller holds it open (Open, then Close), every
/// operation works on that open table; otherwise each opens it and closes it again. An
/// operation that writes to a table held open for read gets the host's refusal.
class ZW_Table {
public:
  virtual ~ZW_Table() = default;
  /// A new table in the block record `owner` (model space when null); deleted when it
  /// cannot be added. The status is kept and returned.
  int Create(ZcDbObjectId owner = ZcDbObjectId());
  /// 600 for an invalid id; the open status; 34 (closed again) when it is no table. A
  /// table held open already is closed first and opened again in `mode`.
  int Open(int mode);
  /// 15 when nothing is open; else closes, forgets the pointer and returns the last status.
  int Close();
  /// -1 when the table does not open.
  int GetColumnCount();
  int SetCellText(int row, int column, const CString& text);
  /// 3 for a column outside the table or a negative width.
  int SetColumnWidth(int column, double width);
  /// 3 for a row outside the table or a height that is not above 0.
  int SetRowHeight(int row, double height);
  /// One row of height 1 after the last.
  int AppendRow();
  /// `count` columns of width 1 at column 0.
  int InsertColumns(int count);
  /// The text of row 1 (the row under the title) in `column`.
  int SetHeaderText(int column, const CString& text);
  /// Every cell's text height; the last non-zero status.
  int SetTextHeight(double height);
  ZcDbObjectId Id() const { return m_id; }

protected:
  ZcDbObjectId m_id;
  ZcDbTable* m_table = nullptr;
  int m_status = 0;

private:
  template <class F>
  int WithTable(int mode, F work);
};

#endif
