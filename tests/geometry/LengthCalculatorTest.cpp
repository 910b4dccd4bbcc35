// Lengths by class: closed seams measure their perimeter, elliptical arcs their own arc,
// whole ellipses the usual formula, anything that is no curve 0.
#include "geometry/LengthCalculator.h"

#include "GeometryTest.h"
#include "db/ZcDbEllipse.h"

namespace {

class LengthCalculatorTest : public GeometryTest {};

TEST_F(LengthCalculatorTest, EachKindMeasuresItsOwnLength) {
  LengthCalculator calc;
  EXPECT_NEAR(2 * M_PI, calc.GetLength(AddCircle({0, 0, 0}, 1)), 1e-12);
  EXPECT_NEAR(M_PI * (4.5 - std::sqrt(2.0)),
              calc.GetLength(Add(new ZcDbEllipse({0, 0, 0}, ZcGeVector3d::kZAxis, {2, 0, 0}, 0.5))), 1e-12);
  ZcDbObjectId half = Add(new ZcDbEllipse({0, 0, 0}, ZcGeVector3d::kZAxis, {2, 0, 0}, 1.0, 0, M_PI));
  EXPECT_NEAR(2 * M_PI, calc.GetLength(half), 1e-6) << "an elliptical arc is its own arc";
  ZcDbObjectId square = AddBulgePolyline({{{0, 0}, 0}, {{10, 0}, 0}, {{10, 10}, 0}, {{0, 10}, 0}}, true);
  EXPECT_NEAR(40.0, calc.GetLength(square), 1e-9);
  EXPECT_EQ(0.0, calc.GetLength(AddMText({0, 0, 0})));
  ZcDbObjectId gone = AddLine({0, 0, 0}, {5, 0, 0});
  Erase(gone);
  EXPECT_EQ(0.0, calc.GetLength(gone));
  ZcDbObjectIdArray ids;
  ids.append(square);
  ids.append(AddLine({0, 0, 0}, {3, 4, 0}));
  ids.append(gone);
  EXPECT_NEAR(45.0, calc.GetTotalLength(ids), 1e-9);
}

}  // namespace
