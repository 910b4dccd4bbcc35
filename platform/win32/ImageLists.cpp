// Image lists: pictures of one size, kept as copies of the icons added to them. List views
// take their row height from their small image list.
#include <algorithm>

#include "win/commctrl.h"
#include "win32/GdiObjects.h"

struct IMAGELIST__ {
  int cx = 0, cy = 0;
  UINT flags = 0;
  std::vector<Picture> images;
};

namespace platform {
int ImageHeight(HIMAGELIST list) { return list ? list->cy : 0; }
}  // namespace platform

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int initial, int) {
  if (cx <= 0 || cy <= 0) return nullptr;
  auto* list = new IMAGELIST__;
  list->cx = cx;
  list->cy = cy;
  list->flags = flags;
  list->images.reserve(static_cast<size_t>(std::max(initial, 0)));
  return list;
}

BOOL ImageList_Destroy(HIMAGELIST list) {
  delete list;
  return list != nullptr;
}

int ImageList_ReplaceIcon(HIMAGELIST list, int index, HICON icon) {
  if (!list || !icon) return -1;
  Picture copy = *icon;
  if (index == -1) {
    list->images.push_back(copy);
    return static_cast<int>(list->images.size()) - 1;
  }
  if (index < 0 || index >= static_cast<int>(list->images.size())) return -1;
  list->images[static_cast<size_t>(index)] = copy;
  return index;
}

int ImageList_GetImageCount(HIMAGELIST list) { return list ? static_cast<int>(list->images.size()) : 0; }

BOOL ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy) {
  if (!list) return FALSE;
  if (cx) *cx = list->cx;
  if (cy) *cy = list->cy;
  return TRUE;
}
