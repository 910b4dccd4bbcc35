// Text styles. The current style and size are the drawing's TEXTSTYLE and TEXTSIZE
// settings, read where the host keeps them.
#include "framework/ZWTextStyle.h"

#include "db/ZcDbDatabase.h"

int ZWTextStyle::FindByName(const CString& name) {
  ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
  if (!db) return m_status = Zcad::eNoDatabase;
  ZcDbTextStyleTable* table = nullptr;
  if ((m_status = db->getTextStyleTable(table, ZcDb::kForRead)) != Zcad::eOk) return m_status;
  Zcad::ErrorStatus found = table->getAt(name, m_id);
  int closed = table->close();
  if (found != Zcad::eOk) return m_status = 33;
  return m_status = closed;
}

int ZWTextStyle::Open() {
  if (!m_id.isValid()) return m_status = Zcad::eNullIterator;
  ZcDbObject* obj = nullptr;
  if ((m_status = zcdbOpenObject(obj, m_id, ZcDb::kForRead)) != Zcad::eOk) return m_status;
  if (!obj->isKindOf(ZcDbTextStyleTableRecord::desc())) {
    obj->close();
    return m_status = Zcad::eIllegalEntityType;
  }
  m_record = static_cast<ZcDbTextStyleTableRecord*>(obj);
  return m_status = Zcad::eOk;
}

ZcDbObjectId CurrentTextStyleId() {
  ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
  return db ? db->textstyle() : ZcDbObjectId();
}

double DefaultTextHeight() {
  ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
  if (!db) return 2.5;
  double size = -1;
  ZcDbTextStyleTableRecord* style = nullptr;
  if (zcdbOpenObject(style, db->textstyle(), ZcDb::kForRead) == Zcad::eOk) {
    size = style->textSize();
    style->close();
  }
  return size > 0 ? size : db->textsize();
}
