// Groups: named, ordered sets of entities, kept in the group dictionary under their name.
// A pattern piece in one size is a group.
#ifndef PLATFORM_DB_ZCDBGROUP_H
#define PLATFORM_DB_ZCDBGROUP_H

#include <string>
#include <vector>

#include "db/ZcDbObject.h"

/// A group's members, in the order they were appended. Each member names the group among
/// its persistent reactors (so its data list shows the group as a 330 item); erased members
/// are left out of every answer; erasing the group drops those back-links.
class ZcDbGroup : public ZcDbObject {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbGroup)
  ZcDbGroup() = default;
  ZcDbGroup(const wchar_t* description, bool selectable = true);

  /// The key of the group in the dictionary that owns it; null when it is in none.
  const wchar_t* name() const;
  Zcad::ErrorStatus getName(std::wstring& name) const;
  /// Renames the group's entry in the dictionary that owns it (the group open for write):
  /// eInvalidInput for an empty name, eDuplicateKey when another entry holds the name
  /// regardless of case (a change of letter case alone is allowed), eKeyNotFound when no
  /// dictionary holds the group. Members and their back-links stay.
  Zcad::ErrorStatus setName(const wchar_t* name);
  std::wstring description() const { return description_; }
  Zcad::ErrorStatus setDescription(const wchar_t* text);
  bool isSelectable() const { return selectable_; }
  Zcad::ErrorStatus setSelectable(bool on);
  bool isAnonymous() const { return anonymous_; }

  /// Appends an entity of the group's database (the group resident and open for write):
  /// eDuplicateKey when it is a member already, eInvalidInput for an id of another
  /// database or of no entity, eWasErased for an erased one.
  Zcad::ErrorStatus append(ZcDbObjectId id);
  Zcad::ErrorStatus append(const ZcDbObjectIdArray& ids);
  Zcad::ErrorStatus remove(ZcDbObjectId id);
  Zcad::ErrorStatus clear();
  bool has(ZcDbObjectId id) const;
  unsigned numEntities() const;
  /// The live members' ids in order.
  unsigned allEntityIds(ZcDbObjectIdArray& ids) const;

  ZcDbObject* cloneObject() const override;
  const char* dxfName() const override { return "GROUP"; }
  void dxfOutFields(ZcDbDxfFiler* filer) const override;
  Zcad::ErrorStatus dxfInFields(ZcDbDxfFiler* filer) override;
  void translateIds(ZcDbIdTranslator& translator) override;
  /// Internal: drops the back-links when the group is erased, restores them when unerased.
  void linkMembers(bool link);

private:
  std::wstring description_;
  bool selectable_ = true, anonymous_ = false;
  std::vector<ZcDbObjectId> members_;
};

#endif
