// Symbol collections: loading the block, finding points by size, grading a place, and the
// collection of a reference or handle.
#include "sizes/Fastrelle_Points_Gradable.h"

#include "db/ZcDbBlockReference.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "ed/ErrorStatus.h"
#include "ed/zced.h"
#include "framework/BlockReference.h"
#include "framework/CommandSequences.h"
#include "framework/ResBuf.h"
#include "framework/UI_DwgBlock.h"
#include "framework/ZWVariable.h"
#include "sizes/Fastrelle_SizePoints.h"
#include "sizes/SizeLayerNames.h"

namespace {
PartSymbolGatherer& Gatherer() {
  static PartSymbolGatherer gatherer = nullptr;
  return gatherer;
}

PartEntityAdder& Adder() {
  static PartEntityAdder adder = nullptr;
  return adder;
}

/// One undo group with "pickstyle" and "OSMODE" at 0, all put back when it ends.
class GradingScope {
public:
  GradingScope() {
    UndoBegin();
    UndoMark();
    SaveAndSet_pickstyle(m_saved);
    SaveAndSet_OSMODE(m_saved);
  }
  ~GradingScope() {
    Restore_pickstyle(m_saved);
    Restore_OSMODE(m_saved);
    UndoEnd();
    ResBuf regen;
    regen.AddString(L"_REGEN");
    RunCommandAndWait(regen);
  }

private:
  ResBuf m_saved;
};
}  // namespace

void SetPartSymbolGatherer(PartSymbolGatherer gatherer) { Gatherer() = gatherer; }
void SetPartEntityAdder(PartEntityAdder adder) { Adder() = adder; }

std::unique_ptr<Fastrelle_Point_Gradable> Fastrelle_Points_Gradable::NewPoint(ZcDbObjectId id) {
  return std::make_unique<Fastrelle_Point_Gradable>(id);
}

std::unique_ptr<Fastrelle_Point_Gradable> Fastrelle_Points_Gradable::GetPointInSize(const CString& size) {
  ZcDbObjectId id = FindInSize(size);
  return id.isNull() ? nullptr : NewPoint(id);
}

void Fastrelle_Points_Gradable::AddInAllSizes(ZcDbObjectId reference) {
  if (Gatherer() && Fastrelle_Point_Gradable(reference).IsReference()) Gatherer()(reference, m_blockName, m_ids);
}

int Fastrelle_Points_Gradable::LoadSymbol(const CString& path) {
  CString name = UI_DwgBlock::FileTitle(path);
  UI_DwgBlock block;
  if (int es = block.Define(path)) return es;
  ZcDbBlockTable* table = nullptr;
  ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
  bool has = db && db->getBlockTable(table, ZcDb::kForRead) == Zcad::eOk && table->has(name);
  if (table) table->close();
  if (!has) return Zcad::eUndefinedBlock;
  m_blockName = name;
  return Zcad::eOk;
}

int Fastrelle_Points_Gradable::InsertSymbol(const ZcGePoint3d& position, double scale) {
  ZcDbBlockTable* table = nullptr;
  ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
  bool has = !m_blockName.IsEmpty() && db && db->getBlockTable(table, ZcDb::kForRead) == Zcad::eOk && table->has(m_blockName);
  if (table) table->close();
  if (!has) return Zcad::eUndefinedBlock;
  ZcDbObjectId id;
  if (int es = InsertBlock(m_blockName, position, scale, 0.0, &id)) return es;
  if (!Adder()) return Zcad::eWrongObjectType;
  return Adder()(position, id, m_ids);
}

ZcDbObjectId Fastrelle_Points_Gradable::FindBasePoint() const {
  for (ZcDbObjectId id : m_ids) {
    ZcDbEntity* e = nullptr;
    if (zcdbOpenObject(e, id, ZcDb::kForRead) != Zcad::eOk) continue;
    bool base = IsBaseSizeLayer(e->layer());
    e->close();
    if (base) return id;
  }
  return ZcDbObjectId();
}

ZcDbObjectId Fastrelle_Points_Gradable::FindInSize(const CString& size) const {
  for (ZcDbObjectId id : m_ids)
    if (Fastrelle_Point_Gradable(id).GetSizeName().CompareNoCase(size) == 0) return id;
  return ZcDbObjectId();
}

void Fastrelle_Points_Gradable::ApplyOffsets(const std::vector<GradingOffset>& offsets) {
  const ZcDbObjectId base = FindBasePoint();
  if (base.isNull()) return;
  GradingScope scope;
  for (const GradingOffset& offset : offsets) {
    ZcDbObjectId id = FindInSize(offset.size);
    if (!id.isNull()) NewPoint(id)->ApplyOffset(offset, base);
  }
}

std::unique_ptr<Fastrelle_Points_Gradable> MakePointsCollection(const CString& blockName) {
  if (blockName.CompareNoCase(GradePointBlockName()) == 0) return std::make_unique<Fastrelle_SizePoints>();
  return std::make_unique<Fastrelle_Points_Gradable>(blockName);
}

std::unique_ptr<Fastrelle_Points_Gradable> PointsFromReference(ZcDbObjectId id) {
  ZcDbBlockReference* ref = nullptr;
  if (zcdbOpenObject(ref, id, ZcDb::kForRead) != Zcad::eOk) return nullptr;
  ref->close();
  std::unique_ptr<Fastrelle_Points_Gradable> points = MakePointsCollection(GetBlockReferenceName(ref));
  points->AddInAllSizes(id);
  return points;
}

std::unique_ptr<Fastrelle_Points_Gradable> PointsFromHandle(const CString& handle) {
  ads_name name;
  ZcDbObjectId id;
  if (handle.IsEmpty() || zcdbHandEnt(handle, name) != RTNORM || zcdbGetObjectId(id, name) != Zcad::eOk) return nullptr;
  return PointsFromReference(id);
}
