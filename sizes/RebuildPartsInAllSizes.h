// Laying every part out again over all sizes after the drawing's size list changed. The
// sizes code calls it; the parts model, built above the sizes, registers what it does.
#ifndef SIZES_REBUILDPARTSINALLSIZES_H
#define SIZES_REBUILDPARTSINALLSIZES_H

/// What the parts model does for RebuildPartsInAllSizes: copy each part's master (its group
/// in size "0") into the sizes where its group is missing or empty, leaving the part
/// records and the graded copies as they are. Returns a status (0 on success).
typedef int (*RebuildPartsFunction)();

/// Registers the parts model's rebuild; null unregisters it. The module that builds parts
/// registers it at start-up.
void SetRebuildPartsFunction(RebuildPartsFunction function);

/// Runs the registered rebuild and returns its status; 0 when the drawing has no parts
/// model (nothing registered), as there is then no part to lay out.
int RebuildPartsInAllSizes();

#endif
