// The layout border as a tagged item: the closed polyline tagged "Layout" whose size is
// the fabric's. Used where the border's own XData or id is needed.
#ifndef LAYOUT_LAYOUT_DRAW_BORDER_H
#define LAYOUT_LAYOUT_DRAW_BORDER_H

#include "layout/Layout_drawer_item.h"

class Layout_draw_border : public Layout_drawer_item {
public:
  /// Searches the drawing (FindTaggedPolyline "Layout"), holds and returns what it found.
  ZcDbObjectId GetId() override;
};

#endif
