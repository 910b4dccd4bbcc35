// The drag that places a new grade point for the command "Fastrelle:AddPoint": the floating
// length dialog, the tape that a pick finishes, and the grade-point observer. Registered
// with the sizes code (SetGradePointDrag) by RegisterPartServices.
#ifndef CONSTRUCTION_GRADEPOINTDRAG_H
#define CONSTRUCTION_GRADEPOINTDRAG_H

#include "mfc/CString.h"

/// Runs the drag of one grade point of the block or drawing `symbol` at `scale`:
/// 1. the length dialog (8008) is made, shown and titled with string 41218;
/// 2. the observer inserts the numbered symbol (a symbol that cannot be used shows the
///    missing-configuration box and ends here);
/// 3. the tape gets the dialog and the observer, in this order; PickStart, then Run;
/// 4. 0: every observer's OnFinish (the point goes into every size of the part); any other
///    result (180 cancelled, 1, 22 or 431 failed): every observer's OnCancel, so the sliding
///    symbol goes and nothing is inserted.
/// The dialog is destroyed on every path. Returns the tape's result (-1 for step 2).
int DragGradePoint(const CString& symbol, double scale);

#endif
