// Groups: members in order with back-links from each member, and the GROUP record.
#include "db/ZcDbGroup.h"

#include "db/DbInternal.h"
#include "db/ZcDbDictionary.h"
#include "db/ZcDbDxfFiler.h"

ZCRX_DEFINE_MEMBERS(ZcDbGroup, ZcDbObject)

ZcDbGroup::ZcDbGroup(const wchar_t* description, bool selectable)
    : description_(description ? description : L""), selectable_(selectable) {}

const wchar_t* ZcDbGroup::name() const {
  auto* dict = dynamic_cast<ZcDbDictionary*>(zcdb::ObjectOf(ownerId()));
  if (!dict) return nullptr;
  const std::wstring* key = dict->rawKeyOf(objectId());
  if (!key) return nullptr;
  // A copy: the key in the dictionary goes with a rename.
  static thread_local std::wstring last;
  last = *key;
  return last.c_str();
}

Zcad::ErrorStatus ZcDbGroup::getName(std::wstring& out) const {
  const wchar_t* n = name();
  if (!n) return Zcad::eKeyNotFound;
  out = n;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbGroup::setName(const wchar_t* newName) {
  if (!newName || !*newName) return Zcad::eInvalidInput;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  auto* dict = dynamic_cast<ZcDbDictionary*>(zcdb::ObjectOf(ownerId()));
  if (!dict) return Zcad::eKeyNotFound;
  return dict->renameEntry(objectId(), newName);
}

Zcad::ErrorStatus ZcDbGroup::setDescription(const wchar_t* text) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  description_ = text ? text : L"";
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbGroup::setSelectable(bool on) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  selectable_ = on;
  return Zcad::eOk;
}

bool ZcDbGroup::has(ZcDbObjectId id) const {
  for (ZcDbObjectId m : members_)
    if (m == id && !m.isErased()) return true;
  return false;
}

Zcad::ErrorStatus ZcDbGroup::append(ZcDbObjectId id) {
  if (!database()) return Zcad::eNotInDatabase;
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  ZcDbObject* o = zcdb::ObjectOf(id);
  if (!o || id.database() != database() || !o->isKindOf(ZcDbEntity::desc())) return Zcad::eInvalidInput;
  if (o->isErased()) return Zcad::eWasErased;
  if (has(id)) return Zcad::eDuplicateKey;
  members_.push_back(id);
  o->addPersistentReactor(objectId());
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbGroup::append(const ZcDbObjectIdArray& ids) {
  for (ZcDbObjectId id : ids)
    if (Zcad::ErrorStatus es = append(id); es != Zcad::eOk) return es;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbGroup::remove(ZcDbObjectId id) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  for (auto it = members_.begin(); it != members_.end(); ++it)
    if (*it == id) {
      members_.erase(it);
      if (ZcDbObject* o = zcdb::ObjectOf(id)) o->removePersistentReactor(objectId());
      return Zcad::eOk;
    }
  return Zcad::eKeyNotFound;
}

Zcad::ErrorStatus ZcDbGroup::clear() {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  linkMembers(false);
  members_.clear();
  return Zcad::eOk;
}

namespace {
/// A member that still stands: it exists and is not erased (one lookup for both).
bool Stands(ZcDbObjectId id) {
  const ZcDbObject* o = zcdb::ObjectOf(id);
  return o && !o->isErased();
}
}  // namespace

unsigned ZcDbGroup::numEntities() const {
  unsigned n = 0;
  for (ZcDbObjectId m : members_)
    if (Stands(m)) ++n;
  return n;
}

unsigned ZcDbGroup::allEntityIds(ZcDbObjectIdArray& ids) const {
  unsigned n = 0;
  for (ZcDbObjectId m : members_)
    if (Stands(m)) ids.append(m), ++n;
  return n;
}

void ZcDbGroup::linkMembers(bool link) {
  for (ZcDbObjectId m : members_)
    if (ZcDbObject* o = zcdb::ObjectOf(m)) {
      if (link) o->addPersistentReactor(objectId());
      else o->removePersistentReactor(objectId());
    }
}

ZcDbObject* ZcDbGroup::cloneObject() const {
  auto* c = new ZcDbGroup(description_.c_str(), selectable_);
  c->anonymous_ = anonymous_;
  c->members_ = members_;
  copyXDataTo(c);
  return c;
}

void ZcDbGroup::translateIds(ZcDbIdTranslator& t) {
  std::vector<ZcDbObjectId> out;
  for (ZcDbObjectId m : members_) {
    ZcDbObjectId d = t.translate(m);
    if (!d.isNull()) out.push_back(d);
  }
  members_ = out;
}

// GROUP: 100 AcDbGroup, 300 description, 70 1 when unnamed, 71 1 when selectable, then
// 340 each live member in order.
void ZcDbGroup::dxfOutFields(ZcDbDxfFiler* f) const {
  ZcDbObject::dxfOutFields(f);
  f->writeRaw(100, "AcDbGroup");
  f->writeString(300, description_);
  f->writeInt(70, anonymous_ ? 1 : 0);
  f->writeInt(71, selectable_ ? 1 : 0);
  for (ZcDbObjectId m : members_)
    if (m.isValid() && !m.isErased()) f->writeObjectId(340, m);
}

Zcad::ErrorStatus ZcDbGroup::dxfInFields(ZcDbDxfFiler* f) {
  if (Zcad::ErrorStatus es = ZcDbObject::dxfInFields(f); es != Zcad::eOk) return es;
  f->seekMarker("AcDbGroup");
  ZcDbDxfPair p;
  while (f->next(p)) {
    switch (p.code) {
      case 300: description_ = f->toString(p); break;
      case 70: anonymous_ = f->toInt(p) != 0; break;
      case 71: selectable_ = f->toInt(p) != 0; break;
      case 340: {
        ZcDbObjectId m = f->toObjectId(p);
        ZcDbObject* o = zcdb::ObjectOf(m);
        if (o && o->isKindOf(ZcDbEntity::desc())) {
          members_.push_back(m);
          o->addPersistentReactor(objectId());
        }
        break;
      }
      default: break;
    }
  }
  return f->hasError() ? Zcad::eBadDxfFile : Zcad::eOk;
}
