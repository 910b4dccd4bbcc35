// Regions: areas bounded by closed loops. Made from curves by the geometry kernel; the
// database keeps their loops and files them.
#ifndef PLATFORM_DB_ZCDBREGION_H
#define PLATFORM_DB_ZCDBREGION_H

#include <vector>

#include "db/ZcDbEntity.h"
#include "ge/ZcGePoint2d.h"

/// A planar region: its boundary loops, each a closed sequence of vertices with bulges
/// (arc segments) in the XY plane at an elevation; the first loop is the outer one.
class ZcDbRegion : public ZcDbEntity {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbRegion)
  struct LoopVertex {
    ZcGePoint2d p;
    double bulge = 0.0;
  };
  using Loop = std::vector<LoopVertex>;

  ZcDbRegion() = default;
  const std::vector<Loop>& loops() const { return loops_; }
  /// eInvalidInput for a loop of fewer than two vertices.
  Zcad::ErrorStatus setLoops(const std::vector<Loop>& loops, double elevation = 0.0);
  double elevation() const { return elevation_; }

  Zcad::ErrorStatus transformBy(const ZcGeMatrix3d& m) override;
  Zcad::ErrorStatus getGeomExtents(ZcDbExtents& extents) const override;
  ZcDbObject* cloneObject() const override;
  const char* dxfName() const override { return "REGION"; }
  void dxfOutFields(ZcDbDxfFiler* filer) const override;
  Zcad::ErrorStatus dxfInFields(ZcDbDxfFiler* filer) override;

private:
  std::vector<Loop> loops_;
  double elevation_ = 0.0;
};

#endif
