// The construction test case: its input, the cut and the check of the cut line's ends.
#include "modules/construction/t_2236_inputCase.h"

#include "construction/Fastrelle_Cut.h"
#include "construction/Fastrelle_Part_Drawer.h"
#include "construction/PartRecords.h"
#include "construction/PartSizeGroup.h"
#include "db/ZcDbCurve.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbDictionary.h"
#include "db/ZcDbLine.h"
#include "framework/UI_Entity.h"
#include "framework/ZWDrawer.h"
#include "sizes/Fastrelle_SizePoint.h"
#include "sizes/Fastrelle_Sizes.h"

namespace {

const wchar_t* const kSize = L"38";
const int kFirstNumber = 17;
const int kSecondNumber = 29;

CString PointText(const ZcGePoint3d& p) {
  CString text;
  text.Format(L"(%0.6f, %0.6f, %0.6f)", p.x, p.y, p.z);
  return text;
}

ZcDbDatabase* Working() { return zcdbHostApplicationServices()->workingDatabase(); }

// Renumbers the grade points at `position` (one per size) to `number`: 0, or 374 when the
// size lacks its point.
int Renumber(const ZcGePoint3d& position, int number) {
  int old = Fastrelle_SizePoint(position).GetNumber();
  for (const wchar_t* size : {L"0", kSize}) {
    Fastrelle_SizePoint point(old, size);
    if (point.Id().isNull()) return 374;
    point.SetNumber(number);
  }
  return 0;
}

}  // namespace

const ZcGePoint3d t_2236_inputCase::kExpectedStart(1079.2735, 401.9488, 0);
const ZcGePoint3d t_2236_inputCase::kExpectedEnd(1043.7594, 86.2448, 0);
const wchar_t* const t_2236_inputCase::kPart = L"T_0002236";

ZcGePoint3d t_2236_inputCase::SeamEndFor(const ZcGePoint3d& cutEnd, double allowance) {
  ZcGeVector3d along = (kExpectedEnd - kExpectedStart).normal();
  ZcGeVector3d square(-along.y, along.x, 0.0);
  if ((cutEnd + square).asVector().length() < cutEnd.asVector().length()) square = -square;
  return cutEnd + square * allowance;
}

int t_2236_inputCase::MakeInput() {
  int status = EnsureSizeLayers(Fastrelle_Size(kSize, 1, false));
  ZcDbObjectId seam;
  if (status == 0) {
    auto* line = new ZcDbLine(SeamEndFor(kExpectedStart, kAllowance), SeamEndFor(kExpectedEnd, kAllowance));
    line->setLayer(L"0");
    status = ZWDrawer::Add(line);
    if (status == 0) {
      seam = line->objectId();
      line->close();
    } else {
      delete line;
    }
  }
  if (status == 0) {
    ZcDbObjectIdArray curves;
    curves.append(seam);
    status = Fastrelle_Part_Drawer(kPart, 0).BuildFromCurves(curves);
  }
  if (status == 0) status = Renumber(SeamEndFor(kExpectedStart, kAllowance), kFirstNumber);
  if (status == 0) status = Renumber(SeamEndFor(kExpectedEnd, kAllowance), kSecondNumber);
  if (status != 0) {
    PrintStatus(status);
    Print(L"t_2236_inputCase::MakeInput", L" input not made ", CString());
  }
  return status;
}

bool t_2236_inputCase::PointNear(const ZcGePoint3d& actual, const ZcGePoint3d& expected, const wchar_t* what) {
  double distance = actual.distanceTo(expected);
  if (distance < kTolerance) return true;
  Print(L"\n" + PointText(actual));
  Print(L"\n" + PointText(expected));
  PrintDouble(distance);
  Print(L" while expected is less than : ");
  PrintDouble(kTolerance);
  Print(L"t_2236_inputCase::Evaluate", what, CString());
  return false;
}

bool t_2236_inputCase::Evaluate() {
  if (MakeInput() != 0) return false;
  ZcGePoint3d origin(0, 0, 0);
  Fastrelle_Cut cut(kAllowance, kFirstNumber, kSecondNumber, &origin);
  int status = cut.AddToAllSizes();
  if (status == 0 && cut.GetNewCutLines().isEmpty()) status = 16;
  if (status != 0) {
    PrintStatus(status);
    Print(L"t_2236_inputCase::Evaluate", L" evaluate error ", CString());
    return false;
  }
  m_cutLine = cut.GetNewCutLines()[0];
  ZcDbCurve* curve = nullptr;
  if (m_cutLine.isNull() || zcdbOpenObject(curve, m_cutLine, ZcDb::kForRead) != Zcad::eOk) {
    Print(L"\nId invalid");
    return false;
  }
  ZcGePoint3d start, end;
  curve->getStartPoint(start);
  curve->getEndPoint(end);
  curve->close();
  return PointNear(start, kExpectedStart, L" SP is invalid ") && PointNear(end, kExpectedEnd, L" EP is invalid ");
}

void t_2236_inputCase::Finish() {
  ZcDbDatabase* db = Working();
  if (db) {
    for (const wchar_t* size : {L"0", kSize}) PartSizeGroup(db, kPart, size).Erase();
    DeletePartRecords(db, kPart);
    // The records' dictionary goes when this case's record was its only entry.
    ZcDbDictionary* named = nullptr;
    if (db->getNamedObjectsDictionary(named, ZcDb::kForWrite) == Zcad::eOk) {
      ZcDbObjectId partsId;
      ZcDbDictionary* parts = nullptr;
      bool empty = false;
      if (named->getAt(L"Fastrelle", partsId) == Zcad::eOk &&
          zcdbOpenObject(parts, partsId, ZcDb::kForRead) == Zcad::eOk) {
        empty = parts->numEntries() == 0;
        parts->close();
      }
      if (empty && named->remove(L"Fastrelle") == Zcad::eOk &&
          zcdbOpenObject(parts, partsId, ZcDb::kForWrite) == Zcad::eOk) {
        parts->erase(true);
        parts->close();
      }
      named->close();
    }
  }
  // A cut line left outside the groups by a failed join goes too.
  if (!m_cutLine.isNull()) UI_Entity(m_cutLine).Erase();
  m_cutLine = ZcDbObjectId();
  ZWTestCase::Finish();
}
