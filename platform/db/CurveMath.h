// Plane pieces of the analytic entities (line segments, circular arcs, points) and their
// intersections, for intersectWith of lines, arcs, circles, polylines and leaders until the
// geometry kernel answers for every curve. Private to platform/db.
#ifndef PLATFORM_DB_CURVEMATH_H
#define PLATFORM_DB_CURVEMATH_H

#include <vector>

#include "db/ZcDbEntity.h"

namespace zcdb {

/// One piece in the XY plane. A line runs a -> b over t in [0, 1]; an arc runs counter-
/// clockwise from angle a0 over `sweep` about c (a full circle has sweep 2π and `closed`);
/// a point is a. `param0` is the entity parameter where the piece starts (its order).
struct Piece {
  enum Kind { Line, Arc, Point } kind = Line;
  ZcGePoint3d a, b, c;
  double r = 0, a0 = 0, sweep = 0;
  bool closed = false;
  bool extendStart = false, extendEnd = false;  // a line becomes a ray/infinite; an arc its circle
  double param0 = 0;
};

/// The pieces of an entity (false when the entity is not one the analytic code knows).
/// With `extend`, an open entity's ends are marked for extension.
bool PiecesOf(const ZcDbEntity* ent, bool extend, std::vector<Piece>& out);

/// The points where the pieces of A meet those of B, in order along A, duplicates merged.
void IntersectPieces(const std::vector<Piece>& a, const std::vector<Piece>& b,
                     ZcGePoint3dArray& points);

/// The piece of a bulge segment from p to q.
Piece BulgePiece(const ZcGePoint3d& p, const ZcGePoint3d& q, double bulge, double param0);

/// The box of a counter-clockwise arc in the XY plane.
void AddArcExtents(ZcDbExtents& ext, const ZcGePoint3d& c, double r, double a0, double sweep);

/// An angle in [0, 2π).
double NormalizeAngle(double a);

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

/// Adds the box of a chain of bulge segments through `points` (closed: back to the first).
void AddBulgeChainExtents(ZcDbExtents& ext, const std::vector<std::pair<ZcGePoint3d, double>>& points,
                          bool closed);

}  // namespace zcdb

#endif
