// Runtime classes and the system registry.
#include "rx/ZcRxObject.h"

bool ZcRxClass::isDerivedFrom(const ZcRxClass* other) const {
  for (const ZcRxClass* c = this; c; c = c->parent_)
    if (c == other) return true;
  return false;
}

ZcRxClass* ZcRxObject::desc() {
  static ZcRxClass cls(L"ZcRxObject", nullptr);
  return &cls;
}
const ZcRxClass* ZcRxObject::isA() const { return ZcRxObject::desc(); }

ZCRX_DEFINE_MEMBERS(ZcRxDictionary, ZcRxObject)

ZcRxObject* ZcRxDictionary::at(const wchar_t* key) const {
  if (!key) return nullptr;
  auto it = entries_.find(key);
  return it == entries_.end() ? nullptr : it->second;
}

ZcRxObject* ZcRxDictionary::atPut(const wchar_t* key, ZcRxObject* obj) {
  if (!key) return nullptr;
  ZcRxObject*& slot = entries_[key];
  ZcRxObject* old = slot;
  slot = obj;
  return old;
}

ZcRxObject* ZcRxDictionary::remove(const wchar_t* key) {
  if (!key) return nullptr;
  auto it = entries_.find(key);
  if (it == entries_.end()) return nullptr;
  ZcRxObject* old = it->second;
  entries_.erase(it);
  return old;
}
