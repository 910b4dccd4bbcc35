// An independent reference for areas bounded by curves, shared by the region and tracer tests:
// Green's theorem with a fine composite Gauss rule that knows nothing of the curves' spans.
#ifndef TESTS_PLATFORM_GE_FINEAREA_H
#define TESTS_PLATFORM_GE_FINEAREA_H

#include <vector>

#include "ge/ZcGeCurve3d.h"

/// The signed area (counter-clockwise positive) that the closed chain `loop` encloses in XY.
inline double fineArea(const std::vector<const ZcGeCurve3d*>& loop, int pieces = 20000) {
  const double x[3] = {-0.7745966692414834, 0.0, 0.7745966692414834}, w[3] = {5.0 / 9.0, 8.0 / 9.0, 5.0 / 9.0};
  long double sum = 0.0;  // tens of thousands of terms: keep their rounding out of the reference
  for (const ZcGeCurve3d* c : loop) {
    double h = c->endParam() / pieces;
    for (int i = 0; i < pieces; ++i)
      for (int k = 0; k < 3; ++k) {
        double t = h * (i + 0.5 + 0.5 * x[k]);
        ZcGePoint3d p = c->evalPoint(t);
        ZcGeVector3d d = c->evalDeriv(t);
        sum += w[k] * 0.5 * h * (p.x * d.y - p.y * d.x);
      }
  }
  return static_cast<double>(0.5 * sum);
}

#endif
