// The empty-drawing check and the purge after a case.
#include "testcase/ZWTestCase.h"

#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbDictionary.h"
#include "db/ZcDbSymbolTable.h"
#include "framework/Layers.h"
#include "framework/UI_Block.h"

namespace {

const int kHasReferences = 392;  // the host's status for a block that references still use

// Layers a case may leave: "0" and "DEFPOINTS", whatever their letter case.
bool IsStandardLayer(const CString& name) { return name == L"0" || name.CompareNoCase(L"DEFPOINTS") == 0; }

bool ModelSpaceHoldsEntities(ZcDbDatabase* db) {
  ZcDbBlockTableRecord* ms = nullptr;
  if (zcdbOpenObject(ms, db->modelSpaceId(), ZcDb::kForRead) != Zcad::eOk) return false;
  bool any = false;
  for (ZcDbObjectId id : ms->entityIds()) any = any || !id.isErased();
  ms->close();
  return any;
}

bool HasOtherLayers() {
  CStringArray names;
  GetLayerNames(names);
  for (int i = 0; i < names.GetSize(); ++i)
    if (!IsStandardLayer(names[i])) return true;
  return false;
}

bool HasGroups(ZcDbDatabase* db) {
  ZcDbDictionary* groups = nullptr;
  if (db->getGroupDictionary(groups, ZcDb::kForRead) != Zcad::eOk) return false;
  int count = groups->numEntries();
  groups->close();
  return count > 0;
}

}  // namespace

ZWTestCase::ZWTestCase() { SetPrinter(std::make_unique<ZWPrinter>()); }

CString ZWTestCase::NotEmptyReason() {
  ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
  if (!db) return CString();
  if (ModelSpaceHoldsEntities(db)) return L"modelSpace is not empty";
  if (HasOtherLayers()) return L"drawing has Layers";
  if (HasGroups(db)) return L"drawing has groups";
  CStringArray blocks;
  ListBlockNames(blocks);
  if (blocks.GetSize() > 0) return L"drawing has Blocks";
  return CString();
}

bool ZWTestCase::Initialize() {
  CString reason = NotEmptyReason();
  if (reason.IsEmpty()) return true;
  Print(L"\nDrawing is not empty before test: ", GetName(), reason);
  return false;
}

void ZWTestCase::Finish() {
  PurgeLayers();
  PurgeBlocks();
  PurgeLayers();  // the layers that only the purged blocks used are free now
}

void ZWTestCase::PurgeLayers() {
  ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
  if (!db) return;
  // Whether a layer is in use is only known once the usage data is brought up to date.
  ZcDbLayerTable* layers = nullptr;
  if (db->getLayerTable(layers, ZcDb::kForRead) == Zcad::eOk) {
    layers->generateUsageData();
    layers->close();
  }
  CStringArray names;
  GetLayerNames(names);
  for (int i = 0; i < names.GetSize(); ++i) {
    if (IsStandardLayer(names[i])) continue;
    ZcDbLayerTable* table = nullptr;
    int status = db->getLayerTable(table, ZcDb::kForRead);
    ZcDbSymbolTableRecord* record = nullptr;
    if (status == Zcad::eOk) {
      status = table->getAt(names[i], record, ZcDb::kForWrite);
      table->close();
    }
    if (status == Zcad::eOk) {
      if (!static_cast<ZcDbLayerTableRecord*>(record)->isInUse()) record->erase(true);
      status = record->close();
    }
    if (status != Zcad::eOk) {
      PrintStatus(status);
      Print(L"failed to purge layer: " + names[i]);
    }
  }
}

void ZWTestCase::PurgeBlocks() {
  CStringArray names;
  ListBlockNames(names);
  for (int i = 0; i < names.GetSize(); ++i) {
    UI_Block block(names[i], false);
    int status = Zcad::eKeyNotFound;
    ZcDbBlockTableRecord* record = nullptr;
    if (block.Record() && (status = zcdbOpenObject(record, block.Record()->objectId(), ZcDb::kForWrite)) == Zcad::eOk) {
      ZcDbObjectIdArray references;
      record->getBlockReferenceIds(references, false);
      // Erased with the entities it owns, so that their layers come free.
      status = references.isEmpty() ? record->eraseBlock() : kHasReferences;
      record->close();
    }
    if (status != Zcad::eOk) {
      Print(L"\n");
      Print(L"Failed to purge block: " + (block.Record() ? block.GetName() : CString()));
    }
  }
}

void ZWTestCase::PrintDouble(double value) {
  CString text;
  text.Format(L"%0.6f", value);
  Print(L"\n");
  Print(text);
}

void ZWTestCase::PrintInt(int value) { ::PrintInt(value); }

void ZWTestCase::PrintStatus(int status) { ::PrintErrorStatus(status); }
