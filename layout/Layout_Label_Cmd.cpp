// The layout-label command.
#include "layout/Layout_Label_Cmd.h"

#include "layout/Layout_Label_dlg.h"

void Layout_Label_Cmd::Run() {
  Layout_Label_dlg dialog;
  dialog.DoModal();
}
