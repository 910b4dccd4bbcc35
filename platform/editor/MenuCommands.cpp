// Menu groups and toolbars: "MENULOAD" reads a menu file, "MENUUNLOAD" drops its group,
// "-TOOLBAR" shows or hides a toolbar of a loaded group; zcedIsMenuGroupLoaded and
// zcedFindFile.
//
// Menu file (".mnu"), UTF-8 or UTF-16 with a byte-order mark, one entry a line:
//   // comment
//   ***MENUGROUP=Fastrelle_Fastrelle      the group's name (required)
//   ***POP1                               a pull-down menu follows ...
//   **FASTRELLE                           ... its id, then its title:
//   [Fastrelle]
//   [Nacięcie]^C^CFastrelle:Notch         an item: label, then the macro it types
//   [--]                                  a separator
//   ***TOOLBARS                           toolbars follow, each as:
//   **TB_FASTRELLE                        its id,
//   [_Toolbar("Fastrelle", _Top, _Show, 0, 0, 1)]   its name and docking,
//   [_Button("Nacięcie", "notch", "notch")]^C^CFastrelle:Notch   its buttons.
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "ed/HostCommands.h"
#include "ed/zced.h"
#include "editor/Editor.h"
#include "editor/HostCommand.h"
#include "headless/Host.h"
#include "win32/FilePaths.h"

namespace editor {

namespace {

struct MenuState {
  std::vector<headless::MenuGroupInfo> groups;
  std::vector<std::wstring> toolbarLog;
};
MenuState& State() {
  static MenuState s;
  return s;
}

// The text of a file, decoded from UTF-16LE (with its mark) or UTF-8.
bool ReadText(const std::string& path, std::wstring& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::stringstream buffer;
  buffer << in.rdbuf();
  std::string bytes = buffer.str();
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF && static_cast<unsigned char>(bytes[1]) == 0xFE) {
    text.clear();
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
      char32_t unit = static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8);
      if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
        char32_t low = static_cast<unsigned char>(bytes[i + 2]) | (static_cast<unsigned char>(bytes[i + 3]) << 8);
        unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      }
      text += static_cast<wchar_t>(unit);
    }
    return true;
  }
  if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) bytes.erase(0, 3);
  text = platform::FromUtf8(bytes);
  return true;
}

// The first quoted text of a line: '[_Toolbar("Fastrelle", ...)]' => 'Fastrelle'.
std::wstring Quoted(const std::wstring& line) {
  std::size_t a = line.find(L'"');
  std::size_t b = a == std::wstring::npos ? a : line.find(L'"', a + 1);
  return b == std::wstring::npos ? L"" : line.substr(a + 1, b - a - 1);
}

// Reads a menu file into a group; false, with the reason, when it names no group.
bool ParseMenu(const std::wstring& text, headless::MenuGroupInfo& group, std::wstring& reason) {
  enum { None, Pop, Toolbars } section = None;
  std::wistringstream lines(text);
  std::wstring raw;
  while (std::getline(lines, raw)) {
    std::wstring line = Trim(raw);
    if (line.empty() || line.rfind(L"//", 0) == 0) continue;
    if (line.rfind(L"***", 0) == 0) {
      std::wstring head = Upper(line.substr(3));
      if (head.rfind(L"MENUGROUP=", 0) == 0) group.name = Trim(line.substr(13));
      section = head.rfind(L"POP", 0) == 0 ? Pop : head == L"TOOLBARS" ? Toolbars : None;
      if (section == Pop) group.menus.push_back({});
      continue;
    }
    if (line.rfind(L"**", 0) == 0) {
      if (section == Toolbars) group.toolbars.push_back({});
      continue;
    }
    if (line[0] != L'[' || section == None) continue;
    std::size_t close = line.find(L']');
    std::wstring label = line.substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1);
    std::wstring macro = close == std::wstring::npos ? L"" : Trim(line.substr(close + 1));
    if (label == L"--") continue;  // a separator
    if (section == Pop) {
      if (group.menus.back().name.empty()) group.menus.back().name = label;
      else group.menus.back().items.push_back({label, macro});
    } else if (!group.toolbars.empty()) {
      headless::ToolbarInfo& bar = group.toolbars.back();
      if (label.rfind(L"_Toolbar", 0) == 0) bar.name = Quoted(label);
      else if (label.rfind(L"_Button", 0) == 0) bar.buttons.push_back({Quoted(label), macro});
    }
  }
  if (group.name.empty()) reason = L"names no menu group (a line \"***MENUGROUP=name\")";
  return !group.name.empty();
}

headless::MenuGroupInfo* FindGroup(const std::wstring& name) {
  for (auto& g : State().groups)
    if (SameName(g.name, name)) return &g;
  return nullptr;
}

void MenuLoad(CommandLine& line) {
  std::wstring path = Trim(line.Text(L"\nEnter name of menu file to load: "));
  if (path.empty()) return;
  // A name the file system refuses (too long, say) is a file that cannot be found.
  std::error_code ec;
  std::string native = platform::NativePath(path);
  if (!std::filesystem::is_regular_file(native, ec) && std::filesystem::path(native).extension().empty())
    native = platform::NativePath(path + L".mnu");
  headless::MenuGroupInfo group;
  std::wstring text, reason;
  if (!std::filesystem::is_regular_file(native, ec) || !ReadText(native, text)) {
    zcutPrintf(L"\nCannot find the menu file \"%s\".", path);
    return;
  }
  if (!ParseMenu(text, group, reason)) {
    zcutPrintf(L"\nThe menu file \"%s\" %s.", path, reason);
    return;
  }
  if (FindGroup(group.name)) {
    zcutPrintf(L"\nMenu group \"%s\" is already loaded.", group.name);
    return;
  }
  group.file = path;
  State().groups.push_back(group);
  zcutPrintf(L"\nMenu group \"%s\" loaded.", group.name);
}

void MenuUnload(CommandLine& line) {
  std::wstring name = Trim(line.Text(L"\nEnter the name of the menu group to unload: "));
  if (name.empty()) return;
  headless::MenuGroupInfo* group = FindGroup(name);
  if (!group) {
    zcutPrintf(L"\nMenu group \"%s\" is not loaded.", name);
    return;
  }
  zcutPrintf(L"\nMenu group \"%s\" unloaded.", group->name);
  State().groups.erase(State().groups.begin() + (group - State().groups.data()));
}

// The toolbars a name means: "ALL", "name" or "group.name".
std::vector<headless::ToolbarInfo*> FindToolbars(const std::wstring& name) {
  std::vector<headless::ToolbarInfo*> found;
  std::size_t dot = name.find(L'.');
  for (auto& g : State().groups)
    for (auto& bar : g.toolbars) {
      bool all = SameName(name, L"ALL");
      bool plain = SameName(bar.name, name);
      bool qualified = dot != std::wstring::npos && SameName(g.name, name.substr(0, dot)) &&
                       SameName(bar.name, name.substr(dot + 1));
      if (all || plain || qualified) found.push_back(&bar);
    }
  return found;
}

void Toolbar(CommandLine& line) {
  std::wstring name = Trim(line.Text(L"\nEnter toolbar name or [ALL]: "));
  if (name.empty()) return;
  std::vector<headless::ToolbarInfo*> bars = FindToolbars(name);
  if (bars.empty()) {
    zcutPrintf(L"\nToolbar \"%s\" not found.", name);
    return;
  }
  std::wstring option = line.Keyword(L"\nEnter an option [Show/Hide/Left/Right/Top/Bottom/Float] <Show>: ",
                                     L"Show Hide Left Right Top Bottom Float", L"Show");
  for (headless::ToolbarInfo* bar : bars) {
    bar->shown = option != L"Hide";
    if (bar->shown) State().toolbarLog.push_back(bar->name);
  }
}

}  // namespace

void AddMenuCommands(std::vector<HostCommand>& table) {
  table.push_back({L"MENULOAD", &MenuLoad});
  table.push_back({L"MENUUNLOAD", &MenuUnload});
  table.push_back({L"-TOOLBAR", &Toolbar});
}

void ResetMenus() { State() = MenuState(); }

}  // namespace editor

int zcedIsMenuGroupLoaded(const wchar_t* groupName) {
  return groupName && editor::FindGroup(groupName) ? 1 : 0;
}

int zcedFindFile(const wchar_t* name, wchar_t* result, std::size_t size) {
  if (!name || !*name) return RTERROR;
  std::string native = platform::NativePath(name);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(native, ec)) return RTERROR;
  std::wstring found = platform::FromUtf8(native);
  if (!result || found.size() + 1 > size) return RTERROR;
  std::wmemcpy(result, found.c_str(), found.size() + 1);
  return RTNORM;
}

namespace headless {
std::vector<MenuGroupInfo> MenuGroups() { return editor::State().groups; }
std::vector<std::wstring> ToolbarLog() { return editor::State().toolbarLog; }
}  // namespace headless
