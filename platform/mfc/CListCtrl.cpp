// CListCtrl, CHeaderCtrl and CImageList: the calls that are more than one message.
#include "mfc/CListCtrl.h"

#include <map>
#include <vector>

#include "mfc/DialogSystem.h"

IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)
IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

BOOL CImageList::Create(int cx, int cy, UINT flags, int initial, int grow) {
  DeleteImageList();
  m_hImageList = ImageList_Create(cx, cy, flags, initial, grow);
  return m_hImageList != nullptr;
}

BOOL CImageList::DeleteImageList() {
  if (!m_hImageList) return FALSE;
  ImageList_Destroy(m_hImageList);
  m_hImageList = nullptr;
  return TRUE;
}

int CListCtrl::InsertItem(int index, const wchar_t* text) {
  return InsertItem(LVIF_TEXT, index, text, 0, 0, 0, 0);
}

int CListCtrl::InsertItem(int index, const wchar_t* text, int image) {
  return InsertItem(LVIF_TEXT | LVIF_IMAGE, index, text, 0, 0, image, 0);
}

int CListCtrl::InsertItem(UINT mask, int index, const wchar_t* text, UINT state, UINT stateMask, int image,
                          LPARAM param) {
  std::wstring copy = text ? text : L"";
  LVITEM item{};
  item.mask = mask;
  item.iItem = index;
  item.pszText = copy.data();
  item.state = state;
  item.stateMask = stateMask;
  item.iImage = image;
  item.lParam = param;
  return InsertItem(&item);
}

int CListCtrl::InsertColumn(int index, const wchar_t* heading, int format, int width, int subItem) {
  std::wstring copy = heading ? heading : L"";
  LVCOLUMN column{};
  column.mask = LVCF_TEXT | LVCF_FMT | (width >= 0 ? LVCF_WIDTH : 0);
  column.fmt = format;
  column.cx = width;
  column.pszText = copy.data();
  column.iSubItem = subItem;
  return static_cast<int>(SendMessage(LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column)));
}

CString CListCtrl::GetItemText(int item, int subItem) const {
  std::vector<wchar_t> buffer(1024, 0);
  LVITEM it{};
  it.iSubItem = subItem;
  it.pszText = buffer.data();
  it.cchTextMax = static_cast<int>(buffer.size());
  SendMessage(LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&it));
  return CString(buffer.data());
}

BOOL CListCtrl::SetItemText(int item, int subItem, const wchar_t* text) {
  std::wstring copy = text ? text : L"";
  LVITEM it{};
  it.iSubItem = subItem;
  it.pszText = copy.data();
  return static_cast<BOOL>(SendMessage(LVM_SETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&it)));
}

DWORD_PTR CListCtrl::GetItemData(int item) const {
  LVITEM it{};
  it.mask = LVIF_PARAM;
  it.iItem = item;
  return GetItem(&it) ? static_cast<DWORD_PTR>(it.lParam) : 0;
}

BOOL CListCtrl::SetItemData(int item, DWORD_PTR data) {
  LVITEM it{};
  it.mask = LVIF_PARAM;
  it.iItem = item;
  it.lParam = static_cast<LPARAM>(data);
  return SetItem(&it);
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask) {
  LVITEM it{};
  it.state = state;
  it.stateMask = mask;
  return static_cast<BOOL>(SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&it)));
}

BOOL CListCtrl::GetItemRect(int item, LPRECT rect, UINT code) const {
  if (!rect) return FALSE;
  rect->left = static_cast<LONG>(code);
  return static_cast<BOOL>(SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(rect)));
}

BOOL CListCtrl::GetSubItemRect(int item, int subItem, int code, CRect& rect) const {
  rect.left = code;
  rect.top = subItem;
  return static_cast<BOOL>(SendMessage(LVM_GETSUBITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&rect)));
}

POSITION CListCtrl::GetFirstSelectedItemPosition() const {
  int first = GetNextItem(-1, LVNI_SELECTED);
  return first < 0 ? nullptr : reinterpret_cast<POSITION>(static_cast<std::intptr_t>(first) + 1);
}

int CListCtrl::GetNextSelectedItem(POSITION& position) const {
  int current = static_cast<int>(reinterpret_cast<std::intptr_t>(position)) - 1;
  int next = GetNextItem(current, LVNI_SELECTED);
  position = next < 0 ? nullptr : reinterpret_cast<POSITION>(static_cast<std::intptr_t>(next) + 1);
  return current;
}

CImageList* CListCtrl::SetImageList(CImageList* list, int kind) {
  SendMessage(LVM_SETIMAGELIST, static_cast<WPARAM>(kind), reinterpret_cast<LPARAM>(list ? list->m_hImageList : nullptr));
  return nullptr;  // the previous list is not wrapped: callers keep their own
}

CSize CListCtrl::SetIconSpacing(int cx, int cy) {
  LRESULT old = SendMessage(LVM_SETICONSPACING, 0, MAKELPARAM(cx, cy));
  return CSize(LOWORD(old), HIWORD(old));
}

int CListCtrl::HitTest(CPoint point, UINT* flags) const {
  LVHITTESTINFO info{};
  info.pt = point;
  int item = static_cast<int>(SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
  if (flags) *flags = info.flags;
  return item;
}
