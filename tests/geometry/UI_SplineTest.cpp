// The spline wrapper: removing the control point nearest a pick takes the knot the rule
// names, a refused change leaves the spline as it was, and an end vertex moves through the
// host's spline editing.
#include "geometry/UI_Spline.h"

#include "GeometryTest.h"

namespace {

class UI_SplineTest : public GeometryTest {
protected:
  ZcDbObjectId ControlSpline(bool rational) {
    ZcGePoint3dArray cps;
    for (int i = 0; i < 6; ++i) cps.append(ZcGePoint3d(10.0 * i, i % 2 ? 8.0 : 0.0, 0));
    ZcGeDoubleArray knots, weights;
    for (double k : {0, 0, 0, 0, 1, 2, 3, 3, 3, 3}) knots.append(k);
    if (rational)
      for (int i = 0; i < 6; ++i) weights.append(1.0 + i);
    auto* s = new ZcDbSpline();
    s->setNurbsData(3, rational, false, false, cps, knots, weights);
    return Add(s);
  }
  std::vector<double> Knots(ZcDbObjectId id) {
    int degree;
    bool rational, closed, periodic;
    ZcGePoint3dArray cps;
    ZcGeDoubleArray knots, weights;
    Read<ZcDbSpline>(id)->getNurbsData(degree, rational, closed, periodic, cps, knots, weights);
    return std::vector<double>(knots.begin(), knots.end());
  }
};

TEST_F(UI_SplineTest, DeletingTheNearestControlPointTakesTheKnotTheRuleNames) {
  ZcDbObjectId early = ControlSpline(false), late = ControlSpline(false);
  ASSERT_EQ(0, UI_Spline(early).DeleteNearestControlPoint({10.5, 7, 0}));  // control point 1: knot 5
  EXPECT_EQ((std::vector<double>{0, 0, 0, 0, 1, 3, 3, 3, 3}), Knots(early));
  EXPECT_EQ(5, Read<ZcDbSpline>(early)->numControlPoints());
  ASSERT_EQ(0, UI_Spline(late).DeleteNearestControlPoint({40, 1, 0}));  // control point 4: knot 4
  EXPECT_EQ((std::vector<double>{0, 0, 0, 0, 2, 3, 3, 3, 3}), Knots(late));

  ZcDbObjectId rational = ControlSpline(true);
  EXPECT_NE(0, UI_Spline(rational).DeleteNearestControlPoint({10, 8, 0})) << "the weights no longer fit";
  EXPECT_EQ(6, Read<ZcDbSpline>(rational)->numControlPoints());
  EXPECT_EQ(20, UI_Spline(AddLine({0, 0, 0}, {1, 0, 0})).DeleteNearestControlPoint({0, 0, 0}));
}

TEST_F(UI_SplineTest, FitTangentsOnASplineWithoutFitDataChangeNothing) {
  ZcDbObjectId id = ControlSpline(false);
  ZcGePoint3d end = EndOf(id);
  EXPECT_EQ(0, UI_Spline(id).SetEndTangents({0, 1, 0}, {1, 1, 0}));
  EXPECT_TRUE(Near(EndOf(id), end));
  ZcGeVector3d s, e;
  EXPECT_EQ(0, UI_Spline(id).GetEndTangents(s, e));
  EXPECT_FALSE(s.isZeroLength());
}

TEST_F(UI_SplineTest, AnEndVertexMovesThroughTheHostsSplineEditing) {
  ZcDbObjectId id = AddSpline({{0, 0, 0}, {20, 10, 0}, {40, 0, 0}});
  SetShort(L"OSMODE", 35);
  ASSERT_EQ(0, UI_Spline(id).MoveEndVertex({45, 3, 0}));
  EXPECT_TRUE(Near(EndOf(id), {45, 3, 0}, 1e-9));
  EXPECT_TRUE(Near(StartOf(id), {0, 0, 0}, 1e-9));
  EXPECT_EQ(35, GetShort(L"OSMODE")) << "object snaps are put back";
}

}  // namespace
