// The bottom-row placement rule and its temporary reference.
//
// States of a calculation object:
//  1. constructed: border measured, placed pieces collected, no temporary reference;
//  2. prepared (Prepare): the temporary reference stands parked with its box ending at the
//     origin, its size known;
//  3. placed (Calculate): the temporary reference stands where the piece goes;
//  4. destroyed: the temporary reference, if any, is erased.
#include "layout/LayoutDrawerInsertCalc.h"

#include "db/ZcDbBlockReference.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbBlockTableRecord.h"
#include "framework/BlockReference.h"
#include "layout/LayoutDrawing.h"

namespace {

constexpr double kPi = 3.141592653589793;
/// The gap kept between a piece and its neighbours and the border.
constexpr double kGap = 0.01;
/// How far past the border a box may end and still count as inside (rounding only).
constexpr double kEdgeTolerance = 1e-9;

bool BlockExists(const CString& name) {
  ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
  ZcDbBlockTable* table = nullptr;
  if (!db || db->getBlockTable(table, ZcDb::kForRead) != Zcad::eOk) return false;
  bool has = table->has(name);
  table->close();
  return has;
}

/// The entity's box: 0, or the open or measuring failure.
int ExtentsOf(ZcDbObjectId id, ZcDbExtents& box) {
  ZcDbEntity* entity = nullptr;
  int es = zcdbOpenObject(entity, id, ZcDb::kForRead);
  if (es != Zcad::eOk) return es;
  es = entity->getGeomExtents(box);
  entity->close();
  return es;
}

int MoveBy(ZcDbObjectId id, const ZcGeVector3d& v) {
  ZcDbEntity* entity = nullptr;
  int es = zcdbOpenObject(entity, id, ZcDb::kForWrite);
  if (es != Zcad::eOk) return es;
  es = entity->transformBy(ZcGeMatrix3d::translation(v));
  entity->close();
  return es;
}

}  // namespace

int InsertCalcStatus(int code) {
  switch (code) {
    case 0: return 0;
    case 1: return 47;
    case 2: return 379;
    case 3:
    case 4: return 2;
    case 5:
    case 6: return 7;
    case 7: return 1;
    default: return 374;
  }
}

LayoutDrawerInsertCalc::LayoutDrawerInsertCalc(const CString& blockName, double rotation)
    : m_blockName(blockName), m_rotation(rotation) {
  m_layout.MeasureBorder();
  m_placed = CollectPieceReferences();
}

LayoutDrawerInsertCalc::~LayoutDrawerInsertCalc() {
  if (!m_temporary.isValid()) return;
  ZcDbEntity* entity = nullptr;
  if (zcdbOpenObject(entity, m_temporary, ZcDb::kForWrite) != Zcad::eOk) return;
  entity->erase();
  entity->close();
}

int LayoutDrawerInsertCalc::Calculate(ZcGePoint3d&) { return 4; }

int LayoutDrawerInsertCalc::Prepare() {
  if (m_blockName.IsEmpty()) return 1;
  if (!BlockExists(m_blockName)) return 2;
  if (m_temporary.isValid()) return 3;  // prepared once per object
  double radians = m_rotation / 180.0 * kPi;
  if (InsertBlock(m_blockName, ZcGePoint3d::kOrigin, 1.0, radians, &m_temporary) != Zcad::eOk) return 3;
  ZcDbExtents box;
  if (ExtentsOf(m_temporary, box) != Zcad::eOk || box.isEmpty()) return 3;  // nothing to place by
  m_size = box.maxPoint() - box.minPoint();
  if (MoveBy(m_temporary, ZcGePoint3d::kOrigin - box.maxPoint()) != Zcad::eOk) return 3;
  return 0;
}

int LayoutDrawerInsertCalc_InBottomRow::Calculate(ZcGePoint3d& point) {
  if (int code = Prepare()) return code;
  ZcDbExtents border;
  if (ExtentsOf(FindTaggedPolyline(kLayoutTag), border) != Zcad::eOk) return 8;
  ZcDbObjectIdArray pieces = CollectPieceReferences();
  if (pieces.isEmpty()) return 8;
  ZcDbExtents placed;
  for (ZcDbObjectId id : pieces) {
    ZcDbExtents box;
    if (ExtentsOf(id, box) == Zcad::eOk) placed.addExt(box);
  }
  if (placed.isEmpty()) return 8;
  ZcGePoint3d lo = border.minPoint(), hi = border.maxPoint();
  m_candidate.set(std::min(hi.x, placed.maxPoint().x), lo.y, lo.z);

  ZcDbExtents grown;
  if (ExtentsOf(m_temporary, grown) != Zcad::eOk) return 3;
  // Grown in the plane only: the piece keeps the border's elevation.
  grown.set(grown.minPoint() - ZcGeVector3d(kGap, kGap, 0.0), grown.maxPoint() + ZcGeVector3d(kGap, kGap, 0.0));
  ZcGeVector3d extent = grown.maxPoint() - grown.minPoint();
  // A piece that would not lie inside the border is refused, not placed across its edge.
  if (m_candidate.x + extent.x > hi.x + kEdgeTolerance) return 5;
  if (m_candidate.y + extent.y > hi.y + kEdgeTolerance) return 6;
  MoveBy(m_temporary, m_candidate - grown.minPoint());

  ZcDbBlockReference* ref = nullptr;
  if (zcdbOpenObject(ref, m_temporary, ZcDb::kForRead) == Zcad::eOk) {
    point = ref->position();
    ref->close();
  } else {
    point = m_candidate;
  }
  return 0;
}
