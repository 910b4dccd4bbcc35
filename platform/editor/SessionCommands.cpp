// Host commands about the editing session: "UNDO" groups and marks. The drawing database
// keeps no history of its own, so only the grouping is kept; stepping back is refused
// with a message rather than pretended.
#include "ed/zced.h"
#include "editor/Editor.h"
#include "editor/HostCommand.h"
#include "headless/Host.h"

namespace editor {

namespace {

headless::UndoState& State() {
  static headless::UndoState s;
  return s;
}

void Undo(CommandLine& line) {
  double count = 1;
  std::wstring option;
  int status = line.Number(L"\nEnter the number of operations to undo or [Auto/Control/BEgin/End/Mark/Back] <1>: ",
                           count, L"Auto Control BEgin End Mark Back", &option, true);
  if (status == RTKWORD && option == L"BEgin") {
    ++State().openGroups;
  } else if (status == RTKWORD && option == L"End") {
    if (State().openGroups > 0) --State().openGroups;
  } else if (status == RTKWORD && option == L"Mark") {
    ++State().marks;
  } else if (status == RTKWORD && (option == L"Auto" || option == L"Control")) {
    line.Keyword(L"\nEnter an option [ON/OFF] <ON>: ", L"ON OFF", L"ON");
  } else {
    zcutPrintText(L"\nThis host keeps no undo history: nothing was undone.");
  }
}

}  // namespace

void AddSessionCommands(std::vector<HostCommand>& table) { table.push_back({L"UNDO", &Undo}); }

bool DrawingExtents(ZcGePoint3d&, ZcGePoint3d&) { return false; }

void ResetSession() { State() = headless::UndoState(); }

}  // namespace editor

namespace headless {
UndoState Undo() { return editor::State(); }
}  // namespace headless
