// Host commands over the system variables: "SETVAR" asks for a variable's name, and a
// variable's own name typed as a command ("PICKSTYLE") does the same for that one. Both
// show the value and take a new one; Enter keeps it. A value the variable refuses (out of
// its range, not a whole number, the wrong kind) is said and asked for again.
#include <cmath>
#include <map>

#include "ed/SystemVariables.h"
#include "ed/zced.h"
#include "editor/Editor.h"
#include "editor/HostCommand.h"
#include "headless/Host.h"

namespace editor {

namespace {

/// Reads a new value for `name` and sets it; true once set or kept.
bool TakeValue(CommandLine& line, const std::wstring& name, const std::wstring& prompt) {
  resbuf rb{};
  std::wstring text;
  switch (SystemVariableType(name)) {
    case RTPOINT: {
      ZcGePoint3d p;
      if (line.Point(prompt, p, L"", nullptr, true) != RTNORM) return true;
      rb.restype = RTPOINT;
      rb.resval.rpoint[0] = p.x;
      rb.resval.rpoint[1] = p.y;
      rb.resval.rpoint[2] = p.z;
      break;
    }
    case RTSTR:
      text = line.Text(prompt);
      if (text.empty()) return true;
      rb.restype = RTSTR;
      rb.resval.rstring = text.data();
      break;
    case RTSHORT: {
      double v = 0.0;
      if (line.Number(prompt, v, L"", nullptr, true) != RTNORM) return true;
      if (v != std::floor(v) || std::fabs(v) > 32767.0) {
        zcutPrintText(L"\nRequires an integer value.");
        return false;
      }
      rb.restype = RTSHORT;
      rb.resval.rint = static_cast<short>(v);
      break;
    }
    default: {
      double v = 0.0;
      if (line.Number(prompt, v, L"", nullptr, true) != RTNORM) return true;
      rb.restype = RTREAL;
      rb.resval.rreal = v;
    }
  }
  if (zcedSetVar(name.c_str(), &rb) == RTNORM) return true;
  zcutPrintText(L"\nValue out of range.");
  return false;
}

/// Shows the variable's value and takes a new one until one is accepted or kept.
void AskValue(CommandLine& line, const std::wstring& typed) {
  std::wstring name = Upper(typed);
  std::wstring shown = SystemVariableText(name);
  if (IsReadOnlyVariable(name)) {
    zcutPrintf(L"\n%s = %s (read only)", name, shown);
    return;
  }
  std::wstring prompt = L"\nEnter new value for " + name + L" <" + shown + L">: ";
  while (!TakeValue(line, name, prompt)) {
  }
}

void SetVar(CommandLine& line) {
  std::wstring name = line.Text(L"\nEnter variable name: ");
  if (name.empty()) return;
  if (!IsSystemVariable(name)) {
    zcutPrintf(L"\nUnknown variable name \"%s\".", name);
    return;
  }
  AskValue(line, name);
}

/// A variable's name typed as a command: the running command's name is the variable's.
void VariableByName(CommandLine& line) {
  std::vector<std::wstring> running = headless::ActiveCommands();
  if (!running.empty()) AskValue(line, running.back());
}

}  // namespace

void AddVariableCommands(std::vector<HostCommand>& table) { table.push_back({L"SETVAR", &SetVar}); }

const HostCommand* FindVariableCommand(const std::wstring& name) {
  if (!IsSystemVariable(name)) return nullptr;
  // One entry per variable, kept for the session so the name it lists stays valid.
  static std::map<std::wstring, std::wstring> names;
  static std::map<std::wstring, HostCommand> commands;
  std::wstring upper = Upper(name);
  auto it = commands.find(upper);
  if (it == commands.end()) {
    const std::wstring& kept = names.emplace(upper, upper).first->second;
    it = commands.emplace(upper, HostCommand{kept.c_str(), &VariableByName}).first;
  }
  return &it->second;
}

}  // namespace editor
