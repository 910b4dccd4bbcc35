// The spline stretcher of StretchByDataBase: moves a spline's end that lies at `from`
// through its first or last fit point (control point without fit data).
#ifndef GEOMETRY_SPLINESTRETCHER_H
#define GEOMETRY_SPLINESTRETCHER_H

#include "geometry/Stretch.h"

class SplineStretcher : public Stretch {
public:
  /// When the spline's start is near `from`, its first fit point (else control point)
  /// becomes the start + (to − from); independently the same for its end and last point.
  /// A closed spline has its last point changed only when that point repeats the first.
  /// 34 for a non-spline; the open's status; else the last setter's status.
  int stretch(ZcDbObjectId id) override;

  ZcDbObjectId m_splineId;
};

#endif
