// Curve lengths by class.
#include "geometry/LengthCalculator.h"

#include <cmath>

#include "db/ZcDbArc.h"
#include "db/ZcDbEllipse.h"

double LengthCalculator::GetLength(ZcDbObjectId id) {
  constexpr double kPi = 3.141592653589793;
  ZcDbEntity* e = nullptr;
  if (zcdbOpenObject(e, id, ZcDb::kForRead) != Zcad::eOk) return 0.0;
  e->close();  // a closed object stays readable
  if (e->isKindOf(ZcDbCircle::desc())) return 2 * kPi * static_cast<ZcDbCircle*>(e)->radius();
  if (!e->isKindOf(ZcDbCurve::desc())) return 0.0;
  auto* c = static_cast<ZcDbCurve*>(e);
  if (e->isKindOf(ZcDbEllipse::desc()) && c->isPeriodic()) {
    auto* el = static_cast<ZcDbEllipse*>(e);
    double a = el->majorAxis().length(), b = a * el->radiusRatio();
    return kPi * (1.5 * (a + b) - std::sqrt(a * b));
  }
  double end = 0.0, d1 = 0.0, d2 = 0.0;
  if (c->getEndParam(end) != Zcad::eOk) return 0.0;
  if (c->isPeriodic()) {
    if (c->getDistAtParam(0.999 * end, d1) || c->getDistAtParam(0.998 * end, d2)) return 0.0;
    return d1 + std::fabs(d2 - d1);
  }
  // The distance at the end parameter: at a closed curve's end point the distance reads 0.
  return c->getDistAtParam(end, d1) == Zcad::eOk && d1 > 0.0 ? d1 : 0.0;
}

double LengthCalculator::GetTotalLength(ZcDbObjectIdArray ids) {
  double total = 0.0;
  for (ZcDbObjectId id : ids) total += GetLength(id);
  return total;
}
