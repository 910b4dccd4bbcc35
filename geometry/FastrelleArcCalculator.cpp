// The grade-point move's arc calculator.
#include "geometry/FastrelleArcCalculator.h"

double FastrelleArcCalculator::GetMidAngle() { return ArcCalculator::GetMidAngle() + 3.141592653589793; }
