// The grade-point tool's observer: the numbered point dragged along the seam, then placed
// in every size of the part.
#include "construction/Fastrelle_Observer_AddPoint.h"

#include "construction/Fastrelle_Curve.h"
#include "construction/PartSizeGroup.h"
#include "sizes/Fastrelle_SizePoint.h"
#include "sizes/Fastrelle_SizePoints.h"

Fastrelle_Observer_AddPoint::Fastrelle_Observer_AddPoint(const CString& blockPath, double scale)
    : Fastrelle_Observer_Symbol(blockPath, scale) {
  if (!IsValid()) return;
  m_number = NextGradePointNumber();
  if (m_symbol.Insert(ZcGePoint3d::kOrigin) == 0) NumberSymbol();
}

void Fastrelle_Observer_AddPoint::NumberSymbol() {
  if (m_symbol.Reference() == m_numbered) return;
  Fastrelle_SizePoint(m_symbol.Reference()).SetNumber(m_number);
  m_numbered = m_symbol.Reference();
}

void Fastrelle_Observer_AddPoint::OnMove() {
  Fastrelle_Observer_Symbol::OnMove();
  if (m_symbol.IsInserted()) NumberSymbol();
}

ZcDbObjectId Fastrelle_Observer_AddPoint::FindCurveInSize(const CString& size) {
  Fastrelle_Curve curve;
  return curve.FindSeamBetweenPoints(size, m_first, m_second) == 0 ? curve.Id() : ZcDbObjectId();
}

int Fastrelle_Observer_AddPoint::InsertInSize(const ZcGePoint3d& point, const CString& size) {
  if (m_partName.IsEmpty() || size.IsEmpty()) return 0;
  PartSizeGroup group(nullptr, m_partName, size);
  if (int es = group.AddGradePoint(point, m_number)) return es;
  return group.SplitCurvesAtPoint(point);
}
