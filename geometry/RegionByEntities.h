// A region made from a list of curve ids (the outline of a part, or one traced polyline):
// the layout's pieces and the boundary trace use it.
#ifndef GEOMETRY_REGIONBYENTITIES_H
#define GEOMETRY_REGIONBYENTITIES_H

#include "db/ZcDbObjectId.h"

/// Fill `m_curveIds` (and `m_owner`, null for model space), then Make. Lives on the
/// caller's stack for one region.
class RegionByEntities {
public:
  virtual ~RegionByEntities() = default;
  /// Makes the region of the curves (chained and closed first, see MakeRegionFromCurves)
  /// in the owner record and keeps its id in `m_regionId`: 0; 379 for an owner id that is
  /// not valid; 3 without curves; the region maker's status otherwise.
  virtual int Make();

  ZcDbObjectIdArray m_curveIds{0, 8};
  ZcDbObjectId m_regionId;
  ZcDbObjectId m_owner;
};

#endif
