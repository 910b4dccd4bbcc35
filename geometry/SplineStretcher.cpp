// End-point stretch of a spline through its fit or control points.
#include "geometry/SplineStretcher.h"

#include "db/ZcDbSpline.h"
#include "ed/ErrorStatus.h"

int SplineStretcher::stretch(ZcDbObjectId id) {
  m_splineId = id;
  ZcDbEntity* e = nullptr;
  if ((status = zcdbOpenObject(e, id, ZcDb::kForWrite))) return status;
  if (!e->isKindOf(ZcDbSpline::desc())) {
    e->close();
    return Zcad::eNotThatKindOfClass;
  }
  auto* spline = static_cast<ZcDbSpline*>(e);
  ZcGePoint3d s, en;
  if ((status = spline->getStartPoint(s)) || (status = spline->getEndPoint(en))) {
    spline->close();
    return status;
  }
  ZcGeVector3d d = to - from;
  bool fit = spline->numFitPoints() > 0;
  int count = fit ? spline->numFitPoints() : spline->numControlPoints();
  auto pointAt = [&](int i) {
    ZcGePoint3d p;
    fit ? spline->getFitPointAt(i, p) : spline->getControlPointAt(i, p);
    return p;
  };
  auto setAt = [&](int i, const ZcGePoint3d& p) {
    return static_cast<int>(fit ? spline->setFitPointAt(i, p) : spline->setControlPointAt(i, p));
  };
  if (count > 0) {
    // A periodic spline need not repeat its first point: its last one is then unrelated.
    bool lastRepeatsFirst = !s.isEqualTo(en) || pointAt(0).isEqualTo(pointAt(count - 1));
    if (IsNear(s)) status = setAt(0, s + d);
    if (IsNear(en) && lastRepeatsFirst) status = setAt(count - 1, en + d);
  }
  spline->close();
  return status;
}
