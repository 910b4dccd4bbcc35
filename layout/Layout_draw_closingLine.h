// The closing line: a vertical polyline tagged "EndLine" standing 0.1 right of the
// rightmost piece, which marks the fabric used. Placement redraws it after each piece; the
// movers and compaction after each run.
#ifndef LAYOUT_LAYOUT_DRAW_CLOSINGLINE_H
#define LAYOUT_LAYOUT_DRAW_CLOSINGLINE_H

#include "layout/Layout_calc.h"
#include "layout/Layout_drawer_item.h"

/// Its Calculate is the used length (measured at construction of the border); its GetId
/// searches the line by its tag.
class Layout_draw_closingLine : public Layout_calc_Length, public Layout_drawer_item {
public:
  /// FindTaggedPolyline "EndLine"; held and returned.
  ZcDbObjectId GetId() override;
  /// Places the line: made when the drawing has none (from the border's lower-left corner
  /// up to its top, tagged "EndLine"), then moved so it stands at the border's left edge +
  /// the used length + 0.1. With a used length below 1e-5 it stays where it is (0). 16
  /// without a border or a line; a failed move's status. Regenerates the drawing.
  int Draw();
};

/// Regenerates, then places the closing line of a freshly measured layout; a failure is
/// left unreported (run after each piece placed).
void RedrawClosingLine();

#endif
