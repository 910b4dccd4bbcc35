// The construction command set.
#include "construction/Construction_cmds.h"

#include "construction/PartDescription_cmd.h"

// The commands are added in the order of the command table.
Construction_cmds::Construction_cmds() : cmds(L"Fastrelle_Constructions") {
  Add<PartDescription_cmd>();
}
