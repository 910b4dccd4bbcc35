// The plot command set.
#include "layout/Plot_cmds.h"

#include "layout/CheckIntersections_cmd.h"
#include "layout/Layout_LabelItems_cmd.h"
#include "layout/Layout_Label_Cmd.h"
#include "layout/Layout_Move_cmd.h"
#include "layout/Pressure_cmd.h"
#include "layout/Warehouse_Cmd.h"

// The commands are added in the order of the command table.
Plot_cmds::Plot_cmds() : cmds(L"Fastrelle_Plot") {
  Add<Layout_Label_Cmd>();
  Add<Warehouse_Cmd>();
  Add<CheckIntersections_cmd>();
  Add<Layout_LabelItems_cmd>();
  Add<Layout_Move_Left_cmd>();
  Add<Layout_Move_Top_cmd>();
  Add<Layout_Move_Bottom_cmd>();
  Add<Layout_Move_Right_cmd>();
  Add<Pressure_cmd>();
}
