// Lengths of curves and of lists of curves, for the growth control and the measuring
// commands.
#ifndef GEOMETRY_LENGTHCALCULATOR_H
#define GEOMETRY_LENGTHCALCULATOR_H

#include "db/ZcDbObjectId.h"

class LengthCalculator {
public:
  virtual ~LengthCalculator() = default;
  /// A circle 2πr; a whole ellipse π(1.5(a + b) − √(ab)); a periodic curve d1 + |d2 − d1|
  /// from the distances at 0.999 and 0.998 of its end parameter; any other curve (closed
  /// ones and elliptical arcs included) its own length. 0 for anything else or an id that
  /// does not open.
  double GetLength(ZcDbObjectId id);
  /// The sum over the ids, in order.
  double GetTotalLength(ZcDbObjectIdArray ids);
};

#endif
