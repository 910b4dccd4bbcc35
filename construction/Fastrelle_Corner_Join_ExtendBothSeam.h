// Corner join mode 2: each cut line extended to a seam line (the first to the seam line
// picked first, the second to the other), and a closing line between them.
#ifndef CONSTRUCTION_FASTRELLE_CORNER_JOIN_EXTENDBOTHSEAM_H
#define CONSTRUCTION_FASTRELLE_CORNER_JOIN_EXTENDBOTHSEAM_H

#include "construction/Fastrelle_Corner.h"

class Fastrelle_Corner_Join_ExtendBothSeam : public Fastrelle_Corner {
public:
  /// Validate (which orders the cut lines); P = the first cut line's crossing with the
  /// seam line, or with the second seam line when that fails; Q = the second cut line's
  /// crossing with the second seam line, or with the seam line; each cut line trimmed or
  /// extended to its point (a failure is printed and the line stays); the closing line
  /// P-Q. A cut line meeting neither seam line: 551.
  int Join() override;
  int PickCutLines(const ZcGePoint3d&) override { return 1; }
  /// The base checks, then 16 for an invalid second seam line, 4 when it is one of the
  /// other curves; then OrderCutLines.
  int Validate() override;
  /// Swaps the cut lines when the first one's far end is the seam line's far end, so that
  /// the first cut line runs along the second seam line's edge. 0.
  virtual int OrderCutLines();

  ZcDbObjectId m_seam2;
};

#endif
