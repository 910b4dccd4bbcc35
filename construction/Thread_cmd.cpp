// The grain-line command.
#include "construction/Thread_cmd.h"

#include "construction/Fastrelle_Thread.h"
#include "ed/ErrorStatus.h"
#include "framework/ResString.h"
#include "geometry/PointHelpers.h"

void Thread_cmd::Run() {
  for (;;) {
    ZcGePoint3d start, direction;
    if (GetPointFromUser(LoadResString(40002), nullptr, start) != RTNORM) return;
    if (GetPointFromUser(LoadResString(40003), &start, direction) != RTNORM) return;
    Fastrelle_Thread(start, direction).Draw();
  }
}
