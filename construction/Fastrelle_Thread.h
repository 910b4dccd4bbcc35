// The grain-line arrow of a part: a leader from a start point inside the part towards
// the straight-grain direction, added to the part as an extra element in every size. The
// grain-line command picks the two points and draws it.
#ifndef CONSTRUCTION_FASTRELLE_THREAD_H
#define CONSTRUCTION_FASTRELLE_THREAD_H

#include "ge/ZcGePoint3d.h"

class Fastrelle_Thread {
public:
  Fastrelle_Thread() = default;
  Fastrelle_Thread(const ZcGePoint3d& start, const ZcGePoint3d& direction) : m_start(start), m_direction(direction) {}
  virtual ~Fastrelle_Thread() = default;
  /// Draws the arrow (the drawing's "Dimasz" and "DimScale") from the start point with its
  /// head at the direction point, and adds it to the part at the start point as an extra
  /// element, which copies it into every size. Without a part there nothing is drawn and
  /// the command line says so (374); points closer than 1e-5 draw nothing (2).
  int Draw();

  ZcGePoint3d m_start;
  ZcGePoint3d m_direction;
};

#endif
