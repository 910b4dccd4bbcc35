// The table wrapper.
#include "framework/ZW_Table.h"

#include "framework/ZWDrawer.h"

// Runs `work` on the table: on the one the caller holds open (Open ... Close), which is
// neither opened again nor closed here, or else opened in `mode` for this one operation.
template <class F>
int ZW_Table::WithTable(int mode, F work) {
  if (m_table) return work(m_table);
  if (int es = Open(mode)) return es;
  int es = work(m_table);
  Close();
  return es;
}

int ZW_Table::Create(ZcDbObjectId owner) {
  auto* table = new ZcDbTable;
  table->setDatabaseDefaults();
  m_status = AppendToModelSpace(table, owner);
  if (m_status != Zcad::eOk) {
    delete table;
    return m_status;
  }
  m_id = table->objectId();
  table->close();
  return m_status;
}

int ZW_Table::Open(int mode) {
  if (!m_id.isValid()) return m_status = Zcad::eNullIterator;
  if (m_table) {  // held already: one open at a time, so that Close balances it
    m_table->close();
    m_table = nullptr;
  }
  ZcDbObject* obj = nullptr;
  if ((m_status = zcdbOpenObject(obj, m_id, mode == 1 ? ZcDb::kForWrite : ZcDb::kForRead)) != Zcad::eOk)
    return m_status;
  if (!obj->isKindOf(ZcDbTable::desc())) {
    obj->close();
    return m_status = Zcad::eNotThatKindOfClass;
  }
  m_table = static_cast<ZcDbTable*>(obj);
  return Zcad::eOk;
}

int ZW_Table::Close() {
  if (!m_table) return Zcad::eNullObjectPointer;
  m_table->close();
  m_table = nullptr;
  return m_status;
}

int ZW_Table::GetColumnCount() {
  int n = -1;
  WithTable(0, [&](ZcDbTable* t) {
    n = static_cast<int>(t->numColumns());
    return static_cast<int>(Zcad::eOk);
  });
  return n;
}

int ZW_Table::SetCellText(int row, int column, const CString& text) {
  return WithTable(1, [&](ZcDbTable* t) { return static_cast<int>(t->setTextString(row, column, text)); });
}

int ZW_Table::SetColumnWidth(int column, double width) {
  int count = GetColumnCount();
  if (column < 0 || column >= count || width < 0) return Zcad::eInvalidInput;
  return WithTable(1, [&](ZcDbTable* t) { return static_cast<int>(t->setColumnWidth(column, width)); });
}

int ZW_Table::SetRowHeight(int row, double height) {
  int rows = -1;
  WithTable(0, [&](ZcDbTable* t) {
    rows = static_cast<int>(t->numRows());
    return static_cast<int>(Zcad::eOk);
  });
  if (row < 0 || row >= rows || !(height > 0)) return Zcad::eInvalidInput;
  return WithTable(1, [&](ZcDbTable* t) { return static_cast<int>(t->setRowHeight(row, height)); });
}

int ZW_Table::AppendRow() {
  return WithTable(1, [](ZcDbTable* t) { return static_cast<int>(t->insertRows(t->numRows(), 1.0, 1)); });
}

int ZW_Table::InsertColumns(int count) {
  return WithTable(1, [&](ZcDbTable* t) { return static_cast<int>(t->insertColumns(0, 1.0, count)); });
}

int ZW_Table::SetHeaderText(int column, const CString& text) { return SetCellText(1, column, text); }

int ZW_Table::SetTextHeight(double height) {
  return WithTable(1, [&](ZcDbTable* t) {
    int last = Zcad::eOk;
    for (unsigned r = 0; r < t->numRows(); ++r)
      for (unsigned c = 0; c < t->numColumns(); ++c)
        if (int es = t->setTextHeight(r, c, height)) last = es;
    return last;
  });
}
