// Leaders: a polyline of vertices ending in an arrowhead, with the dimension scale and arrow
// size that draw it. Part labels point at their parts with these.
#ifndef PLATFORM_DB_ZCDBLEADER_H
#define PLATFORM_DB_ZCDBLEADER_H

#include <string>
#include <vector>

#include "db/ZcDbCurve.h"

/// The arrowhead sits at the first vertex. As a curve its parameter is the vertex index.
class ZcDbLeader : public ZcDbCurve {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbLeader)
  ZcDbLeader() = default;

  int numVertices() const { return static_cast<int>(verts_.size()); }
  ZcGePoint3d vertexAt(int i) const;
  Zcad::ErrorStatus appendVertex(const ZcGePoint3d& p);
  Zcad::ErrorStatus setVertexAt(int i, const ZcGePoint3d& p);
  double dimscale() const { return dimscale_; }
  Zcad::ErrorStatus setDimscale(double s);
  double dimasz() const { return dimasz_; }
  Zcad::ErrorStatus setDimasz(double s);
  bool hasArrowHead() const { return arrow_; }


  std::unique_ptr<ZcGeCurve3d> toGeCurve() const override;
  Zcad::ErrorStatus setFromGeCurve(const ZcGeCurve3d& curve) override;
  Zcad::ErrorStatus transformBy(const ZcGeMatrix3d& m) override;
  ZcDbObject* cloneObject() const override;
  const char* dxfName() const override { return "LEADER"; }
  void dxfOutFields(ZcDbDxfFiler* filer) const override;
  Zcad::ErrorStatus dxfInFields(ZcDbDxfFiler* filer) override;

private:
  std::vector<ZcGePoint3d> verts_;
  double dimscale_ = 1.0, dimasz_ = 2.5;
  bool arrow_ = true;
  ZcGeVector3d normal_ = ZcGeVector3d::kZAxis;
  // the dimension style named and the path type (0 straight, 1 spline), kept as read
  std::wstring dimstyle_ = L"Standard";
  int pathType_ = 0;
};

#endif
