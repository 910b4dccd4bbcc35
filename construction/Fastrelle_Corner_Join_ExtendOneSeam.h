// Corner join mode 1: the first cut line extended to the seam line, the second to the foot
// of the seam line's corner end, and a closing line between them.
#ifndef CONSTRUCTION_FASTRELLE_CORNER_JOIN_EXTENDONESEAM_H
#define CONSTRUCTION_FASTRELLE_CORNER_JOIN_EXTENDONESEAM_H

#include "construction/Fastrelle_Corner.h"

class Fastrelle_Corner_Join_ExtendOneSeam : public Fastrelle_Corner {
public:
  /// Validate; P = the crossing of the first cut line and the seam line (both extended;
  /// its failure returned); the first cut line to P (a failure is printed, the line
  /// stays); E = the seam line's end nearer to P; Q = E's foot on the second cut line (on
  /// its tangent past its end); the second cut line to Q (a failure is returned); the
  /// closing line P-Q.
  int Join() override;
  /// Picked by the command: 1.
  int PickCutLines(const ZcGePoint3d&) override { return 1; }
};

#endif
