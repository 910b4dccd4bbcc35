// A layout measured from, or drawn into, the drawing: draws the border of the fabric and
// gives the used length. The warehouse draws the border; the measures and placement
// measure through it.
#ifndef LAYOUT_LAYOUT_DRAWER_H
#define LAYOUT_LAYOUT_DRAWER_H

#include "layout/Layout.h"

class Layout_drawer : public Layout {
public:
  /// A copy of the current layout.
  Layout_drawer() = default;
  explicit Layout_drawer(const Layout& layout) : Layout(layout) {}

  /// width × the used length.
  double GetArea() const override;
  /// The used length of the drawing's layout, measured afresh (Layout_calc_Length).
  virtual double GetUsedLength() const;
  /// Draws the border: a closed polyline (0,0) (length,0) (length,width) (0,width) in model
  /// space tagged "Layout", then zooms to it and regenerates. 3 when the length or the
  /// width is below 1e-4 or not a finite number (nothing drawn); a host failure prints
  /// "Layout_drawer::Draw" and the status and is returned (nothing stays drawn).
  int Draw();
};

#endif
