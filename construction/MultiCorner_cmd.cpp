// The MultiCorner command.
#include "construction/MultiCorner_cmd.h"

#include "construction/Corner_Cmd.h"
#include "construction/Fastrelle_Corner_MultiJoin_Cmd.h"
#include "ed/ErrorStatus.h"
#include "framework/CommandSequences.h"
#include "framework/ErrorHandler.h"
#include "framework/Guards.h"
#include "framework/Printer.h"

namespace {
/// One undo group, and "PICKSTYLE" put back when it was saved, for the life of the scope.
struct MultiCornerScope {
  MultiCornerScope() { UndoBegin(); }
  ~MultiCornerScope() {
    pickStyle.Restore();
    UndoEnd();
  }
  PickStyle pickStyle;
};
}  // namespace

int MultiCornerReportCode(int status) {
  switch (status) {
    case Zcad::eKeyNotFound: return -103;
    case Zcad::eOutOfRange: return -102;
    case Zcad::eNoInputFiles: return -104;
    case Zcad::eUnknownStatus: return -105;
    default: return 0;
  }
}

MultiCorner_cmd::MultiCorner_cmd() : cmd(L"Fastrelle:MultiCorner", L"Fastrelle:PołączRogi", 1) {}

void MultiCorner_cmd::Run() {
  int mode = 0;
  if (!AskCornerMode(mode)) return;
  std::unique_ptr<Fastrelle_Corner_MultiJoin_Cmd> corner = CreateCornerMultiJoinCmd(mode);
  int status = 0;
  {
    MultiCornerScope scope;
    status = corner->Prepare();
    if (status == Zcad::eUserBreak) {
      Fastrelle_ErrorHandler(-11, CString()).Show();
      return;
    }
    if (status) {
      PrintErrorStatus(status);
      return;
    }
    scope.pickStyle.SaveAndSetZero();
    status = corner->Run();
  }
  if (int code = MultiCornerReportCode(status)) Fastrelle_ErrorHandler(code, CString()).Show();
}
