// The distributed spline stretch: inner fit points move along the move by their arc-length
// share (a tent, full at the moved end, nothing at the other), the moved end lands on the
// new point and the end tangents stay as they were.
#include "geometry/Fastrelle_SplineStretchDistributor.h"

#include "GeometryTest.h"
#include "geometry/StretchByDataBase.h"

namespace {

class DistributorTest : public GeometryTest {
protected:
  // Fit points (0,0), (10,0), ..., (100,0): a straight spline whose arc length is x.
  ZcDbObjectId Straight() {
    std::vector<ZcGePoint3d> fit;
    for (int x = 0; x <= 100; x += 10) fit.push_back({double(x), 0, 0});
    return AddSpline(fit);
  }
  int Run(ZcDbObjectId id, const ZcGePoint3d& from, const ZcGePoint3d& to) {
    StretchByDataBase stretch;
    stretch.SetSplineStretcher(new Fastrelle_SplineStretchDistributor());
    stretch.ids.append(id);
    return stretch.Apply(from, to);
  }
  std::vector<ZcGePoint3d> Fit(ZcDbObjectId id) {
    std::vector<ZcGePoint3d> out;
    auto* s = Read<ZcDbSpline>(id);
    for (int i = 0; i < s->numFitPoints(); ++i) {
      ZcGePoint3d p;
      s->getFitPointAt(i, p);
      out.push_back(p);
    }
    return out;
  }
};

TEST_F(DistributorTest, InnerFitPointsFollowTheTentAndTheMovedEndLandsOnTheNewPoint) {
  ZcDbObjectId atEnd = Straight();
  ASSERT_EQ(0, Run(atEnd, {100, 0, 0}, {100, 5, 0}));
  std::vector<ZcGePoint3d> fit = Fit(atEnd);
  ASSERT_EQ(11u, fit.size());
  for (const ZcGePoint3d& p : fit) EXPECT_NEAR(5 * p.x / 100, p.y, 1e-7) << "at x = " << p.x;
  EXPECT_TRUE(Near(EndOf(atEnd), {100, 5, 0}, 1e-9));

  ZcDbObjectId atStart = Straight();
  ASSERT_EQ(0, Run(atStart, {0, 0, 0}, {0, 5, 0}));
  for (const ZcGePoint3d& p : Fit(atStart)) EXPECT_NEAR(5 * (100 - p.x) / 100, p.y, 1e-7) << "at x = " << p.x;
}

TEST_F(DistributorTest, EndTangentsStayAsTheyWere) {
  ZcDbObjectId id = AddSpline({{0, 0, 0}, {20, 15, 0}, {40, -5, 0}, {60, 10, 0}}, {1, 0, 0}, {1, 0.2, 0});
  ZcGeVector3d before0, before1, after0, after1;
  auto* s = Read<ZcDbSpline>(id);
  double e = 0;
  s->getEndParam(e);
  s->getFirstDeriv(0.0, before0);
  s->getFirstDeriv(e, before1);
  ASSERT_EQ(0, Run(id, {60, 10, 0}, {64, 13, 0}));
  s->getFitTangents(after0, after1);
  EXPECT_NEAR(0.0, (after0.normal() - before0.normal()).length(), 1e-9);
  EXPECT_NEAR(0.0, (after1.normal() - before1.normal()).length(), 1e-9);
  EXPECT_TRUE(Near(EndOf(id), {64, 13, 0}, 1e-9));
}

TEST_F(DistributorTest, NothingChangesForAZeroMoveOrAnythingButASpline) {
  Fastrelle_SplineStretchDistributor distributor;
  ZcDbObjectId id = Straight();
  distributor.from = distributor.to = ZcGePoint3d(100, 0, 0);
  EXPECT_EQ(0, distributor.stretch(id));
  distributor.to = ZcGePoint3d(100, 5, 0);
  ZcDbObjectId line = AddLine({0, 0, 0}, {100, 0, 0});
  EXPECT_EQ(374, distributor.stretch(line));
  EXPECT_TRUE(Near(EndOf(line), {100, 0, 0}));
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Fastrelle_SplineStretchDistributor::stretch"));
}

}  // namespace
