// The curve entities answer the curve protocol through the geometry kernel: parameters,
// lengths, offsets, splits and extension come back as entities with the source's
// properties.
#include "db/ZcDbCurve.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "db/ZcDbArc.h"
#include "db/ZcDbLine.h"
#include "db/ZcDbPoint.h"
#include "db/ZcDbPolyline.h"
#include "db/ZcDbSpline.h"
#include "ge/ZcGeMatrix3d.h"

namespace {
constexpr double kPi = 3.141592653589793;

void Free(std::vector<ZcDbCurve*>& curves) {
  for (ZcDbCurve* c : curves) delete c;
  curves.clear();
}

TEST(ZcDbCurve, ParametersStartAtZeroAndLengthsFollowTheShape) {
  ZcDbArc arc(ZcGePoint3d(0, 0, 0), 2.0, 0.0, kPi / 2);
  double end = 0, len = 0;
  ASSERT_EQ(Zcad::eOk, arc.getEndParam(end));
  EXPECT_NEAR(kPi / 2, end, 1e-12);
  arc.getDistAtParam(end, len);
  EXPECT_NEAR(kPi, len, 1e-9);
  ZcGePoint3d p;
  EXPECT_EQ(Zcad::eInvalidInput, arc.getPointAtDist(-1.0, p));
  ZcDbPolyline square;
  for (int i = 0; i < 4; ++i) square.addVertexAt(i, ZcGePoint2d(i == 1 || i == 2 ? 10 : 0, i >= 2 ? 10 : 0));
  square.setClosed(true);
  square.getEndParam(end);
  EXPECT_DOUBLE_EQ(4.0, end);
  double area = 0;
  ASSERT_EQ(Zcad::eOk, square.getArea(area));
  EXPECT_NEAR(100.0, area, 1e-9);
}

TEST(ZcDbCurve, OffsetsAndSplitsAreEntitiesWithTheSourcesProperties) {
  ZcDbLine line(ZcGePoint3d(0, 0, 0), ZcGePoint3d(10, 0, 0));
  line.setColorIndex(3);
  std::vector<ZcDbCurve*> out;
  ASSERT_EQ(Zcad::eOk, line.getOffsetCurves(2.0, out));
  ASSERT_EQ(1u, out.size());
  ASSERT_TRUE(out[0]->isKindOf(ZcDbLine::desc()));
  EXPECT_EQ(3, out[0]->colorIndex());
  EXPECT_NEAR(2.0, std::fabs(static_cast<ZcDbLine*>(out[0])->startPoint().y), 1e-12);
  Free(out);
  ZcGeDoubleArray at;
  at.append(4.0);
  ASSERT_EQ(Zcad::eOk, line.getSplitCurves(at, out));
  ASSERT_EQ(2u, out.size());
  EXPECT_EQ(ZcGePoint3d(4, 0, 0), static_cast<ZcDbLine*>(out[0])->endPoint());
  Free(out);
}

TEST(ZcDbCurve, ExtendingMovesAnEndAlongTheNaturalExtension) {
  ZcDbLine line(ZcGePoint3d(0, 0, 0), ZcGePoint3d(10, 0, 0));
  EXPECT_EQ(Zcad::eOk, line.extend(false, ZcGePoint3d(15, 0, 0)));
  EXPECT_EQ(ZcGePoint3d(15, 0, 0), line.endPoint());
  EXPECT_EQ(Zcad::eInvalidInput, line.extend(false, ZcGePoint3d(15, 1, 0)));
  ZcDbArc arc(ZcGePoint3d(0, 0, 0), 1.0, 0.0, kPi / 2);
  EXPECT_EQ(Zcad::eOk, arc.extend(false, ZcGePoint3d(-1, 0, 0)));
  EXPECT_NEAR(kPi, arc.endAngle(), 1e-12);
}

TEST(ZcDbCurve, SplinesGoThroughTheirFitPointsAndFollowAMovedOne) {
  ZcDbSpline spline;
  ZcGePoint3dArray fit;
  fit.append(ZcGePoint3d(0, 0, 0)).append(ZcGePoint3d(5, 3, 0)).append(ZcGePoint3d(10, 0, 0));
  ASSERT_EQ(Zcad::eOk, spline.setFitData(fit, 3, 0.0, ZcGeVector3d(), ZcGeVector3d()));
  EXPECT_GT(spline.numControlPoints(), 0);
  ZcGePoint3d on;
  spline.getClosestPointTo(ZcGePoint3d(5, 3, 0), on);
  EXPECT_LT(on.distanceTo(ZcGePoint3d(5, 3, 0)), 1e-8);
  ASSERT_EQ(Zcad::eOk, spline.setFitPointAt(1, ZcGePoint3d(5, 6, 0)));
  spline.getClosestPointTo(ZcGePoint3d(5, 6, 0), on);
  EXPECT_LT(on.distanceTo(ZcGePoint3d(5, 6, 0)), 1e-8);
}

TEST(ZcDbCurve, ASplineAnswersWithItsShapeAfterEveryKindOfEdit) {
  // The entity keeps the kernel curve of its data between queries: each edit must show.
  ZcDbSpline spline;
  ZcGePoint3dArray fit;
  fit.append(ZcGePoint3d(0, 0, 0)).append(ZcGePoint3d(5, 3, 0)).append(ZcGePoint3d(10, 0, 0));
  ASSERT_EQ(Zcad::eOk, spline.setFitData(fit, 3, 0.0, ZcGeVector3d(), ZcGeVector3d()));
  auto endOf = [&] {
    ZcGePoint3d e;
    spline.getEndPoint(e);
    return e;
  };
  EXPECT_LT(endOf().distanceTo(ZcGePoint3d(10, 0, 0)), 1e-9);
  ASSERT_EQ(Zcad::eOk, spline.setFitPointAt(2, ZcGePoint3d(12, 1, 0)));
  EXPECT_LT(endOf().distanceTo(ZcGePoint3d(12, 1, 0)), 1e-9);
  ZcGeVector3d before, after;
  spline.getFirstDeriv(0.0, before);
  ASSERT_EQ(Zcad::eOk, spline.setFitTangents(ZcGeVector3d(0, 1, 0), ZcGeVector3d(1, 0, 0)));
  spline.getFirstDeriv(0.0, after);
  EXPECT_TRUE(after.isCodirectionalTo(ZcGeVector3d(0, 1, 0)));
  EXPECT_FALSE(before.isCodirectionalTo(ZcGeVector3d(0, 1, 0)));
  ASSERT_EQ(Zcad::eOk, spline.transformBy(ZcGeMatrix3d::translation(ZcGeVector3d(0, 5, 0))));
  EXPECT_LT(endOf().distanceTo(ZcGePoint3d(12, 6, 0)), 1e-9);
  const int last = spline.numControlPoints() - 1;
  ASSERT_EQ(Zcad::eOk, spline.setControlPointAt(last, ZcGePoint3d(20, 20, 0)));
  EXPECT_LT(endOf().distanceTo(ZcGePoint3d(20, 20, 0)), 1e-9);
  ZcDbSpline* copy = static_cast<ZcDbSpline*>(spline.cloneObject());
  ASSERT_EQ(Zcad::eOk, spline.setControlPointAt(last, ZcGePoint3d(30, 20, 0)));
  ZcGePoint3d copied;
  copy->getEndPoint(copied);
  EXPECT_LT(copied.distanceTo(ZcGePoint3d(20, 20, 0)), 1e-9);  // the copy keeps its own shape
  EXPECT_LT(endOf().distanceTo(ZcGePoint3d(30, 20, 0)), 1e-9);
  delete copy;
}

TEST(ZcDbCurve, APointEntityMeetsTheCurvesThroughIt) {
  ZcDbLine line(ZcGePoint3d(0, 0, 0), ZcGePoint3d(10, 0, 0));
  ZcDbPoint on(ZcGePoint3d(3, 0, 0)), off(ZcGePoint3d(3, 1, 0)), beyond(ZcGePoint3d(12, 0, 0));
  ZcGePoint3dArray pts;
  line.intersectWith(&on, ZcDb::kOnBothOperands, pts);
  line.intersectWith(&off, ZcDb::kOnBothOperands, pts);
  line.intersectWith(&beyond, ZcDb::kOnBothOperands, pts);
  ASSERT_EQ(1, pts.length());
  line.intersectWith(&beyond, ZcDb::kExtendThis, pts);
  EXPECT_EQ(2, pts.length());
}

}  // namespace
