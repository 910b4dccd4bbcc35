// Runtime classes and the host's system registry: the objects that modules look up by
// name ("DynamicLinker", "ZCAD_REGISTERED_COMMANDS") and check by class before use.
#ifndef PLATFORM_RX_ZCRXOBJECT_H
#define PLATFORM_RX_ZCRXOBJECT_H

#include <map>
#include <string>

/// A runtime class: a name and a parent, for `isDerivedFrom` checks across modules.
class ZcRxClass {
public:
  ZcRxClass(const wchar_t* name, const ZcRxClass* parent) : name_(name), parent_(parent) {}
  const wchar_t* name() const { return name_; }
  const ZcRxClass* myParent() const { return parent_; }
  /// True when this class is `other` or descends from it.
  bool isDerivedFrom(const ZcRxClass* other) const;

private:
  const wchar_t* name_;
  const ZcRxClass* parent_;
};

/// Declares a class's runtime-class accessors; define them with ZCRX_DEFINE_MEMBERS.
#define ZCRX_DECLARE_MEMBERS(CLASS)            \
  static ZcRxClass* desc();                    \
  const ZcRxClass* isA() const override;

#define ZCRX_DEFINE_MEMBERS(CLASS, PARENT)                                   \
  ZcRxClass* CLASS::desc() {                                                 \
    static ZcRxClass cls(L## #CLASS, PARENT::desc());                        \
    return &cls;                                                             \
  }                                                                          \
  const ZcRxClass* CLASS::isA() const { return CLASS::desc(); }

/// The root of every object the host hands out by name.
class ZcRxObject {
public:
  virtual ~ZcRxObject() = default;
  static ZcRxClass* desc();
  virtual const ZcRxClass* isA() const;
  bool isKindOf(const ZcRxClass* cls) const { return isA()->isDerivedFrom(cls); }
};

/// A dictionary of named objects. It does not own what it holds.
class ZcRxDictionary : public ZcRxObject {
public:
  ZCRX_DECLARE_MEMBERS(ZcRxDictionary)
  /// The object stored under `key`, or null.
  ZcRxObject* at(const wchar_t* key) const;
  /// Stores `obj` under `key`; returns the object it replaced, or null.
  ZcRxObject* atPut(const wchar_t* key, ZcRxObject* obj);
  /// Removes `key`; returns the object that was stored, or null.
  ZcRxObject* remove(const wchar_t* key);

private:
  std::map<std::wstring, ZcRxObject*> entries_;
};

/// The host's system registry.
ZcRxDictionary* zcrxSysRegistry();

#endif
