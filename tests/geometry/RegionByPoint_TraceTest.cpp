// Regions traced around a point: the boundary's region and the islands' regions, with the
// exact edges of what was traced (a spline stays a spline); faces traced side by side unite;
// a point outside everything gives the trace's status and draws nothing.
#include "geometry/RegionByPoint_Trace.h"

#include "GeometryTest.h"
#include "db/ZcDbRegion.h"
#include "geometry/UI_Region.h"

namespace {

class RegionByPoint_TraceTest : public GeometryTest {
protected:
  double AreaOf(ZcDbObjectId id) {
    double area = -1;
    if (auto* r = Read<ZcDbRegion>(id)) r->getArea(area);
    return area;
  }
  size_t Count(const ZcRxClass* cls) {
    size_t n = 0;
    for (ZcDbObjectId id : ModelSpace()) n += id.objectClass()->isDerivedFrom(cls);
    return n;
  }
};

TEST_F(RegionByPoint_TraceTest, BoundaryAndIslandBecomeSeparateRegions) {
  AddLine({0, 0, 0}, {100, 0, 0});
  AddLine({100, 0, 0}, {100, 60, 0});
  AddLine({100, 60, 0}, {0, 60, 0});
  AddLine({0, 60, 0}, {0, 0, 0});
  AddBulgePolyline({{{20, 20}, 0}, {{40, 20}, 1}, {{40, 40}, 0}, {{20, 40}, 0}}, true);  // the pocket
  RegionByPoint_Trace trace({10, 10, 0});
  ASSERT_EQ(0, trace.Draw());
  ASSERT_EQ(2, trace.GetIds().length());
  EXPECT_NEAR(6000.0, AreaOf(trace.GetIds()[0]), 1e-9);
  EXPECT_NEAR(400.0 + 50 * M_PI, AreaOf(trace.GetIds()[1]), 1e-9);
  EXPECT_EQ(2u, Count(ZcDbRegion::desc()));
  EXPECT_EQ(1u, Count(ZcDbPolyline::desc())) << "the traced polylines are gone, the pocket stays";

  RegionByPoint_Trace outside({500, 500, 0});
  EXPECT_EQ(Zcad::eNoInputFiles, outside.Draw());
  EXPECT_EQ(0, outside.GetIds().length());
}

TEST_F(RegionByPoint_TraceTest, SplineEdgesAreTracedExactly) {
  AddSpline({{0, 0, 0}, {30, 15, 0}, {60, 5, 0}, {90, 0, 0}});
  AddLine({90, 0, 0}, {90, -50, 0});
  AddLine({90, -50, 0}, {0, -50, 0});
  AddLine({0, -50, 0}, {0, 0, 0});
  RegionByPoint_Trace trace({45, -25, 0});
  ASSERT_EQ(0, trace.Draw());
  ASSERT_EQ(1, trace.GetIds().length());
  // The same outline made from the curves themselves.
  ZcDbVoidPtrArray curves;
  for (ZcDbObjectId id : ModelSpace())
    if (!id.objectClass()->isDerivedFrom(ZcDbRegion::desc())) curves.append(Read<ZcDbEntity>(id));
  UI_Region direct;
  ASSERT_EQ(0, direct.CreateFromCurves(curves, ZcDbObjectId()));
  EXPECT_NEAR(AreaOf(direct.m_id), AreaOf(trace.GetIds()[0]), 1e-9);
  ZcGeCurve3dArray edges;
  Read<ZcDbRegion>(trace.GetIds()[0])->geRegion().explode(edges);
  int splines = 0;
  for (const auto& e : edges) splines += e->kind() == ZcGeCurve3d::kNurbCurve;
  EXPECT_EQ(1, splines);
}

TEST_F(RegionByPoint_TraceTest, AdjacentTracedFacesUniteIntoOne) {
  for (double x : {0.0, 10.0, 20.0}) AddLine({x, 0, 0}, {x, 10, 0});
  AddLine({0, 0, 0}, {20, 0, 0});
  AddLine({0, 10, 0}, {20, 10, 0});
  RegionByPoint_Trace left({5, 5, 0}), right({15, 5, 0});
  ASSERT_EQ(0, left.Draw());
  ASSERT_EQ(0, right.Draw());
  UI_Region a, b;
  a.m_id = left.GetIds()[0];
  b.m_id = right.GetIds()[0];
  ASSERT_EQ(0, a.Unite(b));
  EXPECT_TRUE(b.m_id.isErased());
  EXPECT_NEAR(200.0, AreaOf(a.m_id), 1e-9);
  EXPECT_EQ(1u, Count(ZcDbRegion::desc()));
}

}  // namespace
