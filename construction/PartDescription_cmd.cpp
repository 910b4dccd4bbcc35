// The part-description command.
#include "construction/PartDescription_cmd.h"

#include "construction/PartDescription_dlg.h"

void PartDescription_cmd::Run() {
  PartDescription_dlg dialog;
  dialog.DoModal();
}
