// The overlap check: one marker per place where outlines meet, whichever pieces and
// however many meet there; a piece inside another is marked; labels, the border, the
// closing line and texts over a piece never are; a check replaces the markers of the one
// before; a sliver between two spline sides gives both its points; no pieces, no change.
#include "layout/Layout_OverlapFinder.h"

#include <cmath>
#include <random>

#include "DescriptionFixture.h"
#include "db/ZcDbArc.h"
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

/// The cubic Bézier through the four control points, as a spline entity.
ZcDbEntity* Bezier(std::initializer_list<ZcGePoint3d> controls) {
  ZcGePoint3dArray cps;
  for (const ZcGePoint3d& p : controls) cps.append(p);
  ZcGeDoubleArray knots;
  for (double k : {0.0, 0.0, 0.0, 0.0, 1.0, 1.0, 1.0, 1.0}) knots.append(k);
  auto* side = new ZcDbSpline;
  side->setNurbsData(3, false, false, false, cps, knots, ZcGeDoubleArray());
  return side;
}

/// The open polyline through the points.
ZcDbEntity* Path(std::initializer_list<ZcGePoint2d> points) {
  auto* pl = new ZcDbPolyline;
  unsigned i = 0;
  for (const ZcGePoint2d& p : points) pl->addVertexAt(i++, p);
  return pl;
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
  Place(KeyedPieceOf(L"a|A|38|S|C", {Bezier({{0, 40, 0}, {40, 60, 0}, {80, 60, 0}, {120, 40, 0}}),
                                      Path({{120, 40}, {120, 0}, {0, 0}, {0, 40}})}),
        {0, 0, 0});
  Place(KeyedPiece(L"a|B|38|S|C", 100, 40), {10, 54.95, 0});
  CheckIntersections_cmd().Run();
  const std::vector<ZcGePoint3d> markers = Markers();
  ASSERT_EQ(2u, markers.size());
  const double half = std::sqrt(0.25 - 14.95 / 60);
  EXPECT_TRUE(HasMarkerAt(markers, {120 * (0.5 - half), 54.95, 0}, 1e-8));
  EXPECT_TRUE(HasMarkerAt(markers, {120 * (0.5 + half), 54.95, 0}, 1e-8));
}

// The peer: every pair of pieces, no crossing query and no box test; the curves of both
// pieces, each pair of them intersected;
// a pair without a point tried for containment both ways; points merged pair by pair.
std::vector<ZcGePoint3d> AllPairsCheck(const ZcDbObjectIdArray& pieces) {
  std::vector<Layout_OverlapFinder::Piece> shapes(static_cast<std::size_t>(pieces.length()));
  for (int i = 0; i < pieces.length(); ++i) Layout_OverlapFinder::LoadPiece(pieces[i], shapes[i]);
  std::vector<ZcGePoint3d> all;
  auto add = [&](const ZcGePoint3d& p) {
    for (const ZcGePoint3d& q : all)
      if (q.distanceTo(p) <= 1e-9) return;
    all.push_back(p);
  };
  for (std::size_t i = 0; i < shapes.size(); ++i)
    for (std::size_t j = i + 1; j < shapes.size(); ++j) {
      bool any = false;
      for (auto& a : shapes[i].curves)
        for (auto& b : shapes[j].curves) {
          std::vector<ZcGePoint3d> found;
          a->intersectWith(*b, ZcGeCurve3d::kExtendNone, found);
          for (const ZcGePoint3d& p : found) add(p), any = true;
        }
      if (any) continue;
      for (auto [inner, outer] : {std::pair{i, j}, std::pair{j, i}}) {
        if (!shapes[outer].hasRegion) continue;
        const ZcGePoint3d start = shapes[inner].curves.front()->startPoint();
        if (shapes[outer].region.containment(start) == ZcGeRegion::kInside) {
          add(start);
          break;
        }
      }
    }
  return all;
}

// Ten seeded layouts of 3-12 pieces: rectangles, pieces with an arc side and pieces with a
// spline side, turned 0, 90 or 37 degrees, some mirrored, some overlapping, a small one
// inside a large one; the check marks what the all-pairs peer finds, each within 1e-9.
TEST_F(OverlapCheck, MarksWhatTheAllPairsPeerFindsOnSeededLayouts) {
  Border(300, 1000);
  auto arcPiece = [&](const wchar_t* key) {
    return KeyedPieceOf(key, {new ZcDbArc(ZcGePoint3d(20, 0, 0), 20, 0, M_PI), new ZcDbLine({0, 0, 0}, {40, 0, 0})});
  };
  auto splinePiece = [&](const wchar_t* key) {
    return KeyedPieceOf(key, {Bezier({{0, 30, 0}, {20, 60, 0}, {40, 0, 0}, {60, 30, 0}}),
                              Path({{60, 30}, {60, 0}, {0, 0}, {0, 30}})});
  };
  const ZcDbObjectId blocks[] = {KeyedPiece(L"a|Prost|38|S|C", 50, 30), arcPiece(L"a|Łuk|38|S|C"),
                                 splinePiece(L"a|Splajn|38|S|C"), KeyedPiece(L"a|Mały|38|S|C", 4, 3)};
  const double turns[] = {0, 90, 37};
  std::size_t total = 0;
  for (unsigned seed = 0; seed < 10; ++seed) {
    SCOPED_TRACE(seed);
    std::mt19937 random(seed);
    ZcDbObjectIdArray placed;
    const int n = 3 + static_cast<int>(random() % 10);
    for (int k = 0; k < n; ++k) {
      const bool inside = k == 0;  // the small one inside the first large one
      auto* ref = new ZcDbBlockReference(
          inside ? ZcGePoint3d(seed * 90 + 20, 10, 0)
                 : ZcGePoint3d(seed * 90 + random() % 120, random() % 100, 0),
          blocks[inside ? 3 : random() % 3]);
      if (!inside) {
        ref->setRotation(turns[random() % 3] * M_PI / 180);
        if (random() % 4 == 0) ref->setScaleFactors(ZcGeScale3d(-1, 1, 1));
      }
      placed.append(Add(ref));
      if (inside) placed.append(Place(blocks[0], {seed * 90.0 + 5, 5, 0}));
    }
    CheckIntersections_cmd().Run();
    const std::vector<ZcGePoint3d> markers = Markers();
    const std::vector<ZcGePoint3d> peer = AllPairsCheck(placed);
    EXPECT_EQ(peer.size(), markers.size());
    total += markers.size();
    for (const ZcGePoint3d& p : peer) EXPECT_TRUE(HasMarkerAt(markers, p)) << p.x << "," << p.y;
    for (ZcDbObjectId id : placed) {  // the next layout stands alone
      ZcDbEntity* e = nullptr;
      zcdbOpenObject(e, id, ZcDb::kForWrite);
      e->erase();
      e->close();
    }
  }
  EXPECT_GT(total, 20u);  // the layouts overlap enough to test something
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
