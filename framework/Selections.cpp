// The selection functions, built on SSGet with the PICKSTYLE rule.
#include "framework/Selections.h"

#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "ed/zced.h"
#include "framework/ResBuf.h"
#include "framework/SSGet.h"
#include "framework/UI_Block.h"

namespace {

// Runs a selection of `type` with "PICKSTYLE" held at 0 (restored when `s` dies).
ZcDbObjectIdArray Run(SSGet& s, const ZcGePoint3d* corner1 = nullptr, const ZcGePoint3d* corner2 = nullptr) {
  s.SavePickStyle();
  if (corner1 && corner2) s.SelectBetweenPoints(*corner1, *corner2);
  else s.Select();
  return s.Ids();
}

}  // namespace

ZcDbObjectIdArray SelectEntities() {
  SSGet s(kSelectInteractive);
  return Run(s);
}

ZcDbObjectIdArray SelectBlockReferences(const CStringArray& blockNames) {
  FilterBuffer filter;
  filter.AddString(L"INSERT");
  filter.BeginOr();
  for (int i = 0; i < blockNames.GetSize(); ++i) filter.Add(2, blockNames[i]);
  filter.EndOr();
  SSGet s(kSelectInteractive, filter.Head());
  return Run(s);
}

ZcDbObjectIdArray SelectCrossingAtPoint(const ZcGePoint3d& p, double d) {
  return SelectCrossing({p.x + d, p.y - d, p.z}, {p.x - d, p.y + d, p.z});
}

ZcDbObjectIdArray SelectCrossing(const ZcGePoint3d& corner1, const ZcGePoint3d& corner2) {
  SSGet s(kSelectCrossing);
  return Run(s, &corner1, &corner2);
}

ZcDbObjectIdArray SelectPickFirst() {
  SSGet s(kSelectPickFirst);
  s.SavePickStyle();
  resbuf* grips = nullptr;
  resbuf* picks = nullptr;
  if (zcedSSGetFirst(&grips, &picks) != RTERROR) {
    if (picks && picks->restype == RTPICKS) {
      s.ReadSet(picks->resval.rlname);
      zcedSSFree(picks->resval.rlname);
    }
    if (grips && grips->restype == RTPICKS) zcedSSFree(grips->resval.rlname);
  }
  zcutRelRb(grips);
  zcutRelRb(picks);
  return s.Ids();
}

void SetPickFirst(ZcDbObjectIdArray ids) {
  ads_name set;
  if (zcedSSAdd(nullptr, nullptr, set) != RTNORM) return;
  for (ZcDbObjectId id : ids) {
    ads_name name;
    zcdbGetAdsName(name, id);
    zcedSSAdd(name, set, set);
  }
  zcedSSSetFirst(set, nullptr);
  zcedSSFree(set);
}

ZcDbObjectId PickEntity(const CString& prompt) {
  for (;;) {
    ads_name name;
    ads_point point;
    int result = zcedEntSel(prompt, name, point);
    ZcDbObjectId id;
    if (result == RTNORM && zcdbGetObjectId(id, name) == Zcad::eOk) return id;
    if (result != RTERROR) return ZcDbObjectId();  // Enter, cancel, an exhausted script
  }
}

ZcDbObjectIdArray GetBlockReferenceIdsByName(const CString& blockName) {
  ZcDbObjectIdArray ids;
  ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
  ZcDbBlockTable* table = nullptr;
  if (!db || db->getBlockTable(table, ZcDb::kForRead) != Zcad::eOk) return ids;
  bool has = table->has(blockName);
  table->close();
  if (has) UI_Block(blockName, false).GetReferenceIds(ids);
  return ids;
}
