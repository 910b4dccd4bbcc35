// Copying objects between databases: wblockCloneObjects and inserting a whole drawing as a
// block. A copy brings what it refers to - layers, linetypes, text styles, block
// definitions (with their entities), registered applications of its XData - unless the
// destination has a record of that name already (it is then used as it is).
#include <set>

#include "db/DbInternal.h"
#include "db/ZcDbBlockReference.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDictionary.h"
#include "db/ZcDbText.h"

bool ZcDbIdMapping::compute(ZcDbObjectId key, ZcDbObjectId& value) const {
  for (const Pair& p : pairs_)
    if (p.key == key) {
      value = p.value;
      return true;
    }
  value.setNull();
  return false;
}

namespace {

// Whether the contents of block `from` reach block `to` through their references
// (`from` == `to` included). A stack and a set of the blocks met: cycles end the walk.
bool Reaches(ZcDbObjectId from, ZcDbObjectId to) {
  std::vector<ZcDbObjectId> stack{from};
  std::set<ZcDbObjectId> met{from};
  while (!stack.empty()) {
    ZcDbObjectId block = stack.back();
    stack.pop_back();
    if (block == to) return true;
    auto* btr = dynamic_cast<ZcDbBlockTableRecord*>(zcdb::ObjectOf(block));
    if (!btr) continue;
    for (ZcDbObjectId e : btr->entityIds())
      if (auto* ref = dynamic_cast<ZcDbBlockReference*>(zcdb::ObjectOf(e)))
        if (met.insert(ref->blockTableRecord()).second) stack.push_back(ref->blockTableRecord());
  }
  return false;
}

class Cloner : public ZcDbIdTranslator {
public:
  Cloner(ZcDbDatabase* src, ZcDbDatabase* dst, ZcDbIdMapping& mapping)
      : src_(src), dst_(dst), d_(dst->impl()), mapping_(mapping) {
    mapping_.setDestDb(dst);
  }

  ZcDbObjectId translate(ZcDbObjectId s) override {
    if (s.isNull() || s.database() != src_) return s;
    ZcDbObjectId done;
    if (mapping_.compute(s, done)) return done;
    ZcDbObject* o = zcdb::ObjectOf(s);
    if (o && o->isKindOf(ZcDbSymbolTableRecord::desc())) return cloneRecord(static_cast<ZcDbSymbolTableRecord*>(o));
    return ZcDbObjectId();  // what a copy refers to beyond records is not followed
  }

  ZcDbObjectId tableFor(const ZcDbObject* rec) const {
    if (rec->isKindOf(ZcDbLayerTableRecord::desc())) return dst_->layerTableId();
    if (rec->isKindOf(ZcDbLinetypeTableRecord::desc())) return dst_->linetypeTableId();
    if (rec->isKindOf(ZcDbTextStyleTableRecord::desc())) return dst_->textStyleTableId();
    if (rec->isKindOf(ZcDbRegAppTableRecord::desc())) return dst_->regAppTableId();
    if (rec->isKindOf(ZcDbViewTableRecord::desc())) return dst_->viewTableId();
    return dst_->blockTableId();
  }

  ZcDbObjectId cloneRecord(ZcDbSymbolTableRecord* rec) {
    ZcDbObjectId tableId = tableFor(rec);
    auto* table = d_.objectAs<ZcDbSymbolTable>(tableId);
    ZcDbObjectId existing;
    if (table->getAt(rec->name().c_str(), existing) == Zcad::eOk) {
      mapping_.assign({rec->objectId(), existing, false});
      return existing;
    }
    return cloneRecordAs(rec, rec->name());
  }

  // A copy of the record under `name` (free in the destination). A block's copy is mapped
  // before its entities are copied, so a block met again while they are is not copied twice.
  ZcDbObjectId cloneRecordAs(ZcDbSymbolTableRecord* rec, const std::wstring& name) {
    ZcDbObjectId tableId = tableFor(rec);
    auto* table = d_.objectAs<ZcDbSymbolTable>(tableId);
    auto* copy = static_cast<ZcDbSymbolTableRecord*>(rec->cloneObject());
    if (name != rec->name()) copy->setName(name.c_str());
    ZcDbObjectId id = d_.adopt(copy, tableId);
    table->adoptRecord(id);
    mapping_.assign({rec->objectId(), id, true});
    copy->translateIds(*this);
    registerApps(copy);
    if (auto* btr = dynamic_cast<ZcDbBlockTableRecord*>(rec))
      for (ZcDbObjectId e : btr->entityIds()) cloneEntityInto(e, static_cast<ZcDbBlockTableRecord*>(copy));
    return id;
  }

  ZcDbObjectId cloneEntityInto(ZcDbObjectId srcId, ZcDbBlockTableRecord* btr) {
    auto* ent = static_cast<ZcDbEntity*>(zcdb::ObjectOf(srcId));
    if (!ent) return ZcDbObjectId();
    auto* copy = static_cast<ZcDbEntity*>(ent->cloneObject());
    if (!copy) return ZcDbObjectId();
    copy->translateIds(*this);
    if (auto* ref = dynamic_cast<ZcDbBlockReference*>(copy); ref && Reaches(ref->blockTableRecord(), btr->objectId())) {
      delete copy;  // the block would hold itself
      refused_ = true;
      return ZcDbObjectId();
    }
    registerApps(copy);
    ZcDbObjectId id = d_.adopt(copy, btr->objectId());
    btr->adoptEntity(id);
    copy->onAddedToDatabase();
    mapping_.assign({srcId, id, true});
    if (auto* ref = dynamic_cast<ZcDbBlockReference*>(ent)) {
      ZcDbObjectIdArray from = ref->attributeIds();
      ZcDbObjectIdArray to = static_cast<ZcDbBlockReference*>(copy)->attributeIds();
      for (int i = 0; i < from.length() && i < to.length(); ++i) {
        mapping_.assign({from[i], to[i], true});
        registerApps(zcdb::ObjectOf(to[i]));
      }
    }
    return id;
  }

  ZcDbObjectId cloneObjectInto(ZcDbObjectId srcId, ZcDbDictionary* dict) {
    ZcDbObject* o = zcdb::ObjectOf(srcId);
    std::wstring key;
    auto* srcDict = dynamic_cast<ZcDbDictionary*>(zcdb::ObjectOf(o->ownerId()));
    if (!srcDict || srcDict->nameAt(srcId, key) != Zcad::eOk) return ZcDbObjectId();
    ZcDbObjectId existing;
    if (dict->getAt(key.c_str(), existing) == Zcad::eOk) {
      mapping_.assign({srcId, existing, false});
      return existing;
    }
    ZcDbObject* copy = o->cloneObject();
    if (!copy) return ZcDbObjectId();
    copy->translateIds(*this);
    registerApps(copy);
    ZcDbObjectId id = d_.adopt(copy, dict->objectId());
    dict->adoptEntry(key, id);
    mapping_.assign({srcId, id, true});
    if (auto* sub = dynamic_cast<ZcDbDictionary*>(o))
      for (auto& [k, e] : sub->rawEntries())
        if (!e.isErased()) cloneObjectInto(e, static_cast<ZcDbDictionary*>(copy));
    return id;
  }

  // The applications of a copy's XData are registered in the destination.
  void registerApps(ZcDbObject* obj) {
    if (!obj) return;
    auto* apps = d_.objectAs<ZcDbSymbolTable>(dst_->regAppTableId());
    for (const ZcDbXDataApp& a : obj->state().xdata) {
      if (apps->has(a.app.c_str())) continue;
      auto* r = new ZcDbRegAppTableRecord;
      r->setName(a.app.c_str());
      apps->adoptRecord(d_.adopt(r, apps->objectId()));
    }
  }

  /// Whether a reference was left out because its block would have held itself.
  bool refused() const { return refused_; }

private:
  bool refused_ = false;
  ZcDbDatabase* src_;
  ZcDbDatabase* dst_;
  ZcDbDatabaseImpl& d_;
  ZcDbIdMapping& mapping_;
};

}  // namespace

Zcad::ErrorStatus ZcDbDatabase::wblockCloneObjects(const ZcDbObjectIdArray& ids, ZcDbObjectId owner,
                                                   ZcDbIdMapping& mapping,
                                                   ZcDb::DuplicateRecordCloning, bool) {
  ZcDbDatabase* dst = owner.database();
  if (!dst) return Zcad::eInvalidInput;
  for (ZcDbObjectId id : ids)
    if (id.database() != this) return Zcad::eInvalidInput;
  ZcDbObject* ownerObj = zcdb::ObjectOf(owner);
  Cloner cloner(this, dst, mapping);
  for (ZcDbObjectId id : ids) {
    if (id.isErased()) continue;
    ZcDbObject* o = zcdb::ObjectOf(id);
    ZcDbObjectId done;
    if (mapping.compute(id, done)) continue;
    if (o->isKindOf(ZcDbSymbolTableRecord::desc())) {
      cloner.cloneRecord(static_cast<ZcDbSymbolTableRecord*>(o));
    } else if (o->isKindOf(ZcDbEntity::desc())) {
      auto* btr = dynamic_cast<ZcDbBlockTableRecord*>(ownerObj);
      if (!btr) return Zcad::eWrongObjectType;
      cloner.cloneEntityInto(id, btr);
    } else {
      auto* dict = dynamic_cast<ZcDbDictionary*>(ownerObj);
      if (!dict) return Zcad::eWrongObjectType;
      cloner.cloneObjectInto(id, dict);
    }
  }
  return cloner.refused() ? Zcad::eInvalidInput : Zcad::eOk;
}

Zcad::ErrorStatus ZcDbDatabase::insert(ZcDbObjectId& blockId, const wchar_t* blockName,
                                       ZcDbDatabase* source, bool) {
  blockId.setNull();
  if (!source || source == this) return Zcad::eInvalidInput;
  if (!ZcDbSymbolTableRecord::isValidName(blockName)) return Zcad::eInvalidSymbolTableName;
  auto* table = impl_->objectAs<ZcDbSymbolTable>(impl_->blockTable);
  if (table->has(blockName)) return Zcad::eDuplicateRecordName;
  auto* btr = new ZcDbBlockTableRecord;
  btr->setName(blockName);
  btr->setOrigin(source->insbase());
  blockId = impl_->adopt(btr, impl_->blockTable);
  table->adoptRecord(blockId);
  ZcDbIdMapping mapping;
  Cloner cloner(source, this, mapping);
  // A block of the source named as the new block is its own block, not the new one: it is
  // copied under the name with the first free suffix ("Name$1"), so that nothing of it is
  // lost and the new block cannot come to hold itself.
  auto* sourceBlocks = source->impl().objectAs<ZcDbSymbolTable>(source->blockTableId());
  std::wstring key = zcdb::FoldKey(blockName);
  for (ZcDbObjectId id : sourceBlocks->recordIds()) {
    auto* rec = source->impl().objectAs<ZcDbBlockTableRecord>(id);
    if (rec->isErased() || zcdb::FoldKey(rec->name()) != key) continue;
    std::wstring fresh;
    for (int n = 1; fresh.empty() || table->has(fresh.c_str()); ++n) {
      std::wstring suffix = L"$" + std::to_wstring(n);
      fresh = std::wstring(blockName).substr(0, 255 - suffix.size()) + suffix;  // names hold 255 at most
    }
    cloner.cloneRecordAs(rec, fresh);
  }
  auto* model = source->impl().objectAs<ZcDbBlockTableRecord>(source->modelSpaceId());
  for (ZcDbObjectId e : model->entityIds()) cloner.cloneEntityInto(e, btr);
  return Zcad::eOk;
}
