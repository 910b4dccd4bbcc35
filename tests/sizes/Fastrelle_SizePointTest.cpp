// Grade points: inserting and numbering them, finding them by number (inside a gathering of
// numbers too), and moving one, which reshapes its own size's seam lines through it and
// nothing else.
#include "sizes/Fastrelle_SizePoint.h"

#include <climits>

#include "SizesFixture.h"
#include "db/ZcDbSpline.h"
#include "framework/BlockReference.h"
#include "sizes/Fastrelle_SizePoints.h"
#include "sizes/Fastrelle_Sizes.h"
#include "sizes/GradePointNumbers.h"

namespace {

class GradePoints : public SizesTest {
protected:
  void SetUp() override {
    SizesTest::SetUp();
    EnsureSizeLayers(Fastrelle_Size(L"38", 1, false));
    EnsureSizeLayers(Fastrelle_Size(L"40", 2, true));
  }
  ZcDbObjectId Point(const ZcGePoint3d& at, const wchar_t* size, int number) {
    Fastrelle_SizePoint point;
    EXPECT_EQ(0, point.Insert(at, size));
    point.SetNumber(number);
    return point.Id();
  }
  static ZcGePoint3d End(ZcDbObjectId id) {
    ZcDbCurve* c = nullptr;
    ZcGePoint3d p;
    if (zcdbOpenObject(c, id, ZcDb::kForRead) == Zcad::eOk) c->getEndPoint(p), c->close();
    return p;
  }
  ZcDbObjectId Spline(const std::vector<ZcGePoint3d>& fit, const wchar_t* layer) {
    ZcGePoint3dArray points;
    for (const ZcGePoint3d& p : fit) points.append(p);
    auto* s = new ZcDbSpline();
    s->setFitData(points, 3, 0.0, ZcGeVector3d(), ZcGeVector3d());
    return Add(s, layer);
  }
  static bool Near(const ZcGePoint3d& a, const ZcGePoint3d& b) { return a.distanceTo(b) < 1e-6; }
};

TEST_F(GradePoints, InsertPutsThePointOnItsSizesTechLayerAndSizeZeroForAnUnknownName) {
  ZcDbObjectId in40 = Point(ZcGePoint3d(1, 2, 0), L"40", 3);
  ZcDbObjectId inNone = Point(ZcGePoint3d(0, 0, 0), L"XL", 4);
  EXPECT_EQ(L"^40~", Read<ZcDbEntity>(in40)->layer());
  EXPECT_EQ(L"0~", Read<ZcDbEntity>(inNone)->layer());
  Fastrelle_SizePoint point(in40);
  EXPECT_EQ(3, point.GetNumber());
  EXPECT_EQ(L"40", point.GetSizeName());
  EXPECT_EQ(in40, Fastrelle_SizePoint(3, L"40").Id());
  EXPECT_EQ(in40, Fastrelle_SizePoint(ZcGePoint3d(1, 1.5, 0)).Id());
  EXPECT_TRUE(Fastrelle_SizePoint(3, L"38").Id().isNull());
}

TEST_F(GradePoints, ADrawingWithoutGradePointsGivesANullPointAtTheOrigin) {
  Fastrelle_SizePoint nearest(ZcGePoint3d(5, 5, 0));
  EXPECT_TRUE(nearest.Id().isNull());
  EXPECT_EQ(ZcGePoint3d(0, 0, 0), nearest.GetPosition());
  EXPECT_EQ(0, nearest.GetNumber());
  EXPECT_EQ(L"", nearest.GetSizeName());
  EXPECT_EQ(600, nearest.MoveTo(ZcGePoint3d(1, 1, 0)));
}

TEST_F(GradePoints, TheNextNumberIsOneAboveTheHighestAndNoneAfterTheLargest) {
  EXPECT_EQ(1, NextGradePointNumber());
  Point(ZcGePoint3d(0, 0, 0), L"38", 3);
  ZcDbObjectId text = Point(ZcGePoint3d(1, 0, 0), L"38", 0);
  SetAttributeValue(Read<ZcDbBlockReference>(text), L"NUMER", L"x7");
  Point(ZcGePoint3d(2, 0, 0), L"38", -2);
  EXPECT_EQ(4, NextGradePointNumber());
  Point(ZcGePoint3d(3, 0, 0), L"40", INT_MAX);
  EXPECT_EQ(0, NextGradePointNumber());
}

TEST_F(GradePoints, AMoveAtACornerReshapesOnlyThatSizeItsSeamLayerOffToo) {
  const ZcGePoint3d corner(10, 0, 0), target(12, 1, 0);
  ZcDbObjectId line38 = AddLine(ZcGePoint3d(0, 0, 0), corner, L"38");
  ZcDbObjectId line40 = AddLine(ZcGePoint3d(0, 0, 0), corner, L"^40");
  auto* pl = new ZcDbPolyline();
  pl->addVertexAt(0, ZcGePoint2d(20, 0), 0.5);
  pl->addVertexAt(1, ZcGePoint2d(10, 0));
  ZcDbObjectId bulge = Add(pl, L"38");
  ZcDbObjectId arc = Add(new ZcDbArc(ZcGePoint3d(10, -5, 0), 5, M_PI / 2, M_PI), L"38");
  ZcDbObjectId spline = Spline({ZcGePoint3d(10, 0, 0), ZcGePoint3d(15, 5, 0), ZcGePoint3d(20, 5, 0)}, L"38");
  SetLayerOff(L"38");
  ZcDbObjectId p38 = Point(corner, L"38", 1), p40 = Point(corner, L"40", 1);

  Fastrelle_SizePoint point(p38);
  ASSERT_EQ(0, point.MoveTo(target));
  EXPECT_TRUE(Near(target, point.GetPosition()));
  EXPECT_TRUE(Near(target, End(line38)));
  EXPECT_TRUE(Near(target, End(bulge)));
  ZcGePoint3d arcStart;
  Read<ZcDbArc>(arc)->getStartPoint(arcStart);
  EXPECT_TRUE(Near(target, arcStart) || Near(target, End(arc)));
  ZcGePoint3d splineStart;
  Read<ZcDbSpline>(spline)->getStartPoint(splineStart);
  EXPECT_TRUE(Near(target, splineStart));
  EXPECT_TRUE(Near(corner, End(line40)));
  EXPECT_TRUE(Near(corner, Fastrelle_SizePoint(p40).GetPosition()));
}

TEST_F(GradePoints, ACircleThroughThePointAndASplineHalfAUnitAwayStayAndThePointMoves) {
  const ZcGePoint3d at(10, 0, 0), target(11, 1, 0);
  ZcDbObjectId circle = Add(new ZcDbCircle(ZcGePoint3d(10, 5, 0), ZcGeVector3d::kZAxis, 5), L"38");
  ZcDbObjectId passing = Spline({ZcGePoint3d(0, 0.5, 0), ZcGePoint3d(10, 0.5, 0), ZcGePoint3d(20, 0.5, 0)}, L"38");
  ZcDbObjectId p = Point(at, L"38", 1);
  ZcGePoint3d before;
  Read<ZcDbSpline>(passing)->getFitPointAt(1, before);

  ASSERT_EQ(0, Fastrelle_SizePoint(p).MoveTo(target));
  EXPECT_TRUE(Near(target, Fastrelle_SizePoint(p).GetPosition()));
  EXPECT_EQ(ZcGePoint3d(10, 5, 0), Read<ZcDbCircle>(circle)->center());
  ZcGePoint3d after;
  Read<ZcDbSpline>(passing)->getFitPointAt(1, after);
  EXPECT_TRUE(Near(before, after));
}

TEST_F(GradePoints, ATinyMoveChangesNothing) {
  ZcDbObjectId line = AddLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(10, 0, 0), L"38");
  ZcDbObjectId p = Point(ZcGePoint3d(10, 0, 0), L"38", 1);
  EXPECT_EQ(0, Fastrelle_SizePoint(p).MoveTo(ZcGePoint3d(10, 0.00005, 0)));
  EXPECT_EQ(ZcGePoint3d(10, 0, 0), End(line));
  EXPECT_EQ(ZcGePoint3d(10, 0, 0), Fastrelle_SizePoint(p).GetPosition());
}

TEST_F(GradePoints, ApplyOffsetsGradesEachSizeFromTheBasePointInOneUndoGroup) {
  Point(ZcGePoint3d(10, 10, 0), L"40", 5);
  ZcDbObjectId p38 = Point(ZcGePoint3d(0, 0, 0), L"38", 5);
  SetShort(L"PICKSTYLE", 1);
  SetShort(L"OSMODE", 33);
  const int regens = headless::Regenerations();

  Fastrelle_SizePoints_Set place(L"5");
  ASSERT_EQ(2, place.GetCount());
  GradingOffset offset;
  offset.Y = true;
  MakeGradingOffset(offset, L"38", p38, place.FindBasePoint());
  EXPECT_EQ(-10.0, offset.DX);
  offset.DY = -2.0;
  place.ApplyOffsets({offset});

  EXPECT_EQ(ZcGePoint3d(0, 8, 0), Fastrelle_SizePoint(p38).GetPosition());  // x kept: X is off
  EXPECT_EQ(1, GetShort(L"PICKSTYLE"));
  EXPECT_EQ(33, GetShort(L"OSMODE"));
  EXPECT_EQ(0, headless::Undo().openGroups);
  EXPECT_GT(headless::Regenerations(), regens);
}

TEST_F(GradePoints, SeamLinesAroundAreThoseOfItsOwnLayerTakenLiterally) {
  EnsureSizeLayers(Fastrelle_Size(L"38.5", 1, false));
  EnsureSizeLayers(Fastrelle_Size(L"38-5", 1, false));
  ZcDbObjectId own = AddLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(10, 0, 0), L"38.5");
  AddLine(ZcGePoint3d(0, 0.5, 0), ZcGePoint3d(10, 0.5, 0), L"38-5");
  ZcDbObjectIdArray ids;
  Fastrelle_SizePoint(Point(ZcGePoint3d(10, 0, 0), L"38.5", 1)).SelectSeamLinesAround(ids);
  ASSERT_EQ(1, ids.length());
  EXPECT_EQ(own, ids[0]);
}

TEST_F(GradePoints, CollectionsOfAReferenceHoldItsNumberInEverySize) {
  ZcDbObjectId p38 = Point(ZcGePoint3d(0, 0, 0), L"38", 2), p40 = Point(ZcGePoint3d(1, 0, 0), L"40", 2);
  Point(ZcGePoint3d(2, 0, 0), L"40", 3);
  std::unique_ptr<Fastrelle_Points_Gradable> points = PointsFromReference(p40);
  ASSERT_TRUE(points);
  ASSERT_EQ(2, points->Ids().length());
  EXPECT_EQ(p38, points->Ids()[0]);
  EXPECT_EQ(p40, points->Ids()[1]);
  EXPECT_EQ(p40, points->FindBasePoint());
  EXPECT_FALSE(PointsFromReference(AddLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 0, 0))));
}

// The number written as another program would, past SetNumber.
void WriteNumberAttribute(ZcDbObjectId id, int number) {
  ZcDbBlockReference* ref = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(ref, id, ZcDb::kForRead));
  ref->close();
  SetAttributeValue(ref, GradePointNumberTag(), CString(std::to_wstring(number)));
}

// Inside a gathering of numbers (GradePointNumbers) lookups by number give the same
// answers as reading the drawing, whatever the operation renumbers, inserts or erases
// meanwhile; nothing is remembered once the outermost gathering ends.
TEST_F(GradePoints, InAGatheringPointsRenumberedInsertedOrErasedMeanwhileAreFoundAsTheDrawingHasThem) {
  ZcDbObjectId a38 = Point(ZcGePoint3d(0, 0, 0), L"38", 1);
  ZcDbObjectId a40 = Point(ZcGePoint3d(1, 0, 0), L"40", 1);
  ZcDbObjectId b40 = Point(ZcGePoint3d(5, 0, 0), L"40", 2);
  GradePointNumbers numbers;
  EXPECT_EQ(a38, Fastrelle_SizePoint(1, L"38").Id());
  EXPECT_EQ(3, NextGradePointNumber());
  // Renumbered: found under its new number only.
  Fastrelle_SizePoint(b40).SetNumber(7);
  EXPECT_TRUE(Fastrelle_SizePoint(2, L"40").Id().isNull());
  EXPECT_EQ(b40, Fastrelle_SizePoint(7, L"40").Id());
  EXPECT_EQ(8, NextGradePointNumber());
  // Inserted: found at once.
  ZcDbObjectId c38 = Point(ZcGePoint3d(9, 0, 0), L"38", 9);
  EXPECT_EQ(c38, Fastrelle_SizePoint(9, L"38").Id());
  EXPECT_EQ(10, NextGradePointNumber());
  // Erased: gone from its place, and an erased id reads as no number.
  Erase(c38);
  Erase(a40);
  EXPECT_EQ(8, NextGradePointNumber());
  EXPECT_TRUE(Fastrelle_SizePoint(1, L"40").Id().isNull());
  EXPECT_EQ(0, Fastrelle_SizePoint(a40).GetNumber());
  Fastrelle_SizePoints_Set place(L"1");
  ASSERT_EQ(1, place.GetCount());
  EXPECT_EQ(a38, place.GetAt(0).Id());
}

TEST_F(GradePoints, ANestedGatheringEndsWithoutClosingTheOuterAndNothingIsRememberedAfterIt) {
  ZcDbObjectId a = Point(ZcGePoint3d(0, 0, 0), L"40", 4);
  {
    GradePointNumbers outer;
    {
      GradePointNumbers inner;
      EXPECT_EQ(4, Fastrelle_SizePoint(a).GetNumber());
    }
    // The inner one's end leaves the outer one open and sound.
    Fastrelle_SizePoint(a).SetNumber(5);
    EXPECT_EQ(5, Fastrelle_SizePoint(a).GetNumber());
    EXPECT_EQ(a, Fastrelle_SizePoint(5, L"40").Id());
  }
  WriteNumberAttribute(a, 6);
  // Outside any gathering every number is read from the drawing.
  EXPECT_EQ(6, Fastrelle_SizePoint(a).GetNumber());
  EXPECT_EQ(a, Fastrelle_SizePoint(6, L"40").Id());
  EXPECT_EQ(7, NextGradePointNumber());
  GradePointNumbers later;
  WriteNumberAttribute(a, 2);
  EXPECT_EQ(2, Fastrelle_SizePoint(a).GetNumber());
}

}  // namespace
