// The plot command set.
#include "layout/Plot_cmds.h"

#include "layout/Layout_Move_cmd.h"
#include "layout/Pressure_cmd.h"

Plot_cmds::Plot_cmds() : cmds(L"Fastrelle_Plot") {
  // Places 1-4 of the set come with the label, warehouse and overlap-check commands.
  Add<Layout_Move_Left_cmd>();
  Add<Layout_Move_Top_cmd>();
  Add<Layout_Move_Bottom_cmd>();
  Add<Layout_Move_Right_cmd>();
  Add<Pressure_cmd>();
}
