// The user's actions in a dialog, as script lines "@dlg <action>": click, set, key, focus,
// select, dblclick, edit, header, prop, browse, ok, cancel, close and show. Actions on
// the rows and cells of lists and property grids are taken by those controls themselves
// (WM_HEADLESS_ACTION). An action the dialog cannot take is reported and skipped.
#include <limits>
#include <sstream>

#include "ed/zced.h"
#include "mfc/DialogSystem.h"
#include "mfc/TextFold.h"
#include "win32/WindowRecords.h"

namespace {

std::vector<std::wstring> Words(const std::wstring& text) {
  std::wistringstream in(text);
  std::vector<std::wstring> out;
  for (std::wstring w; in >> w;) out.push_back(w);
  return out;
}

// The text after the first `n` words, as typed (one separating space removed).
std::wstring After(const std::wstring& text, size_t n) {
  size_t i = 0;
  for (size_t k = 0; k < n; ++k) {
    while (i < text.size() && text[i] == L' ') ++i;
    while (i < text.size() && text[i] != L' ') ++i;
  }
  if (i < text.size() && text[i] == L' ') ++i;
  return text.substr(std::min(i, text.size()));
}

struct Key {
  const wchar_t* name;
  UINT vk;
  wchar_t character;
};
const Key kKeys[] = {{L"Enter", VK_RETURN, L'\r'}, {L"Escape", VK_ESCAPE, 27}, {L"Tab", VK_TAB, L'\t'},
                     {L"Left", VK_LEFT, 0},        {L"Right", VK_RIGHT, 0},    {L"Up", VK_UP, 0},
                     {L"Down", VK_DOWN, 0},        {L"Home", VK_HOME, 0},      {L"End", VK_END, 0},
                     {L"Delete", VK_DELETE, 0},    {L"Backspace", VK_BACK, 8}};

bool IsCombo(HWND h) { return platform::IsClass(h, L"COMBOBOX"); }
bool IsDropList(HWND h) { return IsCombo(h) && (GetWindowLongW(h, GWL_STYLE) & 3) == CBS_DROPDOWNLIST; }

std::vector<std::wstring> ComboItems(HWND combo) {
  std::vector<std::wstring> out;
  int n = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) {
    std::wstring t(static_cast<size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0)) + 1, 0);
    SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(t.data()));
    t.resize(t.size() - 1);
    out.push_back(t);
  }
  return out;
}

bool SelectComboItem(HWND combo, const std::wstring& item, std::wstring& refusal) {
  int i = platform::FindItem(ComboItems(combo), item);
  if (i < 0) {
    refusal = L"no item \"" + item + L"\"";
    return false;
  }
  SetFocus(combo);
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
  platform::NotifyParent(combo, CBN_SELCHANGE);
  return true;
}

// Asks a control to take an action of its own; false when it does not know it.
bool AskControl(HWND control, platform::ControlAction& action) {
  return SendMessageW(control, WM_HEADLESS_ACTION, 0, reinterpret_cast<LPARAM>(&action)) != 0;
}

// The window that lies over `point` of `list` (a cell editor), else null.
HWND WindowAt(HWND list, POINT point) {
  platform::WindowRecord* r = platform::FindWindowRecord(list);
  if (!r) return nullptr;
  for (auto it = r->children.rbegin(); it != r->children.rend(); ++it) {
    platform::WindowRecord* c = platform::FindWindowRecord(*it);
    if (c && (c->style & WS_VISIBLE) && !platform::IsClass(*it, L"SYSHEADER32") && point.x >= c->rect.left &&
        point.x < c->rect.right && point.y >= c->rect.top && point.y < c->rect.bottom)
      return *it;
  }
  return nullptr;
}

bool IsCheckBox(HWND h) {
  DWORD kind = static_cast<DWORD>(GetWindowLongW(h, GWL_STYLE)) & BS_TYPEMASK;
  return platform::IsClass(h, L"BUTTON") && (kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX);
}

// The control `id` of the dialog: a child, else the first deeper window with that id (a
// cell editor inside a grid).
HWND FindControl(HWND parent, int id) {
  if (HWND direct = GetDlgItem(parent, id)) return direct;
  platform::WindowRecord* r = platform::FindWindowRecord(parent);
  for (HWND child : r ? r->children : std::vector<HWND>{})
    if (HWND deeper = FindControl(child, id)) return deeper;
  return nullptr;
}

}  // namespace

namespace platform {

bool ReadActionNumber(const std::wstring& text, int& value) {
  size_t digits = !text.empty() && text[0] == L'-' ? 1 : 0;
  if (text.size() == digits || text.find_first_not_of(L"0123456789", digits) != std::wstring::npos) return false;
  long long v = 0;
  for (size_t k = digits; k < text.size(); ++k) {
    v = v * 10 + (text[k] - L'0');
    if (v > std::numeric_limits<int>::max()) return false;
  }
  value = static_cast<int>(digits ? -v : v);
  return true;
}

int FindItem(const std::vector<std::wstring>& texts, const std::wstring& item) {
  if (item.size() > 1 && item[0] == L'#' && item.find_first_not_of(L"0123456789", 1) == std::wstring::npos) {
    int i = 0;
    return ReadActionNumber(item.substr(1), i) && i < static_cast<int>(texts.size()) ? i : -1;
  }
  for (size_t i = 0; i < texts.size(); ++i)
    if (texts[i] == item) return static_cast<int>(i);
  for (size_t i = 0; i < texts.size(); ++i)
    if (ToUpper(texts[i]) == ToUpper(item)) return static_cast<int>(i);
  return -1;
}

void ClickControl(HWND dialog, HWND control, POINT at) {
  if (at.x < 0) {
    RECT r;
    GetClientRect(control, &r);
    at = {r.right / 2, r.bottom / 2};
  }
  LPARAM where = MAKELPARAM(at.x, at.y);
  SetFocus(control);
  DeliverInput(dialog, MSG{control, WM_LBUTTONDOWN, 1, where, 0, at});
  if (IsWindow(control)) DeliverInput(dialog, MSG{control, WM_LBUTTONUP, 0, where, 0, at});
}

bool SetControlText(HWND dialog, HWND control, const std::wstring& text, std::wstring& refusal) {
  if (!IsWindowEnabled(control)) {
    refusal = L"the control is disabled";
    return false;
  }
  if (IsDropList(control)) return SelectComboItem(control, text, refusal);
  SetFocus(control);
  HWND target = GetFocus() ? GetFocus() : control;  // a combo's edit part
  SendMessageW(target, EM_SETSEL, 0, -1);
  if (text.empty()) TypeKey(dialog, VK_DELETE, 0);
  else TypeText(dialog, text);
  return true;
}

bool RunDialogAction(HWND dialog, const std::wstring& text) {
  std::vector<std::wstring> w = Words(text);
  std::wstring refusal;
  auto refuse = [&](const std::wstring& why) {
    zcutPrintf(L"\nThe dialog cannot take \"%s\": %s.", text, why);
    return false;
  };
  if (w.empty()) return refuse(L"no action");
  const std::wstring& verb = w[0];
  if (verb == L"show") {
    zcutPrintf(L"\n%s", DescribeDialog(dialog));
    return true;
  }
  if (verb == L"ok" || verb == L"cancel") {
    int id = verb == L"ok" ? IDOK : IDCANCEL;
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    return true;
  }
  if (verb == L"svg") {
    if (w.size() < 2) return refuse(L"no file named");
    if (!DrawDialogSvg(dialog, After(text, 1))) return refuse(L"the file cannot be written");
    return true;
  }
  if (verb == L"close") {
    SendMessageW(dialog, WM_CLOSE, 0, 0);
    return true;
  }
  if (w.size() < 2) return refuse(L"no control named");
  int id = 0;
  if (!ReadActionNumber(w[1], id)) return refuse(L"no control id");
  HWND control = FindControl(dialog, id);
  if (!control) return refuse(L"no control " + w[1]);
  if (!IsWindowVisible(control) && verb != L"show") return refuse(L"the control is hidden");

  if (verb == L"focus") {
    SetFocus(control);
    return true;
  }
  if (verb == L"click") {
    if (!IsWindowEnabled(control)) return refuse(L"the control is disabled");
    if (w.size() >= 4) {  // a cell of a list: the window over it
      ControlAction a{L"cell", {w[2], w[3]}, L"", L"", {-1, -1}};
      if (!AskControl(control, a) || !a.refusal.empty()) return refuse(a.refusal.empty() ? L"not a list" : a.refusal);
      HWND over = WindowAt(control, a.point);
      ClickControl(dialog, over ? over : control, over ? POINT{-1, -1} : a.point);
      return true;
    }
    ClickControl(dialog, control, {-1, -1});
    return true;
  }
  if (verb == L"set") {
    if (!SetControlText(dialog, control, After(text, 2), refusal)) return refuse(refusal);
    return true;
  }
  if (verb == L"key") {
    if (w.size() < 3) return refuse(L"no key named");
    for (const Key& k : kKeys)
      if (w[2] == k.name) {
        SetFocus(control);
        TypeKey(dialog, k.vk, k.character);
        return true;
      }
    return refuse(L"unknown key " + w[2]);
  }
  if (verb == L"select" && IsCombo(control)) {
    if (!SelectComboItem(control, After(text, 2), refusal)) return refuse(refusal);
    return true;
  }
  if (verb == L"edit") {
    if (w.size() < 4) return refuse(L"no cell named");
    ControlAction a{L"cell", {w[2], w[3]}, L"", L"", {-1, -1}};
    if (!AskControl(control, a) || !a.refusal.empty()) return refuse(a.refusal.empty() ? L"not a list" : a.refusal);
    std::wstring value = After(text, 4);
    if (HWND over = WindowAt(control, a.point)) {
      if (IsCheckBox(over)) {
        bool want = value == L"+";
        if (value != L"+" && value != L"-") return refuse(L"a check box takes + or -");
        if ((SendMessageW(over, BM_GETCHECK, 0, 0) == BST_CHECKED) != want) ClickControl(dialog, over, {-1, -1});
        return true;
      }
      if (IsCombo(over) && !IsDropList(over)) {
        int i = FindItem(ComboItems(over), value);
        if (i >= 0) return SelectComboItem(over, value, refusal) || refuse(refusal);
      }
      if (!SetControlText(dialog, over, value, refusal)) return refuse(refusal);
      return true;
    }
    ControlAction label{L"labeledit", {w[2], w[3]}, value, L"", {-1, -1}};
    if (!AskControl(control, label) || !label.refusal.empty())
      return refuse(label.refusal.empty() ? L"no editor over the cell" : label.refusal);
    return true;
  }
  if (verb == L"select" || verb == L"dblclick" || verb == L"header" || verb == L"prop" || verb == L"browse") {
    ControlAction a{verb, std::vector<std::wstring>(w.begin() + 2, w.end()), After(text, 2), L"", {-1, -1}};
    if (!AskControl(control, a)) return refuse(L"the control does not take it");
    if (!a.refusal.empty()) return refuse(a.refusal);
    if (verb == L"dblclick" && a.point.x >= 0) {  // the list gave the point: the user double-clicks there
      LPARAM where = MAKELPARAM(a.point.x, a.point.y);
      DeliverInput(dialog, MSG{control, WM_LBUTTONDBLCLK, 1, where, 0, a.point});
    }
    return true;
  }
  return refuse(L"unknown action");
}

}  // namespace platform
