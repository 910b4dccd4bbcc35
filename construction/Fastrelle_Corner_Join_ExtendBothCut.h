// Corner join mode 0: both cut lines trimmed or extended to where they cross, no closing
// line. The join the cut-line builder runs at each end of a new cut line.
#ifndef CONSTRUCTION_FASTRELLE_CORNER_JOIN_EXTENDBOTHCUT_H
#define CONSTRUCTION_FASTRELLE_CORNER_JOIN_EXTENDBOTHCUT_H

#include "construction/Fastrelle_Corner.h"

/// Needs only the two cut lines (the seam line is not looked at).
class Fastrelle_Corner_Join_ExtendBothCut : public Fastrelle_Corner {
public:
  /// 16 when a cut line is invalid, 127 when both are the same; else their crossing (both
  /// extended, the least extension), the first then the second trimmed or extended to it;
  /// a failure is printed and returned.
  int Join() override;
  /// FindCutLinesAt the point; when that fails the user picks the first cut line (40209),
  /// highlighted while the second is picked (40210). 180 on a cancel.
  int PickCutLines(const ZcGePoint3d& point) override;
};

#endif
