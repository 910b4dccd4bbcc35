// Corner join mode 5: the first cut line mirrored about the seam line (or about the line
// square to it), the second cut line brought to where it meets the mirror, and a closing
// line from the seam line to there: the allowance folded back at the corner.
#ifndef CONSTRUCTION_FASTRELLE_CORNER_JOIN_BYMIRRORS_H
#define CONSTRUCTION_FASTRELLE_CORNER_JOIN_BYMIRRORS_H

#include "construction/Fastrelle_Corner.h"

class Fastrelle_Corner_Join_ByMirrors : public Fastrelle_Corner {
public:
  /// 16 when a curve is invalid. P1 = the crossing of the seam line and the first cut line
  /// (both extended; of several, the nearest to the seam line's first defining point; 551
  /// none); the first cut line trimmed or extended to it (a failure is returned). With N
  /// and F the seam line's defining points nearest to and farthest from P1: M1 = the first
  /// cut line mirrored about P1-N, M2 = M1 mirrored about the seam line's normal through
  /// P1; X1, X2 = the crossings of the second cut line with M1 and M2 nearest to N (a
  /// failure is returned). Direction 1 takes the one farther from F, 0 the nearer. The
  /// second cut line goes there and the closing line runs from P1. M1 and M2 are erased
  /// on every path.
  int Join() override;
  int PickCutLines(const ZcGePoint3d&) override { return 1; }

  /// 1: the mirror meets the second cut line only extended (take the farther crossing).
  unsigned char m_direction = 1;
};

/// The two mirror copies of a mirror corner (its join or its preview), erased when this
/// goes out of scope, whatever way the work ends.
struct MirrorCopies {
  MirrorCopies() = default;
  MirrorCopies(const MirrorCopies&) = delete;
  MirrorCopies& operator=(const MirrorCopies&) = delete;
  ~MirrorCopies();
  ZcDbObjectId m1, m2;
};

#endif
