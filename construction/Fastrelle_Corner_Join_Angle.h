// Corner join modes 3 and 4: the first cut line extended to the seam line, and a closing
// line from there to the second cut line at a right angle to it (90.0) or leaving at 45.0
// degrees.
#ifndef CONSTRUCTION_FASTRELLE_CORNER_JOIN_ANGLE_H
#define CONSTRUCTION_FASTRELLE_CORNER_JOIN_ANGLE_H

#include "construction/Fastrelle_Corner.h"

class Fastrelle_Corner_Join_Angle : public Fastrelle_Corner {
public:
  explicit Fastrelle_Corner_Join_Angle(double angle) : m_angle(angle) {}
  /// Validate; P = the first cut line's crossing with the seam line, the first cut line
  /// trimmed or extended to it (failures returned); Q = P's foot on the second cut line
  /// (on its tangent past its end), the second cut line to Q. At 90 degrees (within 0.001)
  /// the closing line is P-Q. Otherwise the line from P at the direction angle of P->Q less
  /// 90 degrees and less the angle meets the second cut line (the line extended, the curve
  /// not) at the crossing nearest P, or, when it misses, the line turned by +90 degrees
  /// does; the second cut line goes to that point and the closing line runs from P to it.
  int Join() override;
  int PickCutLines(const ZcGePoint3d&) override { return 1; }

  double m_angle;
};

#endif
