// The region holder: regions made from curves, united, erased and exploded in the drawing.
#include "geometry/UI_Region.h"

#include "framework/ZWDrawer.h"
#include "geometry/CurveChain.h"

namespace {
constexpr int kNoRegion = 16;
constexpr int kNotARegion = Zcad::eIllegalEntityType;
constexpr int kNoCurves = Zcad::eInvalidInput;

void DeleteFrom(const ZcDbVoidPtrArray& objects, int first) {
  for (int i = first; i < objects.length(); ++i) delete static_cast<ZcRxObject*>(objects[i]);
}
}  // namespace

ZcDbRegion* CastToRegion(ZcDbEntity* entity) {
  return entity && entity->isKindOf(ZcDbRegion::desc()) ? static_cast<ZcDbRegion*>(entity) : nullptr;
}

int UI_Region::CreateFromCurves(const ZcDbVoidPtrArray& curves, ZcDbObjectId owner) {
  ZcDbVoidPtrArray regions;
  m_status = ZcDbRegion::createFromCurves(curves, regions);
  if (m_status != 0) return m_status;
  if (regions.isEmpty()) return m_status = kNoRegion;
  ZcDbRegion* first = CastToRegion(dynamic_cast<ZcDbEntity*>(static_cast<ZcRxObject*>(regions[0])));
  if (!first) {
    DeleteFrom(regions, 0);
    return m_status = kNotARegion;
  }
  m_status = AppendToModelSpace(first, owner);
  if (m_status != 0) {
    DeleteFrom(regions, 0);
    return m_status;
  }
  m_region = first;
  m_id = first->objectId();
  first->close();
  int failure = 0;
  for (int i = 1; i < regions.length(); ++i) {
    auto* region = static_cast<ZcDbRegion*>(static_cast<ZcRxObject*>(regions[i]));
    m_status = AppendToModelSpace(region, owner);
    if (m_status != 0) {
      delete region;
    } else {
      UI_Region further;
      further.m_id = region->objectId();
      region->close();
      m_status = Unite(further);
    }
    if (m_status != 0 && failure == 0) failure = m_status;
  }
  return m_status = failure;
}

int UI_Region::Open(ZcDb::OpenMode mode) {
  ZcDbEntity* entity = nullptr;
  m_status = zcdbOpenZcDbEntity(entity, m_id, mode);
  if (m_status != 0) return m_status;
  if (ZcDbRegion* region = CastToRegion(entity)) {
    m_region = region;
    return m_status;
  }
  entity->close();
  m_region = nullptr;
  m_id = ZcDbObjectId();
  return m_status = kNotARegion;
}

int UI_Region::Unite(UI_Region& other) {
  if (!m_id.isValid()) {
    if (other.m_id.isValid()) m_id = other.m_id;
    return m_status = 0;
  }
  if ((m_status = other.Open(ZcDb::kForWrite)) != 0) return m_status;
  if ((m_status = Open(ZcDb::kForWrite)) != 0) {
    other.m_region->close();
    return m_status;
  }
  m_status = m_region->booleanOper(ZcDb::kBoolUnite, other.m_region);
  m_region->close();
  if (m_status == 0) m_status = other.m_region->erase(true);
  int closed = other.m_region->close();
  return m_status != 0 ? m_status : (m_status = closed);
}

int UI_Region::Erase() {
  ZcDbObject* object = nullptr;
  if (zcdbOpenObject(object, m_id, ZcDb::kForWrite) != Zcad::eOk) return m_status = Zcad::eWrongObjectType;
  m_status = object->erase(true);
  object->close();
  return m_status;
}

int UI_Region::ExplodeToCurves(ZcDbObjectIdArray& ids) {
  if (Open(ZcDb::kForRead) != 0) return m_status;
  ZcDbVoidPtrArray pieces;
  m_status = m_region->explode(pieces);
  m_region->close();
  if (m_status != 0) return m_status;
  int failure = 0;
  for (void* p : pieces) {
    auto* piece = static_cast<ZcDbEntity*>(static_cast<ZcRxObject*>(p));
    if (int es = AppendToModelSpace(piece, ZcDbObjectId()); es != 0) {
      delete piece;
      if (failure == 0) failure = es;
      continue;
    }
    ids.append(piece->objectId());
    piece->close();
  }
  return m_status = failure;
}

int MakeRegionFromCurves(UI_Region& holder, const ZcDbObjectIdArray& ids, ZcDbObjectId owner) {
  ZcDbObjectIdArray ordered = ids;
  CurveChain().Order(ordered);
  ZcDbVoidPtrArray curves;
  for (ZcDbObjectId id : ordered) {
    ZcDbEntity* entity = nullptr;
    if (id.isNull() || zcdbOpenZcDbEntity(entity, id, ZcDb::kForRead) != Zcad::eOk) continue;
    entity->close();
    curves.append(entity);
  }
  if (curves.isEmpty()) return holder.m_status = kNoCurves;
  return holder.m_status = holder.CreateFromCurves(curves, owner);
}
