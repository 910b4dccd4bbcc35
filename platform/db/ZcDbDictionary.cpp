// Dictionaries (and the extension dictionary of any object): entries by case-blind key,
// ownership of their objects, and the DICTIONARY record.
#include "db/ZcDbDictionary.h"

#include "db/DbInternal.h"
#include "db/ZcDbDxfFiler.h"
#include "db/ZcDbSymbolTable.h"

ZCRX_DEFINE_MEMBERS(ZcDbDictionary, ZcDbObject)

Zcad::ErrorStatus ZcDbObject::createExtensionDictionary() {
  if (!state_->xdict.isNull() && !state_->xdict.isErased()) return Zcad::eAlreadyInDb;
  if (!state_->db) return Zcad::eNotInDatabase;
  state_->xdict = state_->db->impl().adopt(new ZcDbDictionary, objectId());
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbDictionary::getAt(const wchar_t* key, ZcDbObjectId& id) const {
  id.setNull();
  if (!key) return Zcad::eInvalidKey;
  auto it = entries_.find(zcdb::FoldKey(key));
  if (it == entries_.end() || !it->second.id.isValid() || it->second.id.isErased()) return Zcad::eKeyNotFound;
  id = it->second.id;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbDictionary::getAt(const wchar_t* key, ZcDbObject*& obj, ZcDb::OpenMode mode) const {
  obj = nullptr;
  ZcDbObjectId id;
  Zcad::ErrorStatus es = getAt(key, id);
  return es == Zcad::eOk ? zcdbOpenObject(obj, id, mode) : es;
}

bool ZcDbDictionary::has(const wchar_t* key) const {
  ZcDbObjectId id;
  return getAt(key, id) == Zcad::eOk;
}

bool ZcDbDictionary::has(ZcDbObjectId id) const {
  std::wstring key;
  return nameAt(id, key) == Zcad::eOk;
}

Zcad::ErrorStatus ZcDbDictionary::nameAt(ZcDbObjectId id, std::wstring& key) const {
  for (const auto& [folded, e] : entries_)
    if (e.id == id && !id.isErased()) {
      key = e.key;
      return Zcad::eOk;
    }
  return Zcad::eKeyNotFound;
}

Zcad::ErrorStatus ZcDbDictionary::setAt(const wchar_t* key, ZcDbObject* obj, ZcDbObjectId& id) {
  id.setNull();
  if (!key || !*key) return Zcad::eInvalidKey;
  if (!obj) return Zcad::eNullObjectPointer;
  if (!database()) return Zcad::eNotInDatabase;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  if (obj->database() && obj->database() != database()) return Zcad::eInvalidInput;
  std::wstring folded = zcdb::FoldKey(key);
  auto it = entries_.find(folded);
  if (it != entries_.end() && it->second.id == obj->objectId() && obj->database()) {
    id = obj->objectId();
    return Zcad::eOk;
  }
  if (obj->database()) {
    // a resident object moves here from the dictionary that held it
    if (auto* old = dynamic_cast<ZcDbDictionary*>(zcdb::ObjectOf(obj->ownerId()))) old->remove(obj->objectId());
    obj->state().owner = objectId();
    id = obj->objectId();
  } else if (Zcad::ErrorStatus es = zcdb::AddOpenForWrite(database(), obj, objectId(), id); es != Zcad::eOk) {
    return es;
  }
  if (it != entries_.end() && it->second.id != id) {
    if (ZcDbObject* replaced = zcdb::ObjectOf(it->second.id)) replaced->state().erased = true;
  }
  entries_[folded] = Entry{key, id};
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbDictionary::remove(const wchar_t* key) {
  ZcDbObjectId id;
  return remove(key, id);
}

Zcad::ErrorStatus ZcDbDictionary::remove(const wchar_t* key, ZcDbObjectId& removedId) {
  removedId.setNull();
  if (!key) return Zcad::eInvalidKey;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  auto it = entries_.find(zcdb::FoldKey(key));
  if (it == entries_.end()) return Zcad::eKeyNotFound;
  removedId = it->second.id;
  if (ZcDbObject* o = zcdb::ObjectOf(removedId)) o->state().owner.setNull();
  entries_.erase(it);
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbDictionary::remove(ZcDbObjectId id) {
  for (auto it = entries_.begin(); it != entries_.end(); ++it)
    if (it->second.id == id) {
      if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
      if (ZcDbObject* o = zcdb::ObjectOf(id)) o->state().owner.setNull();
      entries_.erase(it);
      return Zcad::eOk;
    }
  return Zcad::eKeyNotFound;
}

Zcad::ErrorStatus ZcDbDictionary::renameEntry(ZcDbObjectId id, const wchar_t* newKey) {
  if (!newKey || !*newKey) return Zcad::eInvalidKey;
  auto from = entries_.begin();
  while (from != entries_.end() && from->second.id != id) ++from;
  if (from == entries_.end()) return Zcad::eKeyNotFound;
  std::wstring folded = zcdb::FoldKey(newKey);
  auto to = entries_.find(folded);
  if (to != entries_.end() && to != from && to->second.id.isValid() && !to->second.id.isErased())
    return Zcad::eDuplicateKey;
  // An erased object left under the new key loses its entry, as a replaced one would.
  if (to != entries_.end() && to != from) entries_.erase(to);
  entries_.erase(from);
  entries_[folded] = Entry{newKey, id};
  return Zcad::eOk;
}

int ZcDbDictionary::numEntries() const {
  int n = 0;
  for (const auto& [folded, e] : entries_)
    if (e.id.isValid() && !e.id.isErased()) ++n;
  return n;
}

std::vector<std::pair<std::wstring, ZcDbObjectId>> ZcDbDictionary::rawEntries() const {
  std::vector<std::pair<std::wstring, ZcDbObjectId>> out;
  for (const auto& [folded, e] : entries_) out.emplace_back(e.key, e.id);
  return out;
}

const std::wstring* ZcDbDictionary::rawKeyOf(ZcDbObjectId id) const {
  for (const auto& [folded, e] : entries_)
    if (e.id == id) return &e.key;
  return nullptr;
}

ZcDbDictionaryIterator* ZcDbDictionary::newIterator() const {
  std::vector<std::pair<std::wstring, ZcDbObjectId>> live;
  for (const auto& [folded, e] : entries_)
    if (e.id.isValid() && !e.id.isErased()) live.emplace_back(e.key, e.id);
  return new ZcDbDictionaryIterator(std::move(live));
}

Zcad::ErrorStatus ZcDbDictionaryIterator::getObject(ZcDbObject*& obj, ZcDb::OpenMode mode) const {
  obj = nullptr;
  if (done()) return Zcad::eInvalidIndex;
  return zcdbOpenObject(obj, objectId(), mode);
}

Zcad::ErrorStatus ZcDbDictionary::setTreatElementsAsHard(bool hard) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  hardOwner_ = hard;
  return Zcad::eOk;
}

void ZcDbDictionary::adoptEntry(const std::wstring& key, ZcDbObjectId id) {
  entries_[zcdb::FoldKey(key)] = Entry{key, id};
}

ZcDbObject* ZcDbDictionary::cloneObject() const {
  auto* c = new ZcDbDictionary;
  c->hardOwner_ = hardOwner_;
  copyXDataTo(c);
  return c;
}

void ZcDbDictionary::translateIds(ZcDbIdTranslator&) {}

// DICTIONARY: 100 AcDbDictionary, 280 1 when hard-owning, 281 1 (duplicate records kept),
// then per live entry in key order 3 key and 350 (360 when hard-owning) the object.
void ZcDbDictionary::dxfOutFields(ZcDbDxfFiler* f) const {
  ZcDbObject::dxfOutFields(f);
  f->writeRaw(100, "AcDbDictionary");
  if (hardOwner_) f->writeInt(280, 1);
  f->writeInt(281, 1);
  for (const auto& [folded, e] : entries_) {
    if (!e.id.isValid() || e.id.isErased()) continue;
    f->writeString(3, e.key);
    f->writeObjectId(hardOwner_ ? 360 : 350, e.id);
  }
}

Zcad::ErrorStatus ZcDbDictionary::dxfInFields(ZcDbDxfFiler* f) {
  if (Zcad::ErrorStatus es = ZcDbObject::dxfInFields(f); es != Zcad::eOk) return es;
  f->seekMarker("AcDbDictionary");
  ZcDbDxfPair p;
  std::wstring key;
  while (f->next(p)) {
    switch (p.code) {
      case 280: hardOwner_ = f->toInt(p) != 0; break;
      case 3: key = f->toString(p); break;
      case 350:
      case 360: {
        ZcDbObjectId id = f->toObjectId(p);
        ZcDbObject* o = zcdb::ObjectOf(id);
        // entries naming objects this database does not keep, or objects that belong
        // elsewhere (entities, tables and their records), are left out
        if (!key.empty() && o && !o->isKindOf(ZcDbEntity::desc()) && !o->isKindOf(ZcDbSymbolTable::desc()) &&
            !o->isKindOf(ZcDbSymbolTableRecord::desc()) && id != objectId()) {
          adoptEntry(key, id);
          o->state().owner = objectId();
        }
        key.clear();
        break;
      }
      default: break;
    }
  }
  return f->hasError() ? Zcad::eBadDxfFile : Zcad::eOk;
}
