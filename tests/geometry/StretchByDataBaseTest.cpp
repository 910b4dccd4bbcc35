// Stretching by class: only ends and vertices at the moved point move; arcs about either
// normal and across 0° keep their short way round; an arc passing by keeps its ends; an
// unhandled entity anywhere in the list stops the stretch before anything moved.
#include "geometry/StretchByDataBase.h"

#include "GeometryTest.h"
#include "db/ZcDb2dPolyline.h"
#include "db/ZcDbBlockReference.h"
#include "geometry/FastrelleArcCalculator.h"

namespace {

class StretchTest : public GeometryTest {
protected:
  int Run(std::vector<ZcDbObjectId> ids, const ZcGePoint3d& from, const ZcGePoint3d& to,
          ArcCalculator* calculator = nullptr) {
    StretchByDataBase stretch;
    for (ZcDbObjectId id : ids) stretch.ids.append(id);
    if (calculator) stretch.SetArcCalculator(calculator);
    return stretch.Apply(from, to);
  }
  static ZcGePoint3d OnCircle(const ZcGePoint3d& c, double r, double degrees) {
    return c + ZcGeVector3d(std::cos(degrees * M_PI / 180), std::sin(degrees * M_PI / 180), 0) * r;
  }
};

TEST_F(StretchTest, LinesAndPolylinesMoveOnlyWhatLiesAtTheMovedPoint) {
  ZcDbObjectId line = AddLine({0, 0, 0}, {50, 0, 0}), shortLine = AddLine({0.05, 0, 0}, {0, 0.05, 0});
  auto* square = new ZcDbPolyline();
  for (auto [i, p] : {std::pair{0u, ZcGePoint2d(0, 0)}, {1u, {40, 0}}, {2u, {40, 40}}, {3u, {0, 0}}})
    square->addVertexAt(i, p, i == 1 ? 0.3 : 0.0);
  square->setElevation(7);
  ZcDbObjectId pl = Add(square);
  ZcGePoint3dArray pts;
  for (ZcGePoint3d p : {ZcGePoint3d(0, 0, 0), ZcGePoint3d(0, 30, 0), ZcGePoint3d(0.05, 0, 0)}) pts.append(p);
  ZcDbObjectId heavy = Add(new ZcDb2dPolyline(pts, false));

  ASSERT_EQ(0, Run({line, shortLine, heavy}, {0.02, 0.02, 0}, {-3, 4, 0}));
  ASSERT_EQ(0, Run({pl}, {0.02, 0.02, 7}, {-3, 4, 7}));
  EXPECT_TRUE(Near(StartOf(line), {-3.02, 3.98, 0}));
  EXPECT_TRUE(Near(EndOf(line), {50, 0, 0}));
  EXPECT_TRUE(Near(StartOf(shortLine), {-2.97, 3.98, 0})) << "both ends near: the start moves";
  EXPECT_TRUE(Near(EndOf(shortLine), {0, 0.05, 0}));
  auto* moved = Read<ZcDbPolyline>(pl);
  ZcGePoint3d first, last;
  moved->getPointAt(0, first);
  moved->getPointAt(3, last);
  EXPECT_TRUE(Near(first, {-3.02, 3.98, 7}));
  EXPECT_TRUE(Near(last, {-3.02, 3.98, 7}));
  double bulge = 0;
  moved->getBulgeAt(1, bulge);
  EXPECT_EQ(0.3, bulge);
  auto* v = Read<ZcDb2dPolyline>(heavy);
  EXPECT_TRUE(Near(v->vertexAt(0).p, {-3.02, 3.98, 0}));
  EXPECT_TRUE(Near(v->vertexAt(1).p, {0, 30, 0}));
  EXPECT_TRUE(Near(v->vertexAt(2).p, {-2.97, 3.98, 0}));

  EXPECT_EQ(0, Run({line}, {-3.02, 3.98, 0}, {-3.02, 3.98 + 5e-6, 0}));
  EXPECT_TRUE(Near(StartOf(line), {-3.02, 3.98, 0})) << "a move below 1e-5 does nothing";
}

TEST_F(StretchTest, ArcsKeepTheirShortWayRoundAboutEitherNormalAndAcrossZero) {
  ZcGePoint3d c(100, 100, 0);
  ZcDbObjectId plus = AddArc(c, 20, 10 * M_PI / 180, 80 * M_PI / 180);
  ASSERT_EQ(0, Run({plus}, OnCircle(c, 20, 10), OnCircle(c, 20, 355)));
  auto* arc = Read<ZcDbArc>(plus);
  EXPECT_NEAR(355 * M_PI / 180, arc->startAngle(), 1e-9);
  EXPECT_NEAR(80 * M_PI / 180, arc->endAngle(), 1e-9);
  EXPECT_NEAR(20.0, arc->radius(), 1e-9);

  ZcDbObjectId minus = AddArcAbout({0, 0, -1}, c, 20, 0, M_PI / 2);  // world 180° to 90°, clockwise
  ZcGePoint3d s = StartOf(minus), target(c.x + 3, c.y + 25, 0);
  ASSERT_EQ(0, Run({minus}, EndOf(minus), target, new FastrelleArcCalculator()));
  EXPECT_TRUE(Near(StartOf(minus), s));
  EXPECT_TRUE(Near(EndOf(minus), target));
  EXPECT_TRUE(Read<ZcDbArc>(minus)->normal().isEqualTo({0, 0, -1}));
  EXPECT_LT(Read<ZcDbArc>(minus)->sweep(), M_PI) << "still the short way round";
}

TEST_F(StretchTest, AnArcPassingByTheMovedPointKeepsItsEnds) {
  ZcGePoint3d c(0, 0, 0);
  ZcDbObjectId arc = AddArc(c, 50, 0, M_PI);
  ZcGePoint3d s = StartOf(arc), e = EndOf(arc);
  EXPECT_EQ(0, Run({arc}, {0, 50, 0}, {2, 52, 0}));
  EXPECT_TRUE(Near(StartOf(arc), s));
  EXPECT_TRUE(Near(EndOf(arc), e));
}

TEST_F(StretchTest, AnArcThatWouldCollapseIsReportedAndKept) {
  ZcDbObjectId arc = AddArc({0, 0, 0}, 10, 0, M_PI / 2);
  ZcGePoint3d s = StartOf(arc), e = EndOf(arc);
  EXPECT_EQ(Zcad::eInvalidInput, Run({arc}, s, e)) << "the start moved onto the end: no circle";
  EXPECT_TRUE(Near(StartOf(arc), s));
  EXPECT_TRUE(Near(EndOf(arc), e));
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"StretchByDataBase::stretch"));
}

TEST_F(StretchTest, AnUnhandledEntityStopsTheStretchBeforeAnythingMoves) {
  ZcDbObjectId line = AddLine({0, 0, 0}, {10, 0, 0}), circle = AddCircle({0, 0, 0}, 5),
               later = AddLine({0, 0, 0}, {0, 10, 0});
  EXPECT_EQ(1, Run({line, circle, later}, {0, 0, 0}, {1, 1, 0}));
  EXPECT_TRUE(Near(StartOf(line), {0, 0, 0}));
  EXPECT_TRUE(Near(StartOf(later), {0, 0, 0}));
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"StretchByDataBase::stretch"));
}

TEST_F(StretchTest, SplineEndsMoveThroughTheirFitOrControlPoints) {
  ZcDbObjectId fit = AddSpline({{0, 0, 0}, {10, 5, 0}, {20, 0, 0}});
  ASSERT_EQ(0, Run({fit}, {20, 0, 0}, {25, 3, 0}));
  EXPECT_TRUE(Near(EndOf(fit), {25, 3, 0}));
  EXPECT_TRUE(Near(StartOf(fit), {0, 0, 0}));
  EXPECT_EQ(3, Read<ZcDbSpline>(fit)->numFitPoints());

  auto* control = new ZcDbSpline();
  ZcGePoint3dArray cps;
  for (ZcGePoint3d p : {ZcGePoint3d(0, 0, 0), ZcGePoint3d(5, 5, 0), ZcGePoint3d(10, 5, 0), ZcGePoint3d(15, 0, 0)})
    cps.append(p);
  ZcGeDoubleArray knots;
  for (double k : {0, 0, 0, 0, 1, 1, 1, 1}) knots.append(k);
  control->setNurbsData(3, false, false, false, cps, knots, ZcGeDoubleArray());
  ZcDbObjectId cp = Add(control);
  ASSERT_EQ(0, Run({cp}, {0, 0, 0}, {-2, -2, 0}));
  ZcGePoint3d first;
  Read<ZcDbSpline>(cp)->getControlPointAt(0, first);
  EXPECT_TRUE(Near(first, {-2, -2, 0}));

  // A periodic spline wraps its first control points round: its last one is not its first.
  auto* loop = new ZcDbSpline();
  ZcGePoint3dArray ring;
  for (ZcGePoint3d p : {ZcGePoint3d(0, 0, 0), ZcGePoint3d(20, 0, 0), ZcGePoint3d(20, 20, 0), ZcGePoint3d(0, 20, 0)})
    ring.append(p);
  for (int i = 0; i < 3; ++i) ring.append(ring[i]);
  ZcGeDoubleArray uniform;
  for (int k = 0; k <= 10; ++k) uniform.append(k);
  ASSERT_EQ(Zcad::eOk, loop->setNurbsData(3, false, true, true, ring, uniform, ZcGeDoubleArray()));
  ZcDbObjectId periodic = Add(loop);
  ZcGePoint3d s = StartOf(periodic);
  ASSERT_TRUE(Near(s, EndOf(periodic), 1e-9));
  ASSERT_EQ(0, Run({periodic}, s, s + ZcGeVector3d(1, 0, 0)));
  ZcGePoint3d last;
  Read<ZcDbSpline>(periodic)->getControlPointAt(6, last);
  EXPECT_TRUE(Near(last, {20, 20, 0})) << "the last control point is not the moved end";
}

}  // namespace
