// Side drawings.
#include "framework/SideDatabase.h"

#include "db/ZcDbBlockReference.h"
#include "db/ZcDbBlockTableRecord.h"

SideDatabase::~SideDatabase() {
  if (!m_database) return;
  Print(CString(L"close: ") + m_path);
  delete m_database;
}

int SideDatabase::Open() {
  Print(CString(L"open: ") + m_path);
  delete m_database;  // a drawing read before is closed first
  m_database = new ZcDbDatabase(false, true);
  m_status = m_database->readDwgFile(m_path, 0x20);
  m_readError = m_database->readError().c_str();
  if (m_status != Zcad::eOk) {
    Print(CString(L"failed to open: ") + m_path);
    delete m_database;
    m_database = nullptr;
  }
  return m_status;
}

ZcDbObjectIdArray SideDatabase::GetBlockReferences(const CString& blockName) {
  ZcDbObjectIdArray out;
  if (!m_database) return out;
  ZcDbBlockTableRecord* ms = nullptr;
  if (zcdbOpenObject(ms, m_database->modelSpaceId(), ZcDb::kForRead) != Zcad::eOk) return out;
  for (ZcDbObjectId id : ms->entityIds()) {
    ZcDbBlockReference* ref = nullptr;
    if (zcdbOpenObject(ref, id, ZcDb::kForRead) != Zcad::eOk) continue;
    ZcDbBlockTableRecord* btr = nullptr;
    if (zcdbOpenObject(btr, ref->blockTableRecord(), ZcDb::kForRead) == Zcad::eOk) {
      if (blockName.CompareNoCase(btr->name().c_str()) == 0) out.append(id);
      btr->close();
    }
    ref->close();
  }
  ms->close();
  return out;
}
