// Regions hold exact edges: made from curve entities, united, exploded into curves, measured,
// met by other entities on their real edges, and filed so that spline edges read back (and
// the older body of bulge loops still reads).
#include "db/ZcDbRegion.h"

#include <gtest/gtest.h>

#include <cmath>

#include "db/ZcDbArc.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbEllipse.h"
#include "db/ZcDbLine.h"
#include "db/ZcDbPolyline.h"
#include "db/ZcDbSpline.h"
#include "headless/Database.h"

namespace {
constexpr double kPi = 3.141592653589793;

// A D shape: the diameter on the x axis from (-r, 0) to (r, 0) and the upper half circle.
std::unique_ptr<ZcDbRegion> HalfDisc(double r) {
  ZcDbLine line(ZcGePoint3d(-r, 0, 0), ZcGePoint3d(r, 0, 0));
  ZcDbArc arc(ZcGePoint3d(0, 0, 0), r, 0, kPi);
  ZcDbVoidPtrArray curves, regions;
  curves.append(&arc).append(&line);
  EXPECT_EQ(Zcad::eOk, ZcDbRegion::createFromCurves(curves, regions));
  EXPECT_EQ(1, regions.length());
  return std::unique_ptr<ZcDbRegion>(regions.isEmpty() ? nullptr : static_cast<ZcDbRegion*>(regions[0]));
}

std::unique_ptr<ZcDbRegion> Square(double x0, double y0, double side) {
  ZcDbPolyline pl;
  for (int i = 0; i < 4; ++i) pl.addVertexAt(i, ZcGePoint2d(x0 + (i == 1 || i == 2 ? side : 0), y0 + (i >= 2 ? side : 0)));
  pl.setClosed(true);
  ZcDbVoidPtrArray curves, regions;
  curves.append(&pl);
  EXPECT_EQ(Zcad::eOk, ZcDbRegion::createFromCurves(curves, regions));
  return std::unique_ptr<ZcDbRegion>(regions.isEmpty() ? nullptr : static_cast<ZcDbRegion*>(regions[0]));
}

// The one entity of the drawing's model space when it is a region (closed, still readable).
ZcDbRegion* OnlyRegion(ZcDbDatabase& db) {
  ZcDbBlockTableRecord* ms = nullptr;
  if (zcdbOpenObject(ms, db.modelSpaceId(), ZcDb::kForRead) != Zcad::eOk) return nullptr;
  ZcDbObjectIdArray ids = ms->entityIds();
  ms->close();
  ZcDbRegion* region = nullptr;
  if (ids.length() != 1 || zcdbOpenObject(region, ids[0], ZcDb::kForRead) != Zcad::eOk) return nullptr;
  region->close();
  return region;
}

std::string Encoded(const std::string& text) {
  std::string out;
  for (char c : text) out.push_back(c == ' ' ? ' ' : static_cast<char>(159 - c));
  return out;
}

TEST(ZcDbRegion, CurvesMakeRegionsWithExactAreaOrTheHostsFailure) {
  std::unique_ptr<ZcDbRegion> d = HalfDisc(10);
  double area = 0;
  ASSERT_EQ(Zcad::eOk, d->getArea(area));
  EXPECT_NEAR(50 * kPi, area, 1e-9);
  ZcDbExtents ext;
  ASSERT_EQ(Zcad::eOk, d->getGeomExtents(ext));
  EXPECT_NEAR(10, ext.maxPoint().y, 1e-9);  // the arc's top, not a chord's

  ZcDbLine open1(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 0, 0)), open2(ZcGePoint3d(1, 0, 0), ZcGePoint3d(1, 1, 0));
  ZcDbVoidPtrArray curves, regions;
  curves.append(&open1).append(&open2);
  EXPECT_EQ(Zcad::eNonCoplanarGeometry, ZcDbRegion::createFromCurves(curves, regions));
  EXPECT_TRUE(regions.isEmpty());
  EXPECT_EQ(Zcad::eInvalidInput, ZcDbRegion::createFromCurves(ZcDbVoidPtrArray(), regions));
}

TEST(ZcDbRegion, UnionOfNeighboursDropsTheSharedEdgeAndEmptiesTheOther) {
  std::unique_ptr<ZcDbRegion> a = Square(0, 0, 2), b = Square(2, 0, 2), c = Square(10, 10, 1);
  ASSERT_EQ(Zcad::eOk, a->booleanOper(ZcDb::kBoolUnite, b.get()));
  EXPECT_TRUE(b->isNull());
  double area = 0;
  a->getArea(area);
  EXPECT_NEAR(8, area, 1e-9);
  ASSERT_EQ(Zcad::eOk, a->booleanOper(ZcDb::kBoolUnite, c.get()));  // disjoint: a second face
  EXPECT_EQ(2u, a->geRegion().numFaces());
  EXPECT_EQ(Zcad::eNotImplementedYet, a->booleanOper(ZcDb::kBoolSubtract, c.get()));
}

TEST(ZcDbRegion, ExplodeGivesOneCurveEntityPerEdgeWithTheRegionsProperties) {
  std::unique_ptr<ZcDbRegion> d = HalfDisc(10);
  d->setColorIndex(3);
  ZcDbVoidPtrArray pieces;
  ASSERT_EQ(Zcad::eOk, d->explode(pieces));
  ASSERT_EQ(2, pieces.length());
  int arcs = 0, lines = 0;
  for (void* p : pieces) {
    auto* e = static_cast<ZcDbEntity*>(p);
    arcs += e->isKindOf(ZcDbArc::desc());
    lines += e->isKindOf(ZcDbLine::desc());
    EXPECT_EQ(3, e->colorIndex());
    delete e;
  }
  EXPECT_EQ(1, arcs);
  EXPECT_EQ(1, lines);
  EXPECT_EQ(Zcad::eInvalidInput, ZcDbRegion().explode(pieces));
}

TEST(ZcDbRegion, OtherEntitiesMeetTheRealEdges) {
  std::unique_ptr<ZcDbRegion> d = HalfDisc(10);
  ZcDbLine vertical(ZcGePoint3d(6, -5, 0), ZcGePoint3d(6, 20, 0));
  ZcGePoint3dArray points;
  ASSERT_EQ(Zcad::eOk, d->intersectWith(&vertical, ZcDb::kOnBothOperands, points));
  ASSERT_EQ(2, points.length());
  double top = std::max(points[0].y, points[1].y);
  EXPECT_NEAR(8.0, top, 1e-9);  // on the circle, 6² + 8² = 10²
}

TEST(ZcDbRegion, SplineEdgesAreSavedAndReadBack) {
  ZcDbDatabase db;
  ZcGePoint3dArray fit;
  fit.append(ZcGePoint3d(0, 0, 0)).append(ZcGePoint3d(30, 12, 0)).append(ZcGePoint3d(60, 0, 0));
  ZcDbSpline spline;
  spline.setFitData(fit, 3, 0.0, ZcGeVector3d(), ZcGeVector3d());
  ZcDbLine base(ZcGePoint3d(60, 0, 0), ZcGePoint3d(0, 0, 0));
  ZcDbVoidPtrArray curves, regions;
  curves.append(&spline).append(&base);
  ASSERT_EQ(Zcad::eOk, ZcDbRegion::createFromCurves(curves, regions));
  auto* region = static_cast<ZcDbRegion*>(regions[0]);
  double area = 0;
  region->getArea(area);
  ZcDbBlockTableRecord* ms = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(ms, db.modelSpaceId(), ZcDb::kForWrite));
  ZcDbObjectId id;
  ms->appendZcDbEntity(id, region);
  region->close();
  ms->close();

  ZcDbDatabase again(false, true);
  ASSERT_EQ(Zcad::eOk, again.readDxfText(db.dxfText()));
  EXPECT_EQ(db.dxfText(), again.dxfText());
  ZcDbRegion* read = OnlyRegion(again);
  ASSERT_NE(nullptr, read);
  double readArea = 0;
  read->getArea(readArea);
  EXPECT_DOUBLE_EQ(area, readArea);
  ZcGeCurve3dArray edges;
  read->geRegion().explode(edges);
  ASSERT_EQ(2u, edges.size());
  EXPECT_EQ(1, (edges[0]->kind() == ZcGeCurve3d::kNurbCurve) + (edges[1]->kind() == ZcGeCurve3d::kNurbCurve));
}

std::string RegionFile(const std::vector<std::string>& body) {
  std::string text = "0\nSECTION\n2\nENTITIES\n0\nREGION\n5\n2A\n8\n0\n100\nAcDbEntity\n100\nAcDbModelerGeometry\n70\n1\n";
  for (const std::string& line : body) text += "1\n" + Encoded(line) + "\n";
  return text + "0\nENDSEC\n0\nEOF\n";
}

TEST(ZcDbRegion, OlderBodyOfBulgeLoopsStillReadsAndAGarbledOneIsRefused) {
  auto file = RegionFile;
  // A 10 x 10 square with a half circle bulging out of its right side.
  ZcDbDatabase db(false, true);
  ASSERT_EQ(Zcad::eOk, db.readDxfText(file({"loops 1 elevation 0", "loop 4", "0 0 0", "10 0 1", "10 10 0", "0 10 0"})));
  ZcDbRegion* region = OnlyRegion(db);
  ASSERT_NE(nullptr, region);
  double area = 0;
  region->getArea(area);
  EXPECT_NEAR(100 + 12.5 * kPi, area, 1e-9);

  ZcDbDatabase bad(false, true);
  EXPECT_EQ(Zcad::eBadDxfFile, bad.readDxfText(file({"region 2 faces 1", "face 1", "loop 2", "line 0 0 0 1 0 0"})));
  EXPECT_EQ(Zcad::eBadDxfFile, bad.readDxfText(file({"region 2 faces 1", "face 1", "loop 1", "line 0 0 0 1 0 nan"})));
}

TEST(ZcDbRegion, AnotherModelersBodyIsKeptAndWrittenBackAsRead) {
  std::vector<std::string> body{"400 0 1 0", "16 Autodesk AutoCAD 19 ASM 223.0.1.1930 NT 0",
                                "1 9.9999999999999995e-07 1e-10", "body $-1 -1 $-1 $1 $-1 $2 #"};
  ZcDbDatabase db(false, true);
  ASSERT_EQ(Zcad::eOk, db.readDxfText(RegionFile(body)));
  ZcDbRegion* region = OnlyRegion(db);
  ASSERT_NE(nullptr, region);
  EXPECT_TRUE(region->isNull());
  double area = 0;
  EXPECT_EQ(Zcad::eNotApplicable, region->getArea(area));
  ZcGeRegion::PointContainment where = ZcGeRegion::kOutside;
  EXPECT_EQ(Zcad::eNotApplicable, region->getPointContainment(ZcGePoint3d(0, 0, 0), where));
  std::string saved = db.dxfText();
  for (const std::string& line : body) EXPECT_NE(std::string::npos, saved.find("\n" + Encoded(line) + "\n")) << line;
}

TEST(ZcDbRegion, EdgesOfLongNumbersAreFiledInContinuedLinesAndReadBack) {
  // A turned ellipse whose every number takes all 17 digits: its line passes 255 characters.
  ZcDbEllipse ellipse(ZcGePoint3d(1.0 / 3, -2.0 / 7, 5.0 / 9), ZcGeVector3d(0, 0, 1),
                      ZcGeVector3d(-10.0 / 3, -20.0 / 7, 0), 1.0 / 3, 0, 2 * kPi);
  ZcDbVoidPtrArray curves, regions;
  curves.append(&ellipse);
  ASSERT_EQ(Zcad::eOk, ZcDbRegion::createFromCurves(curves, regions));
  ZcDbDatabase db;
  ZcDbBlockTableRecord* ms = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(ms, db.modelSpaceId(), ZcDb::kForWrite));
  auto* region = static_cast<ZcDbRegion*>(regions[0]);
  double area = 0;
  region->getArea(area);
  ms->appendZcDbEntity(region);
  region->close();
  ms->close();
  std::string text = db.dxfText();
  EXPECT_NE(std::string::npos, text.find("\n  3\n", text.find("AcDbModelerGeometry"))) << "a continued line";
  ZcDbDatabase again(false, true);
  ASSERT_EQ(Zcad::eOk, again.readDxfText(text));
  ZcDbRegion* read = OnlyRegion(again);
  ASSERT_NE(nullptr, read);
  double readArea = 0;
  read->getArea(readArea);
  EXPECT_DOUBLE_EQ(area, readArea);
}

}  // namespace

TEST(ZcDbRegion, PointsAreInsideOutsideOrOnTheBoundary) {
  std::unique_ptr<ZcDbRegion> d = HalfDisc(2.0);
  ASSERT_NE(nullptr, d);
  ZcGeRegion::PointContainment where = ZcGeRegion::kOutside;
  ASSERT_EQ(Zcad::eOk, d->getPointContainment(ZcGePoint3d(0, 1, 0), where));
  EXPECT_EQ(ZcGeRegion::kInside, where);
  ASSERT_EQ(Zcad::eOk, d->getPointContainment(ZcGePoint3d(0, -1, 0), where));
  EXPECT_EQ(ZcGeRegion::kOutside, where);
  ASSERT_EQ(Zcad::eOk, d->getPointContainment(ZcGePoint3d(0, 2, 0), where));
  EXPECT_EQ(ZcGeRegion::kOnBoundary, where);
  ZcDbRegion empty;
  ASSERT_EQ(Zcad::eOk, empty.getPointContainment(ZcGePoint3d(0, 0, 0), where));
  EXPECT_EQ(ZcGeRegion::kOutside, where);
}
