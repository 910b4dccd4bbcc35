// Removing a spline's control point.
#include "construction/SmoothSpline_cmd.h"

#include "db/ZcDbSpline.h"
#include "ed/ErrorStatus.h"
#include "ed/SelectionSets.h"
#include "framework/Printer.h"
#include "framework/ResBuf.h"
#include "framework/ResString.h"
#include "framework/Selections.h"
#include "framework/ZWVariable.h"
#include "geometry/PointHelpers.h"
#include "geometry/UI_Spline.h"

void SmoothSpline_cmd::Run() {
  ZcDbObjectIdArray chosen = SelectPickFirst();
  if (chosen.length() != 1) {
    chosen.setLogicalLength(0);
    ads_name name;
    ads_point picked;
    ZcDbObjectId id;
    if (zcedEntSel(L"\n" + LoadResString(40126) + L": ", name, picked) != RTNORM ||
        zcdbGetObjectId(id, name) != Zcad::eOk)
      return;
    chosen.append(id);
  }
  SetPickFirst(chosen);
  ResBuf saved;
  SaveAndSet_OSMODE(saved);
  ZcGePoint3d point;
  const int answer = GetPointFromUser(LoadResString(40127), nullptr, point);
  Restore_OSMODE(saved);
  SetPickFirst(ZcDbObjectIdArray());  // the grips go with the question
  if (answer != RTNORM) return;
  if (!chosen[0].objectClass() || !chosen[0].objectClass()->isDerivedFrom(ZcDbSpline::desc())) {
    ZWPrinter().Print(L"\nWybrany element nie jest splajnem.");
    return;
  }
  if (int es = UI_Spline(chosen[0]).DeleteNearestControlPoint(point)) {
    ZWPrinter().Print(L"\nUI_Spline::DeleteNearestControlPoint");
    PrintErrorStatus(es);
  }
}
