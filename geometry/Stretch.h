// A stretch: moves every defining point of a set of entities that lies at `from` to `to`,
// leaving the others where they are. The base of the entity dispatcher (StretchByDataBase)
// and of the spline stretchers; used by curve chains and the grade-point move.
#ifndef GEOMETRY_STRETCH_H
#define GEOMETRY_STRETCH_H

#include "db/ZcDbObjectId.h"
#include "ge/ZcGePoint3d.h"

/// A point is "near" `from` when it lies strictly within 0.1 drawing units of it.
class Stretch {
public:
  virtual ~Stretch() = default;
  /// Stretches one entity; a status.
  virtual int stretch(ZcDbObjectId id) = 0;
  /// Stores both points, then: nothing (0) for no ids or a move shorter than 1e-5. Every
  /// id is checked first (CheckId); the first failure is returned with nothing changed.
  /// Then each id is stretched in order; the first non-zero result stops the walk.
  virtual int Apply(const ZcGePoint3d& from, const ZcGePoint3d& to);

  /// True when P is near `from`.
  bool IsNear(const ZcGePoint3d& p) const { return p.distanceTo(from) < 0.1; }

  ZcDbObjectIdArray ids;
  int status = 0;
  ZcGePoint3d from, to;

protected:
  /// Whether `id` can be stretched, asked of every id before any moves: 0 here.
  virtual int CheckId(ZcDbObjectId id) { return 0; }
};

#endif
