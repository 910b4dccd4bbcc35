// A pick places the tape's end and finishes the drag.
#include "construction/Fastrelle_Picket.h"

int Fastrelle_Picket::OnPick() {
  OnDrag();  // the host moves the cursor to where the user clicks before the click
  return kDragFinish;
}
