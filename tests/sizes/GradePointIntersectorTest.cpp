// AddPointIntersecting: grade points where a line crosses a part's seam, each size's point
// on that size's own seam and its curves split there; one point at a joint; a cancel at
// either pick ends quietly.
#include "sizes/GradePointIntersector.h"

#include "construction/Fastrelle_Part_Drawer.h"
#include "construction/PartsFixture.h"
#include "geometry/UI_Curve.h"
#include "headless/Database.h"
#include "headless/Host.h"
#include "sizes/AddGradePointIntersecting_cmd.h"
#include "sizes/Fastrelle_SizePoints.h"

namespace {

class Intersecting : public PartsTest {
protected:
  void SetUp() override {
    PartsTest::SetUp();
    // The square's corners are points 1 (0,0), 2 (100,0), 3 (100,100) and 4 (0,100).
    ASSERT_EQ(0, Fastrelle_Part_Drawer(L"Front", 0).BuildFromCurves(Square()));
  }
  void TearDown() override {
    EXPECT_EQ(0, headless::WriteViolations()) << "an object was changed without being open for write";
    EXPECT_EQ(0, headless::StrayCloses()) << "an object was closed that was not open";
    PartsTest::TearDown();
  }
  /// The point of that number in the size: its position; false when there is none.
  bool PointOf(int number, const wchar_t* size, ZcGePoint3d& at) {
    Fastrelle_SizePoint point(number, size);
    if (point.Id().isNull()) return false;
    at = point.GetPosition();
    return true;
  }
  /// The seam lines of the group that end at the point (within 1e-9).
  int LinesEndingAt(const wchar_t* group, const ZcGePoint3d& p) {
    int n = 0;
    for (ZcDbObjectId id : Members(group))
      if (ZcDbLine* line = Read<ZcDbLine>(id))
        n += line->startPoint().distanceTo(p) < 1e-9 || line->endPoint().distanceTo(p) < 1e-9;
    return n;
  }
  int Run(ZcDbObjectId line) {
    GradePointIntersector worker(line, Members(L"Front|0")[0]);
    if (int es = worker.Prepare()) return es;
    int es = worker.Evaluate();
    numbers_ = worker.Numbers();
    return es;
  }
  std::vector<int> numbers_;
};

TEST_F(Intersecting, EachSizesPointLiesOnItsOwnSeamWhereTheLineCrossesIt) {
  // Size 40 (the base) leans its right side to (105,0); size 38 to (110,100).
  ASSERT_EQ(0, Fastrelle_SizePoint(2, L"40").MoveTo(ZcGePoint3d(105, 0, 0)));
  ASSERT_EQ(0, Fastrelle_SizePoint(3, L"38").MoveTo(ZcGePoint3d(110, 100, 0)));
  ASSERT_EQ(0, Run(AddLine(ZcGePoint3d(50, 50, 0), ZcGePoint3d(120, 50, 0))));
  ASSERT_EQ(std::vector<int>{5}, numbers_);
  const struct {
    const wchar_t* size;
    const wchar_t* group;
    double x;
  } expected[] = {{L"0", L"Front|0", 100.0}, {L"40", L"Front|40", 102.5}, {L"38", L"Front|38", 105.0}};
  for (const auto& e : expected) {
    ZcGePoint3d at;
    ASSERT_TRUE(PointOf(5, e.size, at)) << headless::ToUtf8(e.size);
    EXPECT_NEAR(e.x, at.x, 1e-9) << headless::ToUtf8(e.size);
    EXPECT_NEAR(50.0, at.y, 1e-9) << headless::ToUtf8(e.size);
    // The right side is split there: two seam lines meet at the new point.
    EXPECT_EQ(2, LinesEndingAt(e.group, at)) << headless::ToUtf8(e.size);
    EXPECT_EQ(10, Members(e.group).length()) << headless::ToUtf8(e.size);  // 5 lines, 5 points
  }
  // The corners were not moved by the new point.
  ZcGePoint3d corner;
  ASSERT_TRUE(PointOf(2, L"40", corner));
  EXPECT_EQ(ZcGePoint3d(105, 0, 0), corner);
}

TEST_F(Intersecting, ALineThroughAJointMakesOnePointThere) {
  // The master's grade point at (100,0) goes: the joint is a bare one now.
  for (ZcDbObjectId id : Members(L"Front|0"))
    if (Read<ZcDbEntity>(id)->isKindOf(ZcDbBlockReference::desc()) && Fastrelle_SizePoint(id).GetNumber() == 2) Erase(id);
  // Through (100,0) and on to the left side at (0,50).
  ASSERT_EQ(0, Run(AddLine(ZcGePoint3d(120, -10, 0), ZcGePoint3d(-20, 60, 0))));
  ASSERT_EQ((std::vector<int>{5, 6}), numbers_);
  ZcGePoint3d at;
  ASSERT_TRUE(PointOf(5, L"0", at));
  EXPECT_LT(at.distanceTo(ZcGePoint3d(100, 0, 0)), 1e-9);
  ASSERT_TRUE(PointOf(6, L"38", at));
  EXPECT_LT(at.distanceTo(ZcGePoint3d(0, 50, 0)), 1e-9);
  // A grade point of the master at a crossing is that place already: nothing more.
  ASSERT_EQ(0, Run(AddLine(ZcGePoint3d(120, -10, 0), ZcGePoint3d(-20, 60, 0))));
  EXPECT_TRUE(numbers_.empty());
}

TEST_F(Intersecting, AnEntityInNoPartASymbolOrAnInvalidIdIsRefused) {
  ZcDbObjectId line = AddLine(ZcGePoint3d(50, 50, 0), ZcGePoint3d(120, 50, 0));
  EXPECT_EQ(3, GradePointIntersector(line, line).Prepare());
  EXPECT_EQ(374, GradePointIntersector(ZcDbObjectId(), line).Prepare());
  // A grade point's strokes would cross the seam beside the corner.
  ZcDbObjectId corner = Fastrelle_SizePoint(1, L"0").Id();
  EXPECT_EQ(20, GradePointIntersector(corner, Members(L"Front|0")[0]).Prepare());
  EXPECT_EQ(5, NextGradePointNumber());
}

TEST_F(Intersecting, ACancelAtEitherPickEndsQuietlyAndANonPartSaysSo) {
  AddLine(ZcGePoint3d(50, 50, 0), ZcGePoint3d(120, 50, 0));
  // A cancel at the first pick ends the command there: the next line is not asked for.
  for (std::vector<std::wstring> input : {std::vector<std::wstring>{L"@cancel", L"115,50"},
                                          std::vector<std::wstring>{L"115,50", L"@cancel"}, std::vector<std::wstring>{}}) {
    headless::ClearInput();
    headless::ClearTranscript();
    headless::PushInputs(input);
    RunInsideCommand([] { AddGradePointIntersecting_cmd().Run(); });
    EXPECT_EQ(std::wstring::npos, headless::Transcript().find(L"failed")) << headless::ToUtf8(headless::Transcript());
    EXPECT_EQ(5, NextGradePointNumber());
  }
  headless::ClearTranscript();
  headless::PushInputs({L"115,50", L"115,50"});
  RunInsideCommand([] { AddGradePointIntersecting_cmd().Run(); });
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"AddGradePointIntersecting_cmd::Run evaluate failed!"));
  headless::PushInputs({L"115,50", L"100,20"});
  RunInsideCommand([] { AddGradePointIntersecting_cmd().Run(); });
  EXPECT_EQ(6, NextGradePointNumber());
}

}  // namespace
