// Crossing windows see a region's real edges: a spline edge is met where the spline runs,
// not along chords of it.
#include "ed/SelectionSets.h"

#include "DrawingFixture.h"
#include "db/ZcDbRegion.h"
#include "ge/ZcGeLineSeg3d.h"
#include "ge/ZcGeNurbCurve3d.h"

namespace {

class RegionSelection : public DrawingTest {
protected:
  // A region under a spline arch from (0, 0) over (50, 30) to (100, 0); the arch is returned.
  ZcGeNurbCurve3d AddArch() {
    ZcGeNurbCurve3d arch(std::vector<ZcGePoint3d>{{0, 0, 0}, {50, 30, 0}, {100, 0, 0}});
    ZcGeRegion::Loop loop;
    loop.push_back(arch.copy());
    loop.push_back(std::make_unique<ZcGeLineSeg3d>(ZcGePoint3d(100, 0, 0), ZcGePoint3d(0, 0, 0)));
    ZcGeRegion shape;
    EXPECT_EQ(Zcad::eOk, ZcGeRegion::fromLoop(std::move(loop), shape));
    auto* region = new ZcDbRegion;
    region->setGeRegion(shape);
    Add(region);
    return arch;
  }
  static int Crossing(const ZcGePoint3d& at, double half) {
    ads_point a = {at.x - half, at.y - half, 0}, b = {at.x + half, at.y + half, 0};
    ads_name ss;
    if (zcedSSGet(L"_C", a, b, nullptr, ss) != RTNORM) return 0;
    std::int32_t n = 0;
    zcedSSLength(ss, &n);
    zcedSSFree(ss);
    return n;
  }
};

TEST_F(RegionSelection, CrossingWindowsMeetTheSplineEdgeWhereItRuns) {
  ZcGeNurbCurve3d arch = AddArch();
  // Between any two of 64 points along the arch its chord lies up to ~0.01 inside it.
  ZcGePoint3d on = arch.evalPoint(arch.endParam() * 20.5 / 64);
  ZcGeVector3d d = arch.evalDeriv(arch.endParam() * 20.5 / 64);
  ZcGeVector3d outward = ZcGeVector3d(d.y, -d.x, 0).normal();
  if (outward.y < 0) outward = -outward;
  EXPECT_EQ(1, Crossing(on, 0.001));
  EXPECT_EQ(0, Crossing(on + outward * 0.01, 0.001));
  EXPECT_EQ(0, Crossing(on - outward * 0.01, 0.001)) << "inside, away from every edge";
}

}  // namespace
