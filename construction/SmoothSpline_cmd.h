// The command "Fastrelle:SmoothSpline" ("Fastrelle:WygładźSplajn"): removes the control
// point of a spline nearest to a point the user gives. Registered by the construction
// command set.
#ifndef CONSTRUCTION_SMOOTHSPLINE_CMD_H
#define CONSTRUCTION_SMOOTHSPLINE_CMD_H

#include "framework/cmd.h"

class SmoothSpline_cmd : public cmd {
public:
  SmoothSpline_cmd() : cmd(L"Fastrelle:SmoothSpline", L"Fastrelle:WygładźSplajn", 7) {}
  /// 1. The one pre-selected entity, else one pick (string 40126); none ends the command.
  /// 2. The entity becomes the pick-first set (its grips show) while a point (40127) is
  ///    asked with "OSMODE" 0; both are put back afterwards. No point ends the command.
  /// 3. A spline loses the control point nearest the point; a spline that would break
  ///    (fewer than degree + 1 points) is refused with the status and stays as it was.
  ///    Anything else is said to be no spline.
  void Run() override;
};

#endif
