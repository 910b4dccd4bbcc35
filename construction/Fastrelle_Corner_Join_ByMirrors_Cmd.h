// Picking a mirror corner: the seam line and the cut line to mirror, a preview of both
// mirror copies from which a point keeps one, then the cut line to extend; the kept copy
// decides the join's direction. Used by the Corner and MultiCorner commands.
#ifndef CONSTRUCTION_FASTRELLE_CORNER_JOIN_BYMIRRORS_CMD_H
#define CONSTRUCTION_FASTRELLE_CORNER_JOIN_BYMIRRORS_CMD_H

#include "construction/Fastrelle_Corner_Join_Cmd.h"

class Fastrelle_Corner_Join_ByMirrors_Cmd : public Fastrelle_Corner_Join_Cmd {
public:
  Fastrelle_Corner_Join_ByMirrors_Cmd();
  /// The seam line S (40205, highlighted) and the cut line C1 (40206); P = their crossing
  /// (both extended; its failure returned). M1 = C1 mirrored about the tangent of S at its
  /// point nearest P, M2 = M1 mirrored about the normal there, both highlighted. A point
  /// (40207) hides the copy farther from it (M1 on a tie). Then C2 (40208): the direction
  /// becomes 1 when C2 misses the kept copy (the copy extended), else 0. Both copies are
  /// erased on every path; a cancel at any prompt gives 180.
  int Pick() override;
  unsigned char Direction() const;
  /// Where the seam line and the first cut line meet.
  ZcGePoint3d m_point;
};

#endif
