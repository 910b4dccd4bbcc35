// Removing a spline's control point: the pre-selected spline, or the one picked, loses the
// point nearest the answer; a spline left with degree + 1 points is refused and kept; a
// line is no spline; "OSMODE" comes back.
#include "construction/SmoothSpline_cmd.h"

#include "MarkingFixture.h"
#include "db/ZcDbSpline.h"
#include "framework/Selections.h"

namespace {

class SmoothSplineCommand : public MarkingTest {
protected:
  /// A cubic spline through control points (0,0), (10,8), (20,0), ... `count` of them.
  ZcDbObjectId Spline(int count) {
    ZcGePoint3dArray cps;
    ZcGeDoubleArray knots, weights;
    for (int i = 0; i < count; ++i) cps.append(ZcGePoint3d(10.0 * i, i % 2 ? 8.0 : 0.0, 0));
    for (int i = 0; i < 4; ++i) knots.append(0);
    for (int i = 1; i < count - 3; ++i) knots.append(i);
    for (int i = 0; i < 4; ++i) knots.append(count - 3);
    auto* s = new ZcDbSpline();
    s->setNurbsData(3, false, false, false, cps, knots, weights);
    return Add(s);
  }
  int Points(ZcDbObjectId id) { return Read<ZcDbSpline>(id)->numControlPoints(); }
};

TEST_F(SmoothSplineCommand, ThePickedOrPreselectedSplineLosesTheControlPointNearestTheAnswer) {
  SetShort(L"OSMODE", 37);
  ZcDbObjectId spline = Spline(6);
  Run<SmoothSpline_cmd>({L"0,0", L"20,1"});
  EXPECT_EQ(5, Points(spline));
  ZcGePoint3d third;
  Read<ZcDbSpline>(spline)->getControlPointAt(2, third);
  EXPECT_TRUE(third.isEqualTo({30, 8, 0}));
  EXPECT_EQ(37, GetShort(L"OSMODE"));
  ZcDbObjectIdArray chosen;  // a pre-selected spline is taken without a pick
  chosen.append(spline);
  SetPickFirst(chosen);
  Run<SmoothSpline_cmd>({L"50,1"});
  EXPECT_EQ(4, Points(spline));
}

TEST_F(SmoothSplineCommand, ASplineAtDegreePlusOnePointsIsRefusedAndKept) {
  ZcDbObjectId spline = Spline(4);
  ZcDbObjectId line = AddLine({0, 50, 0}, {10, 50, 0});
  Run<SmoothSpline_cmd>({L"0,0", L"10,8"});
  EXPECT_EQ(4, Points(spline));
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"UI_Spline::DeleteNearestControlPoint"));
  Run<SmoothSpline_cmd>({L"5,50", L"5,50"});
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"nie jest splajnem"));
  EXPECT_TRUE(Read<ZcDbLine>(line)->endPoint().isEqualTo({10, 50, 0}));
}

}  // namespace
