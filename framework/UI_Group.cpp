// The group wrapper.
#include "framework/UI_Group.h"

#include "db/ZcDbDatabase.h"
#include "db/ZcDbDictionary.h"
#include "framework/Printer.h"

bool UI_Group::SetFromId(ZcDbObjectId id) {
  ZcDbGroup* group = nullptr;
  if (zcdbOpenObject(group, id, ZcDb::kForRead) != Zcad::eOk) return false;
  m_group = group;
  group->close();
  return true;
}

bool UI_Group::SetFromEntity(ZcDbObject* entity) {
  if (!entity) return false;
  // The persistent reactors lead the entity's data list (its first 330 groups): a group among
  // them that opens is the one the list would give, without writing the whole entity out.
  if (!entity->objectId().isErased())
    for (ZcDbObjectId reactor : entity->getPersistentReactors())
      if (reactor.objectClass() && reactor.objectClass()->isDerivedFrom(ZcDbGroup::desc()) && SetFromId(reactor))
        return true;
  ads_name name;
  zcdbGetAdsName(name, entity->objectId());
  resbuf* head = zcdbEntGet(name);
  bool found = false;
  for (resbuf* rb = head; rb && !found; rb = rb->rbnext) {
    if (rb->restype == 330) {
      ZcDbObjectId id;
      if (zcdbGetObjectId(id, rb->resval.rlname) == Zcad::eOk && id.objectClass() &&
          id.objectClass()->isDerivedFrom(ZcDbGroup::desc()))
        found = SetFromId(id);
    } else if (rb->restype == 100 && rb->resval.rstring && std::wstring(rb->resval.rstring) == L"AcDbGroup") {
      found = SetFromId(entity->objectId());
    }
  }
  zcutRelRb(head);
  return found;
}

bool UI_Group::Create(const CString& name) {
  ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
  ZcDbDictionary* dict = nullptr;
  if (!db || db->getGroupDictionary(dict, ZcDb::kForWrite) != Zcad::eOk) return false;
  ZcDbObjectId existing;
  if (dict->getAt(name, existing) == Zcad::eOk) {
    dict->close();
    return SetFromId(existing);
  }
  auto* group = new ZcDbGroup(name, true);
  ZcDbObjectId id;
  Zcad::ErrorStatus es = dict->setAt(name, group, id);
  dict->close();
  if (es != Zcad::eOk) {
    delete group;
    return false;
  }
  group->close();
  m_group = group;
  return true;
}

int UI_Group::OpenByName(const CString& name, ZcDbDatabase* db) {
  if (!db) db = zcdbHostApplicationServices()->workingDatabase();
  if (!db) return Zcad::eNoDatabase;
  ZcDbDictionary* dict = nullptr;
  int es = db->getGroupDictionary(dict, ZcDb::kForWrite);
  if (es != Zcad::eOk) return es;
  ZcDbObjectId id;
  es = dict->getAt(name, id);
  dict->close();
  if (es != Zcad::eOk) return es;
  ZcDbGroup* group = nullptr;
  es = zcdbOpenObject(group, id, ZcDb::kForRead);
  if (es != Zcad::eOk) return es;
  m_group = group;
  return group->close();
}

bool UI_Group::Append(ZcDbObjectIdArray ids) {
  if (!m_group) return false;
  ZcDbGroup* group = nullptr;
  if (zcdbOpenObject(group, m_group->objectId(), ZcDb::kForWrite) != Zcad::eOk) return false;
  for (ZcDbObjectId id : ids)
    if (id.isValid() && !group->has(id)) group->append(id);
  group->close();
  return true;
}

CString UI_Group::GetName() {
  if (!m_group) return CString();
  ZcDbGroup* group = nullptr;
  if (zcdbOpenObject(group, m_group->objectId(), ZcDb::kForRead) != Zcad::eOk) return CString();
  const wchar_t* name = group->name();
  CString out = name ? CString(name) : CString();
  group->close();
  if (!name) PrintErrorStatus(32);
  return out;
}
