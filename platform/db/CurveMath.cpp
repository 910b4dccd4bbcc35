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

double Radians(double degrees) { return degrees * 3.141592653589793 / 180; }

namespace {
// The number nearest the plain conversion that Radians reads back as `radians` exactly;
// false when none lies within a few ulps (then no number does).
bool ExactDegrees(double radians, double& degrees) {
  double plain = radians * 180 / 3.141592653589793;
  double down = plain, up = plain;
  for (int k = 0; k <= 4; ++k) {
    if (Radians(down) == radians) return degrees = down, true;
    if (Radians(up) == radians) return degrees = up, true;
    down = std::nextafter(down, -HUGE_VAL);
    up = std::nextafter(up, HUGE_VAL);
  }
  return false;
}
}  // namespace

double Degrees(double radians) {
  double plain = radians * 180 / 3.141592653589793, degrees = plain;
  if (!std::isfinite(plain) || ExactDegrees(radians, degrees)) return degrees;
  // No number reads back as this angle: write the one for the angle its plain conversion
  // reads as, which is then read and written again unchanged.
  return ExactDegrees(Radians(plain), degrees) ? degrees : plain;
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
