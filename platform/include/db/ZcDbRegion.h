// Regions: areas bounded by closed loops of lines, arcs, elliptic arcs and splines, held as
// the geometry kernel's region. Made from curves, united, exploded back into curves and
// filed; the system's region helpers and the boundary trace use them.
#ifndef PLATFORM_DB_ZCDBREGION_H
#define PLATFORM_DB_ZCDBREGION_H

#include <string>
#include <utility>
#include <vector>

#include "db/ZcArray.h"
#include "db/ZcDbEntity.h"
#include "ge/ZcGeRegion.h"

using ZcDbVoidPtrArray = ZcArray<void*>;

namespace ZcDb {
/// The boolean operations on regions.
enum BoolOperType { kBoolUnite = 0, kBoolIntersect = 1, kBoolSubtract = 2 };
}  // namespace ZcDb

/// A planar region: one or more faces, each an outer loop with optional holes, each loop a
/// closed chain of exact curves (see ZcGeRegion). A new region is empty (isNull()). A region
/// read from a file with another modeler's body keeps that body as read and writes it back;
/// it has no geometry here (isNull()) and refuses measuring, moving and booleans
/// (eNotApplicable).
class ZcDbRegion : public ZcDbEntity {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbRegion)
  ZcDbRegion() = default;

  /// Makes one new region (not in any database, owned by the caller, appended to `regions`)
  /// per closed loop among `curveSegments` (ZcDbCurve pointers): a closed curve alone is a
  /// loop, open curves chain end to end within 1e-6 in any order and direction. Curves
  /// closing no loop are left out.
  /// eInvalidInput for an empty list or an entry that is not a curve; eNonCoplanarGeometry
  /// (150) when no loop closes; nothing is appended then.
  static Zcad::ErrorStatus createFromCurves(const ZcDbVoidPtrArray& curveSegments, ZcDbVoidPtrArray& regions);

  const ZcGeRegion& geRegion() const { return region_; }
  /// Replaces the geometry (open for write).
  Zcad::ErrorStatus setGeRegion(const ZcGeRegion& region);
  bool isNull() const { return region_.isEmpty(); }
  /// The enclosed area, holes subtracted; 0 for an empty region.
  Zcad::ErrorStatus getArea(double& area) const;
  /// Where `point` lies against the region, seen in the XY plane: on the boundary within 1e-9
  /// of an edge, else inside or outside with holes counted (see ZcGeRegion::containment);
  /// outside for an empty region. eNotApplicable for another modeler's body.
  Zcad::ErrorStatus getPointContainment(const ZcGePoint3d& point, ZcGeRegion::PointContainment& where) const;
  /// this := this ∪ other for kBoolUnite, both open for write (or not in a database); the
  /// other region is left empty, for its caller to erase. eInvalidInput when the union fails
  /// (both unchanged); eNotImplementedYet for intersection and subtraction; eNullEntityPointer
  /// for no other region.
  Zcad::ErrorStatus booleanOper(ZcDb::BoolOperType operation, ZcDbRegion* otherRegion);
  /// One new curve entity (ZcDbLine, ZcDbArc, ZcDbCircle, ZcDbEllipse, ZcDbSpline) per
  /// boundary edge, face by face, loop by loop, in chain order, with this region's
  /// properties; owned by the caller. eInvalidInput for an empty region.
  Zcad::ErrorStatus explode(ZcDbVoidPtrArray& entitySet) const;

  Zcad::ErrorStatus transformBy(const ZcGeMatrix3d& m) override;
  Zcad::ErrorStatus getGeomExtents(ZcDbExtents& extents) const override;
  ZcDbObject* cloneObject() const override;
  const char* dxfName() const override { return "REGION"; }
  void dxfOutFields(ZcDbDxfFiler* filer) const override;
  Zcad::ErrorStatus dxfInFields(ZcDbDxfFiler* filer) override;

private:
  bool isForeign() const { return !foreignBody_.empty(); }

  ZcGeRegion region_;
  std::vector<std::pair<int, std::string>> foreignBody_;  // another modeler's groups 1 and 3
};

#endif
