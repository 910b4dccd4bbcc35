// One size's displacement of a grade point from the base-size point: a row of the grading
// grid, and what the grading of one place applies to each size.
#ifndef SIZES_GRADINGOFFSET_H
#define SIZES_GRADINGOFFSET_H

#include "db/ZcDbObjectId.h"
#include "mfc/CString.h"

/// A cleared flag leaves that coordinate of the size's point as it is.
struct GradingOffset {
  bool X = false;
  bool Y = false;
  CString size;
  double DX = 0.0;
  double DY = 0.0;
};

/// Fills size, DX and DY of `offset` from the size's point `point` and the base point
/// `reference` (DX = point.x - reference.x, ...), when both are block references; else
/// size "" and DX = DY = 0. X and Y stay as the caller set them.
GradingOffset& MakeGradingOffset(GradingOffset& offset, const CString& size, ZcDbObjectId point, ZcDbObjectId reference);

#endif
