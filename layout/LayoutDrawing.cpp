// Finding the layout's entities by their tags.
#include "layout/LayoutDrawing.h"

#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbRegion.h"
#include "db/ZcDbSymbolTable.h"
#include "framework/CommandSequences.h"
#include "framework/ResBuf.h"
#include "framework/SSGet.h"
#include "framework/Tagged.h"

const wchar_t* const kLayoutApplication = L"Fastrelle_Layout";
const wchar_t* const kLayoutTag = L"Layout";
const wchar_t* const kEndLineTag = L"EndLine";
const wchar_t* const kFormTag = L"Form";
const wchar_t* const kMaterialTagPrefix = L"material=";

ZcDbObjectId FindTaggedPolyline(const CString& tag) {
  FilterBuffer filter;
  filter.AddString(L"*POLYLINE");
  SSGet all(kSelectAll, filter.Head());
  all.Select();
  for (ZcDbObjectId id : all.Ids())
    if (Tagged(id, kLayoutApplication).HasTag(tag)) return id;
  return ZcDbObjectId();
}

ZcDbObjectIdArray ListFormBlocks() {
  ZcDbObjectIdArray blocks;
  ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
  ZcDbBlockTable* table = nullptr;
  if (!db || db->getBlockTable(table, ZcDb::kForRead) != Zcad::eOk) return blocks;
  ZcDbObjectIdArray records = table->recordIds();
  table->close();
  for (ZcDbObjectId id : records) {
    if (id.isErased()) continue;
    ZcDbBlockTableRecord* record = nullptr;
    if (zcdbOpenObject(record, id, ZcDb::kForRead) != Zcad::eOk) continue;
    bool layout = record->isLayout();
    record->close();
    if (!layout && Tagged(id, kLayoutApplication).HasTag(kFormTag)) blocks.append(id);
  }
  return blocks;
}

ZcDbObjectIdArray CollectPieceReferences() {
  ZcDbObjectIdArray references;
  for (ZcDbObjectId block : ListFormBlocks()) {
    ZcDbBlockTableRecord* record = nullptr;
    if (zcdbOpenObject(record, block, ZcDb::kForRead) != Zcad::eOk) continue;
    ZcDbObjectIdArray ids;
    record->getBlockReferenceIds(ids);
    record->close();
    references.append(ids);
  }
  return references;
}

CString GetFormMaterial(ZcDbObjectId blockRecord) {
  CStringArray tags;
  Tagged(blockRecord, kLayoutApplication).FindTags(kMaterialTagPrefix, tags);
  if (tags.IsEmpty()) return CString();
  CString tag = tags[0];
  return tag.Mid(tag.Find(kMaterialTagPrefix) + static_cast<int>(wcslen(kMaterialTagPrefix)));
}

double GetPieceBlockArea(ZcDbObjectId blockRecord) {
  ZcDbBlockTableRecord* record = nullptr;
  if (zcdbOpenObject(record, blockRecord, ZcDb::kForRead) != Zcad::eOk) return 0.0;
  ZcDbObjectIdArray entities = record->entityIds();
  record->close();
  for (ZcDbObjectId id : entities) {
    if (id.isErased() || !id.objectClass() || !id.objectClass()->isDerivedFrom(ZcDbRegion::desc())) continue;
    ZcDbRegion* region = nullptr;
    if (zcdbOpenObject(region, id, ZcDb::kForRead) != Zcad::eOk) return 0.0;
    double area = 0.0;
    // An area that cannot be read counts nothing, rather than taking from the others.
    if (region->getArea(area) != Zcad::eOk || !(area >= 0.0)) area = 0.0;
    region->close();
    return area;
  }
  return 0.0;
}

void RegenerateDrawing() {
  ResBuf regen;
  regen.AddString(L"_REGEN");
  RunCommandAndWait(regen);
}
