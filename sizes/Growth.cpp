// Curve keys and set lengths of growth control.
#include "sizes/Growth.h"

#include "db/ZcDbCurve.h"
#include "framework/Strings.h"
#include "geometry/LengthCalculator.h"
#include "sizes/CurveFinders.h"
#include "sizes/Fastrelle_SizePoint.h"
#include "win/crt.h"

namespace {

/// How far a grade point may lie from a curve's end and still number it.
constexpr double kEndTolerance = 0.01;

/// The number when the drawing's grade point nearest to `end` lies on it; else 0.
int NumberAtEnd(const ZcGePoint3d& end, int number) {
  if (number == 0) return 0;
  Fastrelle_SizePoint nearest(end);
  if (!nearest.Id().isValid() || nearest.GetPosition().distanceTo(end) > kEndTolerance) return 0;
  return number;
}

/// The key with its two numbers swapped ("5|12" => "12|5").
CString Reversed(const CString& key) {
  int bar = key.Find(L'|');
  if (bar < 0) return key;
  return key.Mid(bar + 1) + L"|" + key.Left(bar);
}

bool Holds(const CStringArray& keys, const CString& key) {
  CString other = Reversed(key);
  for (const CString& k : keys)
    if (k == key || k == other) return true;
  return false;
}

}  // namespace

CString Growth::MakeKey(ZcDbObjectId curve) {
  int start = 0, end = 0;
  if (FindCurveEndNumbers(curve, start, end) != 0) return L"";
  ZcDbCurve* c = nullptr;
  if (zcdbOpenObject(c, curve, ZcDb::kForRead) != Zcad::eOk) return L"";
  ZcGePoint3d s, e;
  bool ends = c->getStartPoint(s) == Zcad::eOk && c->getEndPoint(e) == Zcad::eOk;
  c->close();
  if (!ends) return L"";
  CString key;
  key.Format(L"%d|%d", NumberAtEnd(s, start), NumberAtEnd(e, end));
  return key;
}

void Growth::MakeKeys(const ZcDbObjectIdArray& ids, CStringArray& keys) {
  keys.RemoveAll();
  for (int i = 0; i < ids.length(); ++i) {
    CString key = MakeKey(ids[i]);
    if (!key.IsEmpty() && !Holds(keys, key)) keys.Add(key);
  }
}

double Growth::Length(const CStringArray& keys) const {
  ZcDbObjectIdArray curves;
  for (const CString& key : keys) {
    CStringArray numbers;
    SplitString(key, L"|", numbers, true);
    if (numbers.GetSize() != 2) continue;
    ZcDbObjectId id = FindSeamCurve(m_size.GetName(), _wtoi(numbers[0]), _wtoi(numbers[1]));
    if (id.isValid()) curves.append(id);
  }
  return LengthCalculator().GetTotalLength(curves);
}

CString Growth::Format(double length) {
  CString text;
  text.Format(L"%0.1f", length);
  return text;
}
