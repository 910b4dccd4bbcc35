// The plot command set.
#include "layout/Plot_cmds.h"

Plot_cmds::Plot_cmds() : cmds(L"Fastrelle_Plot") {}
