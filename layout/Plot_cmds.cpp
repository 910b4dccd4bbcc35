// The plot command set.
#include "layout/Plot_cmds.h"

#include "layout/CheckIntersections_cmd.h"
#include "layout/Layout_LabelItems_cmd.h"
#include "layout/Layout_Label_Cmd.h"

Plot_cmds::Plot_cmds() : cmds(L"Fastrelle_Plot") {
  Add<Layout_Label_Cmd>();
  Add<CheckIntersections_cmd>();
  Add<Layout_LabelItems_cmd>();
}
