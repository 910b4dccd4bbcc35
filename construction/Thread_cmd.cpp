// The grain-line command.
#include "construction/Thread_cmd.h"

#include "construction/Fastrelle_Thread.h"
#include "ed/ErrorStatus.h"
#include "framework/ResString.h"
#include "geometry/PointHelpers.h"

namespace {
/// The prompt string without its leading line feed: the point question starts a line itself.
CString Prompt(UINT id) {
  CString text = LoadResString(id);
  return text.TrimLeft(L"\n");
}
}  // namespace

void Thread_cmd::Run() {
  for (;;) {
    ZcGePoint3d start, direction;
    if (GetPointFromUser(Prompt(40002), nullptr, start) != RTNORM) return;
    if (GetPointFromUser(Prompt(40003), &start, direction) != RTNORM) return;
    Fastrelle_Thread(start, direction).Draw();
  }
}
