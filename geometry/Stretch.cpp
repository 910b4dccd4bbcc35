// The stretch walk over its ids.
#include "geometry/Stretch.h"

int Stretch::Apply(const ZcGePoint3d& fromPoint, const ZcGePoint3d& toPoint) {
  from = fromPoint;
  to = toPoint;
  if (ids.isEmpty() || from.distanceTo(to) < 1e-5) return 0;
  for (ZcDbObjectId id : ids)
    if (int es = CheckId(id)) return es;
  for (ZcDbObjectId id : ids)
    if (int es = stretch(id)) return es;
  return 0;
}
