// The block wrapper.
#include "framework/UI_Block.h"

#include "db/ZcDbBlockReference.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbSortentsTable.h"
#include "db/ZcDbText.h"
#include "framework/Printer.h"
#include "framework/UI_DwgBlock.h"

UI_Block::UI_Block(const CString& nameOrPath, bool mayLoad) : m_name(nameOrPath) {
  if (Find() || !mayLoad) return;
  m_name = UI_DwgBlock::FileTitle(nameOrPath);
  if (Find()) return;
  if (!UI_DwgBlock::Extension(nameOrPath).IsEmpty()) {
    UI_DwgBlock dwg;
    m_loadStatus = dwg.Define(nameOrPath);
    if (m_loadStatus == Zcad::eOk && Find()) return;
    if (m_loadStatus == Zcad::eOk) m_loadStatus = Zcad::eKeyNotFound;
  } else {
    m_loadStatus = Zcad::eFileNotFound;
  }
  ZWPrinter().Print(CString(L"\nIt's not possible to load file: ") + nameOrPath + L"\n");
  if (m_loadStatus != Zcad::eFileNotFound) PrintErrorStatus(m_loadStatus);
}

bool UI_Block::Find() {
  ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
  ZcDbBlockTable* table = nullptr;
  if (!db || db->getBlockTable(table, ZcDb::kForRead) != Zcad::eOk) return false;
  ZcDbSymbolTableRecord* rec = nullptr;
  bool found = table->getAt(m_name, rec, ZcDb::kForRead) == Zcad::eOk;
  table->close();
  if (!found) return false;
  m_record = static_cast<ZcDbBlockTableRecord*>(rec);
  rec->close();
  return true;
}

void UI_Block::SetFromId(ZcDbObjectId id) {
  m_record = nullptr;
  for (int depth = 0; depth < 64 && id.isValid(); ++depth) {
    ZcDbObject* obj = nullptr;
    if (zcdbOpenObject(obj, id, ZcDb::kForRead) != Zcad::eOk) return;
    if (auto* ref = dynamic_cast<ZcDbBlockReference*>(obj)) {
      id = ref->blockTableRecord();
      obj->close();
      continue;
    }
    if (auto* rec = dynamic_cast<ZcDbBlockTableRecord*>(obj)) {
      m_record = rec;
      m_name = rec->name().c_str();
    }
    obj->close();
    return;
  }
}

CString UI_Block::GetName() const { return m_record ? CString(m_record->name()) : CString(); }

int UI_Block::Create() {
  ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
  if (!db) return Zcad::eNoDatabase;
  auto* rec = new ZcDbBlockTableRecord;
  int es = rec->setName(m_name);
  if (es != Zcad::eOk) {
    ZWPrinter().Print(CString(L" invalid block name: ") + m_name);
    PrintErrorStatus(es);
    delete rec;
    return es;
  }
  rec->setOrigin(ZcGePoint3d::kOrigin);
  ZcDbBlockTable* table = nullptr;
  if ((es = db->getBlockTable(table, ZcDb::kForWrite)) != Zcad::eOk) {
    delete rec;
    return es;
  }
  es = table->add(rec);
  table->close();
  if (es != Zcad::eOk) {
    PrintErrorStatus(es);
    delete rec;
    return es;
  }
  m_record = rec;
  return rec->close();
}

int UI_Block::MoveEntityToBottom(ZcDbObjectId id) {
  if (!m_record) return Zcad::eWrongObjectType;
  ZcDbBlockTableRecord* rec = nullptr;
  int es = zcdbOpenObject(rec, m_record->objectId(), ZcDb::kForWrite);
  if (es != Zcad::eOk) return es;
  ZcDbSortentsTable* sort = nullptr;
  es = rec->getSortentsTable(sort, ZcDb::kForWrite, true);
  if (es == Zcad::eOk) {
    ZcDbObjectIdArray ids;
    ids.append(id);
    es = sort->moveToBottom(ids);
    sort->close();
  }
  rec->close();
  return es;
}

namespace {
// (tag, text) of the record's attribute definitions that pass `want`.
template <class Pred>
int ReadDefinitions(ZcDbBlockTableRecord* held, NameValueList& values, Pred want) {
  if (!held) return Zcad::eNoInputFiles;
  ZcDbBlockTableRecord* rec = nullptr;
  int es = zcdbOpenObject(rec, held->objectId(), ZcDb::kForRead);
  if (es != Zcad::eOk) return es;
  for (ZcDbObjectId id : rec->entityIds()) {
    ZcDbAttributeDefinition* def = nullptr;
    if (zcdbOpenObject(def, id, ZcDb::kForRead) != Zcad::eOk) continue;
    if (want(def)) values.Add(CString(def->tag()), CString(def->textString()));
    def->close();
  }
  return rec->close();
}
}  // namespace

int UI_Block::GetAttributeDefaults(NameValueList& values) {
  return ReadDefinitions(m_record, values, [](ZcDbAttributeDefinition*) { return true; });
}

int UI_Block::GetConstantAttributes(NameValueList& values) {
  return ReadDefinitions(m_record, values, [](ZcDbAttributeDefinition* d) { return d->isConstant(); });
}

int UI_Block::GetEntityIds(ZcDbObjectIdArray& ids) {
  if (!m_record || !m_record->objectId().isValid()) return 171;
  ids.append(m_record->entityIds());
  return Zcad::eOk;
}

int UI_Block::GetReferenceIds(ZcDbObjectIdArray& ids) {
  if (!m_record || !m_record->objectId().isValid()) return 379;
  return m_record->getBlockReferenceIds(ids);
}

UI_Block GetModelSpaceBlock() { return UI_Block(ZCDB_MODEL_SPACE, false); }

int ListBlockNames(CStringArray& names) {
  ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
  ZcDbBlockTable* table = nullptr;
  if (!db) return Zcad::eNoDatabase;
  if (int es = db->getBlockTable(table, ZcDb::kForRead)) return es;
  int es = Zcad::eOk;
  for (ZcDbObjectId id : table->recordIds()) {
    ZcDbBlockTableRecord* rec = nullptr;
    if (zcdbOpenObject(rec, id, ZcDb::kForRead) != Zcad::eOk) continue;
    if (!rec->isLayout()) names.Add(CString(rec->name()));
    es = rec->close();
  }
  table->close();
  return es;
}

int CollectReferencesOfBlocks(const ZcDbObjectIdArray& ids, ZcDbObjectIdArray& references) {
  for (ZcDbObjectId id : ids) {
    UI_Block block;
    block.SetFromId(id);
    if (int es = block.GetReferenceIds(references)) return es;
  }
  return Zcad::eOk;
}
