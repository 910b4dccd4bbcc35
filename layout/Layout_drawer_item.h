// A tagged entity of the layout in the drawing (application "Fastrelle_Layout"): the base
// of the border, the closing line and the placed pieces.
#ifndef LAYOUT_LAYOUT_DRAWER_ITEM_H
#define LAYOUT_LAYOUT_DRAWER_ITEM_H

#include "framework/Tagged.h"

/// Holds an object id (null at construction); the tag operations act on it.
class Layout_drawer_item : public Tagged {
public:
  Layout_drawer_item();
  /// The held id. The border and the closing line find theirs by their tag.
  virtual ZcDbObjectId GetId();
};

#endif
