// The curves of a part found by the grade points at their ends, as the parts model gives
// them: the numbers at a curve's ends and the seam line between two numbered points of a
// size. Growth control measures through them; the parts model registers them at start-up.
#ifndef SIZES_CURVEFINDERS_H
#define SIZES_CURVEFINDERS_H

#include "db/ZcDbObjectId.h"
#include "mfc/CString.h"

/// The numbers of the grade points nearest to the curve's start and end, each written only
/// when the drawing has one; 20 when the id is no curve.
typedef int (*CurveEndNumbersFinder)(ZcDbObjectId curve, int& start, int& end);
/// The seam line of the size running between grade points a and b; null when none.
typedef ZcDbObjectId (*SeamCurveFinder)(const CString& size, int a, int b);

/// Registers both (null: none).
void SetCurveFinders(CurveEndNumbersFinder ends, SeamCurveFinder seams);
/// What is registered; 20 (nothing written) and the null id while nothing is.
int FindCurveEndNumbers(ZcDbObjectId curve, int& start, int& end);
ZcDbObjectId FindSeamCurve(const CString& size, int a, int b);

#endif
