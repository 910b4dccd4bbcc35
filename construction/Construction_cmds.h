// The construction command set (group "Fastrelle_Constructions"): pattern construction,
// grading and the templates library. Its commands join it as they are built.
#ifndef CONSTRUCTION_CONSTRUCTION_CMDS_H
#define CONSTRUCTION_CONSTRUCTION_CMDS_H

#include "framework/cmd.h"

class Construction_cmds : public cmds {
public:
  Construction_cmds();
};

#endif
