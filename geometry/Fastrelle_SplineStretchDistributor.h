// The spline stretcher of the grade-point move: spreads the move over the whole spline as
// a tent along its arc length (full at the moved point, nothing at either end) and keeps
// its end tangents. Installed into a StretchByDataBase, which owns it.
#ifndef GEOMETRY_FASTRELLE_SPLINESTRETCHDISTRIBUTOR_H
#define GEOMETRY_FASTRELLE_SPLINESTRETCHDISTRIBUTOR_H

#include "geometry/SplineStretcher.h"

class Fastrelle_SplineStretchDistributor : public SplineStretcher {
public:
  /// Nothing (0) for a zero move. Otherwise every inner fit point (else control point)
  /// is shifted by the tent, then the end at `from` moved (SplineStretcher), then the end
  /// tangents taken before are set back; the last status. Not a curve: "...::stretch" and
  /// 20075 printed; not a spline: 20 printed; then nothing changes and the tangents'
  /// setter answers (374). A spline without a positive length is not distributed.
  int stretch(ZcDbObjectId id) override;
  /// Shifts the inner fit points; 0.
  int stretchFitPoints();
  /// Shifts the inner control points; 374 (printed) without a spline, else 0.
  int stretchControlPoints();
  /// P moved along the move by |v| times its arc-length share between the nearer end and
  /// the moved point's foot: full at the moved point, 0 at either end.
  ZcGePoint3d ShiftedPoint(const ZcGePoint3d& p);

  double m_moveLength = 0.0;
  double m_curveLength = 0.0;

private:
  /// Moves every point but the first and the last of the fit (or control) points by the
  /// tent, all shifts computed before the first is set.
  void ShiftInnerPoints(bool fitPoints);
  double m_distToFrom = 0.0;  // the arc length to `from`'s foot, taken once per stretch
};

#endif
