// The Grading:Rule command.
#include "sizes/Grade_Library_cmd.h"

#include "framework/CommandSequences.h"
#include "sizes/Fastrelle_Sizes.h"
#include "sizes/Fastrelle_Sizes_Rules_dlg.h"

void Grade_Library_cmd::Run() {
  UndoBegin();
  UndoMark();
  Fastrelle_Sizes_ZW sizes;
  sizes.LoadFromLayers();
  {
    Fastrelle_Sizes_Rules_dlg dialog;
    dialog.Sizes() = sizes.Sizes();
    dialog.DoModal();
  }
  UndoEnd();
}
