// Angles and plane scales for the flat entities' transforms.
#include "db/CurveMath.h"

#include <cmath>

namespace zcdb {

double NormalizeAngle(double a) {
  constexpr double kTwoPi = 6.283185307179586;
  a = std::fmod(a, kTwoPi);
  if (a < 0) a += kTwoPi;
  return a >= kTwoPi ? 0.0 : a;
}

bool PlaneScale(const ZcGeMatrix3d& m, double& scale, bool& mirrored) {
  ZcGeVector3d x = ZcGeVector3d::kXAxis, y = ZcGeVector3d::kYAxis;
  x.transformBy(m);
  y.transformBy(m);
  scale = x.length();
  mirrored = x.x * y.y - x.y * y.x < 0;
  return std::fabs(scale - y.length()) <= 1e-9 * (1 + scale) &&
         std::fabs(x.dotProduct(y)) <= 1e-9 * (1 + scale * scale);
}

}  // namespace zcdb
