// The arc calculator of the grade-point move: its mid angle lies on the far side of the
// circle, so a stretched arc keeps a circle close to its old one.
#ifndef GEOMETRY_FASTRELLEARCCALCULATOR_H
#define GEOMETRY_FASTRELLEARCCALCULATOR_H

#include "geometry/ArcCalculator.h"

class FastrelleArcCalculator : public ArcCalculator {
public:
  /// The base mid angle + π, not wrapped into [0, 2π).
  double GetMidAngle() override;
};

#endif
