// Named sub-dictionaries.
#include "framework/UI_Dictionary.h"

#include "db/ZcDbDatabase.h"
#include "framework/Printer.h"

bool UI_Dictionary::CheckDatabase() {
  if (!m_database) m_database = zcdbHostApplicationServices()->workingDatabase();
  if (m_database) return true;
  ZWPrinter().Print(L"ERROR: UI_Dictionary falied to open database");
  return false;
}

UI_Dictionary::UI_Dictionary(const CString& name, ZcDbDatabase* db) : m_database(db) {
  if (!CheckDatabase()) return;
  ZcDbDictionary* nod = nullptr;
  if (m_database->getNamedObjectsDictionary(nod, ZcDb::kForWrite) != Zcad::eOk) return;
  ZcDbObject* entry = nullptr;
  Zcad::ErrorStatus es = nod->getAt(name, entry, ZcDb::kForRead);
  if (es == Zcad::eKeyNotFound) {
    auto* dict = new ZcDbDictionary;
    ZcDbObjectId id;
    if (nod->setAt(name, dict, id) == Zcad::eOk) {
      m_dictionary = dict;
      dict->close();
    } else {
      delete dict;
    }
  } else if (es == Zcad::eOk) {
    if (entry->isKindOf(ZcDbDictionary::desc())) m_dictionary = static_cast<ZcDbDictionary*>(entry);
    entry->close();
  }
  nod->close();
}
