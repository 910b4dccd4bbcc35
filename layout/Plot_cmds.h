// The plot command set (group "Fastrelle_Plot"): the fabric layout. Its commands join it
// as they are built.
#ifndef LAYOUT_PLOT_CMDS_H
#define LAYOUT_PLOT_CMDS_H

#include "framework/cmd.h"

class Plot_cmds : public cmds {
public:
  Plot_cmds();
};

#endif
