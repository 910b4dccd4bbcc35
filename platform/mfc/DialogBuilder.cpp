// Builds dialogs from their templates: finds the template along the resource chain, makes
// the dialog window (dialog units to pixels for a 6 x 13 base unit) and its controls in tab
// order, sends the DLGINIT data and WM_INITDIALOG. Used by CDialog::DoModal and Create.
#include <algorithm>
#include <map>

#include "mfc/DialogSystem.h"
#include "win32/WindowRecords.h"

namespace {

std::map<HWND, UINT>& TemplateIds() {
  static std::map<HWND, UINT> ids;
  return ids;
}

int X(int dlu) { return MulDiv(dlu, 6, 4); }
int Y(int dlu) { return MulDiv(dlu, 13, 8); }

}  // namespace

namespace platform {

const DialogTemplate* FindDialogTemplate(UINT id) {
  for (const ResourceImage* image : ResourceSearchOrder())
    for (std::size_t i = 0; i < image->dialogCount; ++i)
      if (image->dialogs[i].id == id) return &image->dialogs[i];
  return nullptr;
}

const BinaryResource* FindBinaryResource(const wchar_t* type, UINT id) {
  for (const ResourceImage* image : ResourceSearchOrder())
    for (std::size_t i = 0; i < image->binaryCount; ++i)
      if (image->binaries[i].id == id && std::wstring(image->binaries[i].type) == type) return &image->binaries[i];
  return nullptr;
}

std::vector<HWND>& OpenDialogs() {
  static std::vector<HWND> dialogs;
  dialogs.erase(std::remove_if(dialogs.begin(), dialogs.end(), [](HWND h) { return !IsWindow(h); }), dialogs.end());
  return dialogs;
}

std::vector<HWND>& ModalDialogs() {
  static std::vector<HWND> dialogs;
  return dialogs;
}

UINT DialogTemplateId(HWND dialog) {
  auto it = TemplateIds().find(dialog);
  return it == TemplateIds().end() ? 0 : it->second;
}

HWND CreateDialogFromTemplate(const DialogTemplate& tmpl, HWND owner, CWnd* object) {
  DWORD style = (tmpl.style & ~static_cast<DWORD>(WS_VISIBLE | WS_CHILD)) | WS_POPUP;
  if (object) HookCreation(object);
  HWND dialog = CreateWindowExW(tmpl.exStyle, L"#32770", tmpl.caption, style, X(tmpl.x), Y(tmpl.y), X(tmpl.cx),
                                Y(tmpl.cy), owner, nullptr, nullptr, nullptr);
  SetCreationHook(nullptr);
  if (!dialog) return nullptr;
  for (auto it = TemplateIds().begin(); it != TemplateIds().end();)
    it = IsWindow(it->first) ? std::next(it) : TemplateIds().erase(it);
  TemplateIds()[dialog] = tmpl.id;
  OpenDialogs().push_back(dialog);
  for (std::size_t i = 0; i < tmpl.itemCount; ++i) {
    const DialogItemTemplate& item = tmpl.items[i];
    CreateWindowExW(item.exStyle, item.className, item.text, item.style | WS_CHILD, X(item.x), Y(item.y), X(item.cx),
                    Y(item.cy), dialog, reinterpret_cast<HMENU>(static_cast<std::intptr_t>(item.id)), nullptr, nullptr);
  }
  for (const ResourceImage* image : ResourceSearchOrder()) {
    bool found = false;
    for (std::size_t i = 0; i < image->dialogCount; ++i) found = found || &image->dialogs[i] == &tmpl;
    if (!found) continue;
    for (std::size_t i = 0; i < image->initCount; ++i) {
      const DialogInitData& init = image->inits[i];
      if (init.dialogId != tmpl.id) continue;
      HWND control = GetDlgItem(dialog, init.controlId);
      if (WindowRecord* r = FindWindowRecord(control))
        r->initData.assign(reinterpret_cast<const char*>(init.bytes), init.size);
      SendMessageW(control, init.message, init.size, reinterpret_cast<LPARAM>(init.bytes));
    }
  }
  HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
  if (SendMessageW(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), 0) && IsWindow(dialog) && first &&
      IsWindow(first))
    SetFocus(first);
  if (IsWindow(dialog) && (tmpl.style & WS_VISIBLE)) ShowWindow(dialog, SW_SHOW);
  return IsWindow(dialog) ? dialog : nullptr;
}

}  // namespace platform
