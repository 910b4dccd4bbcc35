// Layer and linetype helpers.
#include "framework/Layers.h"

#include "db/ZcDbDatabase.h"
#include "framework/Printer.h"

namespace {
ZcDbDatabase* Db(ZcDbDatabase* db) { return db ? db : zcdbHostApplicationServices()->workingDatabase(); }
}  // namespace

ZcDbLayerTableRecord* FindLayer(const CString& name, ZcDbDatabase* db) {
  db = Db(db);
  ZcDbLayerTable* table = nullptr;
  if (!db || db->getLayerTable(table, ZcDb::kForRead) != Zcad::eOk) return nullptr;
  ZcDbSymbolTableRecord* rec = nullptr;
  Zcad::ErrorStatus es = table->getAt(name, rec, ZcDb::kForRead);
  table->close();
  if (es != Zcad::eOk) return nullptr;
  rec->close();
  return static_cast<ZcDbLayerTableRecord*>(rec);
}

void GetLayerNames(CStringArray& names, ZcDbDatabase* db) {
  db = Db(db);
  ZcDbLayerTable* table = nullptr;
  if (!db || db->getLayerTable(table, ZcDb::kForRead) != Zcad::eOk) return;
  for (ZcDbObjectId id : table->recordIds()) {
    ZcDbLayerTableRecord* rec = nullptr;
    if (zcdbOpenObject(rec, id, ZcDb::kForRead) != Zcad::eOk) continue;
    names.Add(CString(rec->name()));
    rec->close();
  }
  table->close();
}

CString GetLayerRecordName(ZcDbLayerTableRecord* record) {
  if (!record) return CString();
  ZcDbLayerTableRecord* rec = nullptr;
  if (zcdbOpenObject(rec, record->objectId(), ZcDb::kForRead) != Zcad::eOk) return CString();
  CString name(rec->name());
  rec->close();
  return name;
}

int CreateLayer(const CString& name, ZcDbLayerTableRecord*& record) {
  record = nullptr;
  ZcDbDatabase* db = Db(nullptr);
  if (!db) return Zcad::eNoDatabase;
  if (FindLayer(name)) return Zcad::eAlreadyInDb;
  auto* rec = new ZcDbLayerTableRecord;
  if (!rec) return 506;
  int es = rec->setName(name);
  if (es != Zcad::eOk) {
    delete rec;
    return es;
  }
  rec->setIsFrozen(false);
  rec->setIsHidden(false);
  rec->setIsLocked(false);
  ZcDbLayerTable* table = nullptr;
  if ((es = db->getLayerTable(table, ZcDb::kForWrite)) != Zcad::eOk) {
    delete rec;
    return es;
  }
  es = table->add(rec);
  table->close();
  if (es != Zcad::eOk) {
    delete rec;
    return es;
  }
  rec->close();
  record = rec;
  return Zcad::eOk;
}

int SetLayerColorIndex(ZcDbLayerTableRecord* record, unsigned short index) {
  if (!record) return Zcad::eWrongObjectType;
  ZcCmColor color;
  color.setColorIndex(index);
  bool opened = false;
  if (!record->isWriteEnabled()) {
    ZcDbLayerTableRecord* w = nullptr;
    if (int es = zcdbOpenObject(w, record->objectId(), ZcDb::kForWrite)) return es;
    opened = true;
  }
  int es = record->setColor(color);
  if (opened) es = record->close();
  return es;
}

std::vector<ZcDbLayerTableRecord*> GetLayerRecords() {
  std::vector<ZcDbLayerTableRecord*> out;
  CStringArray names;
  GetLayerNames(names);
  for (const CString& n : names)
    if (ZcDbLayerTableRecord* r = FindLayer(n)) out.push_back(r);
  return out;
}

std::map<CString, bool> GetLayersOnState(const std::vector<ZcDbLayerTableRecord*>& records) {
  std::map<CString, bool> states;
  for (ZcDbLayerTableRecord* r : records)
    if (r) states[CString(r->name())] = !r->isOff();
  return states;
}

void SetLayersOnState(std::map<CString, bool> states) {
  for (const auto& [name, on] : states) {
    ZcDbLayerTableRecord* rec = FindLayer(name);
    ZcDbLayerTableRecord* w = nullptr;
    if (!rec || zcdbOpenObject(w, rec->objectId(), ZcDb::kForWrite) != Zcad::eOk) continue;
    w->setIsOff(!on);
    w->close();
  }
}

UIS_Linetype::UIS_Linetype(const CString& name, const CString& file) {
  Find(name);
  if (m_record) return;
  ZcDbDatabase* db = Db(nullptr);
  int es = db ? db->loadLineTypeFile(name, file) : Zcad::eNoDatabase;
  if (es != Zcad::eOk) {
    ZWPrinter().Print(L"UIS_Linetype::UIS_Linetype");
    PrintErrorStatus(es);
  }
  Find(name);
}

int UIS_Linetype::Find(const CString& name) {
  ZcDbDatabase* db = Db(nullptr);
  ZcDbLinetypeTable* table = nullptr;
  if (!db) return Zcad::eNoDatabase;
  if (int es = db->getLinetypeTable(table, ZcDb::kForRead)) return es;
  ZcDbSymbolTableRecord* rec = nullptr;
  if (table->getAt(name, rec, ZcDb::kForRead) == Zcad::eOk) {
    m_record = static_cast<ZcDbLinetypeTableRecord*>(rec);
    rec->close();
  }
  return table->close();
}
