// Boxes of entities.
#include "framework/Extents.h"

#include "db/ZcDbPolyline.h"
#include "framework/ZWDrawer.h"

int GetExtentsOfIds(ZcDbExtents& extents, const ZcDbObjectIdArray& ids) {
  bool measured = false;
  for (ZcDbObjectId id : ids) {
    ZcDbEntity* ent = nullptr;
    if (zcdbOpenZcDbEntity(ent, id, ZcDb::kForRead) != Zcad::eOk) continue;
    ZcDbExtents box;
    if (ent->getGeomExtents(box) == Zcad::eOk) {
      extents.addExt(box);
      measured = true;
    }
    ent->close();
  }
  return measured ? Zcad::eOk : static_cast<int>(Zcad::eWrongObjectType);
}

void InflateExtents(ZcDbExtents& extents, const ZcGeVector3d& v) {
  extents.set(extents.minPoint() - v, extents.maxPoint() + v);
}

bool ExtentsOverlap2d(const ZcDbExtents& a, const ZcDbExtents& b) {
  ZcGePoint3d a0 = a.minPoint(), a1 = a.maxPoint(), b0 = b.minPoint(), b1 = b.maxPoint();
  return a0.x <= b1.x && b0.x <= a1.x && a0.y <= b1.y && b0.y <= a1.y;
}

int CreateRectangle(ZcDbObjectId& id, double width, double height, const ZcGePoint3d& c,
                    ZcDbObjectId owner) {
  id.setNull();
  auto* pl = new ZcDbPolyline;
  pl->addVertexAt(0, ZcGePoint2d(c.x, c.y));
  pl->addVertexAt(1, ZcGePoint2d(c.x + width, c.y));
  pl->addVertexAt(2, ZcGePoint2d(c.x + width, c.y + height));
  pl->addVertexAt(3, ZcGePoint2d(c.x, c.y + height));
  pl->setElevation(c.z);
  pl->setClosed(true);
  pl->setDatabaseDefaults();
  int es = AppendToModelSpace(pl, owner);
  if (es != Zcad::eOk) {
    delete pl;
    return es;
  }
  id = pl->objectId();
  return pl->close();
}
