// Drawing the border and measuring the used length.
#include "layout/Layout_drawer.h"

#include <cmath>

#include "db/ZcDbEntity.h"
#include "framework/CommandSequences.h"
#include "framework/Extents.h"
#include "framework/Printer.h"
#include "framework/Tagged.h"
#include "framework/UI_Entity.h"
#include "layout/LayoutDrawing.h"
#include "layout/Layout_calc.h"

double Layout_drawer::GetArea() const { return m_width * GetUsedLength(); }

double Layout_drawer::GetUsedLength() const { return Layout_calc_Length().Calculate(); }

int Layout_drawer::Draw() {
  constexpr double kSmallest = 1e-4;
  // A size that is no finite number would draw a border no measure could use.
  if (!std::isfinite(m_length) || !std::isfinite(m_width) || m_length < kSmallest || m_width < kSmallest)
    return Zcad::eInvalidInput;
  ZcDbObjectId border;
  int es = CreateRectangle(border, m_length, m_width, ZcGePoint3d(0, 0, 0));
  if (es == Zcad::eOk) {
    es = Tagged(border, kLayoutApplication).AddTag(kLayoutTag);
    if (es != Zcad::eOk) UI_Entity(border).Erase();
  }
  if (es != Zcad::eOk) {
    ZWPrinter().Print(L"Layout_drawer::Draw");
    PrintErrorStatus(es);
    return es;
  }
  ZcDbExtents box;
  ZcDbObjectIdArray found;
  found.append(FindTaggedPolyline(kLayoutTag));
  if (GetExtentsOfIds(box, found) == Zcad::eOk) ZoomToExtents(box.minPoint(), box.maxPoint());
  RegenerateDrawing();
  return 0;
}
