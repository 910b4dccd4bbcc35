// End to end over the curve helpers: a back piece drawn loosely by another DXF library is
// read, its lower corner joined, its outline made a region (the neck gap gets a joining
// line), the piece traced into regions around a point inside, its shoulder corner moved as a
// grade-point move does, and both saved drawings are checked by that library
// (tests/geometry/scenario/back_piece.py), the region's area against the library's own.
#include "geometry/RegionByEntities.h"

#include <cstdio>
#include <cstdlib>

#include "GeometryTest.h"
#include "db/ZcDbRegion.h"
#include "db/ZcDbSpline.h"
#include "framework/Selections.h"
#include "framework/UI_Entity.h"
#include "geometry/CurvePair.h"
#include "geometry/FastrelleArcCalculator.h"
#include "geometry/RegionByPoint_Trace.h"
#include "geometry/Fastrelle_SplineStretchDistributor.h"
#include "geometry/StretchByDataBase.h"
#include "support/TempFolder.h"

namespace {

const std::string kScript = FASTRELLE_SOURCE_DIR "/tests/geometry/scenario/back_piece.py";

class BackPieceScenario : public GeometryTest {};

TEST_F(BackPieceScenario, JoinedRegionedTracedAndGradedPieceChecksOutInAnotherDxfLibrary) {
  if (std::system("/usr/bin/python3 -c 'import ezdxf' 2>/dev/null") != 0) GTEST_SKIP() << "python3-ezdxf is not installed";
  TempFolder tmp;
  std::string piece = tmp.Native("piece.dxf"), first = tmp.Native("first.dxf"), final = tmp.Native("final.dxf");
  ASSERT_EQ(0, std::system(("/usr/bin/python3 " + kScript + " write " + piece).c_str()));
  ASSERT_EQ(Zcad::eOk, db_->readDwgFile(CString(piece.c_str())));

  ZcDbObjectId bottom, side, centreBack, spline, arc;
  for (ZcDbObjectId id : ModelSpace()) {
    ZcDbEntity* e = Read<ZcDbEntity>(id);
    if (auto* line = dynamic_cast<ZcDbLine*>(e)) {
      ZcGePoint3d s = line->startPoint(), en = line->endPoint();
      (s.x == 0 && en.x == 0 ? centreBack : s.y == 0 && en.y == 0 ? bottom : side) = id;
    } else if (e->isKindOf(ZcDbSpline::desc())) {
      spline = id;
    } else if (e->isKindOf(ZcDbArc::desc())) {
      arc = id;
    }
  }
  ASSERT_TRUE(bottom.isValid() && side.isValid() && centreBack.isValid() && spline.isValid() && arc.isValid());

  // 1. The lower corner: both lines trimmed back to their crossing.
  CurvePair corner(bottom, side);
  ASSERT_EQ(0, corner.ExtendBothToIntersection());
  // 2. The region of the outline: the chain closes the neck gap with a joining line.
  RegionByEntities outline;
  for (ZcDbObjectId id : {corner.m_first, corner.m_second, spline, arc, centreBack}) outline.m_curveIds.append(id);
  ASSERT_EQ(0, outline.Make());
  double area = 0;
  ASSERT_EQ(Zcad::eOk, Read<ZcDbRegion>(outline.m_regionId)->getArea(area));
  ASSERT_EQ(Zcad::eOk, db_->saveAs(CString(first.c_str())));
  Erase(outline.m_regionId);  // the trace reads every visible curve

  // 3. The outline and the pocket traced around a point between them: two regions, exact.
  RegionByPoint_Trace trace(ZcGePoint3d(30, 100, 0));
  ASSERT_EQ(0, trace.Draw());
  ASSERT_EQ(2, trace.GetIds().length());
  double traced = 0, pocket = 0;
  Read<ZcDbRegion>(trace.GetIds()[0])->getArea(traced);
  Read<ZcDbRegion>(trace.GetIds()[1])->getArea(pocket);
  EXPECT_NEAR(area, traced, 1e-9 * area);
  EXPECT_NEAR(8000.0, pocket, 1e-9);

  // 4. The grade-point move of the shoulder corner: the seams crossing a 2 x 2 square
  // around it on the seam layer, stretched with the grade-point move's helpers.
  ZcGePoint3d from(210, 400, 0), to(215, 404, 0);
  StretchByDataBase stretch;
  stretch.SetArcCalculator(new FastrelleArcCalculator());
  stretch.SetSplineStretcher(new Fastrelle_SplineStretchDistributor());
  for (ZcDbObjectId id : SelectCrossing(from - ZcGeVector3d(1, 1, 0), from + ZcGeVector3d(1, 1, 0)))
    if (UI_Entity(id).GetLayerName() == L"Szew") stretch.ids.append(id);
  EXPECT_EQ(2, stretch.ids.length());
  ASSERT_EQ(0, stretch.Apply(from, to));
  ASSERT_EQ(Zcad::eOk, db_->saveAs(CString(final.c_str())));

  char areaText[32];
  std::snprintf(areaText, sizeof areaText, "%.10f", area);
  EXPECT_EQ(0, std::system(("/usr/bin/python3 " + kScript + " check " + first + " " + final + " " + areaText).c_str()));
}

}  // namespace
