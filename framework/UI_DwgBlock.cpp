// Blocks defined from drawing files.
#include "framework/UI_DwgBlock.h"

#include <algorithm>

#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbText.h"
#include "framework/Printer.h"

UI_DwgBlock::UI_DwgBlock(ZcDbDatabase* target)
    : m_target(target ? target : zcdbHostApplicationServices()->workingDatabase()) {}

UI_DwgBlock::~UI_DwgBlock() { delete m_side; }

CString UI_DwgBlock::FileTitle(const CString& path) {
  int slash = std::max(path.ReverseFind(L'\\'), path.ReverseFind(L'/'));
  CString name = path.Mid(slash + 1);
  int dot = name.ReverseFind(L'.');
  return dot > 0 ? name.Left(dot) : name;
}

CString UI_DwgBlock::Extension(const CString& path) {
  int slash = std::max(path.ReverseFind(L'\\'), path.ReverseFind(L'/'));
  CString name = path.Mid(slash + 1);
  int dot = name.ReverseFind(L'.');
  return dot >= 0 ? name.Mid(dot + 1) : CString();
}

int UI_DwgBlock::Define(const CString& path) {
  m_path = path;
  m_blockName = FileTitle(path);
  if (!m_target) return m_status = Zcad::eNoDatabase;
  ZcDbBlockTable* table = nullptr;
  if ((m_status = m_target->getBlockTable(table, ZcDb::kForRead)) != Zcad::eOk) return m_status;
  bool has = table->has(m_blockName);
  table->close();
  if (has) return m_status = Zcad::eOk;
  if (Extension(path).IsEmpty()) m_path += L".dwg";
  delete m_side;
  m_side = new ZcDbDatabase(false, true);
  if ((m_status = m_side->readDwgFile(m_path, 0x20)) != Zcad::eOk) {
    delete m_side;
    m_side = nullptr;
    return m_status;
  }
  ZcDbObjectId blockId;
  if ((m_status = m_target->insert(blockId, m_blockName, m_side)) != Zcad::eOk) return m_status;
  m_sideModelSpace = m_side->modelSpaceId();
  // Definitions invisible in the drawing stay invisible in the block.
  ZcDbBlockTableRecord* side = nullptr;
  if (zcdbOpenObject(side, m_sideModelSpace, ZcDb::kForRead) != Zcad::eOk) return m_status;
  ZcDbObjectIdArray sideIds = side->entityIds();
  side->close();
  ZcDbBlockTableRecord* block = nullptr;
  if (zcdbOpenObject(block, blockId, ZcDb::kForRead) != Zcad::eOk) return m_status;
  ZcDbObjectIdArray blockIds = block->entityIds();
  block->close();
  for (ZcDbObjectId sid : sideIds) {
    ZcDbAttributeDefinition* sdef = nullptr;
    if (zcdbOpenObject(sdef, sid, ZcDb::kForRead) != Zcad::eOk) continue;
    bool invisible = sdef->isInvisible();
    CString tag(sdef->tag());
    sdef->close();
    if (!invisible) continue;
    for (ZcDbObjectId bid : blockIds) {
      ZcDbAttributeDefinition* bdef = nullptr;
      if (zcdbOpenObject(bdef, bid, ZcDb::kForWrite) != Zcad::eOk) continue;
      if (CString(bdef->tag()).CollateNoCase(tag) == 0) {
        int es = bdef->setInvisible(true);
        if (es != Zcad::eOk) PrintErrorStatus(es);
      }
      bdef->close();
    }
  }
  return m_status;
}
