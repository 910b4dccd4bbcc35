// The curve protocol of the curve entities (lines, arcs, circles, ellipses, polylines,
// splines, leaders): parameters from 0, points, distances, derivatives, closest points,
// offsets, splits, extension and intersections. Each entity hands its shape to the
// geometry kernel's curve of the same kind and answers through it.
#ifndef PLATFORM_DB_ZCDBCURVE_H
#define PLATFORM_DB_ZCDBCURVE_H

#include <memory>
#include <vector>

#include "db/ZcDbEntity.h"

class ZcGeCurve3d;

/// A curve entity. Every parameter range starts at 0: a line's is its length, an arc's and
/// a circle's the swept angle, an ellipse's the eccentric angle from its start, a
/// polyline's the vertex index, a spline's its knot range shifted to 0. A point or
/// parameter off the curve gives eInvalidInput; an entity without a valid shape gives
/// eDegenerateGeometry. The kernel's tolerances apply (points within 1e-6 count as on the
/// curve; closest points and intersections are exact to about 1e-10).
class ZcDbCurve : public ZcDbEntity {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbCurve)

  /// The kernel's curve of this entity's shape (a new object), or null.
  virtual std::unique_ptr<ZcGeCurve3d> toGeCurve() const = 0;
  /// Takes the shape of `curve` (a curve of this entity's kind); eNotThatKindOfClass for
  /// another kind.
  virtual Zcad::ErrorStatus setFromGeCurve(const ZcGeCurve3d& curve) = 0;
  /// A new, non-resident entity of the kind that holds `curve`: a line, an arc or a circle,
  /// an ellipse, a lightweight (or 3-D) polyline, a spline.
  static ZcDbCurve* createFromGeCurve(const ZcGeCurve3d& curve);

  virtual bool isClosed() const;
  virtual bool isPeriodic() const;
  Zcad::ErrorStatus getStartParam(double& param) const;
  Zcad::ErrorStatus getEndParam(double& param) const;
  Zcad::ErrorStatus getStartPoint(ZcGePoint3d& p) const;
  Zcad::ErrorStatus getEndPoint(ZcGePoint3d& p) const;
  Zcad::ErrorStatus getPointAtParam(double param, ZcGePoint3d& p) const;
  Zcad::ErrorStatus getParamAtPoint(const ZcGePoint3d& p, double& param) const;
  Zcad::ErrorStatus getDistAtParam(double param, double& dist) const;
  Zcad::ErrorStatus getParamAtDist(double dist, double& param) const;
  Zcad::ErrorStatus getDistAtPoint(const ZcGePoint3d& p, double& dist) const;
  /// eInvalidInput for a negative distance or one beyond the length.
  Zcad::ErrorStatus getPointAtDist(double dist, ZcGePoint3d& p) const;
  Zcad::ErrorStatus getFirstDeriv(double param, ZcGeVector3d& d) const;
  Zcad::ErrorStatus getFirstDeriv(const ZcGePoint3d& p, ZcGeVector3d& d) const;
  Zcad::ErrorStatus getSecondDeriv(double param, ZcGeVector3d& d) const;
  Zcad::ErrorStatus getClosestPointTo(const ZcGePoint3d& given, ZcGePoint3d& closest,
                                      bool extend = false) const;
  /// The area enclosed by a closed curve (eNotApplicable for an open one).
  Zcad::ErrorStatus getArea(double& area) const;
  /// New, non-resident curves at `dist` beside this one (positive: right of the direction
  /// of travel seen from +Z), with this entity's properties; the caller deletes them.
  Zcad::ErrorStatus getOffsetCurves(double dist, std::vector<ZcDbCurve*>& curves) const;
  /// New curves of the pieces between the parameters / points, in order (see the kernel's
  /// rules for ends, repeats and closed curves), with this entity's properties.
  Zcad::ErrorStatus getSplitCurves(const ZcGeDoubleArray& params, std::vector<ZcDbCurve*>& curves) const;
  Zcad::ErrorStatus getSplitCurves(const ZcGePoint3dArray& points, std::vector<ZcDbCurve*>& curves) const;
  /// Moves the start (or end) to `point` on the curve's natural extension; eInvalidInput
  /// when it does not lie there, eNotApplicable for splines and closed curves.
  Zcad::ErrorStatus extend(bool atStart, const ZcGePoint3d& point);
  /// Runs the curve the other way.
  Zcad::ErrorStatus reverseCurve();

  /// The tight box of the curve.
  Zcad::ErrorStatus getGeomExtents(ZcDbExtents& extents) const override;
};

#endif
