// The "SysHeader32" class: the column headings of a list view. Its items (text, width,
// format) live in the window; they sit side by side from x = 0, 20 pixels high. The parent
// (the list) hears HDN_ITEMCLICK, HDN_BEGINTRACK (non-zero stops a drag) and HDN_ENDTRACK.
#include <algorithm>
#include <cstring>

#include "win/commctrl.h"
#include "win32/WindowRecords.h"

namespace {

struct HeaderItem {
  std::wstring text;
  int width = 0, format = 0;
  LPARAM param = 0;
};
struct HeaderState : platform::WindowState {
  std::vector<HeaderItem> items;
};

void CopyText(const std::wstring& text, HDITEMW* item) {
  if (!item->pszText || item->cchTextMax <= 0) return;
  size_t n = std::min(text.size(), static_cast<size_t>(item->cchTextMax - 1));
  std::wmemcpy(item->pszText, text.c_str(), n);
  item->pszText[n] = 0;
}

void Apply(HeaderItem& to, const HDITEMW* from) {
  if (from->mask & HDI_TEXT) to.text = from->pszText ? from->pszText : L"";
  if (from->mask & HDI_WIDTH) to.width = std::max(from->cxy, 0);
  if (from->mask & HDI_FORMAT) to.format = from->fmt;
  if (from->mask & HDI_LPARAM) to.param = from->lParam;
}

}  // namespace

namespace platform {

LRESULT HeaderProc(HWND h, UINT message, WPARAM wParam, LPARAM lParam) {
  HeaderState& s = StateOf<HeaderState>(h);
  int count = static_cast<int>(s.items.size());
  int index = static_cast<int>(static_cast<std::intptr_t>(wParam));
  switch (message) {
    case HDM_GETITEMCOUNT: return count;
    case HDM_INSERTITEMW: {
      auto* item = reinterpret_cast<const HDITEMW*>(lParam);
      if (!item) return -1;
      int at = std::clamp(index, 0, count);
      HeaderItem added;
      Apply(added, item);
      s.items.insert(s.items.begin() + at, added);
      InvalidateRect(h, nullptr, TRUE);
      return at;
    }
    case HDM_DELETEITEM:
      if (index < 0 || index >= count) return FALSE;
      s.items.erase(s.items.begin() + index);
      InvalidateRect(h, nullptr, TRUE);
      return TRUE;
    case HDM_GETITEMW: {
      auto* item = reinterpret_cast<HDITEMW*>(lParam);
      if (!item || index < 0 || index >= count) return FALSE;
      const HeaderItem& it = s.items[static_cast<size_t>(index)];
      if (item->mask & HDI_TEXT) CopyText(it.text, item);
      if (item->mask & HDI_WIDTH) item->cxy = it.width;
      if (item->mask & HDI_FORMAT) item->fmt = it.format;
      if (item->mask & HDI_LPARAM) item->lParam = it.param;
      return TRUE;
    }
    case HDM_SETITEMW: {
      auto* item = reinterpret_cast<const HDITEMW*>(lParam);
      if (!item || index < 0 || index >= count) return FALSE;
      Apply(s.items[static_cast<size_t>(index)], item);
      InvalidateRect(h, nullptr, TRUE);
      if (HWND list = GetParent(h)) InvalidateRect(list, nullptr, TRUE);
      return TRUE;
    }
    case HDM_GETITEMRECT: {
      auto* rect = reinterpret_cast<RECT*>(lParam);
      if (!rect || index < 0 || index >= count) return FALSE;
      int left = 0;
      for (int i = 0; i < index; ++i) left += s.items[static_cast<size_t>(i)].width;
      RECT client;
      GetClientRect(h, &client);
      *rect = {left, 0, left + s.items[static_cast<size_t>(index)].width, client.bottom};
      return TRUE;
    }
  }
  return DefWindowProcW(h, message, wParam, lParam);
}

}  // namespace platform
