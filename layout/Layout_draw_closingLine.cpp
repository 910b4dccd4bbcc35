// The closing line.
#include "layout/Layout_draw_closingLine.h"

#include "db/ZcDbPolyline.h"
#include "framework/ZWDrawer.h"
#include "framework/UI_Entity.h"
#include "ge/ZcGeMatrix3d.h"
#include "layout/LayoutDrawing.h"

namespace {

constexpr int kNoLine = 16;

/// A two-point polyline from the border's lower-left corner to its upper-left one, tagged
/// "EndLine": its id, or null when it could not be made whole.
ZcDbObjectId MakeLine(const ZcDbExtents& border) {
  auto* line = new ZcDbPolyline;
  line->addVertexAt(0, ZcGePoint2d(border.minPoint().x, border.minPoint().y));
  line->addVertexAt(1, ZcGePoint2d(border.minPoint().x, border.maxPoint().y));
  line->setElevation(border.minPoint().z);
  line->setDatabaseDefaults();
  if (AppendToModelSpace(line, ZcDbObjectId()) != Zcad::eOk) {
    delete line;
    return ZcDbObjectId();
  }
  ZcDbObjectId id = line->objectId();
  line->close();
  if (Tagged(id, kLayoutApplication).AddTag(kEndLineTag) != Zcad::eOk) {
    UI_Entity(id).Erase();  // an untagged line would never be found again
    return ZcDbObjectId();
  }
  return id;
}

}  // namespace

ZcDbObjectId Layout_draw_closingLine::GetId() {
  m_id = FindTaggedPolyline(kEndLineTag);
  return m_id;
}

int Layout_draw_closingLine::Draw() {
  if (!m_hasBorder) return kNoLine;
  ZcDbObjectId id = GetId();
  if (id.isNull()) id = m_id = MakeLine(m_border);
  if (id.isNull()) return kNoLine;
  double used = Calculate();
  if (used < 1e-5) return 0;
  ZcDbCurve* line = nullptr;  // a lightweight or an older 2-D polyline
  int es = zcdbOpenObject(line, id, ZcDb::kForWrite);
  if (es == Zcad::eOk) {
    ZcGePoint3d start;
    line->getStartPoint(start);
    ZcGePoint3d target(m_border.minPoint().x + used + 0.1, start.y, start.z);
    es = line->transformBy(ZcGeMatrix3d::translation(target - start));
    line->close();
  }
  RegenerateDrawing();
  return es;
}

void RedrawClosingLine() {
  RegenerateDrawing();
  Layout_draw_closingLine().Draw();
}
