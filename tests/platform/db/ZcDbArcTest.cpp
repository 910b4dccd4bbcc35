// Arcs about a normal other than +Z measure their angles from their plane's own X axis
// (the arbitrary-axis rule), the same in the entity, in the kernel's curve and in files,
// so such an arc keeps its place when it is extended, split, offset or saved.
#include "db/ZcDbArc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "ge/ZcGeCurve3d.h"
#include "ge/ZcGeMatrix3d.h"
#include "headless/Database.h"

namespace {
constexpr double kPi = 3.141592653589793;
const ZcGeVector3d kMinusZ(0, 0, -1);

void ExpectNear(const ZcGePoint3d& expected, const ZcGePoint3d& actual, double tol = 1e-9) {
  EXPECT_NEAR(expected.x, actual.x, tol);
  EXPECT_NEAR(expected.y, actual.y, tol);
  EXPECT_NEAR(expected.z, actual.z, tol);
}

ZcGePoint3d Start(const ZcDbCurve& c) {
  ZcGePoint3d p;
  c.getStartPoint(p);
  return p;
}
ZcGePoint3d End(const ZcDbCurve& c) {
  ZcGePoint3d p;
  c.getEndPoint(p);
  return p;
}

TEST(ZcDbArc, AnArcAboutMinusZMeasuresFromItsPlanesXAxis) {
  ZcDbArc arc(ZcGePoint3d(0, 0, 0), kMinusZ, 10.0, 0.0, kPi / 2);
  ExpectNear(ZcGePoint3d(-10, 0, 0), Start(arc));
  ExpectNear(ZcGePoint3d(0, 10, 0), End(arc));
  EXPECT_DOUBLE_EQ(0.0, arc.startAngle());
  EXPECT_DOUBLE_EQ(kPi / 2, arc.endAngle());
  ZcGePoint3d mid;
  ASSERT_EQ(Zcad::eOk, arc.getPointAtParam(kPi / 4, mid));
  ExpectNear(ZcGePoint3d(-10 * std::sqrt(0.5), 10 * std::sqrt(0.5), 0), mid);
}

TEST(ZcDbArc, AMinusZArcKeepsItsPlaceThroughTheKernel) {
  ZcDbArc arc(ZcGePoint3d(5, 5, 0), kMinusZ, 10.0, 0.0, kPi / 2);
  ZcDbArc copy;
  ASSERT_EQ(Zcad::eOk, copy.setFromGeCurve(*arc.toGeCurve()));
  ExpectNear(Start(arc), Start(copy));
  ExpectNear(End(arc), End(copy));
  EXPECT_NEAR(0.0, copy.startAngle(), 1e-12);
  EXPECT_NEAR(kPi / 2, copy.endAngle(), 1e-12);

  // Split and offset pieces lie on the arc's own circle, ends where the arc has them.
  std::vector<ZcDbCurve*> pieces;
  ZcGeDoubleArray at;
  at.append(kPi / 4);
  ASSERT_EQ(Zcad::eOk, arc.getSplitCurves(at, pieces));
  ASSERT_EQ(2u, pieces.size());
  ExpectNear(Start(arc), Start(*pieces[0]));
  ExpectNear(End(arc), End(*pieces[1]));
  for (ZcDbCurve* c : pieces) delete c;
  std::vector<ZcDbCurve*> offsets;
  ASSERT_EQ(Zcad::eOk, arc.getOffsetCurves(2.0, offsets));
  ASSERT_EQ(1u, offsets.size());
  auto* off = static_cast<ZcDbArc*>(offsets[0]);
  ExpectNear(arc.center(), off->center());
  EXPECT_NEAR(2.0, std::fabs(off->radius() - 10.0), 1e-9);
  delete off;

  // Extending along the circle moves only the end.
  ZcDbArc longer(ZcGePoint3d(5, 5, 0), kMinusZ, 10.0, 0.0, kPi / 2);
  ZcGePoint3d beyond(5 + 10 * std::cos(kPi / 4), 5 + 10 * std::sin(kPi / 4), 0);  // plane angle 3π/4
  ASSERT_EQ(Zcad::eOk, longer.extend(false, beyond));
  ExpectNear(Start(arc), Start(longer));
  ExpectNear(beyond, End(longer));
}

TEST(ZcDbArc, AMovedMinusZArcKeepsItsShape) {
  ZcDbArc arc(ZcGePoint3d(0, 0, 0), kMinusZ, 10.0, 0.5, 2.0);
  ZcGePoint3d s = Start(arc), e = End(arc);
  ASSERT_EQ(Zcad::eOk, arc.transformBy(ZcGeMatrix3d::translation(ZcGeVector3d(3, 4, 0))));
  ExpectNear(s + ZcGeVector3d(3, 4, 0), Start(arc));
  ExpectNear(e + ZcGeVector3d(3, 4, 0), End(arc));
}

TEST(ZcDbArc, AMinusZArcSavedToAFileReadsBackOnTheSameCurve) {
  ZcDbDatabase db;
  ZcDbBlockTableRecord* ms = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(ms, db.modelSpaceId(), ZcDb::kForWrite));
  auto* arc = new ZcDbArc(ZcGePoint3d(20, 10, 0), kMinusZ, 10.0, 0.25, 1.75);
  ZcGePoint3d s = Start(*arc), e = End(*arc), mid;
  arc->getPointAtParam(0.75, mid);
  ZcDbObjectId id;
  ASSERT_EQ(Zcad::eOk, ms->appendZcDbEntity(id, arc));
  arc->close();
  ms->close();

  ZcDbDatabase again(false, true);
  ASSERT_EQ(Zcad::eOk, again.readDxfText(db.dxfText()));
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(ms, again.modelSpaceId(), ZcDb::kForRead));
  ZcDbObjectIdArray ids = ms->entityIds();
  ms->close();
  ASSERT_EQ(1, ids.length());
  ZcDbArc* read = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(read, ids[0], ZcDb::kForRead));
  read->close();
  // Read as a +Z arc: the same points, run the other way round.
  ExpectNear(e, Start(*read), 1e-9);
  ExpectNear(s, End(*read), 1e-9);
  ZcGePoint3d readMid;
  read->getPointAtParam(0.75, readMid);
  ExpectNear(mid, readMid, 1e-9);
  EXPECT_EQ(0, headless::OpenObjectCount(&again));
}

}  // namespace
