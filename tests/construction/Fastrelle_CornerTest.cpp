// Joining one corner in one size in each mode: the two corner figures (a right angle at
// (0,0) and a side leaning in at (100,0)) give their points to 1e-9, on a graded size too;
// the corner numbers in each order of the cut lines' ends; failures that leave nothing.
#include "construction/Fastrelle_Corner.h"

#include <cmath>

#include "CornersFixture.h"
#include "construction/Fastrelle_Corner_Join_Angle.h"
#include "construction/Fastrelle_Corner_Join_ByMirrors.h"
#include "construction/Fastrelle_Corner_Join_ExtendBothCut.h"
#include "construction/Fastrelle_Corner_Join_ExtendBothSeam.h"
#include "construction/Fastrelle_Curve.h"
#include "db/ZcDbLine.h"
#include "db/ZcDbSpline.h"
#include "headless/Host.h"

namespace {

class Corners : public CornersTest {
protected:
  ZcDbObjectId Seam(const wchar_t* size, int a, int b) {
    Fastrelle_Curve seam;
    EXPECT_EQ(0, seam.FindSeamBetweenPoints(size, a, b));
    return seam.Id();
  }
  /// Figure A's corner in the size: the hem seam, the left cut line first.
  std::unique_ptr<Fastrelle_Corner> FigureA(int mode, const wchar_t* size) {
    auto join = CreateCornerJoin(mode);
    join->m_seam = Seam(size, 1, 2);
    join->m_cut1 = Cut(size, L"left");
    join->m_cut2 = Cut(size, L"hem");
    if (auto* both = dynamic_cast<Fastrelle_Corner_Join_ExtendBothSeam*>(join.get())) {
      // The cut lines given the other way round: the join orders them itself.
      both->m_seam2 = Seam(size, 1, 4);
      std::swap(join->m_cut1, join->m_cut2);
    }
    if (auto* mirrors = dynamic_cast<Fastrelle_Corner_Join_ByMirrors*>(join.get())) mirrors->m_direction = 0;
    return join;
  }
  /// Figure B's corner in the size: the hem seam, the right cut line first.
  std::unique_ptr<Fastrelle_Corner> FigureB(int mode, const wchar_t* size, unsigned char direction = 0) {
    auto join = CreateCornerJoin(mode);
    join->m_seam = Seam(size, 2, 1);
    join->m_cut1 = Cut(size, L"right");
    join->m_cut2 = Cut(size, L"hem");
    if (auto* both = dynamic_cast<Fastrelle_Corner_Join_ExtendBothSeam*>(join.get())) {
      both->m_seam2 = Seam(size, 2, 3);
      std::swap(join->m_cut1, join->m_cut2);
    }
    if (auto* mirrors = dynamic_cast<Fastrelle_Corner_Join_ByMirrors*>(join.get())) mirrors->m_direction = direction;
    return join;
  }
  /// The closing line joins P and Q (either way round), lies in the size's group on its cut
  /// layer, and is the only line the join made.
  void ExpectClosing(Fastrelle_Corner& join, const ZcGePoint3d& p, const ZcGePoint3d& q, const wchar_t* size) {
    ASSERT_EQ(1, join.m_created.Length());
    ZcDbObjectId line = join.m_created.Ids()[0];
    EXPECT_TRUE(EndsAt(line, p)) << Start(line).x << "," << Start(line).y;
    EXPECT_TRUE(EndsAt(line, q)) << End(line).x << "," << End(line).y;
    EXPECT_EQ(CString(Read<ZcDbEntity>(join.m_cut1)->layer()), CString(Read<ZcDbEntity>(line)->layer()));
    EXPECT_TRUE(Members((CString(L"Front|") + size).GetString()).contains(line));
  }
  static ZcGePoint3d Pt(double x, double y) { return ZcGePoint3d(x, y, 0); }
};

TEST_F(Corners, FigureAGivesItsPointsInEveryMode) {
  struct Case {
    int mode;
    ZcGePoint3d c1End, c2End;
    bool closed;
  } cases[] = {
      {0, Pt(-10, -20), Pt(-10, -20), false}, {1, Pt(-10, 0), Pt(0, -20), true},
      {2, Pt(-10, 0), Pt(0, -20), true},      {3, Pt(-10, 0), Pt(-10, -20), true},
      {4, Pt(-10, 0), Pt(10, -20), true},     {5, Pt(-10, 0), Pt(-10, -20), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    TearDown();
    SetUp();
    auto join = FigureA(c.mode, L"38");
    ASSERT_EQ(0, join->Join());
    EXPECT_TRUE(EndsAt(join->m_cut1, c.c1End));
    EXPECT_TRUE(EndsAt(join->m_cut2, c.c2End));
    if (c.closed)
      ExpectClosing(*join, c.c1End, c.c2End, L"38");
    else
      EXPECT_EQ(0, join->m_created.Length());
    // Only the cut lines of size 38 changed.
    EXPECT_TRUE(EndsAt(Cut(L"40", L"left"), Pt(-10, -20)));
    EXPECT_FALSE(Cut(L"40", L"hem").isErased());
  }
}

TEST_F(Corners, FigureBGivesItsPointsInEveryModeOnTheBaseAndTheGradedSize) {
  for (const wchar_t* size : {L"40", L"42"}) {
    ZcGePoint3d ra, rb;
    RightCut(size, ra, rb);
    const ZcGePoint3d k = RightCorner(size);
    const ZcGePoint3d p = Cross(ra, rb, Pt(0, 0), Pt(1, 0));
    const ZcGePoint3d mitre = MitreB(size);
    const ZcGePoint3d mirrored = Cross(p, p + ZcGeVector3d(rb.x - ra.x, ra.y - rb.y, 0), Pt(0, -20), Pt(1, -20));
    struct Case {
      int mode;
      unsigned char direction;
      ZcGePoint3d c1End, c2End;
    } cases[] = {
        {0, 0, mitre, mitre},
        {1, 0, p, Pt(k.x, -20)},
        {2, 0, p, Cross(k, Pt(95, 120), Pt(0, -20), Pt(1, -20))},
        {3, 0, p, Pt(p.x, -20)},
        {4, 0, p, Pt(p.x - 20, -20)},  // the 135-degree line misses the hem: turned by 90
        {5, 0, p, mirrored},           // the kept mirror meets the hem: the nearer crossing
        {5, 1, p, mitre},              // the mirror meets it only extended: the farther one
    };
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << "size " << (size[1] == L'2' ? 42 : 40) << " mode " << c.mode);
      TearDown();
      SetUp();
      auto join = FigureB(c.mode, size, c.direction);
      ASSERT_EQ(0, join->Join());
      EXPECT_TRUE(EndsAt(join->m_cut1, c.c1End));
      EXPECT_TRUE(EndsAt(join->m_cut2, c.c2End));
      if (c.mode == 0)
        EXPECT_EQ(0, join->m_created.Length());
      else
        ExpectClosing(*join, c.c1End, c.c2End, size);
    }
  }
  // The figure's own numbers: size 42's mirror corner.
  TearDown();
  SetUp();
  auto graded = FigureB(5, L"42", 0);
  ASSERT_EQ(0, graded->Join());
  EXPECT_NEAR(0.0, Start(graded->m_cut1).distanceTo(Pt(115.034662, 0)), 1e-6);
  EXPECT_NEAR(0.0, End(graded->m_cut2).distanceTo(Pt(113.367996, -20)), 1e-6);
  EXPECT_NEAR(116.701329, MitreB(L"42").x, 1e-6);
}

TEST_F(Corners, ArcAndSplineCutLinesMeetExactlyAtTheirMitre) {
  // The neck: the centre-front cut line reaches the neck's arc cut line along its circle.
  auto neck = CreateCornerJoin(0);
  neck->m_cut1 = AddLine(Pt(-10, 0), Pt(-10, 150));
  neck->m_cut2 = AddArc(Pt(0, 180), 20, 1.5 * M_PI, 2 * M_PI);
  ASSERT_EQ(0, neck->Join());
  const ZcGePoint3d meet(-10, 180 - std::sqrt(300.0), 0);
  EXPECT_TRUE(EndsAt(neck->m_cut1, meet));
  EXPECT_TRUE(EndsAt(neck->m_cut2, meet));
  // An armhole spline crossing the shoulder's cut line, and one ending short of it.
  for (double shoulderY : {160.0, 185.0}) {
    ZcGePoint3dArray fit;
    for (ZcGePoint3d p : {Pt(105, 120), Pt(92, 130), Pt(86, 148), Pt(85, 172)}) fit.append(p);
    auto* spline = new ZcDbSpline();
    spline->setFitData(fit, 3, 0.0, ZcGeVector3d(), ZcGeVector3d());
    auto mitre = CreateCornerJoin(0);
    mitre->m_cut1 = Add(spline);
    mitre->m_cut2 = AddLine(Pt(30, shoulderY + 20), Pt(100, shoulderY));
    ASSERT_EQ(0, mitre->Join()) << shoulderY;
    const ZcGePoint3d end = End(mitre->m_cut1);
    EXPECT_TRUE(EndsAt(mitre->m_cut2, end)) << shoulderY;
    EXPECT_NEAR(0.0, Start(mitre->m_cut1).distanceTo(Pt(105, 120)), 1e-9);
  }
}

TEST_F(Corners, CornerNumbersComeFromTheSharedEndInEachOrder) {
  // Lines beside the part: their ends' nearest grade points are 1, 2 (hem) and 1, 4 (left).
  struct Case {
    ZcGePoint3d a1, a2, b1, b2;
  } cases[] = {
      {Pt(0, -1), Pt(100, -1), Pt(-1, 1), Pt(-1, 119)},   // s1 = s2
      {Pt(0, -1), Pt(100, -1), Pt(-1, 119), Pt(-1, 1)},   // s1 = e2
      {Pt(100, -1), Pt(0, -1), Pt(-1, 1), Pt(-1, 119)},   // s2 = e1
      {Pt(100, -1), Pt(0, -1), Pt(-1, 119), Pt(-1, 1)},   // e2 = e1
  };
  for (const Case& c : cases) {
    auto join = CreateCornerJoin(0);
    join->m_cut1 = AddLine(c.a1, c.a2);
    join->m_cut2 = AddLine(c.b1, c.b2);
    join->m_seam = Seam(L"38", 1, 2);
    int corner = 0, far1 = 0, far2 = 0, seamFar = 0;
    ASSERT_EQ(0, join->GetCornerNumbers(corner, far1, far2, seamFar));
    EXPECT_EQ(1, corner);
    EXPECT_EQ(2, far1);
    EXPECT_EQ(4, far2);
    EXPECT_EQ(2, seamFar);
  }
  // Cut lines sharing no grade point leave the outputs alone.
  auto join = CreateCornerJoin(0);
  join->m_cut1 = AddLine(Pt(0, -1), Pt(100, -1));
  join->m_cut2 = AddLine(Pt(96, 121), Pt(1, 121));
  int corner = -7, far1 = -7, far2 = -7, seamFar = -7;
  join->GetCornerNumbers(corner, far1, far2, seamFar);
  EXPECT_EQ(-7, corner);
  EXPECT_EQ(-7, seamFar);
}

TEST_F(Corners, AnyModeOutsideOneToFiveIsTheMitreAndBadCurvesAreRefused) {
  for (int mode : {7, -1, 0}) EXPECT_NE(nullptr, dynamic_cast<Fastrelle_Corner_Join_ExtendBothCut*>(CreateCornerJoin(mode).get()));
  EXPECT_NEAR(45.0, dynamic_cast<Fastrelle_Corner_Join_Angle&>(*CreateCornerJoin(4)).m_angle, 0.0);
  auto mitre = CreateCornerJoin(0);
  EXPECT_EQ(16, mitre->Join());
  mitre->m_cut1 = mitre->m_cut2 = Cut(L"38", L"hem");
  EXPECT_EQ(127, mitre->Join());
  for (int mode = 1; mode <= 5; ++mode) {
    auto join = FigureA(mode, L"38");
    if (mode < 5) {
      const ZcDbObjectId second = join->m_cut2;
      join->m_cut2 = join->m_cut1;
      EXPECT_EQ(4, join->Join()) << mode;
      join->m_cut2 = second;
    }
    join->m_seam = ZcDbObjectId();
    EXPECT_EQ(16, join->Join()) << mode;
    EXPECT_EQ(0, join->m_created.Length());
  }
}

TEST_F(Corners, FindsTheTwoCutLinesAroundTheNearestGradePoint) {
  // Beside the graded corner of size 42, whose grade point is the nearest.
  auto join = CreateCornerJoin(0);
  ASSERT_EQ(0, join->FindCutLinesAt(Pt(107, -1)));
  ZcDbObjectIdArray found;
  found.append(join->m_cut1);
  found.append(join->m_cut2);
  EXPECT_TRUE(found.contains(Cut(L"42", L"right")));
  EXPECT_TRUE(found.contains(Cut(L"42", L"hem")));
  // Three cut lines around the point: refused.
  ZcDbObjectIdArray extra;
  extra.append(AddLine(Pt(100, -5), Pt(110, 5)));
  PartSizeGroup(nullptr, L"Front", L"42").PutOnCutLayer(extra);
  EXPECT_EQ(20, join->FindCutLinesAt(Pt(107, -1)));
  // Without grade points the square of half-side 10 around the point is searched.
  for (ZcDbObjectId id : ModelSpace())
    if (Fastrelle_SizePoint(id).IsReference()) Erase(id);
  auto bare = CreateCornerJoin(0);
  EXPECT_EQ(20, bare->FindCutLinesAt(Pt(500, 500)));
  AddLine(Pt(495, 500), Pt(505, 500));
  AddLine(Pt(500, 495), Pt(500, 505));
  EXPECT_EQ(0, bare->FindCutLinesAt(Pt(500, 500)));
}

TEST_F(Corners, AFailedJoinLeavesNoLineBehind) {
  const std::size_t before = ModelSpace().size();
  // A cut line parallel to the seam line: no crossing.
  auto one = CreateCornerJoin(1);
  one->m_seam = Seam(L"38", 1, 2);
  one->m_cut1 = Cut(L"38", L"hem");
  one->m_cut2 = Cut(L"38", L"left");
  EXPECT_EQ(551, one->Join());
  // The mirror of the left cut line runs beside a second cut line parallel to it: both
  // mirror copies are gone again.
  auto mirrors = CreateCornerJoin(5);
  mirrors->m_seam = Seam(L"38", 1, 2);
  mirrors->m_cut1 = Cut(L"38", L"left");
  mirrors->m_cut2 = AddLine(Pt(-30, -40), Pt(-30, 40));
  EXPECT_EQ(551, mirrors->Join());
  EXPECT_EQ(before + 1, ModelSpace().size());
  // A first cut line in no part: the closing line would have no group, so the corner is
  // left as it was (no trim, no line) and the reason printed.
  const ZcDbObjectId loose = AddLine(Pt(-10, -20), Pt(-10, 50));
  for (int mode = 1; mode <= 5; ++mode) {
    auto square = CreateCornerJoin(mode);
    square->m_seam = Seam(L"38", 1, 2);
    square->m_cut1 = loose;
    square->m_cut2 = Cut(L"38", L"hem");
    if (auto* both = dynamic_cast<Fastrelle_Corner_Join_ExtendBothSeam*>(square.get())) both->m_seam2 = Seam(L"38", 1, 4);
    EXPECT_EQ(20, square->Join()) << mode;
    EXPECT_EQ(0, square->m_created.Length());
    EXPECT_EQ(loose, square->m_cut1);
    EXPECT_TRUE(EndsAt(loose, Pt(-10, 50)) && EndsAt(loose, Pt(-10, -20)));
  }
  EXPECT_EQ(before + 2, ModelSpace().size());
}

}  // namespace
