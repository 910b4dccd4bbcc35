// A NURBS spline, given by control data or by fit data: the geometry of the database's splines
// and of every offset of a spline or an ellipse.
#ifndef PLATFORM_GE_ZCGENURBCURVE3D_H
#define PLATFORM_GE_ZCGENURBCURVE3D_H

#include "ge/ZcGeCurve3d.h"

/// A non-uniform rational B-spline. Two ways to define it:
///   control data  degree, knots, control points and (for a rational spline) weights;
///   fit data      points it passes through, optional start and end tangents and a fit
///                 tolerance; the control data is then interpolated (C2 cubic through the
///                 points, with the given end tangent directions).
/// A spline made from fit data keeps that data: setting a fit point or the tangents
/// re-interpolates; setting control data drops it.
///
/// The parameter is the knot range [knot[degree], knot[#ctrl]] shifted to start at 0 (the knots
/// a caller reads are the shifted ones; with unclamped ends the first `degree` are negative).
/// Interpolation and splits rest on OpenCASCADE; evaluation, length and its inverse, closest
/// points, intersections and offsets are the kernel's own, on the spline's rational Bézier spans
/// (closest points by isolating every stationary point of the distance per span, intersections
/// by span pruning and Newton, lengths by Gauss–Kronrod per span).
///
/// Invariants (setNurbsData checks them): degree ≥ 1; #knots = #ctrl + degree + 1; knots
/// non-decreasing with first < last; #ctrl ≥ degree + 1; weights empty or one per control point,
/// all > 0. A default-constructed spline has no data: endParam() 0, every operation on it fails
/// with eInvalidInput or answers the origin.
class ZcGeNurbCurve3d : public ZcGeCurve3d {
public:
  ZcGeNurbCurve3d();
  /// Control data; invalid data leaves the spline empty (use setNurbsData to learn why).
  ZcGeNurbCurve3d(int degree, const std::vector<double>& knots, const std::vector<ZcGePoint3d>& controlPoints,
                  const std::vector<double>& weights = {}, bool periodic = false);
  /// Fit data; zero tangents mean "natural" (free) end conditions. Too few or coincident
  /// consecutive fit points leave the spline empty (use setFitData to learn why).
  ZcGeNurbCurve3d(const std::vector<ZcGePoint3d>& fitPoints, const ZcGeVector3d& startTangent = {},
                  const ZcGeVector3d& endTangent = {}, double fitTolerance = 0.0);
  ZcGeNurbCurve3d(const ZcGeNurbCurve3d& other);
  ZcGeNurbCurve3d& operator=(const ZcGeNurbCurve3d& other);
  ~ZcGeNurbCurve3d() override;

  // --- Control data ----------------------------------------------------------------------------

  /// Replaces the definition by control data (knots are shifted to start at 0) and drops the
  /// fit data. eInvalidInput, changing nothing, when the invariants above do not hold.
  Zcad::ErrorStatus setNurbsData(int degree, const std::vector<double>& knots,
                                 const std::vector<ZcGePoint3d>& controlPoints,
                                 const std::vector<double>& weights = {}, bool periodic = false);
  /// The control data; `weights` is empty for a non-rational spline.
  void getNurbsData(int& degree, std::vector<double>& knots, std::vector<ZcGePoint3d>& controlPoints,
                    std::vector<double>& weights, bool& periodic) const;
  int degree() const;
  bool isRational() const;
  unsigned numControlPoints() const;
  Zcad::ErrorStatus getControlPointAt(unsigned index, ZcGePoint3d& point) const;
  /// Moves one control point (the fit data is dropped: the spline no longer passes through it).
  Zcad::ErrorStatus setControlPointAt(unsigned index, const ZcGePoint3d& point);
  unsigned numKnots() const;
  std::vector<double> knots() const;
  std::vector<ZcGePoint3d> controlPoints() const;
  /// One weight per control point (all 1 for a non-rational spline).
  std::vector<double> weights() const;

  // --- Fit data --------------------------------------------------------------------------------

  /// Replaces the definition by fit data and interpolates it. eInvalidInput, changing
  /// nothing, for fewer than 2 points or two consecutive points that coincide.
  Zcad::ErrorStatus setFitData(const std::vector<ZcGePoint3d>& fitPoints, const ZcGeVector3d& startTangent,
                               const ZcGeVector3d& endTangent, double fitTolerance = 0.0);
  bool hasFitData() const;
  unsigned numFitPoints() const;
  Zcad::ErrorStatus getFitPointAt(unsigned index, ZcGePoint3d& point) const;
  std::vector<ZcGePoint3d> fitPoints() const;
  /// Moves fit point `index` and re-interpolates through all fit points with the stored
  /// tangents (eNotApplicable without fit data, eInvalidIndex beyond the last).
  Zcad::ErrorStatus setFitPointAt(unsigned index, const ZcGePoint3d& point);
  /// The stored end tangents (zero vectors when free). eNotApplicable without fit data.
  Zcad::ErrorStatus getFitTangents(ZcGeVector3d& startTangent, ZcGeVector3d& endTangent) const;
  /// Stores end tangents and re-interpolates. A spline without fit data keeps its shape and
  /// answers eOk.
  Zcad::ErrorStatus setFitTangents(const ZcGeVector3d& startTangent, const ZcGeVector3d& endTangent);
  double fitTolerance() const;
  /// Forgets the fit data, keeping the shape.
  void purgeFitData();

  // --- Curve protocol ---------------------------------------------------------------------------

  Kind kind() const override { return kNurbCurve; }
  std::unique_ptr<ZcGeCurve3d> copy() const override;
  bool isPeriodic() const override;
  double endParam() const override;
  ZcGePoint3d evalPoint(double param) const override;
  ZcGeVector3d evalDeriv(double param) const override;
  ZcGeVector3d evalDeriv2(double param) const override;
  double closestParam(const ZcGePoint3d& point, bool extend = false) const override;
  /// One cubic spline within 1e-6 of the exact offset, with exact ends and end tangents. A
  /// kinked spline (a corner where knots repeat) is offset piece by piece, joined round the
  /// corner on an arc or trimmed where the pieces cross. eDegenerateGeometry where the exact
  /// offset has a cusp or crosses itself; eOutOfRange if the tolerance cannot be reached.
  Zcad::ErrorStatus getOffsetCurves(double dist, ZcGeCurve3dArray& offsetCurves) const override;
  /// Pieces by knot insertion; they are control-data splines (no fit data).
  Zcad::ErrorStatus getSplitCurves(const std::vector<double>& params,
                                   ZcGeCurve3dArray& pieces) const override;
  Zcad::ErrorStatus transformBy(const ZcGeMatrix3d& m) override;
  Zcad::ErrorStatus reverse() override;
  Zcad::ErrorStatus getGeomExtents(ZcGePoint3d& minPoint, ZcGePoint3d& maxPoint) const override;

  struct Impl;
  /// The OpenCASCADE side of the spline (for the kernel's own sources only).
  const Impl& impl() const { return *impl_; }

protected:
  double lengthBetween(double t0, double t1) const override;
  std::vector<double> spanBreaks() const override;

private:
  std::unique_ptr<Impl> impl_;
};

#endif
