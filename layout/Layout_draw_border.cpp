// The layout border.
#include "layout/Layout_draw_border.h"

#include "layout/LayoutDrawing.h"

ZcDbObjectId Layout_draw_border::GetId() {
  m_id = FindTaggedPolyline(kLayoutTag);
  return m_id;
}
