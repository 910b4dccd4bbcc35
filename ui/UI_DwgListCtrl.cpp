// The drawing-file list: folders and drawings with preview thumbnails in a shared image
// list (one per module, kept for the module's life and growing with each drawing shown).
#include "ui/UI_DwgListCtrl.h"

#include <algorithm>
#include <memory>

#include "db/DwgPreview.h"
#include "framework/UI_File.h"
#include "framework/UI_Path.h"
#include "ui/FileFilterList.h"
#include "win/shellapi.h"

IMPLEMENT_DYNAMIC(UI_DwgListCtrl, CListCtrl)

namespace {

struct SharedImages {
  CImageList list;
  std::map<CString, int> keys;  // key text => image index
};

SharedImages& Shared() {
  static SharedImages images;
  if (!images.list.GetSafeHandle()) {
    images.list.Create(64, 64, ILC_COLOR24, 0, 1);
    HICON question = LoadIconW(nullptr, IDI_QUESTION);
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    SHFILEINFOW info{};
    SHGetFileInfoW(windows, 0, &info, sizeof info, SHGFI_ICON | SHGFI_SYSICONINDEX);
    images.keys[L"."] = images.list.Add(info.hIcon ? info.hIcon : question);
    if (info.hIcon) DestroyIcon(info.hIcon);
    HICON shell = ExtractIconW(nullptr, L"SHELL32.dll", 1);
    images.keys[L"?"] = images.list.Add(shell ? shell : question);
    if (shell) DestroyIcon(shell);
    images.keys[L""] = images.list.Add(question);
  }
  return images;
}

CString Normalised(const CString& path) {
  CString p = UI_Path(path).GetPath();
  p.Replace(L'/', L'\\');
  p.TrimRight(L'\\');
  return p.MakeLower();
}

}  // namespace

UI_DwgListCtrl::UI_DwgListCtrl() { Shared(); }

UI_DwgListCtrl::~UI_DwgListCtrl() {
  if (IsWindow()) DeleteRecords();
}

int UI_DwgListCtrl::ImageOf(const CString& key) {
  auto it = Shared().keys.find(key);
  return it == Shared().keys.end() ? -1 : it->second;
}

void UI_DwgListCtrl::PreSubclassWindow() {
  CListCtrl::PreSubclassWindow();
  SetupView();
  ModifyStyle(LVS_TYPEMASK, 0x108);
  Arrange(0);
  UpdateWindow();
}

void UI_DwgListCtrl::SetupView() {
  SetImageList(&Shared().list, LVSIL_NORMAL);
  SetIconSpacing(m_imageSize + 16, m_imageSize + 24);
  Arrange(0);
  UpdateWindow();
}

HICON UI_DwgListCtrl::MakePreviewIcon(const CString& path) {
  HBITMAP preview = nullptr;
  if (!UI_File(path).Exists() || !zcdbGetPreviewBitmapFromDwg(path, &preview)) return nullptr;
  BITMAP size{};
  GetObjectW(preview, sizeof size, &size);
  HDC source = CreateCompatibleDC(nullptr), target = CreateCompatibleDC(nullptr);
  HBITMAP picture = CreateCompatibleBitmap(nullptr, m_imageSize, m_imageSize);
  HBITMAP mask = CreateBitmap(m_imageSize, m_imageSize, 1, 1, nullptr);
  SelectObject(source, preview);
  SelectObject(target, picture);
  PatBlt(target, 0, 0, m_imageSize, m_imageSize, WHITENESS);
  double s = std::min(static_cast<double>(m_imageSize) / size.bmHeight, static_cast<double>(m_imageSize) / size.bmWidth);
  int w = static_cast<int>(s * size.bmWidth), h = static_cast<int>(s * size.bmHeight);
  StretchBlt(target, (m_imageSize - w) / 2, (m_imageSize - h) / 2, w, h, source, 0, 0, size.bmWidth, size.bmHeight,
             SRCCOPY);
  ICONINFO info{TRUE, 0, 0, mask, picture};
  HICON icon = CreateIconIndirect(&info);
  DeleteDC(source);
  DeleteDC(target);
  DeleteObject(preview);
  DeleteObject(picture);
  DeleteObject(mask);
  return icon;
}

void UI_DwgListCtrl::DeleteRecords() {
  for (int i = 0; i < GetItemCount(); ++i) {
    std::unique_ptr<DwgListItem> item(reinterpret_cast<DwgListItem*>(GetItemData(i)));
    if (item && ::IsWindow(item->editor)) ::DestroyWindow(item->editor);
    SetItemData(i, 0);
  }
}

void UI_DwgListCtrl::OpenFolder(const CString& path, const CString& extension) {
  CString folder = path;
  if (!IsExistingFolder(folder)) {  // a file: its folder
    folder = UI_Path(path).GetFolder();
    folder.Replace(L'/', L'\\');
    folder.TrimRight(L'\\');
  }
  CString ext = extension;
  if (!ext.IsEmpty() && ext[0] != L'.') ext = L"." + ext;
  DeleteRecords();
  DeleteAllItems();
  FillFromFolder(folder, ext);
}

void UI_DwgListCtrl::FillFromFolder(const CString& folder, const CString& extension) {
  SetupView();
  if (IsExistingFolder(folder)) {
    m_folder = folder;
    UI_File place(folder);
    CStringArray folders, files;
    place.ListFolders(folders);
    AddSorted(folder, folders, true);
    place.ListFiles(extension, files);
    for (int i = 0; i < files.GetSize(); ++i) files[i] += extension;
    AddSorted(folder, files, false);
  }
  Arrange(0);
  UpdateWindow();
}

void UI_DwgListCtrl::AddSorted(const CString& folder, CStringArray& names, bool folders) {
  std::vector<CString> sorted;
  for (int i = 0; i < names.GetSize(); ++i) sorted.push_back(names[i]);
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const CString& a, const CString& b) { return StrCmpLogicalW(a, b) < 0; });
  for (const CString& name : sorted) {
    CString full = folder;
    full.TrimRight(L"\\/");
    full += L"\\" + name;
    AddItem(folders ? name : UI_Path(name).GetNameWithoutExtension(), full, folders);
  }
}

int UI_DwgListCtrl::AddItem(const CString& text, const CString& path, bool folder) {
  if (!UI_File(path).Exists()) return -1;
  SharedImages& shared = Shared();
  CString key = folder ? CString(L".") : path;
  if (!folder && !shared.keys.count(path)) {
    if (HICON icon = MakePreviewIcon(path)) {
      shared.keys[path] = shared.list.Add(icon);
      DestroyIcon(icon);
    } else {
      key = L"?";
    }
  }
  auto* record = new DwgListItem;
  record->paths.Add(path);
  record->image = shared.keys[key];
  int index = InsertItem(LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM, GetItemCount(), text, 0, 0, record->image,
                         reinterpret_cast<LPARAM>(record));
  if (index < 0) delete record;
  return index;
}

CString UI_DwgListCtrl::GetSelectedPath() const {
  int mark = GetSelectionMark();
  auto* record = mark >= 0 ? reinterpret_cast<DwgListItem*>(GetItemData(mark)) : nullptr;
  return record && record->paths.GetSize() > 0 ? record->paths[0] : CString();
}

bool UI_DwgListCtrl::SelectPath(const CString& path) {
  CString wanted = Normalised(path);
  for (int i = 0; i < GetItemCount(); ++i) {
    auto* record = reinterpret_cast<DwgListItem*>(GetItemData(i));
    if (!record || record->paths.GetSize() == 0 || Normalised(record->paths[0]) != wanted) continue;
    SetItemState(i, LVIS_SELECTED, LVIS_SELECTED);
    EnsureVisible(i, FALSE);
    SetSelectionMark(i);
  }
  return true;
}

bool UI_DwgListCtrl::SelectItem(int index) {
  if (index < 0 || index >= GetItemCount()) return false;
  EnsureVisible(index, FALSE);
  SetItemState(index, LVIS_SELECTED, LVIS_SELECTED);
  SetSelectionMark(index);
  return true;
}

BOOL UI_DwgListCtrl::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_DESTROY) DeleteRecords();
  if (message != WM_LBUTTONDBLCLK) return CListCtrl::OnWndMsg(message, wParam, lParam, result);
  *result = DefWindowProc(message, wParam, lParam);
  LVHITTESTINFO hit{};
  hit.pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  int item = SubItemHitTest(&hit);
  auto* record = item >= 0 ? reinterpret_cast<DwgListItem*>(GetItemData(item)) : nullptr;
  if (record && record->paths.GetSize() > 0 && IsExistingFolder(record->paths[0]))
    OpenFolder(record->paths[0], L".dwg");
  return TRUE;
}
