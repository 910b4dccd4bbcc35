// Fastrelle_Curve: the cut and seam lines between two grade points of a size.
#include "construction/Fastrelle_Curve.h"

#include "construction/PartSizeGroup.h"
#include "db/ZcDbEntity.h"
#include "ed/ErrorStatus.h"
#include "geometry/UI_Curve.h"
#include "sizes/Fastrelle_SizePoint.h"
#include "sizes/Fastrelle_SizePoints.h"
#include "sizes/Fastrelle_Sizes.h"

namespace {
/// A seam line ends at a grade point when it passes this close to it.
constexpr double kAtGradePoint = 0.01;
}  // namespace

bool IsGradePointNumberInRange(int number) { return number >= 1 && number <= NextGradePointNumber(); }

int Fastrelle_Curve::FindCutBetweenPoints(const CString& size, int a, int b) {
  m_id = ZcDbObjectId();
  const int next = NextGradePointNumber();
  if (a < 1 || b < 1 || a > next || b > next) return Zcad::eOutOfRange;
  return FindCutBetween(Fastrelle_SizePoint(a, size), Fastrelle_SizePoint(b, size));
}

int Fastrelle_Curve::FindCutBetween(const Fastrelle_SizePoint& a, const Fastrelle_SizePoint& b) {
  m_id = ZcDbObjectId();
  // A grade point missing in the size has no place: never select around the origin.
  if (!a.IsReference()) return Zcad::eNoInputFiles;
  ZcDbObjectIdArray aroundA, aroundB;
  a.SelectCutLinesAround(aroundA);
  if (aroundA.isEmpty() || !b.IsReference()) return Zcad::eNoInputFiles;
  b.SelectCutLinesAround(aroundB);
  if (aroundB.isEmpty()) return Zcad::eNoInputFiles;
  for (ZcDbObjectId id : aroundA)
    if (aroundB.contains(id)) {
      m_id = id;
      return 0;
    }
  return Zcad::eKeyNotFound;
}

int Fastrelle_Curve::FindSeamBetweenPoints(const CString& size, int a, int b) {
  m_id = ZcDbObjectId();
  const int next = NextGradePointNumber();
  if (a < 1 || b < 1 || a > next || b > next) return Zcad::eOutOfRange;
  return FindSeamBetween(Fastrelle_SizePoint(a, size), Fastrelle_SizePoint(b, size));
}

int Fastrelle_Curve::FindSeamBetween(const Fastrelle_SizePoint& a, const Fastrelle_SizePoint& b) {
  m_id = ZcDbObjectId();
  if (!a.IsReference() || !b.IsReference()) return 0;  // nothing to find in this size
  PartSizeGroup group;
  group.FromId(a.Id());
  if (group.m_part.IsEmpty() || group.m_size.IsEmpty()) return Zcad::eWrongObjectType;
  Fastrelle_Sizes_ZW sizes;
  sizes.LoadFromLayers();
  const CString seamLayer = sizes.Find(group.m_size).Seam().GetLayerName();
  ZcDbObjectIdArray members;
  group.GetIds(members);
  const ZcGePoint3d pa = a.GetPosition(), pb = b.GetPosition();
  for (ZcDbObjectId id : members) {
    UI_Curve curve;
    if (!curve.Attach(id) || !curve.Curve()) continue;
    if (CString(curve.Entity()->layer()).CompareNoCase(seamLayer) != 0) continue;
    double da = curve.DistanceToPoint(pa), db = curve.DistanceToPoint(pb);
    if (da >= 0.0 && da < kAtGradePoint && db >= 0.0 && db < kAtGradePoint) m_id = id;
  }
  return 0;
}

int Fastrelle_Curve::GetEndPointNumbers(int& start, int& end) const {
  UI_Curve curve;
  if (!curve.Attach(m_id) || !curve.Curve()) return Zcad::eIllegalEntityType;
  ZcGePoint3d s, e;
  if (curve.GetEndPoints(s, e)) return Zcad::eIllegalEntityType;
  Fastrelle_SizePoint nearStart(s), nearEnd(e);
  if (nearStart.IsReference()) start = nearStart.GetNumber();
  if (nearEnd.IsReference()) end = nearEnd.GetNumber();
  return 0;
}
