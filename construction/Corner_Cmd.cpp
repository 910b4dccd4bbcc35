// The Corner command and the corner mode prompt.
#include "construction/Corner_Cmd.h"

#include "construction/Fastrelle_Corner_Join_Cmd.h"
#include "ed/ErrorStatus.h"
#include "ed/UserInput.h"
#include "framework/CommandSequences.h"
#include "framework/ErrorHandler.h"
#include "framework/Printer.h"
#include "framework/ResString.h"
#include "framework/UserInput.h"

namespace {
/// One undo group for the life of the scope.
struct UndoGroup {
  UndoGroup() { UndoBegin(); }
  ~UndoGroup() { UndoEnd(); }
};
}  // namespace

int CornerModeFromKeyword(const CString& keyword) {
  static const wchar_t* const kKeywords[] = {L"1", L"2", L"3", L"4", L"5", L"6"};
  for (int mode = 0; mode < 6; ++mode)
    if (keyword == kKeywords[mode]) return mode;
  return -1;
}

bool AskCornerMode(int& mode) {
  CString message = LoadResString(40212);
  message.TrimLeft(L'\n');
  KWordSelector selector(message);
  for (const wchar_t* keyword : {L"1", L"2", L"3", L"4", L"5", L"6"}) selector.AddKeyword(keyword);
  if (selector.GetKeyword() != RTNORM) return false;
  mode = CornerModeFromKeyword(selector.m_chosen);
  if (mode >= 0) return true;
  Fastrelle_ErrorHandler(-101, CString()).Show();
  return false;
}

Corner_Cmd::Corner_Cmd() : cmd(L"Fastrelle:Corner", L"Fastrelle:PołączRóg", 1) {}

void Corner_Cmd::Run() {
  int mode = 0;
  if (!AskCornerMode(mode)) return;
  std::unique_ptr<Fastrelle_Corner_Join_Cmd> corner = CreateCornerJoinCmd(mode);
  int status = 0;
  {
    UndoGroup undo;
    status = corner->Run();
  }
  if (status != 0 && status != Zcad::eUserBreak) PrintErrorStatus(status);
}
