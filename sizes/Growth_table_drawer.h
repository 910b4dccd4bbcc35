// Growth control's numbers drawn into the drawing as a host table: a row of column titles,
// then one row per size with its name, the two set lengths and their difference. Made by
// the growth dialog's table button.
#ifndef SIZES_GROWTH_TABLE_DRAWER_H
#define SIZES_GROWTH_TABLE_DRAWER_H

#include "geometry/Drawable.h"
#include "sizes/Growth.h"

class Growth_table_drawer : public Drawable, public Growth {
public:
  /// Takes the sets (and size) of `growth`.
  explicit Growth_table_drawer(const Growth& growth) : Growth(growth) {}
  /// The sizes are listed first: 374 when the drawing has none, and no table is made. Then
  /// a table at the origin of model space with the titles "Rozmiar", "+", "+", "Różnica" and
  /// one row per size (layer-table order), its columns and rows fitted to their texts; its
  /// id is added to the drawn ids. A host failure erases the table and is returned.
  int Draw() override;

private:
  /// The cells, title row first.
  std::vector<std::vector<CString>> Rows();
};

#endif
