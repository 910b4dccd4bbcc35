// Small helpers the flat entities (arcs, polylines, regions) share for their transforms:
// angles, the scale a transform applies in the plane, moving 2-D vertices. The geometry
// itself is the kernel's. Private to platform/db.
#ifndef PLATFORM_DB_CURVEMATH_H
#define PLATFORM_DB_CURVEMATH_H

#include <vector>

#include "db/ZcDbEntity.h"

namespace zcdb {

/// An angle in [0, 2π).
double NormalizeAngle(double a);

/// An angle in degrees, as a drawing file holds it, in radians.
double Radians(double degrees);
/// An angle in radians in degrees: the number nearest its plain conversion that Radians
/// reads back as the same angle (for the rare angle no number gives, the one for the angle
/// read instead), so that a drawing saved and read again keeps its angles to the last bit.
double Degrees(double radians);

/// The scale a transform applies in the XY plane and whether it mirrors; false when the
/// scale is not the same in every direction of the plane.
bool PlaneScale(const ZcGeMatrix3d& m, double& scale, bool& mirrored);

/// Transforms 2-D vertices (members p and bulge) lying at `elevation`: points move, bulges
/// turn over under a mirror, the elevation follows. eCannotScaleNonUniformly, nothing
/// changed, for a transform that does not keep circles round.
template <class V>
Zcad::ErrorStatus TransformFlat(std::vector<V>& verts, double& elevation, const ZcGeMatrix3d& m,
                                double& scale) {
  bool mirrored = false;
  if (!PlaneScale(m, scale, mirrored)) return Zcad::eCannotScaleNonUniformly;
  ZcGePoint3d origin(0, 0, elevation);
  double z = origin.transformBy(m).z;
  for (V& v : verts) {
    ZcGePoint3d q(v.p.x, v.p.y, elevation);
    q.transformBy(m);
    v.p.set(q.x, q.y);
    z = q.z;
    if (mirrored) v.bulge = -v.bulge;
  }
  elevation = z;
  return Zcad::eOk;
}

}  // namespace zcdb

#endif
