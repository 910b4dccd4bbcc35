// The layout measures.
#include "layout/Layout_calc.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "db/ZcDbBlockReference.h"
#include "db/ZcDbBlockTableRecord.h"
#include "framework/Extents.h"
#include "framework/ItemsCounter.h"
#include "layout/LayoutDrawing.h"
#include "layout/PieceKey.h"

Layout_calc::Layout_calc() : m_layout(Layout(0.0, 0.0)) {
  m_hasBorder = m_layout.MeasureBorder(&m_border) == 0;
}

const ZcDbObjectIdArray& Layout_calc::Pieces() {
  if (!m_collected) {
    m_pieces = CollectPieceReferences();
    m_collected = true;
  }
  return m_pieces;
}

double Layout_calc::UsedLength() {
  if (!m_hasBorder || Pieces().isEmpty()) return 0.0;
  ZcDbExtents box;
  if (GetExtentsOfIds(box, Pieces()) != Zcad::eOk) return 0.0;
  // Measured from the border's left edge: pieces left of the border use no fabric.
  return std::max(0.0, box.maxPoint().x - m_border.minPoint().x);
}

double Layout_calc_Width::Calculate() { return m_hasBorder ? m_layout.GetWidth() : 0.0; }

double Layout_calc_Length::Calculate() { return UsedLength(); }

double Layout_calc_Efficiency::TotalPieceArea() {
  std::map<ZcDbObjectId, double> blockAreas;  // each block's region is read once
  double total = 0.0;
  for (ZcDbObjectId id : Pieces()) {
    ZcDbBlockReference* reference = nullptr;
    if (zcdbOpenObject(reference, id, ZcDb::kForRead) != Zcad::eOk) continue;
    ZcDbObjectId block = reference->blockTableRecord();
    ZcGeScale3d scale = reference->scaleFactors();
    reference->close();
    auto found = blockAreas.find(block);
    if (found == blockAreas.end()) found = blockAreas.emplace(block, GetPieceBlockArea(block)).first;
    total += found->second * std::fabs(scale.sx * scale.sy);
  }
  return total;
}

double Layout_calc_Efficiency::Calculate() {
  double divisor = m_layout.GetWidth() * UsedLength();
  if (!m_hasBorder || !(divisor >= 1e-6)) return 0.0;
  return TotalPieceArea() / divisor;
}

int Layout_calc_EfficiencyPerPiece::CountGarments() {
  ItemsCounter counter;
  bool sideS = false;
  for (ZcDbObjectId id : Pieces()) {
    ZcDbBlockReference* reference = nullptr;
    if (zcdbOpenObject(reference, id, ZcDb::kForRead) != Zcad::eOk) continue;
    ZcDbObjectId block = reference->blockTableRecord();
    reference->close();
    ZcDbBlockTableRecord* record = nullptr;
    if (zcdbOpenObject(record, block, ZcDb::kForRead) != Zcad::eOk) continue;
    CString name(record->name());
    record->close();
    CString title, part, size;
    int side = kPieceSideS, lines = 2;
    ParsePieceKey(name, title, part, size, side, lines);
    counter.Add(title + L"|" + part);
    sideS = sideS || side == kPieceSideS;
  }
  int garments = counter.GetMinCount();
  return sideS ? garments : garments / 2;
}

double Layout_calc_EfficiencyPerPiece::Calculate() {
  double used = UsedLength();
  int garments = CountGarments();
  return garments == 0 ? 0.0 : used / garments;
}

double layout_calc_ItemsCounter::Calculate() { return static_cast<double>(Pieces().length()); }
