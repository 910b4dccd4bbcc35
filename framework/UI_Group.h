// The group wrapper: a host group held closed, found from an entity, by id or by name,
// created under a name and given members. Part-in-size groups go through it.
#ifndef FRAMEWORK_UI_GROUP_H
#define FRAMEWORK_UI_GROUP_H

#include "db/ZcDbGroup.h"
#include "mfc/CString.h"

class ZcDbDatabase;
class ZcDbObject;

/// Each operation opens the group by its id, acts and closes it. Never deletes the group.
class UI_Group {
public:
  virtual ~UI_Group() = default;

  /// The group among the entity's owners (330 items), or the entity itself when it is a
  /// group (its 100 "AcDbGroup" marker); false when neither.
  bool SetFromEntity(ZcDbObject* entity);
  /// True when `id` opens for read as a group (then held).
  bool SetFromId(ZcDbObjectId id);
  /// Makes a selectable group `name` (description = name) in the working database's group
  /// dictionary. A group of that name already there is kept, members and all, and held.
  /// False when the dictionary does not open or the group cannot be stored.
  bool Create(const CString& name);
  /// The group `name` of `db` (the working database when null): the first failing status,
  /// 22 when there is no such group, else 0.
  int OpenByName(const CString& name, ZcDbDatabase* db = nullptr);
  /// Appends each valid id of `ids` not yet a member, in order: false when no group is
  /// held or it does not open for write.
  bool Append(ZcDbObjectIdArray ids);
  /// The group's name; empty without a group, and 32 printed when it has none.
  CString GetName();
  ZcDbGroup* Group() const { return m_group; }

private:
  ZcDbGroup* m_group = nullptr;
};

#endif
