// The fabric layout in memory: fabric width and length and the items to place. The layout
// savers, the layout drawer and measures, and the layout dialogs build on it; the
// module-wide current layout is the one the model dialog fills and the warehouse places.
#ifndef LAYOUT_LAYOUT_H
#define LAYOUT_LAYOUT_H

#include <vector>

#include "layout/LayoutItem.h"

class ZcDbExtents;

/// Width is the fabric's Y extent, length its X extent (drawing units). Items are kept in
/// the order they were added; AddItem merges an item into an equal one.
class Layout {
public:
  /// A copy of the current layout (width, length and every item).
  Layout();
  /// An empty layout of that size.
  Layout(double width, double length) : m_width(width), m_length(length) {}
  virtual ~Layout() = default;
  Layout(const Layout&) = default;
  Layout& operator=(const Layout&) = default;

  /// length × width.
  virtual double GetArea() const;
  /// The first item with the same model path, part and size (letter case aside) gets the
  /// new item's quantity added (its rotation and line choice are dropped); with none, the
  /// item is appended.
  virtual void AddItem(const LayoutItem& item);
  virtual unsigned GetItemCount() const;
  /// A copy of the item at `index`; std::out_of_range for an index at or past the count.
  virtual LayoutItem GetItem(unsigned index) const;

  /// Takes width (the border's Y extent) and length (its X extent) from the layout border
  /// (the polyline tagged "Layout"), and its box into `border` when given: 0; 16 when
  /// there is no border or it cannot be measured (nothing changes then).
  int MeasureBorder(ZcDbExtents* border = nullptr);

  /// Replaces the current layout by this one: its width and length, and this layout's
  /// items added one by one (so equal items merge).
  void SetCurrent() const;
  /// The module-wide current layout: width 0, length 0 and no items until set.
  static Layout& Current();
  /// Frees the current layout (at unload); the next Current() starts empty again.
  static void FreeCurrent();

  double GetWidth() const { return m_width; }
  double GetLength() const { return m_length; }
  void SetWidth(double width) { m_width = width; }
  void SetLength(double length) { m_length = length; }

protected:
  double m_width = 0.0;
  double m_length = 0.0;
  std::vector<LayoutItem> m_items;
};

#endif
