// NameValueList from the rows of a property group (the values a dialog's grid holds).
#include "framework/NameValueList.h"

#include "mfc/CMFCPropertyGridCtrl.h"

void NameValueList::ReadFromPropertyGroup(CMFCPropertyGridProperty* group) {
  if (!group) return;
  for (int i = 0; i < group->GetSubItemsCount(); ++i) {
    CMFCPropertyGridProperty* row = group->GetSubItem(i);
    Add(row->GetName(), row->FormatProperty());
  }
  // The group itself holds no value of its own to read.
}
