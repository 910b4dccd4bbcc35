// A layout that can be stored: the base of the layout's two stores, the layout content on
// the border (Layout_saver_XData) and the layout-definition file (Layout_saver_file).
#ifndef LAYOUT_LAYOUT_SAVER_H
#define LAYOUT_LAYOUT_SAVER_H

#include "layout/Layout.h"

/// A layout plus the text lines its store writes, empty at construction.
class Layout_saver : public Layout {
public:
  /// A copy of the current layout.
  Layout_saver() = default;
  /// Width, length and the items of `layout` in order (no merging).
  explicit Layout_saver(const Layout& layout) : Layout(layout) {}

  /// Writes the layout to its store: true when it was written.
  virtual bool Save() = 0;
  /// Reads the layout from its store.
  virtual void Load() = 0;

  const CStringArray& Lines() const { return m_lines; }

protected:
  CStringArray m_lines;
};

#endif
