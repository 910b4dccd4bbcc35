// A polyline of line and arc segments given by vertices and bulges: the geometry of the
// database's lightweight, 2-D and 3-D polylines, and the loops the boundary tracer returns.
#ifndef PLATFORM_GE_ZCGEBULGEPOLYLINE3D_H
#define PLATFORM_GE_ZCGEBULGEPOLYLINE3D_H

#include "ge/ZcGeCurve3d.h"
#include "ge/ZcGePoint2d.h"

class ZcGeLineSeg3d;
class ZcGeCircArc3d;
namespace ge { struct PlineSeg; }

/// Vertices joined by segments; the segment from vertex i to vertex i + 1 (and, when closed,
/// from the last vertex back to the first) is straight when bulge(i) is 0, else a circular arc
/// with bulge = tan(sweep / 4): positive turns counter-clockwise seen from +normal, negative
/// clockwise, 1 is a half circle.
///
/// Two vertex forms:
///   2-D   vertices in the plane of `normal` at `elevation` (the lightweight and 2-D polyline's
///         form), given as 2-D points of that plane's own coordinates, with bulges;
///   3-D   free vertices in space, no bulges (the 3-D polyline's form).
/// Vertices are kept as 3-D points in world coordinates either way.
///
/// The parameter is the vertex index: segment i covers [i, i + 1], linear in length along a line
/// segment and in angle along an arc segment; endParam() is numVerts − 1, or numVerts when closed.
/// A segment between coincident vertices has length zero and is skipped by lengths and closest
/// points. Invariants: bulges().size() == numVerts(); in the 3-D form every bulge is 0.
class ZcGeBulgePolyline3d : public ZcGeCurve3d {
public:
  /// An empty 2-D polyline in the XY plane.
  ZcGeBulgePolyline3d() = default;
  /// 2-D form: `points` in the coordinates of the plane (normal, elevation); `bulges` may be
  /// shorter than `points` (missing ones are 0).
  ZcGeBulgePolyline3d(const std::vector<ZcGePoint2d>& points, const std::vector<double>& bulges,
                      bool closed = false, double elevation = 0.0,
                      const ZcGeVector3d& normal = ZcGeVector3d::kZAxis);
  /// 3-D form.
  explicit ZcGeBulgePolyline3d(const std::vector<ZcGePoint3d>& points, bool closed = false);

  /// The 3-D form (no bulges, free vertices).
  bool is3d() const { return is3d_; }
  unsigned numVerts() const { return static_cast<unsigned>(points_.size()); }
  /// The number of segments: numVerts − 1, or numVerts when closed (0 for fewer than 2 vertices).
  unsigned numSegments() const;
  bool closedFlag() const { return closed_; }
  void setClosed(bool closed) { closed_ = closed; }
  ZcGeVector3d normal() const { return normal_; }
  double elevation() const { return elevation_; }

  /// Vertex `index` in world coordinates (eInvalidIndex beyond the last).
  Zcad::ErrorStatus getPointAt(unsigned index, ZcGePoint3d& point) const;
  /// Vertex `index` in the plane's own coordinates (the 2-D form's view of it).
  Zcad::ErrorStatus getPointAt(unsigned index, ZcGePoint2d& point) const;
  Zcad::ErrorStatus getBulgeAt(unsigned index, double& bulge) const;
  ZcGePoint3d vertexAt(unsigned index) const { return points_.at(index); }
  double bulgeAt(unsigned index) const { return bulges_.at(index); }
  const std::vector<ZcGePoint3d>& vertices() const { return points_; }
  const std::vector<double>& bulges() const { return bulges_; }

  /// 2-D form: a point of the plane; 3-D form: its x, y with z kept.
  Zcad::ErrorStatus setPointAt(unsigned index, const ZcGePoint2d& point);
  Zcad::ErrorStatus setPointAt(unsigned index, const ZcGePoint3d& point);
  /// eNotApplicable for a non-zero bulge in the 3-D form.
  Zcad::ErrorStatus setBulgeAt(unsigned index, double bulge);
  /// Inserts a vertex before `index` (index == numVerts appends).
  Zcad::ErrorStatus addVertexAt(unsigned index, const ZcGePoint2d& point, double bulge = 0.0);
  Zcad::ErrorStatus addVertexAt(unsigned index, const ZcGePoint3d& point, double bulge = 0.0);
  Zcad::ErrorStatus removeVertexAt(unsigned index);
  /// Moves the 2-D form to another elevation (vertices follow).
  void setElevation(double elevation);

  /// Segment `index` as a line (eInvalidIndex, or eNotApplicable for an arc segment).
  Zcad::ErrorStatus getLineSegAt(unsigned index, ZcGeLineSeg3d& line) const;
  /// Segment `index` as an arc (eInvalidIndex, or eNotApplicable for a line segment).
  Zcad::ErrorStatus getArcSegAt(unsigned index, ZcGeCircArc3d& arc) const;
  /// Segment `index` as its own curve (a line or an arc), parameterised by its own rules.
  std::unique_ptr<ZcGeCurve3d> segmentCurve(unsigned index) const;
  /// Appends `curve` (a line, an arc, or another polyline) at the end when its start meets
  /// the last vertex within kOnCurveTol (or its end does: it is then added reversed);
  /// an empty polyline takes the curve whole. eInvalidInput otherwise (nothing changes).
  Zcad::ErrorStatus joinCurve(const ZcGeCurve3d& curve);

  Kind kind() const override { return kBulgePolyline; }
  std::unique_ptr<ZcGeCurve3d> copy() const override;
  /// The closed flag, or a last vertex equal to the first.
  bool isClosed() const override;
  double endParam() const override;
  ZcGePoint3d evalPoint(double param) const override;
  ZcGeVector3d evalDeriv(double param) const override;
  ZcGeVector3d evalDeriv2(double param) const override;
  double closestParam(const ZcGePoint3d& point, bool extend = false) const override;
  /// Each segment is offset and neighbours are joined: trimmed or extended to where their
  /// carriers cross (lines along their line, arcs round their circle), nearest the base vertex
  /// and within four offset distances of it; where the carriers do not cross there, bridged by a
  /// straight line between the offset ends. Arc segments that would collapse are dropped.
  /// 3-D form: eNotApplicable unless planar.
  Zcad::ErrorStatus getOffsetCurves(double dist, ZcGeCurve3dArray& offsetCurves) const override;
  Zcad::ErrorStatus getSplitCurves(const std::vector<double>& params,
                                   ZcGeCurve3dArray& pieces) const override;
  Zcad::ErrorStatus extend(bool atStart, const ZcGePoint3d& point) override;
  Zcad::ErrorStatus transformBy(const ZcGeMatrix3d& m) override;
  Zcad::ErrorStatus reverse() override;
  Zcad::ErrorStatus getGeomExtents(ZcGePoint3d& minPoint, ZcGePoint3d& maxPoint) const override;
  Zcad::ErrorStatus getPlane(ZcGePoint3d& origin, ZcGeVector3d& normal) const override;

  /// The plane coordinates of a world point (x along the plane's X axis, y along its Y axis).
  ZcGePoint2d toPlane(const ZcGePoint3d& p) const;
  /// The world point of plane coordinates at the polyline's elevation.
  ZcGePoint3d fromPlane(const ZcGePoint2d& p) const;

protected:
  double lengthBetween(double t0, double t1) const override;
  std::vector<double> spanBreaks() const override;

private:
  /// The segment index and the local fraction in [0, 1] of `param` (clamped to the range);
  /// at a vertex the outgoing segment, at the end the last one.
  unsigned segmentOf(double param, double& local) const;
  /// Segment i resolved into a line or an arc.
  ge::PlineSeg seg(unsigned i) const;
  /// The open piece from parameter a to b (b may pass the end of a closed polyline).
  std::unique_ptr<ZcGeBulgePolyline3d> subPolyline(double a, double b) const;

  std::vector<ZcGePoint3d> points_;
  std::vector<double> bulges_;
  ZcGeVector3d normal_ = ZcGeVector3d::kZAxis;
  double elevation_ = 0.0;
  bool closed_ = false;
  bool is3d_ = false;
};

#endif
