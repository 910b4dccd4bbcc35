// The part-set command.
#include "construction/PartsSet_Cmd.h"

#include "construction/PartsSet_dlg.h"

void PartsSet_Cmd::Run() {
  PartsSet_dlg dialog;
  dialog.DoModal();
}
