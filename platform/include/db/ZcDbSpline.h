// NURBS splines, with the fit data (fit points, end tangents, tolerance) they were made
// from when they have it. Seam lines of pattern pieces are mostly these.
#ifndef PLATFORM_DB_ZCDBSPLINE_H
#define PLATFORM_DB_ZCDBSPLINE_H

#include <memory>

#include "db/ZcDbCurve.h"

/// Control data: degree, knots (non-decreasing, count = control points + degree + 1),
/// control points, weights (empty when not rational). Fit data, when present: fit points,
/// start and end tangents (zero when free), fit tolerance. The curve's shape is the control
/// data's; a spline given fit data only is interpolated through it by the geometry kernel.
class ZcDbSpline : public ZcDbCurve {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbSpline)
  ZcDbSpline() = default;

  int degree() const { return degree_; }
  bool isRational() const { return !weights_.isEmpty(); }
  bool isClosed() const override { return closed_; }
  bool isPeriodic() const override { return periodic_; }
  int numControlPoints() const { return controlPoints_.length(); }
  Zcad::ErrorStatus getControlPointAt(int index, ZcGePoint3d& p) const;
  Zcad::ErrorStatus setControlPointAt(int index, const ZcGePoint3d& p);
  int numFitPoints() const { return fitPoints_.length(); }
  bool hasFitData() const { return !fitPoints_.isEmpty(); }
  Zcad::ErrorStatus getFitPointAt(int index, ZcGePoint3d& p) const;
  Zcad::ErrorStatus getFitTangents(ZcGeVector3d& start, ZcGeVector3d& end) const;
  double fitTolerance() const { return fitTolerance_; }
  /// Validates and sets the control data (drops the fit data): eInvalidInput when the knot
  /// count, their order, the number of control points or of weights does not fit.
  Zcad::ErrorStatus setNurbsData(int degree, bool rational, bool closed, bool periodic,
                                 const ZcGePoint3dArray& controlPoints,
                                 const ZcGeDoubleArray& knots, const ZcGeDoubleArray& weights);
  Zcad::ErrorStatus getNurbsData(int& degree, bool& rational, bool& closed, bool& periodic,
                                 ZcGePoint3dArray& controlPoints, ZcGeDoubleArray& knots,
                                 ZcGeDoubleArray& weights) const;
  /// Replaces the definition by fit data and interpolates the control data through it:
  /// eInvalidInput for fewer than 2 points or two equal consecutive ones.
  Zcad::ErrorStatus setFitData(const ZcGePoint3dArray& fitPoints, int degree, double tolerance,
                               const ZcGeVector3d& startTangent, const ZcGeVector3d& endTangent);
  /// Moves fit point `index` and interpolates again with the stored tangents: eNotApplicable
  /// without fit data, eInvalidIndex beyond the last.
  Zcad::ErrorStatus setFitPointAt(int index, const ZcGePoint3d& p);
  /// Stores end tangents and interpolates again; a spline without fit data keeps its shape.
  Zcad::ErrorStatus setFitTangents(const ZcGeVector3d& start, const ZcGeVector3d& end);
  Zcad::ErrorStatus getFitData(ZcGePoint3dArray& fitPoints, int& degree, double& tolerance,
                               ZcGeVector3d& startTangent, ZcGeVector3d& endTangent) const;


  std::unique_ptr<ZcGeCurve3d> toGeCurve() const override;
  /// Internal: the kernel curve toGeCurve hands out copies of, kept with the entity (made
  /// when the data changed); null when the data makes none. Valid until the next call of
  /// either after a change of the data.
  const ZcGeCurve3d* keptGeCurve() const;
  Zcad::ErrorStatus setFromGeCurve(const ZcGeCurve3d& curve) override;
  Zcad::ErrorStatus transformBy(const ZcGeMatrix3d& m) override;
  ZcDbObject* cloneObject() const override;
  const char* dxfName() const override { return "SPLINE"; }
  void dxfOutFields(ZcDbDxfFiler* filer) const override;
  Zcad::ErrorStatus dxfInFields(ZcDbDxfFiler* filer) override;

private:
  int degree_ = 3;
  bool closed_ = false, periodic_ = false;
  ZcGePoint3dArray controlPoints_, fitPoints_;
  ZcGeDoubleArray knots_, weights_;
  ZcGeVector3d startTangent_, endTangent_;
  ZcGeVector3d normal_ = ZcGeVector3d::kZAxis;
  double fitTolerance_ = 0.0, knotTolerance_ = 1e-10, controlTolerance_ = 1e-10;
  /// The kernel curve toGeCurve last made, with the data it was made from.
  struct Shape;
  mutable std::shared_ptr<const Shape> shape_;
  /// Whether shape_ was made from the data as it is now.
  bool shapeIsCurrent() const;
};

#endif
