// Block table records: their entities, references, draw order and records in files.
#include "db/ZcDbBlockTableRecord.h"

#include "db/DbInternal.h"
#include "db/ZcDbBlockReference.h"
#include "db/ZcDbDictionary.h"
#include "db/ZcDbDxfFiler.h"
#include "db/ZcDbSortentsTable.h"
#include "db/ZcDbText.h"

ZCRX_DEFINE_MEMBERS(ZcDbBlockTableRecord, ZcDbSymbolTableRecord)
ZCRX_DEFINE_MEMBERS(ZcDbBlockTable, ZcDbSymbolTable)

bool ZcDbBlockTable::accepts(const ZcDbSymbolTableRecord* r) const {
  return r->isKindOf(ZcDbBlockTableRecord::desc());
}

Zcad::ErrorStatus ZcDbBlockTableRecord::setOrigin(const ZcGePoint3d& p) {
  if (!zcdb::Finite(p)) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  origin_ = p;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbBlockTableRecord::setXref(int flags, const std::wstring& path) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  xrefFlags_ = flags & (4 | 8);
  xrefPath_ = xrefFlags_ ? path : std::wstring();
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbBlockTableRecord::appendZcDbEntity(ZcDbEntity* entity) {
  ZcDbObjectId id;
  return appendZcDbEntity(id, entity);
}

Zcad::ErrorStatus ZcDbBlockTableRecord::appendZcDbEntity(ZcDbObjectId& id, ZcDbEntity* entity) {
  id.setNull();
  if (!entity) return Zcad::eNullEntityPointer;
  if (!database()) return Zcad::eNotInDatabase;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  if (entity->database()) return Zcad::eAlreadyInDb;
  Zcad::ErrorStatus es = zcdb::AddOpenForWrite(database(), entity, objectId(), id);
  if (es == Zcad::eOk) entities_.push_back(id);
  return es;
}

Zcad::ErrorStatus ZcDbBlockTableRecord::newIterator(ZcDbBlockTableRecordIterator*& it,
                                                    bool atBeginning, bool skipDeleted) const {
  ZcDbObjectIdArray ids;
  for (ZcDbObjectId e : entities_)
    if (!skipDeleted || !e.isErased()) ids.append(e);
  it = new ZcDbBlockTableRecordIterator(ids);
  it->start(atBeginning);
  return Zcad::eOk;
}

ZcDbObjectIdArray ZcDbBlockTableRecord::entityIds() const {
  ZcDbObjectIdArray ids;
  for (ZcDbObjectId e : entities_)
    if (!e.isErased()) ids.append(e);
  return ids;
}

bool ZcDbBlockTableRecord::hasAttributeDefinitions() const {
  for (ZcDbObjectId e : entities_) {
    ZcDbObject* o = zcdb::ObjectOf(e);
    if (o && !o->isErased() && o->isKindOf(ZcDbAttributeDefinition::desc())) return true;
  }
  return false;
}

Zcad::ErrorStatus ZcDbBlockTableRecord::getBlockReferenceIds(ZcDbObjectIdArray& ids, bool, bool) const {
  ZcDbDatabase* db = database();
  if (!db) return Zcad::eNotInDatabase;
  if (zcdb::Caching()) {
    for (ZcDbObjectId id : db->impl().references.ReferencesTo(db->impl(), objectId())) ids.append(id);
    return Zcad::eOk;
  }
  for (const auto& o : db->impl().slots) {
    if (o->isErased() || !o->isKindOf(ZcDbBlockReference::desc())) continue;
    auto* ref = static_cast<ZcDbBlockReference*>(o.get());
    if (ref->blockTableRecord() != objectId()) continue;
    ZcDbObject* owner = zcdb::ObjectOf(ref->ownerId());
    if (owner && !owner->isErased()) ids.append(ref->objectId());
  }
  return Zcad::eOk;
}

bool ZcDbBlockTableRecord::isLayout() const {
  std::wstring key = zcdb::FoldKey(name());
  return key == L"*MODEL_SPACE" || key.rfind(L"*PAPER_SPACE", 0) == 0;
}

Zcad::ErrorStatus ZcDbBlockTableRecord::getSortentsTable(ZcDbSortentsTable*& table,
                                                         ZcDb::OpenMode mode, bool create) {
  table = nullptr;
  if (!database()) return Zcad::eNotInDatabase;
  ZcDbObjectId dictId = extensionDictionary();
  ZcDbObjectId sortId;
  if (!dictId.isNull()) {
    auto* dict = static_cast<ZcDbDictionary*>(zcdb::ObjectOf(dictId));
    dict->getAt(L"ACAD_SORTENTS", sortId);
  }
  if (sortId.isNull()) {
    if (!create) return Zcad::eKeyNotFound;
    if (dictId.isNull()) {
      if (Zcad::ErrorStatus es = createExtensionDictionary(); es != Zcad::eOk) return es;
      dictId = extensionDictionary();
    }
    auto* sort = new ZcDbSortentsTable;
    sort->setBlockId(objectId());
    sortId = database()->impl().adopt(sort, dictId);
    static_cast<ZcDbDictionary*>(zcdb::ObjectOf(dictId))->adoptEntry(L"ACAD_SORTENTS", sortId);
  }
  return zcdbOpenObject(table, sortId, mode);
}

Zcad::ErrorStatus ZcDbBlockTableRecord::eraseBlock() {
  if (isLayout()) return Zcad::eObjectInUse;
  ZcDbObjectIdArray refs;
  getBlockReferenceIds(refs);
  if (!refs.isEmpty()) return Zcad::eObjectInUse;
  if (Zcad::ErrorStatus es = erase(true); es != Zcad::eOk) return es;
  for (ZcDbObjectId e : entities_)
    if (ZcDbObject* o = zcdb::ObjectOf(e)) o->state().erased = true;
  return Zcad::eOk;
}

// Entities placed or moved other than by appendZcDbEntity: the spatial index starts again.
void ZcDbBlockTableRecord::adoptEntity(ZcDbObjectId id) {
  entities_.push_back(id);
  if (database()) database()->impl().spatial.Forget();
  if (database() && !isLayout()) database()->impl().extents.BlocksChanged();
}
void ZcDbBlockTableRecord::forgetEntity(ZcDbObjectId id) {
  if (database()) database()->impl().spatial.Forget();
  if (database() && !isLayout()) database()->impl().extents.BlocksChanged();
  for (auto it = entities_.begin(); it != entities_.end(); ++it)
    if (*it == id) {
      entities_.erase(it);
      return;
    }
}

ZcDbObject* ZcDbBlockTableRecord::cloneObject() const {
  auto* c = new ZcDbBlockTableRecord;
  copyRecordTo(c);
  c->origin_ = origin_;
  c->xrefFlags_ = xrefFlags_;
  c->xrefPath_ = xrefPath_;
  return c;
}

// BLOCK_RECORD: the common record groups; the block's origin and entities are written in
// the BLOCKS section (BLOCK, the entities, ENDBLK) by the file writer.
void ZcDbBlockTableRecord::dxfOutFields(ZcDbDxfFiler* f) const { ZcDbSymbolTableRecord::dxfOutFields(f); }

Zcad::ErrorStatus ZcDbBlockTableRecordIterator::getEntityId(ZcDbObjectId& id) const {
  if (done()) return Zcad::eInvalidIndex;
  id = ids_.at(index_);
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbBlockTableRecordIterator::getEntity(ZcDbEntity*& entity, ZcDb::OpenMode mode,
                                                          bool openErased) const {
  entity = nullptr;
  if (done()) return Zcad::eInvalidIndex;
  return zcdbOpenZcDbEntity(entity, ids_.at(index_), mode, openErased);
}
