// Regions from curves: a loosely drawn outline is closed and measured, several loops become
// one region, failures come back as statuses with nothing half made left in the drawing, a
// failed union keeps both regions, and a region explodes back into its edges.
#include "geometry/UI_Region.h"

#include "GeometryTest.h"
#include "headless/Database.h"

namespace {

class UI_RegionTest : public GeometryTest {
protected:
  ZcDbObjectId AddSquare(double x0, double y0, double side) {
    return AddBulgePolyline({{{x0, y0}, 0}, {{x0 + side, y0}, 0}, {{x0 + side, y0 + side}, 0}, {{x0, y0 + side}, 0}}, true);
  }
  std::vector<ZcDbObjectId> Regions() {
    std::vector<ZcDbObjectId> out;
    for (ZcDbObjectId id : ModelSpace())
      if (id.objectClass()->isDerivedFrom(ZcDbRegion::desc())) out.push_back(id);
    return out;
  }
  double AreaOf(ZcDbObjectId id) {
    double area = -1;
    if (auto* r = Read<ZcDbRegion>(id)) r->getArea(area);
    return area;
  }
};

TEST_F(UI_RegionTest, LooseOutlineIsTrimmedJoinedAndMeasured) {
  // 100 x 50: bottom and right side overshoot their corner, the left side stops 3 short.
  ZcDbObjectId bottom = AddLine({0, 0, 0}, {105, 0, 0}), right = AddLine({100, -5, 0}, {100, 50, 0});
  ZcDbObjectId top = AddLine({100, 50, 0}, {0, 50, 0}), left = AddLine({0, 50, 0}, {0, 3, 0});
  UI_Region holder;
  ASSERT_EQ(0, MakeRegionFromCurves(holder, Ids({bottom, right, top, left}), ZcDbObjectId()));
  EXPECT_EQ(0, holder.m_status);
  ASSERT_TRUE(holder.m_id.isValid());
  EXPECT_NEAR(5000.0, AreaOf(holder.m_id), 1e-9);
  EXPECT_TRUE(Near(EndOf(bottom), {100, 0, 0}));
  EXPECT_TRUE(Near(StartOf(right), {100, 0, 0}));
  EXPECT_EQ(3, Read<ZcDbLine>(bottom)->colorIndex());
  EXPECT_EQ(3, Read<ZcDbLine>(right)->colorIndex());
  int joining = 0;
  for (ZcDbObjectId id : ModelSpace())
    if (auto* l = dynamic_cast<ZcDbLine*>(Read<ZcDbEntity>(id)))
      joining += (Near(l->startPoint(), {0, 3, 0}) && Near(l->endPoint(), {0, 0, 0})) ||
                 (Near(l->startPoint(), {0, 0, 0}) && Near(l->endPoint(), {0, 3, 0}));
  EXPECT_EQ(1, joining);
}

TEST_F(UI_RegionTest, SeveralLoopsBecomeOneRegion) {
  // Disjoint squares and one nested in the first: one region of both outer squares.
  ZcDbObjectId a = AddSquare(0, 0, 10), b = AddSquare(20, 0, 5), inner = AddSquare(2, 2, 3);
  ZcDbVoidPtrArray curves;
  for (ZcDbObjectId id : {a, b, inner}) curves.append(Read<ZcDbEntity>(id));
  UI_Region holder;
  ASSERT_EQ(0, holder.CreateFromCurves(curves, ZcDbObjectId()));
  ASSERT_EQ(1u, Regions().size());
  EXPECT_EQ(holder.m_id, Regions()[0]);
  EXPECT_NEAR(125.0, AreaOf(holder.m_id), 1e-9);
  EXPECT_EQ(2u, Read<ZcDbRegion>(holder.m_id)->geRegion().numFaces());

  // Adjacent squares unite across their shared edge.
  ZcDbVoidPtrArray adjacent;
  for (ZcDbObjectId id : {AddSquare(0, 50, 4), AddSquare(4, 50, 4)}) adjacent.append(Read<ZcDbEntity>(id));
  UI_Region two;
  ASSERT_EQ(0, two.CreateFromCurves(adjacent, ZcDbObjectId()));
  ZcGeCurve3dArray edges;
  Read<ZcDbRegion>(two.m_id)->geRegion().explode(edges);
  EXPECT_EQ(4u, edges.size());
  EXPECT_NEAR(32.0, AreaOf(two.m_id), 1e-9);
}

TEST_F(UI_RegionTest, FailuresAreReturnedAndNothingHalfMadeStays) {
  ZcDbObjectId a = AddSquare(0, 0, 10), open = AddLine({0, 20, 0}, {5, 20, 0});
  UI_Region holder;
  // An owner that is no block record: the host's refusal, no region anywhere.
  ZcDbVoidPtrArray curves;
  curves.append(Read<ZcDbEntity>(a));
  EXPECT_EQ(Zcad::eNotThatKindOfClass, holder.CreateFromCurves(curves, open));
  EXPECT_TRUE(Regions().empty());
  EXPECT_FALSE(holder.m_id.isValid());
  // Curves that close nothing: the host's status; no curves at all: 3.
  EXPECT_EQ(Zcad::eNonCoplanarGeometry, MakeRegionFromCurves(holder, Ids({open}), ZcDbObjectId()));
  EXPECT_EQ(Zcad::eInvalidInput, MakeRegionFromCurves(holder, ZcDbObjectIdArray(), ZcDbObjectId()));
  EXPECT_EQ(Zcad::eInvalidInput, holder.m_status);
  // Opening something that is no region forgets it.
  holder.m_id = a;
  EXPECT_EQ(Zcad::eIllegalEntityType, holder.Open(ZcDb::kForRead));
  EXPECT_TRUE(holder.m_id.isNull());
  EXPECT_EQ(Zcad::eWrongObjectType, holder.Erase());
}

TEST_F(UI_RegionTest, FailedUnionKeepsBothRegions) {
  ZcDbVoidPtrArray curves;
  for (ZcDbObjectId id : {AddSquare(0, 0, 10), AddSquare(30, 0, 5)}) curves.append(Read<ZcDbEntity>(id));
  UI_Region held;
  headless::FailRegionUnion(1);
  EXPECT_EQ(Zcad::eInvalidInput, held.CreateFromCurves(curves, ZcDbObjectId()));
  ASSERT_EQ(2u, Regions().size()) << "the second region stays beside the first";
  EXPECT_NEAR(100.0, AreaOf(held.m_id), 1e-9);
  UI_Region other;
  other.m_id = Regions()[0] == held.m_id ? Regions()[1] : Regions()[0];
  EXPECT_NEAR(25.0, AreaOf(other.m_id), 1e-9);
  headless::FailRegionUnion(1);
  EXPECT_EQ(Zcad::eInvalidInput, held.Unite(other));
  EXPECT_FALSE(other.m_id.isErased());
  ASSERT_EQ(0, held.Unite(other));
  EXPECT_TRUE(other.m_id.isErased());
  EXPECT_NEAR(125.0, AreaOf(held.m_id), 1e-9);

  UI_Region empty;  // a holder without a region takes the other's
  EXPECT_EQ(0, empty.Unite(held));
  EXPECT_EQ(held.m_id, empty.m_id);
  EXPECT_EQ(0, empty.Erase());
  EXPECT_TRUE(Regions().empty());
}

TEST_F(UI_RegionTest, ExplodeAppendsOneCurvePerEdgeAndKeepsTheRegion) {
  ZcDbObjectId arc = AddArc({0, 0, 0}, 10, 0, M_PI), line = AddLine({-10, 0, 0}, {10, 0, 0});
  UI_Region holder;
  ASSERT_EQ(0, MakeRegionFromCurves(holder, Ids({arc, line}), ZcDbObjectId()));
  ZcDbObjectIdArray pieces;
  ASSERT_EQ(0, holder.ExplodeToCurves(pieces));
  ASSERT_EQ(2, pieces.length());
  int arcs = 0;
  for (ZcDbObjectId id : pieces) arcs += Read<ZcDbEntity>(id)->isKindOf(ZcDbArc::desc());
  EXPECT_EQ(1, arcs);
  EXPECT_EQ(1u, Regions().size());
  EXPECT_EQ(5u, ModelSpace().size());
}

TEST_F(UI_RegionTest, CastToRegionAcceptsRegionsOnly) {
  EXPECT_EQ(nullptr, CastToRegion(nullptr));
  EXPECT_EQ(nullptr, CastToRegion(Read<ZcDbEntity>(AddLine({0, 0, 0}, {1, 0, 0}))));
  ZcDbRegion region;
  EXPECT_EQ(&region, CastToRegion(&region));
}

}  // namespace
