// Appending new entities to the drawing.
#include "framework/ZWDrawer.h"

#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbMText.h"
#include "db/ZcDbPoint.h"
#include "framework/Printer.h"

namespace {
constexpr int kNoModelSpace = 221;
}

ZcDbBlockTableRecord* OpenModelSpace() {
  ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
  if (!db) return nullptr;
  ZcDbBlockTable* table = nullptr;
  if (db->getBlockTable(table, ZcDb::kForRead) != Zcad::eOk) return nullptr;
  ZcDbSymbolTableRecord* record = nullptr;
  Zcad::ErrorStatus es = table->getAt(ZCDB_MODEL_SPACE, record, ZcDb::kForWrite);
  table->close();
  return es == Zcad::eOk ? static_cast<ZcDbBlockTableRecord*>(record) : nullptr;
}

ZcDbObjectId GetModelSpaceId() {
  ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
  if (!db) return ZcDbObjectId();
  ZcDbBlockTable* table = nullptr;
  if (db->getBlockTable(table, ZcDb::kForRead) != Zcad::eOk) return ZcDbObjectId();
  ZcDbObjectId id;
  table->getAt(ZCDB_MODEL_SPACE, id);
  table->close();
  return id;
}

int AppendToModelSpace(ZcDbEntity* entity, ZcDbObjectId owner) {
  if (!entity) return Zcad::eIllegalEntityType;
  if (owner.isNull()) owner = GetModelSpaceId();
  ZcDbObject* obj = nullptr;
  int es = zcdbOpenObject(obj, owner, ZcDb::kForWrite);
  if (es != Zcad::eOk) return es;
  if (!obj->isKindOf(ZcDbBlockTableRecord::desc())) {
    obj->close();
    return Zcad::eNotThatKindOfClass;
  }
  es = static_cast<ZcDbBlockTableRecord*>(obj)->appendZcDbEntity(entity);
  obj->close();
  return es;
}

int ZWDrawer::Add(ZcDbEntity* entity, ZcDbBlockTableRecord* record) {
  if (!entity) {
    ZWPrinter().Print(L"ZWDrawer::Add");
    return Zcad::eIllegalEntityType;
  }
  if (!record) record = OpenModelSpace();
  if (!record) return kNoModelSpace;
  if (!record->isWriteEnabled()) {
    ZcDbBlockTableRecord* w = nullptr;
    int es = zcdbOpenObject(w, record->objectId(), ZcDb::kForWrite);
    if (es != Zcad::eOk) return es;
  }
  int es = record->appendZcDbEntity(entity);
  record->close();
  return es;
}

int AddMText(const CString& contents, const ZcGePoint3d& location, double height, ZcDbObjectId& id) {
  id.setNull();
  auto* mtext = new ZcDbMText;
  mtext->setDatabaseDefaults();
  mtext->setContents(contents);
  mtext->setLocation(location);
  mtext->setTextHeight(height);
  int es = ZWDrawer::Add(mtext);
  if (es != Zcad::eOk) {
    delete mtext;
    return es;
  }
  id = mtext->objectId();
  mtext->close();
  return Zcad::eOk;
}

int DrawPoints(const ZcGePoint3dArray& points, ZcDbObjectIdArray& ids) {
  for (const ZcGePoint3d& p : points) {
    auto* point = new ZcDbPoint(p);
    ZcDbBlockTableRecord* ms = OpenModelSpace();
    if (!ms) {
      delete point;
      return kNoModelSpace;
    }
    int es = ZWDrawer::Add(point, ms);
    if (es != Zcad::eOk) {
      delete point;
      return es;
    }
    ids.append(point->objectId());
    point->close();
  }
  return Zcad::eOk;
}
