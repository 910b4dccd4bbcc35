// Splines filed with their fit points only (as other programs write them) are saved with the
// control data of our interpolation too, so that every reader draws the curve we measured.
#include "db/ZcDbSpline.h"

#include <gtest/gtest.h>

#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"

namespace {

ZcDbSpline* OnlySpline(ZcDbDatabase& db) {
  ZcDbBlockTableRecord* ms = nullptr;
  if (zcdbOpenObject(ms, db.modelSpaceId(), ZcDb::kForRead) != Zcad::eOk) return nullptr;
  ZcDbObjectIdArray ids = ms->entityIds();
  ms->close();
  ZcDbSpline* spline = nullptr;
  if (ids.length() != 1 || zcdbOpenObject(spline, ids[0], ZcDb::kForRead) != Zcad::eOk) return nullptr;
  spline->close();
  return spline;
}

TEST(DxfFitSpline, FitPointsOnlySplineIsSavedWithItsControlData) {
  const char* text =
      "0\nSECTION\n2\nENTITIES\n0\nSPLINE\n5\n2A\n8\n0\n100\nAcDbEntity\n100\nAcDbSpline\n70\n8\n71\n3\n72\n0\n73\n0\n"
      "74\n4\n11\n0\n21\n0\n31\n0\n11\n30\n21\n12\n31\n0\n11\n60\n21\n-4\n31\n0\n11\n90\n21\n5\n31\n0\n0\nENDSEC\n0\nEOF\n";
  ZcDbDatabase db(false, true);
  ASSERT_EQ(Zcad::eOk, db.readDxfText(text));
  ZcDbSpline* read = OnlySpline(db);
  ASSERT_NE(nullptr, read);
  EXPECT_GT(read->numControlPoints(), 0);
  EXPECT_EQ(4, read->numFitPoints());
  ZcGePoint3d mid;
  double end = 0;
  read->getEndParam(end);
  read->getPointAtParam(0.4 * end, mid);

  // Read back without the fit points, the control data alone draws the same curve.
  std::string saved = db.dxfText();
  std::string controlOnly;
  for (size_t at = 0; at < saved.size();) {
    size_t codeEnd = saved.find('\n', at), valueEnd = saved.find('\n', codeEnd + 1);
    std::string code = saved.substr(at, codeEnd - at);
    if (code.find_first_not_of(' ') != std::string::npos && std::stoi(code) != 11 && std::stoi(code) != 21 &&
        std::stoi(code) != 31 && std::stoi(code) != 74)
      controlOnly += saved.substr(at, valueEnd + 1 - at);
    at = valueEnd + 1;
  }
  ZcDbDatabase again(false, true);
  ASSERT_EQ(Zcad::eOk, again.readDxfText(controlOnly));
  ZcDbSpline* control = OnlySpline(again);
  ASSERT_NE(nullptr, control);
  EXPECT_EQ(0, control->numFitPoints());
  ZcGePoint3d same;
  control->getPointAtParam(0.4 * end, same);
  EXPECT_LE(mid.distanceTo(same), 1e-9);
}

}  // namespace
