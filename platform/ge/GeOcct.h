// The bridge to OpenCASCADE, private to the geometry kernel: the spline's hidden state,
// conversions of our curves to OpenCASCADE curves and back.
#ifndef PLATFORM_GE_GEOCCT_H
#define PLATFORM_GE_GEOCCT_H

#include <Geom_BSplineCurve.hxx>
#include <Geom_Curve.hxx>

#include "ge/GeSpans.h"
#include "ge/ZcGeNurbCurve3d.h"

struct ZcGeNurbCurve3d::Impl {
  Handle(Geom_BSplineCurve) curve;  // null for an empty spline; its range starts at 0
  bool periodic = false;
  bool hasFit = false;
  std::vector<ZcGePoint3d> fitPoints;
  ZcGeVector3d startTangent, endTangent;
  double fitTolerance = 0.0;
  ge::BezierSpans spans;  // the same curve as Bézier spans: evaluation, projection, length

  /// Rebuilds `spans` from `curve`; every change of the curve calls it.
  void rebuildSpans();
};

namespace ge {

inline gp_Pnt toPnt(const ZcGePoint3d& p) { return gp_Pnt(p.x, p.y, p.z); }
inline ZcGePoint3d fromPnt(const gp_Pnt& p) { return {p.X(), p.Y(), p.Z()}; }
inline ZcGeVector3d fromVec(const gp_XYZ& v) { return {v.X(), v.Y(), v.Z()}; }

/// An OpenCASCADE curve of the same shape whose parameter equals ours plus `shift`
/// (lines and arcs included, for booleans and the benchmarks).
Handle(Geom_Curve) toOcct(const ZcGeCurve3d& c, double& shift);
/// Our curve for an OpenCASCADE curve over [first, last]: lines, circles and ellipses become
/// lines, arcs and elliptic arcs; everything else a spline.
std::unique_ptr<ZcGeCurve3d> fromOcct(const Handle(Geom_Curve)& c, double first, double last);
/// A spline from an OpenCASCADE B-spline over its own range (knots shifted to start at 0).
std::unique_ptr<ZcGeNurbCurve3d> splineFromOcct(const Handle(Geom_BSplineCurve)& c);

}  // namespace ge

#endif
