// The construction command set.
#include "construction/Construction_cmds.h"

Construction_cmds::Construction_cmds() : cmds(L"Fastrelle_Constructions") {}
