// Dictionaries: objects that own other objects under names (the named-objects dictionary,
// the group dictionary, the system's own sub-dictionaries, extension dictionaries).
#ifndef PLATFORM_DB_ZCDBDICTIONARY_H
#define PLATFORM_DB_ZCDBDICTIONARY_H

#include <map>
#include <string>

#include "db/ZcDbObject.h"

class ZcDbDictionaryIterator;

/// Keys compare without regard to case and keep the case they were stored with; iteration
/// runs in key order. Entries whose object is erased are left out of lookups and iteration.
class ZcDbDictionary : public ZcDbObject {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbDictionary)
  ZcDbDictionary() = default;

  /// eKeyNotFound (22) when there is no live entry of that key.
  Zcad::ErrorStatus getAt(const wchar_t* key, ZcDbObjectId& id) const;
  Zcad::ErrorStatus getAt(const wchar_t* key, ZcDbObject*& obj, ZcDb::OpenMode mode) const;
  bool has(const wchar_t* key) const;
  bool has(ZcDbObjectId id) const;
  /// The key of the entry holding `id`; eKeyNotFound when none does.
  Zcad::ErrorStatus nameAt(ZcDbObjectId id, std::wstring& key) const;
  /// Stores `obj` under `key` (the dictionary open for write and resident; eInvalidKey for
  /// an empty key). A new object becomes resident here, left open for write for the caller
  /// to close; a resident one changes owner. An entry already under the key is replaced
  /// and its object erased.
  Zcad::ErrorStatus setAt(const wchar_t* key, ZcDbObject* obj, ZcDbObjectId& id);
  /// Removes the entry (the object stays, without owner); eKeyNotFound when absent.
  Zcad::ErrorStatus remove(const wchar_t* key);
  Zcad::ErrorStatus remove(const wchar_t* key, ZcDbObjectId& removedId);
  Zcad::ErrorStatus remove(ZcDbObjectId id);
  int numEntries() const;
  /// An iterator in key order (the caller deletes it).
  ZcDbDictionaryIterator* newIterator() const;
  bool isHardOwner() const { return hardOwner_; }
  Zcad::ErrorStatus setTreatElementsAsHard(bool hard);

  ZcDbObject* cloneObject() const override;
  const char* dxfName() const override { return "DICTIONARY"; }
  void dxfOutFields(ZcDbDxfFiler* filer) const override;
  Zcad::ErrorStatus dxfInFields(ZcDbDxfFiler* filer) override;
  void translateIds(ZcDbIdTranslator& translator) override;
  /// Internal: all entries, erased ones included, in key order.
  std::vector<std::pair<std::wstring, ZcDbObjectId>> rawEntries() const;
  /// Internal: the key of the first entry in key order holding `id`, erased or not; null
  /// when none does. Valid while the entries stay as they are.
  const std::wstring* rawKeyOf(ZcDbObjectId id) const;
  void adoptEntry(const std::wstring& key, ZcDbObjectId id);
  /// Internal: gives the entry holding `id` the key `newKey`, for an object renaming
  /// itself (groups). eDuplicateKey when another live entry has that key regardless of
  /// case, eKeyNotFound when no entry holds `id`.
  Zcad::ErrorStatus renameEntry(ZcDbObjectId id, const wchar_t* newKey);

private:
  struct Entry {
    std::wstring key;
    ZcDbObjectId id;
  };
  std::map<std::wstring, Entry> entries_;  // keyed by the case-folded key
  bool hardOwner_ = false;
};

class ZcDbDictionaryIterator {
public:
  explicit ZcDbDictionaryIterator(std::vector<std::pair<std::wstring, ZcDbObjectId>> entries)
      : entries_(std::move(entries)) {}
  bool done() const { return index_ >= entries_.size(); }
  bool next() { ++index_; return !done(); }
  const wchar_t* name() const { return done() ? L"" : entries_[index_].first.c_str(); }
  ZcDbObjectId objectId() const { return done() ? ZcDbObjectId() : entries_[index_].second; }
  Zcad::ErrorStatus getObject(ZcDbObject*& obj, ZcDb::OpenMode mode) const;

private:
  std::vector<std::pair<std::wstring, ZcDbObjectId>> entries_;
  std::size_t index_ = 0;
};

#endif
