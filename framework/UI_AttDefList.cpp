// Attribute definitions of a block.
#include "framework/UI_AttDefList.h"

int UI_AttDefList::LoadFromBlock(ZcDbBlockTableRecord* held) {
  if (!held) return Zcad::eIllegalEntityType;
  if (!held->objectId().isValid()) return Zcad::eNullIterator;
  ZcDbBlockTableRecord* rec = nullptr;
  int es = zcdbOpenObject(rec, held->objectId(), ZcDb::kForRead);
  if (es != Zcad::eOk) return es;
  if (!rec->hasAttributeDefinitions()) {
    rec->close();
    return Zcad::eNoInputFiles;
  }
  for (ZcDbObjectId id : rec->entityIds()) {
    ZcDbAttributeDefinition* def = nullptr;
    if (zcdbOpenObject(def, id, ZcDb::kForRead) != Zcad::eOk) continue;
    m_defs.push_back(def);
    def->close();  // held closed: readable for as long as the drawing lives
  }
  return rec->close();
}
