// The overlap check: one marker per place where outlines meet, whichever pieces and
// however many meet there; a piece inside another is marked; labels, the border, the
// closing line and texts over a piece never are; a check replaces the markers of the one
// before; a sliver between two spline sides gives both its points; no pieces, no change.
#include "layout/Layout_OverlapFinder.h"

#include <cmath>

#include "DescriptionFixture.h"
#include "db/ZcDbPoint.h"
#include "layout/CheckIntersections_cmd.h"
#include "layout/Layout_LabelItems_cmd.h"
#include "layout/Layout_draw_closingLine.h"

namespace {

using OverlapCheck = DescriptionTest;

/// The positions of model space's points tagged "Overlap".
std::vector<ZcGePoint3d> Markers() {
  std::vector<ZcGePoint3d> found;
  ZcDbObjectIdArray ids;
  GetModelSpaceBlock().GetEntityIds(ids);
  for (ZcDbObjectId id : ids) {
    ZcDbPoint* p = nullptr;
    if (zcdbOpenObject(p, id, ZcDb::kForRead) != Zcad::eOk) continue;
    const ZcGePoint3d at = p->position();
    p->close();
    if (Tagged(id, kLayoutApplication).HasTag(L"Overlap")) found.push_back(at);
  }
  return found;
}

bool HasMarkerAt(const std::vector<ZcGePoint3d>& markers, const ZcGePoint3d& p, double tol = 1e-9) {
  for (const ZcGePoint3d& m : markers)
    if (m.distanceTo(p) <= tol) return true;
  return false;
}

TEST_F(OverlapCheck, ThreePiecesMeetingAtOnePointGiveOneMarker) {
  Border(300, 1000);
  // three squares whose corners all touch the point (10,10)
  const ZcDbObjectId square = KeyedPiece(L"a|P|38|S|C", 10, 10);
  Place(square, {0, 0, 0});
  Place(square, {10, 10, 0});
  Place(square, {10, 0, 0});
  CheckIntersections_cmd().Run();
  const std::vector<ZcGePoint3d> markers = Markers();
  EXPECT_TRUE(HasMarkerAt(markers, {10, 10, 0}));
  for (const ZcGePoint3d& m : markers)
    for (const ZcGePoint3d& n : markers)
      if (&m != &n) EXPECT_GT(m.distanceTo(n), 1e-9);
}

TEST_F(OverlapCheck, APieceInsideAnotherAndTwoCopiesAtOnePlaceAreMarked) {
  Border(300, 1000);
  Place(KeyedPiece(L"a|Duży|38|S|C", 100, 100), {0, 0, 0});
  Place(KeyedPiece(L"a|Mały|38|S|C", 10, 10), {40, 40, 0});
  CheckIntersections_cmd().Run();
  ASSERT_EQ(1u, Markers().size());
  EXPECT_TRUE(HasMarkerAt(Markers(), {40, 40, 0}));  // the start of the small one's outline
  const ZcDbObjectId twin = KeyedPiece(L"a|Para|38|S|C", 30, 20);
  Place(twin, {300, 0, 0});
  Place(twin, {300, 0, 0});
  CheckIntersections_cmd().Run();
  EXPECT_GT(Markers().size(), 1u);
  EXPECT_TRUE(HasMarkerAt(Markers(), {300, 0, 0}));
}

TEST_F(OverlapCheck, LabelsTheBorderTheClosingLineAndTextsAreNoPartners) {
  Border(50, 1000);  // the border's top edge runs through the piece below
  Place(KeyedPiece(L"a|P|38|S|C", 100, 60), {0, 0, 0});
  Place(KeyedPiece(L"a|T|38|S|C", 100, 60), {150, -20, 0});
  Layout_LabelItems_cmd().Run();
  Layout_draw_closingLine line;
  line.Draw();
  AddMText({50, 30, 0});
  AddLine({-10, 30, 0}, {400, 30, 0});  // a plain line over both
  CheckIntersections_cmd().Run();
  EXPECT_TRUE(Markers().empty());
}

TEST_F(OverlapCheck, ACheckReplacesTheMarkersOfTheOneBefore) {
  Border(300, 1000);
  const ZcDbObjectId square = KeyedPiece(L"a|P|38|S|C", 10, 10);
  Place(square, {0, 0, 0});
  const ZcDbObjectId moving = Place(square, {5, 5, 0});
  Place(square, {50, 0, 0});
  Place(square, {55, 5, 0});
  CheckIntersections_cmd().Run();
  ASSERT_EQ(4u, Markers().size());  // (10,5) (5,10) and (60,5) (55,10)
  ZcDbBlockReference* ref = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(ref, moving, ZcDb::kForWrite));
  ref->setPosition(ZcGePoint3d(20, 0, 0));
  ref->close();
  CheckIntersections_cmd().Run();
  const std::vector<ZcGePoint3d> markers = Markers();
  ASSERT_EQ(2u, markers.size());
  EXPECT_TRUE(HasMarkerAt(markers, {60, 5, 0}));
  EXPECT_TRUE(HasMarkerAt(markers, {55, 10, 0}));
}

TEST_F(OverlapCheck, WithoutPiecesNothingChanges) {
  Border(300, 1000);
  const ZcDbObjectId square = KeyedPiece(L"a|P|38|S|C", 10, 10);
  const ZcDbObjectId a = Place(square, {0, 0, 0});
  const ZcDbObjectId b = Place(square, {5, 5, 0});
  CheckIntersections_cmd().Run();
  ASSERT_EQ(2u, Markers().size());
  for (ZcDbObjectId id : {a, b}) {
    ZcDbEntity* e = nullptr;
    zcdbOpenObject(e, id, ZcDb::kForWrite);
    e->erase();
    e->close();
  }
  CheckIntersections_cmd().Run();
  EXPECT_EQ(2u, Markers().size());
}

// A piece whose top side is the cubic Bézier (0,40) (40,60) (80,60) (120,40), so
// y = 40 + 60 t (1 - t) and x = 120 t, peaking at 55; a rectangle's bottom edge at 54.95
// cuts a sliver off the peak: two crossings 6.9 apart, at t = 0.5 ± sqrt(0.25 - 14.95 / 60).
TEST_F(OverlapCheck, ASliverOffASplineSideGivesBothItsPoints) {
  Border(300, 1000);
  ZcGePoint3dArray cps;
  for (ZcGePoint3d p : {ZcGePoint3d(0, 40, 0), ZcGePoint3d(40, 60, 0), ZcGePoint3d(80, 60, 0), ZcGePoint3d(120, 40, 0)})
    cps.append(p);
  ZcGeDoubleArray knots;
  for (double k : {0.0, 0.0, 0.0, 0.0, 1.0, 1.0, 1.0, 1.0}) knots.append(k);
  auto* side = new ZcDbSpline;
  ASSERT_EQ(Zcad::eOk, side->setNurbsData(3, false, false, false, cps, knots, ZcGeDoubleArray()));
  auto* rest = new ZcDbPolyline;
  rest->addVertexAt(0, {120, 40});
  rest->addVertexAt(1, {120, 0});
  rest->addVertexAt(2, {0, 0});
  rest->addVertexAt(3, {0, 40});
  Place(KeyedPieceOf(L"a|A|38|S|C", {side, rest}), {0, 0, 0});
  Place(KeyedPiece(L"a|B|38|S|C", 100, 40), {10, 54.95, 0});
  CheckIntersections_cmd().Run();
  const std::vector<ZcGePoint3d> markers = Markers();
  ASSERT_EQ(2u, markers.size());
  const double half = std::sqrt(0.25 - 14.95 / 60);
  EXPECT_TRUE(HasMarkerAt(markers, {120 * (0.5 - half), 54.95, 0}, 1e-8));
  EXPECT_TRUE(HasMarkerAt(markers, {120 * (0.5 + half), 54.95, 0}, 1e-8));
}

TEST(OverlapMerge, PointsWithinTheToleranceOfAnEarlierOneAreDropped) {
  ZcGePoint3dArray points;
  for (ZcGePoint3d p : {ZcGePoint3d(1, 1, 0), ZcGePoint3d(5, 0, 0), ZcGePoint3d(1 + 5e-10, 1, 0),
                        ZcGePoint3d(1, 1 + 2e-9, 0), ZcGePoint3d(5, 0, 0)})
    points.append(p);
  Layout_OverlapFinder::MergePoints(points, 1e-9);
  ASSERT_EQ(3, points.length());
  EXPECT_EQ(ZcGePoint3d(1, 1, 0), points[0]);
  EXPECT_EQ(ZcGePoint3d(5, 0, 0), points[1]);
  EXPECT_EQ(ZcGePoint3d(1, 1 + 2e-9, 0), points[2]);
}

}  // namespace
