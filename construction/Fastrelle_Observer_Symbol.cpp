// The sliding symbol of the notch and dart tools and its copies over a part's sizes.
//
// Life of the symbol:
//  1. None: before the first move (OnMove inserts it) or after OnCancel erased it.
//  2. Dragged: one reference, moved and turned by each OnMove.
//  3. Finished: OnFinish put copies into the part's sizes (or the symbol itself into the
//     part, after the dart tool) and erased the dragged one; a finish that cannot place
//     it erases it too. In states 1 and 3 a finish adds nothing.
#include "construction/Fastrelle_Observer_Symbol.h"

#include <algorithm>
#include <cmath>

#include "construction/Fastrelle_Curve.h"
#include "construction/Fastrelle_Miarka.h"
#include "construction/Fastrelle_Part_Drawer.h"
#include "construction/Fastrelle_Parts.h"
#include "construction/PartSizeGroup.h"
#include "db/ZcDbBlockReference.h"
#include "db/ZcDbEntity.h"
#include "ed/zced.h"
#include "framework/BlockReference.h"
#include "framework/Printer.h"
#include "framework/ResString.h"
#include "framework/UI_Entity.h"
#include "geometry/UI_Curve.h"
#include "sizes/Fastrelle_SizePoint.h"
#include "sizes/Fastrelle_Sizes.h"
#include "sizes/GradePointNumbers.h"

namespace {

// True when the entity lies on a cut layer (its name ends with "'").
bool OnCutLayer(ZcDbObjectId id) {
  ZcDbEntity* e = nullptr;
  if (zcdbOpenZcDbEntity(e, id, ZcDb::kForRead) != Zcad::eOk) return false;
  CString layer = e->layer();
  e->close();
  return !layer.IsEmpty() && layer.Right(1) == L"'";
}

// A seam curve's end is numbered by a grade point within this distance (the tolerance
// the seam between two grade points is found with).
constexpr double kSeamEndTolerance = 0.01;
// A cut curve lies off its grade points by the seam allowance: its end is numbered by a
// grade point within the square of this half side (the one its cut line is found in).
constexpr double kCutEndHalfSide = 25.0;

// The number of the grade point nearest to the curve's end when it lies near enough to
// number it, else 0.
int NumberAt(const ZcGePoint3d& end, int nearestNumber, bool cut) {
  Fastrelle_SizePoint nearest(end);
  if (!nearest.IsReference()) return 0;
  ZcGePoint3d p = nearest.GetPosition();
  bool near = cut ? std::abs(p.x - end.x) <= kCutEndHalfSide && std::abs(p.y - end.y) <= kCutEndHalfSide
                  : p.distanceTo(end) < kSeamEndTolerance;
  return near ? nearestNumber : 0;
}

}  // namespace

bool Fastrelle_Observer_Symbol::IsValid() const { return m_symbol.Scale() > 0.0 && !m_symbol.BlockName().IsEmpty(); }

void Fastrelle_Observer_Symbol::OnMove() {
  if (m_subject) m_symbol.PlaceAlong(m_subject->EndPoint(), m_subject->NormalAtEnd());
}

void Fastrelle_Observer_Symbol::OnCancel() { m_symbol.Erase(); }

void Fastrelle_Observer_Symbol::Refuse(unsigned message) {
  zcutPrintText(LoadResString(message).str());
  m_symbol.Erase();
}

bool Fastrelle_Observer_Symbol::GetFraction() {
  auto* tape = dynamic_cast<Fastrelle_Miarka*>(m_subject);
  m_baseCurve = tape ? tape->GetBaseCurveId() : ZcDbObjectId();
  UI_Curve base;
  if (m_baseCurve.isNull() || !base.Attach(m_baseCurve)) {
    zcutPrintText(LoadResString(42301).str());
    return false;
  }
  int first = 0, second = 0;
  Fastrelle_Curve(m_baseCurve).GetEndPointNumbers(first, second);
  ZcGePoint3d start, end;
  base.GetEndPoints(start, end);
  const bool cut = OnCutLayer(m_baseCurve);
  first = NumberAt(start, first, cut);
  second = NumberAt(end, second, cut);
  if (first == 0 || second == 0) {
    zcutPrintText(LoadResString(42303).str());
    return false;
  }
  m_first = first;
  m_second = second;
  ZcGePoint3d p = ZcGePoint3d::kOrigin;
  m_symbol.GetPosition(p);
  double d = base.DistanceAlongCurveToPoint(p);
  double length = base.GetLength();
  if (length > 1e-6) m_fraction = std::max(d, 0.0) / length;
  return true;
}

ZcDbObjectId Fastrelle_Observer_Symbol::FindCurveInSize(const CString& size) {
  Fastrelle_Curve curve;
  int status = OnCutLayer(m_baseCurve) ? curve.FindCutBetweenPoints(size, m_first, m_second)
                                       : curve.FindSeamBetweenPoints(size, m_first, m_second);
  return status == 0 ? curve.Id() : ZcDbObjectId();
}

int Fastrelle_Observer_Symbol::PointAtFraction(const CString& size, ZcGePoint3d& point) {
  ZcDbObjectId id = FindCurveInSize(size);
  UI_Curve curve;
  if (id.isNull() || !curve.Attach(id)) return 374;
  double fraction = m_fraction;
  // Measured from the curve's end at the first grade point, whichever way it was drawn.
  ZcGePoint3d start, end;
  Fastrelle_SizePoint first(m_first, size);
  if (first.IsReference() && curve.GetEndPoints(start, end) == 0) {
    ZcGePoint3d at = first.GetPosition();
    if (end.distanceTo(at) < start.distanceTo(at)) fraction = 1.0 - fraction;
  }
  int status = curve.PointAtDistanceOnCurve(curve.GetLength() * fraction, point);
  if (status == 0) return 0;
  if (m_subject && curve.GetClosestPoint(m_subject->EndPoint(), point) == 0) return 0;
  zcutPrintText(L"\nFastrelle_Observer_Symbol::bugfix1404");
  PrintErrorStatus(status);
  return status;
}

int Fastrelle_Observer_Symbol::InsertInSize(const ZcGePoint3d& point, const CString& size) {
  if (m_partName.IsEmpty() || size.IsEmpty() || !m_symbol.IsInserted()) return 0;
  ZcDbObjectId copy;
  if (int es = UI_Entity(m_symbol.Reference()).Copy(copy)) return es;
  if (int es = PartSizeGroup(nullptr, m_partName, size).PutOnTechLayer(copy)) return es;
  ZcDbBlockReference* ref = nullptr;
  if (int es = zcdbOpenObject(ref, copy, ZcDb::kForRead)) return es;
  ref->close();
  return MoveBlockReferenceTo(ref, point);
}

void Fastrelle_Observer_Symbol::OnFinish() {
  if (!m_symbol.IsInserted()) return;
  ZcGePoint3d p;
  m_symbol.GetPosition(p);
  auto* tape = dynamic_cast<Fastrelle_Miarka*>(m_subject);
  if (!tape) {  // the dart tool: the symbol itself joins the part at the apex
    Fastrelle_Part part;
    if (!FindPartAtPoint(p, part)) return Refuse(42304);
    m_partName = part.GetName();
    Fastrelle_Part_Drawer(m_partName, nullptr).AddEntity(m_symbol.Reference(), 2);
    m_symbol.Forget();
    return;
  }
  if (tape->GetBaseCurveId().isNull()) return Refuse(42301);
  // The part of the curve the symbol was dragged along; graded sizes of neighbouring
  // parts overlap, so extents decide only for a curve in no part.
  PartSizeGroup group;
  if (group.FromId(tape->GetBaseCurveId()) == 0) {
    m_partName = group.m_part;
    m_baseSize = group.m_size;
  } else {
    Fastrelle_Part part;
    if (!FindPartAtPoint(p, part)) return Refuse(42304);
    m_partName = part.GetName();
    m_baseSize.Empty();
  }
  if (!GetFraction()) {
    m_symbol.Erase();
    return;
  }
  // Every size looks its curve's grade points up by number: each number is read once.
  GradePointNumbers numbers;
  auto place = [&](const CString& size) {
    ZcGePoint3d at = p;
    if (size != m_baseSize && PointAtFraction(size, at) != 0) {
      zcutPrintText((LoadResString(42302) + size).str());
      return;
    }
    if (int es = InsertInSize(at, size)) {
      zcutPrintText((L"\n" + size).str());
      PrintErrorStatus(es);
    }
  };
  place(L"0");
  Fastrelle_Sizes_ZW sizes;
  sizes.LoadFromLayers();
  for (const Fastrelle_Size& size : sizes.Sizes()) place(size.GetName());
  m_symbol.Erase();
}
