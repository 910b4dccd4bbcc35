// The curve protocol of the curve entities (lines, arcs, circles, ellipses, polylines,
// splines): parameters from 0, points, distances, derivatives and closest points. The
// geometry callers of the system reach every curve through it.
#ifndef PLATFORM_DB_ZCDBCURVE_H
#define PLATFORM_DB_ZCDBCURVE_H

#include "db/ZcDbEntity.h"

/// A curve entity. Every parameter range starts at 0: a line's is its length, an arc's and
/// a circle's the swept angle, a polyline's the vertex index. A query a class cannot answer
/// returns eNotImplementedYet; a point or parameter off the curve returns eInvalidInput.
class ZcDbCurve : public ZcDbEntity {
public:
  ZCRX_DECLARE_MEMBERS(ZcDbCurve)

  virtual bool isClosed() const { return false; }
  virtual bool isPeriodic() const { return false; }
  virtual Zcad::ErrorStatus getStartParam(double& param) const;
  virtual Zcad::ErrorStatus getEndParam(double& param) const;
  virtual Zcad::ErrorStatus getStartPoint(ZcGePoint3d& p) const;
  virtual Zcad::ErrorStatus getEndPoint(ZcGePoint3d& p) const;
  virtual Zcad::ErrorStatus getPointAtParam(double param, ZcGePoint3d& p) const;
  virtual Zcad::ErrorStatus getParamAtPoint(const ZcGePoint3d& p, double& param) const;
  virtual Zcad::ErrorStatus getDistAtParam(double param, double& dist) const;
  virtual Zcad::ErrorStatus getParamAtDist(double dist, double& param) const;
  Zcad::ErrorStatus getDistAtPoint(const ZcGePoint3d& p, double& dist) const;
  Zcad::ErrorStatus getPointAtDist(double dist, ZcGePoint3d& p) const;
  virtual Zcad::ErrorStatus getFirstDeriv(double param, ZcGeVector3d& d) const;
  Zcad::ErrorStatus getFirstDeriv(const ZcGePoint3d& p, ZcGeVector3d& d) const;
  virtual Zcad::ErrorStatus getClosestPointTo(const ZcGePoint3d& given, ZcGePoint3d& closest,
                                              bool extend = false) const;
  virtual Zcad::ErrorStatus getArea(double& area) const;
};

#endif
