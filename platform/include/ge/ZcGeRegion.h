// A planar region bounded by closed loops of curves: the geometry of the database's regions,
// and what the boundary tracer returns for loops with spline or ellipse edges.
#ifndef PLATFORM_GE_ZCGEREGION_H
#define PLATFORM_GE_ZCGEREGION_H

#include "ge/ZcGeCurve3d.h"

/// One or more faces in a plane; each face is an outer loop with optional hole loops, each
/// loop a closed chain of curves (lines, arcs, elliptic arcs, splines) joined end to end.
///
/// A region made from one loop has one face without holes. Union rests on OpenCASCADE's
/// boolean operations, with edges shared by both operands removed and edges on one line or
/// circle merged; the result's curves are read back as lines, arcs, elliptic arcs and splines.
/// The area is Green's theorem over the boundary: closed forms for lines, arcs and elliptic
/// arcs; splines span by span between their knots, with a Gauss rule exact for the span's
/// polynomial degree (adaptive on rational spans), to ~1e-12 relative.
class ZcGeRegion {
public:
  /// Where a point lies against a region.
  enum PointContainment { kInside = 0, kOutside = 1, kOnBoundary = 2 };
  /// A loop: curves in chain order, each one's end meeting the next one's start.
  using Loop = std::vector<std::unique_ptr<ZcGeCurve3d>>;
  /// A face: the outer loop first, then its holes.
  using Face = std::vector<Loop>;

  ZcGeRegion() = default;
  ZcGeRegion(const ZcGeRegion& other);
  ZcGeRegion& operator=(const ZcGeRegion& other);
  ZcGeRegion(ZcGeRegion&&) = default;
  ZcGeRegion& operator=(ZcGeRegion&&) = default;

  /// Groups `curves` into closed loops and makes one region per loop, in the order the loops'
  /// first curves appear: a closed curve alone is a loop; open curves are chained end to end
  /// (either direction) when their ends meet within `joinTol`. Loops are not nested into each
  /// other. Curves that close no loop are left out. eNonCoplanarGeometry (150) when no loop
  /// closes (and `regions` stays empty), eInvalidInput for an empty list.
  static Zcad::ErrorStatus createFromCurves(const std::vector<const ZcGeCurve3d*>& curves,
                                            std::vector<ZcGeRegion>& regions, double joinTol = 1e-6);

  /// A region of one face without holes bounded by `loop` (a closed chain, not checked beyond
  /// its ends meeting within 1e-6: eInvalidInput otherwise).
  static Zcad::ErrorStatus fromLoop(Loop loop, ZcGeRegion& region);

  /// A region of the given faces as they stand (each face's first loop its outline, the rest
  /// its holes; not checked for overlaps). eInvalidInput, `region` unchanged, when a face or a
  /// loop is empty or a loop's curves do not meet end to end within 1e-6.
  static Zcad::ErrorStatus fromFaces(std::vector<Face> faces, ZcGeRegion& region);

  /// this := this ∪ other; `other` is left empty. Disjoint operands give several faces, a
  /// nested one vanishes into the outer one, neighbours sharing edges merge with the shared
  /// edges gone. eInvalidInput when the boolean operation fails (both unchanged).
  Zcad::ErrorStatus unite(ZcGeRegion& other);

  bool isEmpty() const { return faces_.empty(); }
  unsigned numFaces() const { return static_cast<unsigned>(faces_.size()); }
  const std::vector<Face>& faces() const { return faces_; }
  /// The enclosed area: outer loops count positive, holes negative; 0 for an empty region.
  double area() const;
  Zcad::ErrorStatus getArea(double& area) const;
  /// Copies of all boundary curves, face by face, loop by loop, in chain order.
  Zcad::ErrorStatus explode(ZcGeCurve3dArray& curves) const;
  Zcad::ErrorStatus transformBy(const ZcGeMatrix3d& m);
  Zcad::ErrorStatus getGeomExtents(ZcGePoint3d& minPoint, ZcGePoint3d& maxPoint) const;
  /// Where `point` lies, seen in the XY plane (as the area): on the boundary within `tol` of an
  /// edge; else inside when inside some face's outer loop and none of its holes (whichever way
  /// each loop runs), by winding numbers over the exact edges: lines and arcs in closed form,
  /// splines and elliptic arcs by their Bézier spans, halved until the point lies outside each
  /// piece's control box. Outside for an empty region.
  PointContainment containment(const ZcGePoint3d& point, double tol = 1e-9) const;

  /// The signed area that the closed chain `loop` encloses in the XY plane (positive
  /// counter-clockwise), by Green's theorem; a gap between one piece's end and the next one's
  /// start (pieces joined within a tolerance) closes along its chord.
  static double signedLoopArea(const std::vector<const ZcGeCurve3d*>& loop);

private:
  std::vector<Face> faces_;
};

#endif
