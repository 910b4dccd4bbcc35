// The entity wrapper.
#include "framework/UI_Entity.h"

#include "db/ZcDb2dPolyline.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbCurve.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbGroup.h"
#include "db/ZcDbPoint.h"
#include "db/ZcDbPolyline.h"
#include "ed/zced.h"
#include "framework/Printer.h"
#include "framework/ZWDrawer.h"

UI_Entity::UI_Entity(ZcDbObjectId id) {
  ZcDbEntity* ent = nullptr;
  if (id.isValid() && zcdbOpenZcDbEntity(ent, id, ZcDb::kForRead) == Zcad::eOk) {
    m_entity = ent;
    ent->close();
  }
}

int UI_Entity::Open(int mode) {
  m_opened = 1;
  return Reopen(mode);
}

int UI_Entity::Reopen(int mode) {
  if (!m_entity) return Zcad::eWrongObjectType;
  ZcDbEntity* ent = nullptr;
  int es = zcdbOpenZcDbEntity(ent, m_entity->objectId(), mode == 1 ? ZcDb::kForWrite : ZcDb::kForRead);
  if (es == Zcad::eOk) m_entity = ent;
  return es;
}

int UI_Entity::Close() {
  if (!m_entity) return Zcad::eWrongObjectType;
  m_opened = 0;
  return m_entity->close();
}

int UI_Entity::TransformBy(const ZcGeMatrix3d& m) {
  if (!m_entity) return Zcad::eWrongObjectType;
  return WriteScope([&] { return static_cast<int>(m_entity->transformBy(m)); });
}

CString UI_Entity::GetHandle() const {
  if (!m_entity) return CString();
  ZcDbHandle h;
  m_entity->getZcDbHandle(h);
  wchar_t buf[17];
  h.getIntoAsciiBuffer(buf);
  return CString(buf);
}

bool UI_Entity::GetGroupId(ZcDbObjectId& groupId) {
  groupId.setNull();
  if (!m_entity) return false;
  ads_name name;
  zcdbGetAdsName(name, m_entity->objectId());
  resbuf* head = zcdbEntGet(name);
  bool found = false;
  for (resbuf* rb = head; rb && !found; rb = rb->rbnext) {
    if (rb->restype != 330) continue;
    ZcDbObjectId id;
    ZcDbObject* obj = nullptr;
    if (zcdbGetObjectId(id, rb->resval.rlname) != Zcad::eOk) continue;
    if (zcdbOpenObject(obj, id, ZcDb::kForRead) != Zcad::eOk) continue;
    found = obj->isKindOf(ZcDbGroup::desc());
    obj->close();
    if (found) groupId = id;
  }
  zcutRelRb(head);
  return found;
}

void UI_Entity::OpenGroup(ZcDbGroup*& group) {
  group = nullptr;
  ZcDbObjectId id;
  if (!GetGroupId(id)) return;
  if (zcdbOpenObject(group, id, ZcDb::kForRead) == Zcad::eOk) group->close();
}

int UI_Entity::MatchProperties(ZcDbObjectId sourceId) {
  if (!sourceId.isValid()) return Zcad::eWrongObjectType;
  if (m_entity && sourceId == m_entity->objectId()) return Zcad::eOk;  // it has them already
  ZcDbEntity* source = nullptr;
  // An erased source, or one that does not open, has no properties to give.
  if (zcdbOpenZcDbEntity(source, sourceId, ZcDb::kForRead) != Zcad::eOk) return Zcad::eWrongObjectType;
  int es = Zcad::eOk;
  if (!m_entity || (es = Reopen(1)) != Zcad::eOk) {
    source->close();
    return m_entity ? es : static_cast<int>(Zcad::eWrongObjectType);
  }
  m_entity->setColor(source->color(), true);
  m_entity->setLayer(source->layerId(), true);
  m_entity->setLinetype(source->linetypeId(), true);
  m_entity->setLinetypeScale(source->linetypeScale(), true);
  m_entity->setLineWeight(source->lineWeight(), true);
  m_entity->close();
  return source->close();
}

int UI_Entity::Erase() {
  if (!m_entity) return Zcad::eWrongObjectType;
  return WriteScope([&] { return static_cast<int>(m_entity->erase(true)); });
}

int UI_Entity::Copy(ZcDbObjectId& copyId) {
  copyId.setNull();
  if (!m_entity) return Zcad::eWrongObjectType;
  if (m_entity->isErased()) {
    if (m_entity->openMode() != ZcDb::kNotOpen) m_entity->close();
    return Zcad::eWasErased;
  }
  ZcDbDatabase* working = zcdbHostApplicationServices()->workingDatabase();
  if (m_entity->database() && working && m_entity->database() != working) return CopyFromOtherDatabase(copyId);
  ZcDbObject* clone = m_entity->cloneObject();
  if (m_entity->openMode() != ZcDb::kNotOpen) m_entity->close();
  if (!clone || !clone->isKindOf(ZcDbEntity::desc())) {
    delete clone;
    return Zcad::eIllegalEntityType;
  }
  auto* copy = static_cast<ZcDbEntity*>(clone);
  copy->setDatabaseDefaults();
  copy->setColor(m_entity->color());
  int es = AppendToModelSpace(copy, ZcDbObjectId());
  if (es != Zcad::eOk) {
    delete copy;  // it never reached the drawing
    return es;
  }
  copyId = copy->objectId();
  copy->close();
  return Zcad::eOk;
}

int UI_Entity::CopyFromOtherDatabase(ZcDbObjectId& copyId) {
  // A plain clone would keep ids of the other drawing (its block, layer, linetype, style),
  // which mean nothing here and dangle once that drawing closes: copy them along with it.
  ZcDbObjectId sourceId = m_entity->objectId();
  if (m_entity->openMode() != ZcDb::kNotOpen) m_entity->close();
  ZcDbObjectId modelSpace = GetModelSpaceId();
  if (modelSpace.isNull()) return 221;
  ZcDbObjectIdArray ids;
  ids.append(sourceId);
  ZcDbIdMapping mapping;
  if (int es = m_entity->database()->wblockCloneObjects(ids, modelSpace, mapping, ZcDb::kDrcIgnore)) return es;
  ZcDbObjectId id;
  ZcDbEntity* copy = nullptr;
  if (!mapping.compute(sourceId, id) || zcdbOpenZcDbEntity(copy, id, ZcDb::kForWrite) != Zcad::eOk)
    return Zcad::eNullObjectId;
  copy->setDatabaseDefaults();
  copy->setColor(m_entity->color());
  copy->close();
  copyId = id;
  return Zcad::eOk;
}

int UI_Entity::setLayer(const CString& layerName) {
  if (!m_entity) return Zcad::eIllegalEntityType;
  int es = WriteScope([&] { return static_cast<int>(m_entity->setLayer(layerName.GetString(), true)); });
  if (es != Zcad::eOk) {
    PrintErrorStatus(es);
    ZWPrinter().Print(L"UI_Entity::setLayer");
  }
  return es;
}

int UI_Entity::SetLinetype(ZcDbObjectId linetypeId) {
  if (!m_entity) return Zcad::eIllegalEntityType;
  if (!linetypeId.isValid()) return Zcad::eNullIterator;
  int es = WriteScope([&] { return static_cast<int>(m_entity->setLinetype(linetypeId, true)); });
  if (es != Zcad::eOk) {
    PrintErrorStatus(es);
    ZWPrinter().Print(L"UI_Entity::SetLinetype");
  }
  return es;
}

int UI_Entity::SetColorIndex(unsigned short index) {
  if (!m_entity) return Zcad::eWrongObjectType;
  return WriteScope([&] { return static_cast<int>(m_entity->setColorIndex(index, true)); });
}

int UI_Entity::GetPoints(ZcGePoint3dArray& points) {
  if (!m_entity) return Zcad::eWrongObjectType;
  if (m_entity->isKindOf(ZcDbPoint::desc())) {
    points.append(static_cast<ZcDbPoint*>(m_entity)->position());
  } else if (m_entity->isKindOf(ZcDbPolyline::desc())) {
    auto* pl = static_cast<ZcDbPolyline*>(m_entity);
    for (unsigned i = 0; i < pl->numVerts(); ++i) {
      ZcGePoint3d p;
      pl->getPointAt(i, p);
      points.append(p);
    }
  } else if (m_entity->isKindOf(ZcDbVertexPolyline::desc())) {
    // the heavy polylines of older drawings: every vertex too, so that a closed outline of
    // one polyline gives its corners and not one point twice
    auto* pl = static_cast<ZcDbVertexPolyline*>(m_entity);
    for (unsigned i = 0; i < pl->numVerts(); ++i) points.append(pl->vertexAt(i).p);
  } else if (m_entity->isKindOf(ZcDbCurve::desc())) {
    auto* curve = static_cast<ZcDbCurve*>(m_entity);
    ZcGePoint3d s, e;
    if (curve->getStartPoint(s) == Zcad::eOk && curve->getEndPoint(e) == Zcad::eOk) {
      points.append(s);
      points.append(e);
    }
  }
  return Close();
}

CString UI_Entity::GetLayerName() {
  if (!m_entity) return CString();
  if (m_entity->openMode() != ZcDb::kNotOpen) return CString(m_entity->layer());
  if (Reopen(0) != Zcad::eOk) return CString(m_entity->layer());
  CString name(m_entity->layer());
  m_entity->close();
  return name;
}

int UI_Entity::IntersectWithId(ZcDbObjectId otherId, int extendMode, ZcGePoint3dArray& points) {
  UI_Entity other(otherId);
  return IntersectWith(other, extendMode, points);
}

int UI_Entity::IntersectWith(UI_Entity& other, int extendMode, ZcGePoint3dArray& points) {
  if (!m_entity || !other.m_entity) return Zcad::eIllegalEntityType;
  // Reading is enough: the entity is opened for read when it is not open.
  bool opened = false;
  if (m_entity->openMode() == ZcDb::kNotOpen && !m_entity->isNewObject()) {
    if (int es = Reopen(0)) return es;
    opened = true;
  }
  int es = m_entity->intersectWith(other.m_entity, static_cast<ZcDb::Intersect>(extendMode), points);
  if (opened) m_entity->close();
  return es;
}

int UI_Entity::Highlight(bool on) {
  if (!m_entity) return Zcad::eWrongObjectType;
  if (int es = Open(1)) return es;
  if (on) m_entity->highlight();
  else m_entity->unhighlight();
  return Close();
}

int UI_Entity::MirrorCopy(const ZcGePoint3d& p1, const ZcGePoint3d& p2, ZcDbObjectId& copyId) {
  copyId.setNull();
  if (p1.isEqualTo(p2)) return Zcad::eInvalidInput;
  ZcGeMatrix3d mirror = ZcGeMatrix3d::mirroring(p1, p2);
  ZcDbObjectId id;
  Copy(id);
  if (!id.isValid()) return Zcad::eNullObjectId;
  UI_Entity copy(id);
  if (!copy.m_entity) return Zcad::eWrongObjectType;
  int es = copy.TransformBy(mirror);
  copyId = id;
  return es;
}

int UI_Entity::AddToModelSpace() {
  if (!m_entity) {
    ZWPrinter().Print(L"ZWDrawer::Add");
    return Zcad::eIllegalEntityType;
  }
  ZcDbBlockTableRecord* ms = OpenModelSpace();
  if (!ms) return 221;
  if (!ms->isWriteEnabled()) {
    ZcDbBlockTableRecord* w = nullptr;
    if (zcdbOpenObject(w, ms->objectId(), ZcDb::kForWrite) != Zcad::eOk) return 221;
  }
  int es = ms->appendZcDbEntity(m_entity);
  ms->close();
  if (es != Zcad::eOk) return es;
  m_entity->close();
  return Zcad::eOk;
}

int UI_Entity::Move(const ZcGePoint3d& from, const ZcGePoint3d& to) {
  int es = TransformBy(ZcGeMatrix3d::translation(to - from));
  if (m_entity && m_entity->openMode() != ZcDb::kNotOpen) {
    int closed = Close();
    if (es == Zcad::eOk) es = closed;
  }
  return es;
}
