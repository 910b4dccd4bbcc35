// The "SysListView32" class: rows of texts (one per column), item data, images and states
// live in the window; columns live in its header child. Report view: header 20 pixels high,
// rows max(17, small image height) high, columns from x = 0 less the horizontal scroll.
// Icon view: items in rows across the client width at the icon spacing. The parent hears
// LVN_ITEMCHANGED, NM_CLICK, NM_DBLCLK, LVN_COLUMNCLICK, label edits and the header's
// notifications; scripted actions ("cell", "select", "dblclick", "labeledit", "header")
// arrive as WM_HEADLESS_ACTION.
#include <algorithm>
#include <cstring>

#include "mfc/DialogSystem.h"
#include "win/commctrl.h"
#include "win32/WindowRecords.h"

namespace platform {
int ImageHeight(HIMAGELIST list);
}  // namespace platform

namespace {

struct Row {
  std::vector<std::wstring> texts;
  LPARAM param = 0;
  int image = -1;
  UINT state = 0;
};
struct ListState : platform::WindowState {
  std::vector<Row> rows;
  int mark = -1;
  DWORD exStyle = 0;
  HIMAGELIST normal = nullptr, small = nullptr;
  SIZE spacing{75, 75};
  int scrollX = 0;
};

const int kHeaderHeight = 20;

ListState& S(HWND h) { return platform::StateOf<ListState>(h); }
HWND Header(HWND h) { return GetDlgItem(h, 0); }
bool Report(HWND h) { return (GetWindowLongW(h, GWL_STYLE) & LVS_TYPEMASK) == LVS_REPORT; }
int Columns(HWND h) { return static_cast<int>(SendMessageW(Header(h), HDM_GETITEMCOUNT, 0, 0)); }

int ColumnWidth(HWND h, int c) {
  HDITEMW item{};
  item.mask = HDI_WIDTH;
  return SendMessageW(Header(h), HDM_GETITEMW, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&item)) ? item.cxy : 0;
}
std::wstring ColumnText(HWND h, int c) {
  wchar_t buf[260] = {};
  HDITEMW item{};
  item.mask = HDI_TEXT;
  item.pszText = buf;
  item.cchTextMax = 260;
  SendMessageW(Header(h), HDM_GETITEMW, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&item));
  return buf;
}

int RowHeight(HWND h) { return std::max(17, platform::ImageHeight(S(h).small)); }
int Top(HWND h) { return Report(h) && !(GetWindowLongW(h, GWL_STYLE) & LVS_NOCOLUMNHEADER) ? kHeaderHeight : 0; }

RECT ItemRect(HWND h, int i) {
  ListState& s = S(h);
  if (Report(h)) {
    int width = 0;
    for (int c = 0; c < Columns(h); ++c) width += ColumnWidth(h, c);
    int top = Top(h) + i * RowHeight(h);
    return {-s.scrollX, top, width - s.scrollX, top + RowHeight(h)};
  }
  RECT client;
  GetClientRect(h, &client);
  int perRow = std::max<int>(1, client.right / std::max<LONG>(1, s.spacing.cx));
  LONG left = (i % perRow) * s.spacing.cx, top = (i / perRow) * s.spacing.cy;
  return {left, top, left + s.spacing.cx, top + s.spacing.cy};
}

RECT CellRect(HWND h, int i, int c) {
  RECT r = ItemRect(h, i);
  if (!Report(h)) return r;
  int left = -S(h).scrollX;
  for (int k = 0; k < c; ++k) left += ColumnWidth(h, k);
  return {left, r.top, left + ColumnWidth(h, c), r.bottom};
}

// The row and column under a point of the client area; -1 when none.
void HitTest(HWND h, POINT p, int& row, int& col) {
  row = col = -1;
  for (int i = 0; i < static_cast<int>(S(h).rows.size()); ++i) {
    RECT r = ItemRect(h, i);
    if (p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom) row = i;
  }
  if (row < 0) return;
  col = 0;
  if (Report(h))
    for (int c = 0; c < Columns(h); ++c) {
      RECT r = CellRect(h, row, c);
      if (p.x >= r.left && p.x < r.right) col = c;
    }
}

LRESULT Notify(HWND h, UINT code, int item, int sub, UINT newState = 0, UINT oldState = 0, POINT at = {0, 0}) {
  NMITEMACTIVATE n{};
  n.hdr.code = code;
  n.iItem = item;
  n.iSubItem = sub;
  n.uNewState = newState;
  n.uOldState = oldState;
  n.uChanged = newState != oldState ? LVIF_STATE : 0;
  n.ptAction = at;
  if (item >= 0 && item < static_cast<int>(S(h).rows.size())) n.lParam = S(h).rows[static_cast<size_t>(item)].param;
  return platform::NotifyParent(h, n.hdr);
}

void SetState(HWND h, int i, UINT state, UINT mask) {
  ListState& s = S(h);
  if (i < 0 || i >= static_cast<int>(s.rows.size())) return;
  UINT old = s.rows[static_cast<size_t>(i)].state;
  UINT now = (old & ~mask) | (state & mask);
  if (now == old) return;
  s.rows[static_cast<size_t>(i)].state = now;
  InvalidateRect(h, nullptr, TRUE);
  Notify(h, LVN_ITEMCHANGED, i, 0, now, old);
}

// Selects row `i` as a click does: alone, or added to the selection (Ctrl).
void Select(HWND h, int i, bool add) {
  if (!add || (GetWindowLongW(h, GWL_STYLE) & LVS_SINGLESEL))
    for (int k = 0; k < static_cast<int>(S(h).rows.size()); ++k)
      if (k != i) SetState(h, k, 0, LVIS_SELECTED | LVIS_FOCUSED);
  SetState(h, i, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  S(h).mark = i;
}

void CopyText(const std::wstring& text, LPWSTR out, int size) {
  if (!out || size <= 0) return;
  size_t n = std::min(text.size(), static_cast<size_t>(size - 1));
  std::wmemcpy(out, text.c_str(), n);
  out[n] = 0;
}

std::wstring CellText(HWND h, int i, int c) {
  const Row& r = S(h).rows[static_cast<size_t>(i)];
  return c < static_cast<int>(r.texts.size()) ? r.texts[static_cast<size_t>(c)] : L"";
}

void SetCellText(HWND h, int i, int c, const std::wstring& text) {
  Row& r = S(h).rows[static_cast<size_t>(i)];
  if (static_cast<int>(r.texts.size()) <= c) r.texts.resize(static_cast<size_t>(c) + 1);
  r.texts[static_cast<size_t>(c)] = text;
  InvalidateRect(h, nullptr, TRUE);
}

bool DeleteRow(HWND h, int i) {
  ListState& s = S(h);
  if (i < 0 || i >= static_cast<int>(s.rows.size())) return false;
  Notify(h, LVN_DELETEITEM, i, 0);
  ListState& after = S(h);
  if (i >= static_cast<int>(after.rows.size())) return false;
  after.rows.erase(after.rows.begin() + i);
  if (after.mark == i) after.mark = -1;
  else if (after.mark > i) --after.mark;
  InvalidateRect(h, nullptr, TRUE);
  return true;
}

std::vector<std::wstring> FirstCells(HWND h) {
  std::vector<std::wstring> out;
  for (int i = 0; i < static_cast<int>(S(h).rows.size()); ++i) out.push_back(CellText(h, i, 0));
  return out;
}

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// The scripted actions only a list can take.
void Act(HWND h, platform::ControlAction& a) {
  auto row = [&](size_t k) { return k < a.args.size() ? platform::FindItem(FirstCells(h), a.args[k]) : -1; };
  auto column = [&](size_t k) {
    if (k >= a.args.size()) return 0;
    int c = -1;
    if (!platform::ReadActionNumber(a.args[k], c) || c < 0) return -1;
    return c < std::max(1, Columns(h)) ? c : -1;
  };
  if (a.verb == L"select") {
    std::wstring item = a.rest;
    bool add = !item.empty() && item[0] == L'+';
    int i = platform::FindItem(FirstCells(h), add ? item.substr(1) : item);
    if (i < 0) {
      a.refusal = L"no row \"" + item + L"\"";
      return;
    }
    SetFocus(h);
    Select(h, i, add);
    return;
  }
  if (a.verb == L"header") {
    int c = column(0);
    if (c < 0 || a.args.size() < 2) {
      a.refusal = L"no such column";
      return;
    }
    NMHEADERW n{};
    n.iItem = c;
    if (a.args[1] == L"click") {
      n.hdr.code = HDN_ITEMCLICKW;
      platform::NotifyParent(Header(h), n.hdr);
      return;
    }
    int width = -1;
    if (a.args[1] != L"width" || a.args.size() < 3 || !platform::ReadActionNumber(a.args[2], width) || width < 0) {
      a.refusal = L"a header takes click or width <pixels>";
      return;
    }
    HDITEMW item{};
    item.mask = HDI_WIDTH;
    item.cxy = width;
    n.pitem = &item;
    n.hdr.code = HDN_BEGINTRACKW;
    if (platform::NotifyParent(Header(h), n.hdr)) {
      a.refusal = L"the list keeps its column widths";
      return;
    }
    SendMessageW(Header(h), HDM_SETITEMW, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&item));
    n.hdr.code = HDN_ENDTRACKW;
    platform::NotifyParent(Header(h), n.hdr);
    return;
  }
  int i = row(0), c = column(1);
  if (i < 0 || c < 0) {
    a.refusal = L"no such cell";
    return;
  }
  a.point = Centre(CellRect(h, i, c));
  if (a.verb == L"labeledit") {
    if (c != 0 || !(GetWindowLongW(h, GWL_STYLE) & LVS_EDITLABELS)) {
      a.refusal = L"no editor over the cell";
      return;
    }
    std::wstring old = CellText(h, i, 0), typed = a.rest;
    NMLVDISPINFOW d{};
    d.hdr.code = LVN_BEGINLABELEDITW;
    d.item.iItem = i;
    d.item.mask = LVIF_TEXT;
    d.item.pszText = old.data();
    if (platform::NotifyParent(h, d.hdr)) {
      a.refusal = L"the list refused the edit";
      return;
    }
    d.hdr.code = LVN_ENDLABELEDITW;
    d.item.pszText = typed.data();
    if (platform::NotifyParent(h, d.hdr) && i < static_cast<int>(S(h).rows.size())) SetCellText(h, i, 0, a.rest);
  }
}

std::wstring Describe(HWND h) {
  std::wstring out = Report(h) ? L"list:" : L"list (icons):";
  for (int c = 0; c < Columns(h); ++c)
    out += (c ? L" | " : L" ") + ColumnText(h, c) + L" (" + std::to_wstring(ColumnWidth(h, c)) + L")";
  platform::WindowRecord* r = platform::FindWindowRecord(h);
  for (int i = 0; i < static_cast<int>(S(h).rows.size()); ++i) {
    out += L"\n    " + std::to_wstring(i) + ((S(h).rows[static_cast<size_t>(i)].state & LVIS_SELECTED) ? L" (selected):" : L":");
    int cols = Report(h) ? std::max(1, Columns(h)) : 1;
    for (int c = 0; c < cols; ++c) {
      out += (c ? L" |" : L"") + (CellText(h, i, c).empty() ? L"" : L" " + CellText(h, i, c));
      RECT cell = CellRect(h, i, c);
      for (HWND child : r ? r->children : std::vector<HWND>{}) {
        platform::WindowRecord* cr = platform::FindWindowRecord(child);
        if (!cr || child == Header(h) || !(cr->style & WS_VISIBLE)) continue;
        POINT p{cr->rect.left + 1, cr->rect.top + 1};  // a drop-down reaches below its cell
        if (p.x >= cell.left && p.x < cell.right && p.y >= cell.top && p.y < cell.bottom)
          out += L" [" + platform::DescribeCellWindow(child) + L"]";
      }
    }
  }
  return out;
}

}  // namespace

namespace platform {

LRESULT ListViewProc(HWND h, UINT message, WPARAM wParam, LPARAM lParam) {
  int index = static_cast<int>(static_cast<std::intptr_t>(wParam));
  int count = static_cast<int>(S(h).rows.size());
  auto valid = [&](int i) { return i >= 0 && i < count; };
  switch (message) {
    case WM_CREATE: {
      RECT client;
      GetClientRect(h, &client);
      DWORD style = WS_CHILD | (Report(h) && !(GetWindowLongW(h, GWL_STYLE) & LVS_NOCOLUMNHEADER) ? WS_VISIBLE : 0);
      CreateWindowExW(0, L"SysHeader32", L"", style, 0, 0, client.right, kHeaderHeight, h, nullptr, nullptr, nullptr);
      return 0;
    }
    case WM_HEADLESS_DESCRIBE: *reinterpret_cast<std::wstring*>(lParam) = Describe(h); return TRUE;
    case WM_HEADLESS_ACTION: Act(h, *reinterpret_cast<ControlAction*>(lParam)); return TRUE;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_NOTIFY: {  // from the header: passed on to the list's parent
      auto* n = reinterpret_cast<NMHDR*>(lParam);
      if (n->hwndFrom != Header(h)) return 0;
      HWND parent = GetParent(h);
      LRESULT r = parent ? SendMessageW(parent, WM_NOTIFY, 0, lParam) : 0;
      if (n->code == HDN_ITEMCLICKW || n->code == HDN_ITEMCLICKA)
        Notify(h, LVN_COLUMNCLICK, -1, reinterpret_cast<NMHEADERW*>(lParam)->iItem);
      return r;
    }
    case LVM_GETHEADER: return reinterpret_cast<LRESULT>(Header(h));
    case LVM_SETIMAGELIST: {
      HIMAGELIST& slot = index == LVSIL_SMALL ? S(h).small : S(h).normal;
      HIMAGELIST old = slot;
      slot = reinterpret_cast<HIMAGELIST>(lParam);
      InvalidateRect(h, nullptr, TRUE);
      return reinterpret_cast<LRESULT>(old);
    }
    case LVM_GETIMAGELIST: return reinterpret_cast<LRESULT>(index == LVSIL_SMALL ? S(h).small : S(h).normal);
    case LVM_GETITEMCOUNT: return count;
    case LVM_INSERTITEMW: {
      auto* item = reinterpret_cast<const LVITEMW*>(lParam);
      if (!item || item->iSubItem != 0 || item->iItem < 0) return -1;
      Row row;
      if (item->mask & LVIF_TEXT) row.texts.push_back(item->pszText ? item->pszText : L"");
      if (item->mask & LVIF_PARAM) row.param = item->lParam;
      if (item->mask & LVIF_IMAGE) row.image = item->iImage;
      if (item->mask & LVIF_STATE) row.state = item->state & item->stateMask;
      int at = std::min(item->iItem, count);
      S(h).rows.insert(S(h).rows.begin() + at, row);
      if (S(h).mark >= at) ++S(h).mark;
      InvalidateRect(h, nullptr, TRUE);
      return at;
    }
    case LVM_SETITEMW:
    case LVM_GETITEMW: {
      auto* item = reinterpret_cast<LVITEMW*>(lParam);
      if (!item || !valid(item->iItem)) return FALSE;
      Row& row = S(h).rows[static_cast<size_t>(item->iItem)];
      if (message == LVM_GETITEMW) {
        if (item->mask & LVIF_TEXT) CopyText(CellText(h, item->iItem, item->iSubItem), item->pszText, item->cchTextMax);
        if (item->mask & LVIF_PARAM) item->lParam = row.param;
        if (item->mask & LVIF_IMAGE) item->iImage = row.image;
        if (item->mask & LVIF_STATE) item->state = row.state & item->stateMask;
        return TRUE;
      }
      if (item->mask & LVIF_PARAM) row.param = item->lParam;
      if (item->mask & LVIF_IMAGE) row.image = item->iImage;
      if (item->mask & LVIF_TEXT) SetCellText(h, item->iItem, item->iSubItem, item->pszText ? item->pszText : L"");
      if (item->mask & LVIF_STATE) SetState(h, item->iItem, item->state, item->stateMask);
      return TRUE;
    }
    case LVM_GETITEMTEXTW: {
      auto* item = reinterpret_cast<LVITEMW*>(lParam);
      if (!item || !valid(index)) return 0;
      std::wstring t = CellText(h, index, item->iSubItem);
      CopyText(t, item->pszText, item->cchTextMax);
      return static_cast<LRESULT>(std::min<size_t>(t.size(), item->cchTextMax > 0 ? item->cchTextMax - 1 : 0));
    }
    case LVM_SETITEMTEXTW: {
      auto* item = reinterpret_cast<const LVITEMW*>(lParam);
      if (!item || !valid(index) || item->iSubItem < 0) return FALSE;
      SetCellText(h, index, item->iSubItem, item->pszText ? item->pszText : L"");
      return TRUE;
    }
    case LVM_SETITEMSTATE: {
      auto* item = reinterpret_cast<const LVITEMW*>(lParam);
      if (!item) return FALSE;
      if (index == -1)
        for (int i = 0; i < count; ++i) SetState(h, i, item->state, item->stateMask);
      else if (valid(index)) SetState(h, index, item->state, item->stateMask);
      else return FALSE;
      return TRUE;
    }
    case LVM_GETITEMSTATE: return valid(index) ? S(h).rows[static_cast<size_t>(index)].state & static_cast<UINT>(lParam) : 0;
    case LVM_GETNEXTITEM:
      for (int i = index + 1; i < count; ++i)
        if ((S(h).rows[static_cast<size_t>(i)].state & static_cast<UINT>(lParam)) == static_cast<UINT>(lParam)) return i;
      return -1;
    case LVM_GETSELECTEDCOUNT:
      return std::count_if(S(h).rows.begin(), S(h).rows.end(), [](const Row& r) { return (r.state & LVIS_SELECTED) != 0; });
    case LVM_GETSELECTIONMARK: return S(h).mark;
    case LVM_SETSELECTIONMARK: {
      int old = S(h).mark;
      S(h).mark = valid(static_cast<int>(lParam)) ? static_cast<int>(lParam) : -1;
      return old;
    }
    case LVM_DELETEITEM: return DeleteRow(h, index);
    case LVM_DELETEALLITEMS:
      while (!S(h).rows.empty())
        if (!DeleteRow(h, static_cast<int>(S(h).rows.size()) - 1)) break;
      S(h).mark = -1;
      return TRUE;
    case LVM_INSERTCOLUMNW: {
      auto* col = reinterpret_cast<const LVCOLUMNW*>(lParam);
      if (!col) return -1;
      HDITEMW item{};
      item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
      item.pszText = (col->mask & LVCF_TEXT) ? col->pszText : nullptr;
      item.cxy = (col->mask & LVCF_WIDTH) ? col->cx : 0;
      item.fmt = (col->mask & LVCF_FMT) ? col->fmt : 0;
      int at = static_cast<int>(SendMessageW(Header(h), HDM_INSERTITEMW, wParam, reinterpret_cast<LPARAM>(&item)));
      for (Row& r : S(h).rows)
        if (at > 0 && at < static_cast<int>(r.texts.size())) r.texts.insert(r.texts.begin() + at, L"");
      return at;
    }
    case LVM_DELETECOLUMN:
      if (!SendMessageW(Header(h), HDM_DELETEITEM, wParam, 0)) return FALSE;
      for (Row& r : S(h).rows)
        if (index < static_cast<int>(r.texts.size())) r.texts.erase(r.texts.begin() + index);
      return TRUE;
    case LVM_GETCOLUMNW: {
      auto* col = reinterpret_cast<LVCOLUMNW*>(lParam);
      if (!col || index < 0 || index >= Columns(h)) return FALSE;
      if (col->mask & LVCF_WIDTH) col->cx = ColumnWidth(h, index);
      if (col->mask & LVCF_TEXT) CopyText(ColumnText(h, index), col->pszText, col->cchTextMax);
      return TRUE;
    }
    case LVM_GETCOLUMNWIDTH: return ColumnWidth(h, index);
    case LVM_SETCOLUMNWIDTH: {
      HDITEMW item{};
      item.mask = HDI_WIDTH;
      item.cxy = static_cast<int>(lParam) < 0 ? 100 : static_cast<int>(lParam);
      return SendMessageW(Header(h), HDM_SETITEMW, wParam, reinterpret_cast<LPARAM>(&item));
    }
    case LVM_SETEXTENDEDLISTVIEWSTYLE: {
      DWORD old = S(h).exStyle, mask = wParam ? static_cast<DWORD>(wParam) : 0xFFFFFFFFu;
      S(h).exStyle = (old & ~mask) | (static_cast<DWORD>(lParam) & mask);
      return old;
    }
    case LVM_GETEXTENDEDLISTVIEWSTYLE: return S(h).exStyle;
    case LVM_SETICONSPACING: {
      SIZE old = S(h).spacing;
      if (LOWORD(lParam) && LOWORD(lParam) != 0xFFFF) S(h).spacing.cx = LOWORD(lParam);
      if (HIWORD(lParam) && HIWORD(lParam) != 0xFFFF) S(h).spacing.cy = HIWORD(lParam);
      return MAKELONG(old.cx, old.cy);
    }
    case LVM_SCROLL: {
      S(h).scrollX = std::max(0, S(h).scrollX + static_cast<int>(static_cast<std::intptr_t>(wParam)));
      RECT client;
      GetClientRect(h, &client);
      SetWindowPos(Header(h), nullptr, -S(h).scrollX, 0, client.right + S(h).scrollX, kHeaderHeight, SWP_NOZORDER);
      InvalidateRect(h, nullptr, TRUE);
      return TRUE;
    }
    case LVM_GETITEMRECT: {
      auto* rect = reinterpret_cast<RECT*>(lParam);
      if (!rect || !valid(index)) return FALSE;
      *rect = ItemRect(h, index);
      return TRUE;
    }
    case LVM_GETSUBITEMRECT: {
      auto* rect = reinterpret_cast<RECT*>(lParam);
      if (!rect || !valid(index)) return FALSE;
      int sub = rect->top;  // asked as the rectangle's top
      *rect = sub == 0 ? ItemRect(h, index) : CellRect(h, index, sub);
      return TRUE;
    }
    case LVM_HITTEST:
    case LVM_SUBITEMHITTEST: {
      auto* info = reinterpret_cast<LVHITTESTINFO*>(lParam);
      if (!info) return -1;
      HitTest(h, info->pt, info->iItem, info->iSubItem);
      info->flags = info->iItem >= 0 ? LVHT_ONITEMLABEL : LVHT_NOWHERE;
      if (message == LVM_HITTEST) info->iSubItem = 0;
      return info->iItem;
    }
    case LVM_ENSUREVISIBLE:
    case LVM_ARRANGE: InvalidateRect(h, nullptr, TRUE); return TRUE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      SetFocus(h);
      POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      int row, col;
      HitTest(h, p, row, col);
      if (row >= 0) Select(h, row, (GetKeyState(VK_CONTROL) & 0x8000) != 0);
      Notify(h, message == WM_LBUTTONDOWN ? NM_CLICK : NM_DBLCLK, row, col, 0, 0, p);
      return 0;
    }
    case WM_SETFOCUS: {
      NMHDR n{nullptr, 0, NM_SETFOCUS};
      NotifyParent(h, n);
      return 0;
    }
    case WM_SIZE: {
      RECT client;
      GetClientRect(h, &client);
      SetWindowPos(Header(h), nullptr, -S(h).scrollX, 0, client.right + S(h).scrollX, kHeaderHeight, SWP_NOZORDER);
      return 0;
    }
    case WM_ERASEBKGND:
      PaintControlBackground(h, reinterpret_cast<HDC>(wParam), WM_CTLCOLOREDIT);
      return 1;
  }
  return DefWindowProcW(h, message, wParam, lParam);
}

}  // namespace platform
