// The templates library's drawing list.
#include "construction/Lib_Templates_lst.h"

IMPLEMENT_DYNAMIC(Lib_Templates_lst, UI_DwgListCtrl)

void Lib_Templates_lst::ShowFolder(const CString& folder) {
  CString trimmed = folder;
  trimmed.Replace(L'/', L'\\');
  trimmed.TrimRight(L'\\');
  DeleteRecords();
  DeleteAllItems();
  FillFromFolder(trimmed, L".dwg");  // a missing folder shows nothing, never its parent
}
