// Reading and writing part records.
#include "construction/PartRecords.h"

#include <cstdint>

#include "db/ZcDbDatabase.h"
#include "db/ZcDbDictionary.h"
#include "db/ZcDbSymbolTable.h"
#include "db/ZcDbXrecord.h"
#include "db/ZcResBuf.h"
#include "ed/ErrorStatus.h"
#include "ed/ResultBuffer.h"

namespace {
const wchar_t* const kDictionary = L"Fastrelle";
const wchar_t* const kApplication = L"FastrellePart";

ZcDbDatabase* Resolve(ZcDbDatabase* db) { return db ? db : zcdbHostApplicationServices()->workingDatabase(); }

/// The "Fastrelle" dictionary's id; null when missing (made when `make`).
ZcDbObjectId PartsDictionary(ZcDbDatabase* db, bool make) {
  ZcDbObjectId id;
  if (!db) return id;
  ZcDbDictionary* named = nullptr;
  if (db->getNamedObjectsDictionary(named, make ? ZcDb::kForWrite : ZcDb::kForRead) != Zcad::eOk) return id;
  if (named->getAt(kDictionary, id) != Zcad::eOk && make) {
    auto* dict = new ZcDbDictionary();
    if (named->setAt(kDictionary, dict, id) == Zcad::eOk) dict->close();
    else delete dict, id.setNull();
  }
  named->close();
  return id;
}

ZcDbObjectId RecordId(ZcDbDatabase* db, const CString& name) {
  ZcDbObjectId id;
  ZcDbDictionary* dict = nullptr;
  if (name.IsEmpty() || zcdbOpenObject(dict, PartsDictionary(db, false), ZcDb::kForRead) != Zcad::eOk) return id;
  dict->getAt(name, id);
  dict->close();
  return id;
}

/// A 16-bit value of a 1070 or 1071 item; false for another code.
bool ReadShort(const resbuf* item, int& value) {
  if (!item) return false;
  if (item->restype == 1070) value = item->resval.rint;
  else if (item->restype == 1071) value = static_cast<std::int16_t>(static_cast<std::uint16_t>(item->resval.rlong & 0xFFFF));
  else return false;
  return true;
}

resbuf* Item(int code) { return zcutNewRb(code); }
}  // namespace

std::vector<CString> PartRecordNames(ZcDbDatabase* db) {
  std::vector<CString> names;
  ZcDbDictionary* dict = nullptr;
  if (zcdbOpenObject(dict, PartsDictionary(Resolve(db), false), ZcDb::kForRead) != Zcad::eOk) return names;
  ZcDbDictionaryIterator* it = dict->newIterator();
  for (; !it->done(); it->next()) names.push_back(it->name());
  delete it;
  dict->close();
  return names;
}

CString FindPartRecordKey(ZcDbDatabase* db, const CString& name) {
  for (const CString& key : PartRecordNames(db))
    if (key.CompareNoCase(name) == 0) return key;
  return CString();
}

bool ReadPartRecord(ZcDbDatabase* db, const CString& name, int& type, int& quantity) {
  ZcDbObject* record = nullptr;
  if (zcdbOpenObject(record, RecordId(Resolve(db), name), ZcDb::kForRead) != Zcad::eOk) return false;
  resbuf* head = record->xData(kApplication);
  record->close();
  bool ok = true;
  if (head && head->rbnext) {
    const resbuf* item = head->rbnext->rbnext;  // past the application and the name
    ok = ReadShort(item, type) && ReadShort(item->rbnext, quantity);
  }
  zcutRelRb(head);
  return ok;
}

int WritePartRecord(ZcDbDatabase* db, const CString& name, int type, int quantity) {
  db = Resolve(db);
  if (name.IsEmpty() || !db) return Zcad::eInvalidInput;
  zcdbRegApp(kApplication);
  ZcDbDictionary* dict = nullptr;
  if (int es = zcdbOpenObject(dict, PartsDictionary(db, true), ZcDb::kForWrite)) return es;
  ZcDbObject* record = nullptr;
  int es = dict->getAt(name, record, ZcDb::kForWrite);
  if (es != Zcad::eOk) {
    auto* made = new ZcDbXrecord();
    ZcDbObjectId id;
    es = dict->setAt(name, made, id);
    if (es != Zcad::eOk) delete made;
    else record = made;
  }
  dict->close();
  if (!record) return es;
  resbuf* head = Item(1001);
  head->resval.rstring = zcutDupString(kApplication);
  resbuf* text = head->rbnext = Item(1000);
  text->resval.rstring = zcutDupString(name);
  resbuf* typeItem = text->rbnext = Item(1071);
  typeItem->resval.rlong = type;
  typeItem->rbnext = Item(1071);
  typeItem->rbnext->resval.rlong = quantity;
  es = record->setXData(head);
  record->close();
  zcutRelRb(head);
  return es;
}

void DeletePartRecords(ZcDbDatabase* db, const CString& name) {
  ZcDbDictionary* dict = nullptr;
  if (zcdbOpenObject(dict, PartsDictionary(Resolve(db), false), ZcDb::kForWrite) != Zcad::eOk) return;
  std::vector<CString> keys;
  ZcDbDictionaryIterator* it = dict->newIterator();
  for (; !it->done(); it->next())
    if (CString(it->name()).CompareNoCase(name) == 0) keys.push_back(it->name());
  delete it;
  for (const CString& key : keys) {
    ZcDbObjectId id;
    if (dict->remove(key, id) != Zcad::eOk) continue;
    ZcDbObject* record = nullptr;
    if (zcdbOpenObject(record, id, ZcDb::kForWrite) == Zcad::eOk) record->erase(), record->close();
  }
  dict->close();
}
