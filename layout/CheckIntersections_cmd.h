// The command "Fastrelle:Layout:CheckIntersections" ("Fastrelle:Układ:SprawdźNałożenia"):
// marks where placed pieces overlap with points tagged "Overlap", replacing the markers
// of the check before. Registered by the plot command set.
#ifndef LAYOUT_CHECKINTERSECTIONS_CMD_H
#define LAYOUT_CHECKINTERSECTIONS_CMD_H

#include "framework/cmd.h"

class CheckIntersections_cmd : public cmd {
public:
  CheckIntersections_cmd()
      : cmd(L"Fastrelle:Layout:CheckIntersections", L"Fastrelle:Układ:SprawdźNałożenia", 1) {}
  /// Without pieces nothing happens (earlier markers stay); otherwise the old markers go
  /// and one point stands at each overlap found (Layout_OverlapFinder).
  void Run() override;
};

#endif
