// The growth-control command.
#include "sizes/Growth_cmd.h"

#include "sizes/Growth_dlg.h"

void Growth_cmd::Run() {
  Growth_dlg dialog;
  dialog.DoModal();
}
