// The grading command.
#include "sizes/Grades_Cmd.h"

#include "sizes/Fastrelle_SizePoints_dlg.h"

void Grades_Cmd::Run() {
  Fastrelle_SizePoints_dlg dialog;
  dialog.DoModal();
}
