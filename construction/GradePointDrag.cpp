// The grade-point drag of the AddPoint command.
#include "construction/GradePointDrag.h"

#include "construction/Fastrelle_Observer_AddPoint.h"
#include "construction/Fastrelle_Observer_dlg.h"
#include "construction/Fastrelle_Picket.h"
#include "framework/ErrorHandler.h"
#include "framework/ResString.h"

namespace {
const UINT kTitle = 41218;
}  // namespace

int DragGradePoint(const CString& symbol, double scale) {
  // Declared before the tape, so the tape (which only points to them) goes first.
  Fastrelle_Observer_dlg dialog;
  if (dialog.Create()) {
    dialog.ShowWindow(SW_SHOW);
    dialog.SetWindowText(LoadResString(kTitle));
  }
  Fastrelle_Observer_AddPoint observer(symbol, scale);
  if (!observer.IsValid()) {
    observer.OnCancel();
    dialog.OnFinish();
    Fastrelle_ErrorHandler(-1, L"GradePoint").Show();
    return -1;
  }
  int result = 0;
  {
    Fastrelle_Picket tape;
    tape.Attach(&dialog);
    tape.Attach(&observer);
    result = tape.PickStart();
    if (result == 0) result = tape.Run();
    if (result == 0) tape.NotifyFinish();
    else tape.NotifyCancel();
  }
  dialog.OnFinish();  // a cancel or a failure leaves no window either
  return result;
}
