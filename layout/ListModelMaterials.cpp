// The materials of a model drawing.
#include "layout/ListModelMaterials.h"

#include "db/ZcDbBlockReference.h"
#include "db/ZcDbBlockTableRecord.h"
#include "framework/BlockReference.h"
#include "framework/Plot_Settings.h"
#include "framework/UI_DwgBlock.h"

void ListModelMaterials(ZcDbDatabase* db, CStringArray& materials) {
  if (!db) return;
  const CString block = UI_DwgBlock::FileTitle(GetPlotSettingString(L"PartDescriptionDefaultName"));
  const CString tag = GetPlotSettingString(L"MaterialAttribute");
  ZcDbBlockTableRecord* space = nullptr;
  if (zcdbOpenObject(space, db->modelSpaceId(), ZcDb::kForRead) != Zcad::eOk) return;
  const ZcDbObjectIdArray ids = space->entityIds();
  space->close();
  CStringArray found;
  for (ZcDbObjectId id : ids) {
    ZcDbBlockReference* ref = nullptr;
    if (zcdbOpenObject(ref, id, ZcDb::kForRead) != Zcad::eOk) continue;
    ZcDbBlockTableRecord* record = nullptr;
    CString name;
    if (zcdbOpenObject(record, ref->blockTableRecord(), ZcDb::kForRead) == Zcad::eOk) {
      const wchar_t* text = nullptr;
      record->getName(text);
      name = text ? text : L"";
      record->close();
    }
    CString material;
    const bool described = name.CompareNoCase(block) == 0 && GetAttributeValue(ref, tag, material) == Zcad::eOk;
    ref->close();
    if (!described) continue;
    bool known = false;
    for (int i = 0; i < materials.GetSize() && !known; ++i) known = materials[i] == material;
    for (int i = 0; i < found.GetSize() && !known; ++i) known = found[i] == material;
    if (!known) found.Add(material);
  }
  for (int i = 0; i < found.GetSize(); ++i) materials.Add(found[i]);
}
