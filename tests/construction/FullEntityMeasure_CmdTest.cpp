// Measuring whole curves: lines, arcs, splines and polylines of the selection summed (a
// closed polyline all round), other entities left out; the sum is a text the user places,
// left at the origin when the placing is cancelled; "OSMODE" comes back on every path.
#include "construction/FullEntityMeasure_Cmd.h"

#include "MarkingFixture.h"

namespace {

class MeasureEntityCommand : public MarkingTest {
protected:
  void SetUp() override {
    MarkingTest::SetUp();
    SetShort(L"OSMODE", 37);
  }
  /// A line 10 long, a quarter arc of radius 10, a closed 10 x 10 square polyline and a
  /// circle that is not measured.
  void DrawCurves() {
    AddLine({0, 0, 0}, {10, 0, 0});
    AddArc({50, 50, 0}, 10, 0, kHalfPi);
    auto* square = new ZcDbPolyline();
    const ZcGePoint2d corners[] = {{20, 20}, {30, 20}, {30, 30}, {20, 30}};
    for (unsigned i = 0; i < 4; ++i) square->addVertexAt(i, corners[i]);
    square->setClosed(true);
    Add(square);
    AddCircle({80, 80, 0}, 5);
  }
  std::vector<ZcDbMText*> Texts() {
    std::vector<ZcDbMText*> texts;
    for (ZcDbObjectId id : ModelSpace())
      if (id.objectClass()->isDerivedFrom(ZcDbMText::desc())) texts.push_back(Read<ZcDbMText>(id));
    return texts;
  }
  static constexpr double kHalfPi = 1.5707963267948966;
};

TEST_F(MeasureEntityCommand, TheCurvesAreSummedIntoATextPlacedWhereTheUserSays) {
  DrawCurves();
  Run<FullEntityMeasure_Cmd>({L"W", L"-10,-10", L"100,100", L"", L"200,10"});
  std::vector<ZcDbMText*> texts = Texts();
  ASSERT_EQ(1u, texts.size());
  EXPECT_EQ(CString(L"65.7"), texts[0]->contents());  // 10 + 15.708 + 40
  EXPECT_TRUE(texts[0]->location().isEqualTo({200, 10, 0}));
  EXPECT_EQ(37, GetShort(L"OSMODE"));
}

TEST_F(MeasureEntityCommand, ACancelledPlacingLeavesTheTextAtTheOriginAndNoCurveNoText) {
  DrawCurves();
  Run<FullEntityMeasure_Cmd>({L"W", L"-10,-10", L"15,15", L"", L"@cancel"});
  std::vector<ZcDbMText*> texts = Texts();
  ASSERT_EQ(1u, texts.size());
  EXPECT_EQ(CString(L"10.0"), texts[0]->contents());
  EXPECT_TRUE(texts[0]->location().isEqualTo({0, 0, 0}));
  Run<FullEntityMeasure_Cmd>({L"W", L"70,70", L"90,90", L""});  // only the circle
  Run<FullEntityMeasure_Cmd>({L"@cancel"});
  EXPECT_EQ(1u, Texts().size());
  EXPECT_EQ(37, GetShort(L"OSMODE"));
  EXPECT_EQ(0u, headless::PendingInput());
}

}  // namespace
