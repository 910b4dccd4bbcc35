// Tagged layout entities.
#include "layout/Layout_drawer_item.h"

#include "layout/LayoutDrawing.h"

Layout_drawer_item::Layout_drawer_item() : Tagged(ZcDbObjectId(), kLayoutApplication) {}

ZcDbObjectId Layout_drawer_item::GetId() { return m_id; }
