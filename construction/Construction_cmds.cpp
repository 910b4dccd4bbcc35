// The construction command set.
#include "construction/Construction_cmds.h"

#include "construction/Fastrelle_Form_Cmd.h"
#include "construction/Fastrelle_QuickForm_Cmd.h"

Construction_cmds::Construction_cmds() : cmds(L"Fastrelle_Constructions") {
  Add<Fastrelle_Form_Cmd>();
  Add<Fastrelle_QuickForm_Cmd>();
}
