// The lightweight polyline: 2-D vertices in the plane of its normal, with bulges (arc
// segments) and widths. Pattern outlines and border rectangles are these.
#ifndef PLATFORM_DB_ZCDBPOLYLINE_H
#define PLATFORM_DB_ZCDBPOLYLINE_H

#include <vector>

#include "db/ZcDbCurve.h"
#include "ge/ZcGePoint2d.h"

/// Vertex i runs to vertex i+1 (to vertex 0 from the last when closed); its bulge is the
/// tangent of a quarter of the segment's swept angle (positive: counter-clockwise). The
/// parameter is the vertex index: numVerts-1 at the end of an open polyline, numVerts at
/// the end of a closed one.
class ZcDbPolyline : public ZcDbCurve {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbPolyline)
  ZcDbPolyline() = default;

  unsigned int numVerts() const { return static_cast<unsigned>(verts_.size()); }
  /// Inserts a vertex before `index` (at the end for index >= numVerts).
  Zcad::ErrorStatus addVertexAt(unsigned int index, const ZcGePoint2d& p, double bulge = 0.0,
                                double startWidth = -1.0, double endWidth = -1.0);
  Zcad::ErrorStatus removeVertexAt(unsigned int index);
  /// eInvalidIndex for an index past the last vertex.
  Zcad::ErrorStatus getPointAt(unsigned int index, ZcGePoint3d& p) const;
  Zcad::ErrorStatus getPointAt(unsigned int index, ZcGePoint2d& p) const;
  Zcad::ErrorStatus setPointAt(unsigned int index, const ZcGePoint2d& p);
  Zcad::ErrorStatus getBulgeAt(unsigned int index, double& bulge) const;
  Zcad::ErrorStatus setBulgeAt(unsigned int index, double bulge);
  Zcad::ErrorStatus getWidthsAt(unsigned int index, double& startWidth, double& endWidth) const;
  Zcad::ErrorStatus setWidthsAt(unsigned int index, double startWidth, double endWidth);
  Zcad::ErrorStatus setClosed(bool closed);
  double elevation() const { return elevation_; }
  Zcad::ErrorStatus setElevation(double z);
  ZcGeVector3d normal() const { return normal_; }
  double constantWidth() const { return constantWidth_; }
  Zcad::ErrorStatus setConstantWidth(double w);

  bool isClosed() const override { return closed_; }

  std::unique_ptr<ZcGeCurve3d> toGeCurve() const override;
  Zcad::ErrorStatus setFromGeCurve(const ZcGeCurve3d& curve) override;
  Zcad::ErrorStatus transformBy(const ZcGeMatrix3d& m) override;
  ZcDbObject* cloneObject() const override;
  const char* dxfName() const override { return "LWPOLYLINE"; }
  void dxfOutFields(ZcDbDxfFiler* filer) const override;
  Zcad::ErrorStatus dxfInFields(ZcDbDxfFiler* filer) override;

private:
  struct Vertex {
    ZcGePoint2d p;
    double bulge = 0.0, startWidth = 0.0, endWidth = 0.0;
  };
  std::vector<Vertex> verts_;
  bool closed_ = false;
  double elevation_ = 0.0, constantWidth_ = 0.0;
  ZcGeVector3d normal_ = ZcGeVector3d::kZAxis;
};

#endif
