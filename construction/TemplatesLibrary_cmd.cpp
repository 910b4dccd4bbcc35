// The templates library command.
#include "construction/TemplatesLibrary_cmd.h"

#include "construction/TemplatesLibrary_dlg.h"

void TemplatesLibrary_cmd::Run() {
  TemplatesLibrary_dlg dialog;
  dialog.DoModal();
}
