// Regions made around a point picked inside a closed outline; the quick-form command builds
// one with the point, draws it once and reads the regions made.
#ifndef GEOMETRY_REGIONBYPOINT_TRACE_H
#define GEOMETRY_REGIONBYPOINT_TRACE_H

#include "geometry/Drawable.h"
#include "ge/ZcGePoint3d.h"

/// The regions around a seed point.
class RegionByPoint : public RegionCreator {};

/// The regions of the host's boundary trace around the seed point: the boundary's region,
/// then one per island.
class RegionByPoint_Trace : public RegionByPoint {
public:
  explicit RegionByPoint_Trace(const ZcGePoint3d& seed = ZcGePoint3d()) : m_seed(seed) {}

  /// Traces the boundary around the seed with its islands and puts a region of each loop
  /// into model space, their ids into the drawn ids, in the host's order: a traced region
  /// goes in as it is, a traced polyline is made a region (RegionByEntities) and then
  /// erased. Returns the trace's failure (130 when nothing encloses the seed), a polyline
  /// append's failure at once (600 when it gives no id); else 0, with each region's
  /// failure printed as "RegionByPoint_Trace::Draw" and the status. A loop of another kind
  /// prints "! make region by curves! " and status 4 at the end. Boundary objects that do
  /// not end in the drawing are deleted; null ones are skipped.
  int Draw() override;

  ZcGePoint3d m_seed;
  int m_status = 0;
};

#endif
