// The measuring tape that a pick finishes: the tool of notches and new grade points,
// where a click places the mark. Used by the grade-point and marking commands.
#ifndef CONSTRUCTION_FASTRELLE_PICKET_H
#define CONSTRUCTION_FASTRELLE_PICKET_H

#include "construction/Fastrelle_Miarka.h"

class Fastrelle_Picket : public Fastrelle_Miarka {
public:
  /// The end goes to the picked point as a motion there would put it (the observers see
  /// it), then 129 ends the loop at once: the input after the pick stays unread.
  int OnPick() override;
};

#endif
