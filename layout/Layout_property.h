// The layout properties of the warehouse dialog: the fabric width and maximum length of
// the layout, and what the drawing holds so far (used length, efficiency, piece count).
#ifndef LAYOUT_LAYOUT_PROPERTY_H
#define LAYOUT_LAYOUT_PROPERTY_H

#include "layout/Layout.h"
#include "ui/UI_PropertiesGrid.h"

/// One group "Definicja układu:" holding "Szerokość", "Maksymalna długość" and the group
/// "Informacje" ("Długość całkowita", "Efektywność", "Ilość elementów"). Every row is
/// read-only: the width and length come from the border, the rest from the drawing.
class Layout_property : public UI_PropertiesGrid {
public:
  /// The layout's width and length into their rows.
  void SetLayoutSize(const Layout& layout);
  /// The used length, efficiency text and piece count measured from the drawing now.
  void ShowInfo();
  /// Rows 0 width, 1 length, 2 used length, 3 efficiency, 4 piece count; null when the
  /// grid has not been built.
  CMFCPropertyGridProperty* Row(int index) const;

  int m_group = -1;

protected:
  void PreSubclassWindow() override;
};

#endif
