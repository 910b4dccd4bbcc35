// The "ComboBox" class: its items, their data and the selection live in the window; a
// drop-down combo has an edit part (a child "Edit", id 1001) that holds the typed text,
// a drop-down list shows the selected item. The parent hears CBN_* notifications.
#include <algorithm>

#include "mfc/TextFold.h"
#include "win32/WindowRecords.h"

namespace {

struct Item {
  std::wstring text;
  LPARAM data = 0;
};
struct ComboState : platform::WindowState {
  std::vector<Item> items;
  int selection = -1;
  int itemHeight = 16, fieldHeight = 18;
};

const int kEditId = 1001;

DWORD Kind(HWND h) { return static_cast<DWORD>(GetWindowLongW(h, GWL_STYLE)) & 3; }
HWND EditPart(HWND h) { return Kind(h) == CBS_DROPDOWNLIST ? nullptr : GetDlgItem(h, kEditId); }

int Find(const ComboState& s, WPARAM after, const wchar_t* text, bool exact) {
  if (!text) return CB_ERR;
  int n = static_cast<int>(s.items.size());
  int first = static_cast<int>(static_cast<std::intptr_t>(after));
  std::wstring want = platform::ToUpper(text);
  for (int k = 1; k <= n; ++k) {
    int i = ((first < 0 ? -1 : first) + k) % n;
    std::wstring have = platform::ToUpper(s.items[static_cast<size_t>(i)].text);
    if (exact ? have == want : have.compare(0, want.size(), want) == 0) return i;
  }
  return CB_ERR;
}

void ShowSelection(HWND h, const ComboState& s) {
  std::wstring text = s.selection >= 0 ? s.items[static_cast<size_t>(s.selection)].text : L"";
  if (HWND edit = EditPart(h)) {
    SetWindowTextW(edit, text.c_str());
    SendMessageW(edit, EM_SETSEL, 0, -1);
  } else if (platform::WindowRecord* r = platform::FindWindowRecord(h)) {
    r->text = text;
  }
  InvalidateRect(h, nullptr, TRUE);
}

}  // namespace

LRESULT platform::ComboBoxProc(HWND h, UINT message, WPARAM wParam, LPARAM lParam) {
  ComboState& s = StateOf<ComboState>(h);
  int count = static_cast<int>(s.items.size());
  auto index = static_cast<int>(static_cast<std::intptr_t>(wParam));
  switch (message) {
    case WM_CREATE:
      if (Kind(h) != CBS_DROPDOWNLIST) {
        RECT client;
        GetClientRect(h, &client);
        CreateWindowExW(0, L"Edit", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 1, 1, client.right - 20,
                        s.fieldHeight - 2, h, reinterpret_cast<HMENU>(static_cast<std::intptr_t>(kEditId)), nullptr,
                        nullptr);
      }
      return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETTEXT:
      if (HWND edit = EditPart(h)) return SendMessageW(edit, message, wParam, lParam);
      return CB_ERR;  // a drop-down list shows only its items
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
      if (HWND edit = EditPart(h)) return SendMessageW(edit, message, wParam, lParam);
      break;
    case WM_SETFONT:
      if (HWND edit = EditPart(h)) SendMessageW(edit, message, wParam, lParam);
      break;
    case CB_ADDSTRING:
    case CB_INSERTSTRING: {
      Item item{lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"", 0};
      int at = count;
      if (message == CB_INSERTSTRING && index >= 0 && index <= count) at = index;
      if (message == CB_ADDSTRING && (GetWindowLongW(h, GWL_STYLE) & CBS_SORT))
        at = static_cast<int>(std::upper_bound(s.items.begin(), s.items.end(), item,
                                               [](const Item& a, const Item& b) {
                                                 return platform::ToUpper(a.text) < platform::ToUpper(b.text);
                                               }) - s.items.begin());
      s.items.insert(s.items.begin() + at, item);
      if (s.selection >= at) ++s.selection;
      return at;
    }
    case CB_DELETESTRING:
      if (index < 0 || index >= count) return CB_ERR;
      s.items.erase(s.items.begin() + index);
      if (s.selection == index) s.selection = -1;
      else if (s.selection > index) --s.selection;
      return count - 1;
    case CB_RESETCONTENT:
      s.items.clear();
      s.selection = -1;
      ShowSelection(h, s);
      return 0;
    case CB_GETCOUNT: return count;
    case CB_GETCURSEL: return s.selection;
    case CB_SETCURSEL:
      s.selection = index >= 0 && index < count ? index : -1;
      ShowSelection(h, s);
      return s.selection >= 0 ? s.selection : CB_ERR;
    case CB_GETLBTEXT:
      if (index < 0 || index >= count) return CB_ERR;
      if (lParam) {
        const std::wstring& t = s.items[static_cast<size_t>(index)].text;
        std::copy(t.begin(), t.end(), reinterpret_cast<wchar_t*>(lParam));
        reinterpret_cast<wchar_t*>(lParam)[t.size()] = 0;
      }
      return static_cast<LRESULT>(s.items[static_cast<size_t>(index)].text.size());
    case CB_GETLBTEXTLEN:
      return index >= 0 && index < count ? static_cast<LRESULT>(s.items[static_cast<size_t>(index)].text.size()) : CB_ERR;
    case CB_FINDSTRING: return Find(s, wParam, reinterpret_cast<const wchar_t*>(lParam), false);
    case CB_FINDSTRINGEXACT: return Find(s, wParam, reinterpret_cast<const wchar_t*>(lParam), true);
    case CB_SELECTSTRING: {
      int found = Find(s, wParam, reinterpret_cast<const wchar_t*>(lParam), false);
      if (found == CB_ERR) return CB_ERR;
      s.selection = found;
      ShowSelection(h, s);
      return found;
    }
    case CB_GETITEMDATA: return index >= 0 && index < count ? s.items[static_cast<size_t>(index)].data : CB_ERR;
    case CB_SETITEMDATA:
      if (index < 0 || index >= count) return CB_ERR;
      s.items[static_cast<size_t>(index)].data = lParam;
      return 0;
    case CB_GETITEMHEIGHT: return index == -1 ? s.fieldHeight : s.itemHeight;
    case CB_SETITEMHEIGHT:
      (index == -1 ? s.fieldHeight : s.itemHeight) = static_cast<int>(lParam);
      return 0;
    case CB_SHOWDROPDOWN: return TRUE;
    case CB_GETEDITSEL:
      if (HWND edit = EditPart(h)) return SendMessageW(edit, EM_GETSEL, wParam, lParam);
      return CB_ERR;
    case CB_SETEDITSEL:
      if (HWND edit = EditPart(h)) return SendMessageW(edit, EM_SETSEL, LOWORD(lParam),
                                                        static_cast<short>(HIWORD(lParam)));
      return CB_ERR;
    case CB_LIMITTEXT:
      if (HWND edit = EditPart(h)) SendMessageW(edit, EM_LIMITTEXT, wParam, 0);
      return TRUE;
    case WM_COMMAND:  // from the edit part
      if (reinterpret_cast<HWND>(lParam) == EditPart(h) && lParam) {
        switch (HIWORD(wParam)) {
          case EN_SETFOCUS: NotifyParent(h, CBN_SETFOCUS); break;
          case EN_KILLFOCUS:
            if (GetFocus() != h) NotifyParent(h, CBN_KILLFOCUS);
            break;
          case EN_CHANGE: NotifyParent(h, CBN_EDITCHANGE); break;
          case EN_UPDATE: NotifyParent(h, CBN_EDITUPDATE); break;
        }
      }
      return 0;
    case WM_SETFOCUS:
      if (HWND edit = EditPart(h)) SetFocus(edit);
      else NotifyParent(h, CBN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      if (!EditPart(h) || reinterpret_cast<HWND>(wParam) != EditPart(h)) NotifyParent(h, CBN_KILLFOCUS);
      return 0;
    case WM_LBUTTONDOWN:
      if (IsWindowEnabled(h)) SetFocus(h);
      return 0;
    case WM_KEYDOWN:
      if ((wParam == VK_UP || wParam == VK_DOWN) && count > 0) {
        int next = std::clamp(s.selection + (wParam == VK_UP ? -1 : 1), 0, count - 1);
        if (next != s.selection) {
          s.selection = next;
          ShowSelection(h, s);
          NotifyParent(h, CBN_SELCHANGE);
        }
      }
      return 0;
    case WM_ERASEBKGND:
      PaintControlBackground(h, reinterpret_cast<HDC>(wParam), WM_CTLCOLOREDIT);
      return 1;
  }
  return DefWindowProcW(h, message, wParam, lParam);
}
