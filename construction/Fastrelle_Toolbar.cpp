// Showing the system's toolbars.
#include "construction/Fastrelle_Toolbar.h"

#include "framework/CommandSequences.h"

void Fastrelle_Toolbar::ShowAll() {
  for (const wchar_t* name : {L"Fastrelle", L"Fastrelle_Plot", L"Corners", L"MultiCorners"})
    ShowToolbarCommand(name);
}
