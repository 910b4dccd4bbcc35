// The curve protocol's shared parts, and intersections of the analytic entities.
#include "db/ZcDbCurve.h"

#include "db/CurveMath.h"
#include "db/ZcDbBlockReference.h"

ZCRX_DEFINE_MEMBERS(ZcDbCurve, ZcDbEntity)

Zcad::ErrorStatus ZcDbCurve::getStartParam(double&) const { return Zcad::eNotImplementedYet; }
Zcad::ErrorStatus ZcDbCurve::getEndParam(double&) const { return Zcad::eNotImplementedYet; }
Zcad::ErrorStatus ZcDbCurve::getStartPoint(ZcGePoint3d&) const { return Zcad::eNotImplementedYet; }
Zcad::ErrorStatus ZcDbCurve::getEndPoint(ZcGePoint3d&) const { return Zcad::eNotImplementedYet; }
Zcad::ErrorStatus ZcDbCurve::getPointAtParam(double, ZcGePoint3d&) const { return Zcad::eNotImplementedYet; }
Zcad::ErrorStatus ZcDbCurve::getParamAtPoint(const ZcGePoint3d&, double&) const { return Zcad::eNotImplementedYet; }
Zcad::ErrorStatus ZcDbCurve::getDistAtParam(double, double&) const { return Zcad::eNotImplementedYet; }
Zcad::ErrorStatus ZcDbCurve::getParamAtDist(double, double&) const { return Zcad::eNotImplementedYet; }
Zcad::ErrorStatus ZcDbCurve::getFirstDeriv(double, ZcGeVector3d&) const { return Zcad::eNotImplementedYet; }
Zcad::ErrorStatus ZcDbCurve::getClosestPointTo(const ZcGePoint3d&, ZcGePoint3d&, bool) const {
  return Zcad::eNotImplementedYet;
}
Zcad::ErrorStatus ZcDbCurve::getArea(double&) const { return Zcad::eNotImplementedYet; }

Zcad::ErrorStatus ZcDbCurve::getDistAtPoint(const ZcGePoint3d& p, double& dist) const {
  double param = 0;
  Zcad::ErrorStatus es = getParamAtPoint(p, param);
  return es == Zcad::eOk ? getDistAtParam(param, dist) : es;
}

Zcad::ErrorStatus ZcDbCurve::getPointAtDist(double dist, ZcGePoint3d& p) const {
  if (dist < 0) return Zcad::eInvalidInput;
  double param = 0;
  Zcad::ErrorStatus es = getParamAtDist(dist, param);
  return es == Zcad::eOk ? getPointAtParam(param, p) : es;
}

Zcad::ErrorStatus ZcDbCurve::getFirstDeriv(const ZcGePoint3d& p, ZcGeVector3d& d) const {
  double param = 0;
  Zcad::ErrorStatus es = getParamAtPoint(p, param);
  return es == Zcad::eOk ? getFirstDeriv(param, d) : es;
}

Zcad::ErrorStatus ZcDbEntity::intersectWith(const ZcDbEntity* other, ZcDb::Intersect type,
                                            ZcGePoint3dArray& points) const {
  if (!other) return Zcad::eNullEntityPointer;
  if (other->isKindOf(ZcDbBlockReference::desc())) {
    // A reference meets this entity where its contents do.
    for (auto& part : static_cast<const ZcDbBlockReference*>(other)->transformedContents()) {
      Zcad::ErrorStatus es = intersectWith(part.get(), type, points);
      if (es != Zcad::eOk && es != Zcad::eNotApplicable) return es;
    }
    return Zcad::eOk;
  }
  std::vector<zcdb::Piece> mine, theirs;
  bool extendThis = type == ZcDb::kExtendThis || type == ZcDb::kExtendBoth;
  bool extendArg = type == ZcDb::kExtendArg || type == ZcDb::kExtendBoth;
  if (!zcdb::PiecesOf(this, extendThis, mine) || !zcdb::PiecesOf(other, extendArg, theirs))
    return isKindOf(ZcDbCurve::desc()) || other->isKindOf(ZcDbCurve::desc())
               ? Zcad::eNotImplementedYet
               : Zcad::eNotApplicable;
  zcdb::IntersectPieces(mine, theirs, points);
  return Zcad::eOk;
}
