// Finds the closed boundary around a point among a set of curves, with the islands inside it;
// the editor's boundary command is built on it.
#ifndef PLATFORM_GE_ZCGEBOUNDARYTRACER_H
#define PLATFORM_GE_ZCGEBOUNDARYTRACER_H

#include "ge/ZcGeBulgePolyline3d.h"
#include "ge/ZcGeRegion.h"

/// One traced loop: a closed bulge polyline when every edge is a line or an arc, else a
/// region of one face. Exactly one of the two is set.
struct ZcGeTracedLoop {
  std::unique_ptr<ZcGeBulgePolyline3d> polyline;
  std::unique_ptr<ZcGeRegion> region;
  /// The loop is an island inside the outer boundary.
  bool isIsland = false;
};

/// Traces boundaries in the XY plane. The curves are cut at all their mutual intersections into
/// a planar graph; an edge drawn twice counts once; edges that close no loop are dropped; the
/// faces of the graph are traced with their interior on the left (edges leaving a vertex along
/// one tangent, within 1e-8 rad, in the order their curvature and then their course give); the
/// boundary is the smallest face that contains the seed, by the winding number on the exact
/// curves. Polyline arcs stay polyline segments, exact however nearly straight.
/// Islands are the outlines of the separate groups of curves that lie inside that face (only
/// the outermost ones, not islands inside islands).
class ZcGeBoundaryTracer {
public:
  /// `tol`: end points closer than this are the same graph vertex.
  explicit ZcGeBoundaryTracer(double tol = 1e-6) : tol_(tol) {}

  /// The boundary around `seed` (loops[0]) and, with `detectIslands`, the island loops after it.
  /// The boundary polyline runs counter-clockwise. eNoInputFiles (130) when no closed boundary
  /// encloses the seed (then `loops` is empty); eInvalidInput for no curves.
  Zcad::ErrorStatus trace(const std::vector<const ZcGeCurve3d*>& curves, const ZcGePoint3d& seed,
                          bool detectIslands, std::vector<ZcGeTracedLoop>& loops) const;

private:
  double tol_;
};

#endif
