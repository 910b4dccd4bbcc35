// Host commands about the editing session: "UNDO" groups and marks (the drawing database
// keeps no history of its own, so only the grouping is kept; stepping back is refused
// with a message rather than pretended), "SAVEAS" (the drawing written as DXF under a
// name, whole or not at all) and "NEW" (a fresh drawing in place of the working one).
#include "db/ZcDbDatabase.h"
#include "ed/SelectionSets.h"
#include "ed/zced.h"
#include "editor/Editor.h"
#include "editor/HostCommand.h"
#include "headless/Database.h"
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

// The database's own save, as the host's --save makes it: a fresh file beside the target
// put in its place once whole, so a failed save leaves the old file as it was.
void SaveAs(CommandLine& line) {
  std::wstring path = line.Text(L"\nEnter file name: ");
  ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
  if (path.empty()) {
    zcutPrintText(L"\nNo file name given: nothing was saved.");
    return;
  }
  Zcad::ErrorStatus es = db ? db->saveAs(path.c_str()) : Zcad::eNoDatabase;
  if (es == Zcad::eOk) {
    zcutPrintf(L"\nSaved as %s.", path);
    return;
  }
  std::wstring why = db && !db->readError().empty() ? db->readError() : zcadErrorStatusText(es);
  zcutPrintf(L"\nThe drawing could not be saved as %s: %s.", path, why);
}

void New(CommandLine&) {
  zcedSSSetFirst(nullptr, nullptr);  // the selection named entities of the old drawing
  headless::NewDrawing();
}

}  // namespace

void AddSessionCommands(std::vector<HostCommand>& table) {
  table.push_back({L"UNDO", &Undo});
  table.push_back({L"SAVEAS", &SaveAs});
  table.push_back({L"NEW", &New});
}

void ResetSession() { State() = headless::UndoState(); }

}  // namespace editor

namespace headless {
UndoState Undo() { return editor::State(); }
}  // namespace headless
