// Copying every part into one size: what a size added in the size rules dialog gets, so
// that each part exists in it as the group "<part>|<size>".
#ifndef SIZES_APPLYSIZETOALLPARTS_H
#define SIZES_APPLYSIZETOALLPARTS_H

#include "sizes/Fastrelle_Size.h"

/// For every part of the drawing, in order: the members of its master (group "0") on the
/// seam, cut and extra-elements layers of "0" are copied into model space, and the copies
/// go onto the size's seam, cut and extra-elements layers (that kind's linetype and scale)
/// and into the part's group in the size, made when missing. A part whose master has no
/// seam member is skipped. The first failure of a part is returned at once: the parts
/// before it keep their copies, the failing part's copies are erased. 0 when every part is done or no parts model is
/// registered (there is then no part).
int ApplySizeToAllParts(const Fastrelle_Size& size);

#endif
