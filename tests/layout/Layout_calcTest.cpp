// The layout measures against answers worked out here: tight boxes of turned pieces (arcs
// and a Bézier side solved exactly), region areas by formula and by a fine polygon, the
// closing line after them; and the cases with no border, pieces left of it, no region.
#include "layout/Layout_calc.h"

#include <cmath>

#include "LayoutFixture.h"
#include "db/ZcDbArc.h"
#include "layout/Layout_draw_closingLine.h"

namespace {

const double kPi = 3.141592653589793;

struct Bezier {
  ZcGePoint3d p[4];
  ZcGePoint3d At(double t) const {
    double s = 1 - t, b[4] = {s * s * s, 3 * s * s * t, 3 * s * t * t, t * t * t};
    ZcGePoint3d q(0, 0, 0);
    for (int i = 0; i < 4; ++i) q += b[i] * p[i].asVector();
    return q;
  }
};
// The spline side of the third piece: from (120,40) to (0,40), bulging up then down.
const Bezier kSide{{{120, 40, 0}, {80, 90, 0}, {40, 10, 0}, {0, 40, 0}}};

double TurnedX(const ZcGePoint3d& p, double degrees) {
  double a = degrees * kPi / 180;
  return p.x * std::cos(a) - p.y * std::sin(a);
}

/// The largest X of the Bézier turned by `degrees`: a cubic in t, its extremes at the
/// roots of the quadratic derivative or at the ends.
double BezierMaxX(const Bezier& b, double degrees) {
  double x[4];
  for (int i = 0; i < 4; ++i) x[i] = TurnedX(b.p[i], degrees);
  // x'(t)/3 = A t² + B t + C
  double A = -x[0] + 3 * x[1] - 3 * x[2] + x[3], B = 2 * (x[0] - 2 * x[1] + x[2]), C = x[1] - x[0];
  auto value = [&](double t) { return TurnedX(b.At(t), degrees); };
  double best = std::max(value(0), value(1));
  double d = B * B - 4 * A * C;
  if (std::fabs(A) < 1e-15) {
    if (std::fabs(B) > 1e-15 && -C / B > 0 && -C / B < 1) best = std::max(best, value(-C / B));
  } else if (d >= 0) {
    for (double t : {(-B + std::sqrt(d)) / (2 * A), (-B - std::sqrt(d)) / (2 * A)})
      if (t > 0 && t < 1) best = std::max(best, value(t));
  }
  return best;
}

/// The area of the spline piece: the Bézier side sampled at 10^5 points closed by the
/// three straight sides (shoelace).
double SplinePieceArea() {
  const int n = 100000;
  std::vector<ZcGePoint3d> ring{{0, 0, 0}, {120, 0, 0}};
  for (int i = 0; i <= n; ++i) ring.push_back(kSide.At(double(i) / n));
  double twice = 0;
  for (std::size_t i = 0; i < ring.size(); ++i) {
    const ZcGePoint3d &a = ring[i], &b = ring[(i + 1) % ring.size()];
    twice += a.x * b.y - b.x * a.y;
  }
  return std::fabs(twice) / 2;
}

class Measures : public LayoutTest {
protected:
  ZcDbObjectId RectangleBlock(const wchar_t* name = L"m|Prostokąt|S|S|B") { return PieceBlock(name, {Rectangle(100, 50)}); }
  /// An 80 × 60 rectangle with a half disc of radius 30 on its right side, of lines and an
  /// arc.
  ZcDbObjectId HalfDiscBlock() {
    return PieceBlock(L"m|Łuk|S|S|B", {new ZcDbLine({0, 0, 0}, {80, 0, 0}), new ZcDbArc({80, 30, 0}, 30, -kPi / 2, kPi / 2),
                                        new ZcDbLine({80, 60, 0}, {0, 60, 0}), new ZcDbLine({0, 60, 0}, {0, 0, 0})});
  }
  ZcDbObjectId SplineBlock() {
    auto* side = new ZcDbSpline;
    ZcGePoint3dArray controls;
    for (const ZcGePoint3d& p : kSide.p) controls.append(p);
    ZcGeDoubleArray knots, weights;
    for (double k : {0, 0, 0, 0, 1, 1, 1, 1}) knots.append(k);
    EXPECT_EQ(Zcad::eOk, side->setNurbsData(3, false, false, false, controls, knots, weights));
    return PieceBlock(L"m|Spline|S|S|B", {new ZcDbLine({0, 0, 0}, {120, 0, 0}), new ZcDbLine({120, 0, 0}, {120, 40, 0}),
                                          side, new ZcDbLine({0, 40, 0}, {0, 0, 0})});
  }
  double ClosingLineX() {
    ZcDbCurve* line = nullptr;
    EXPECT_EQ(Zcad::eOk, zcdbOpenObject(line, FindTaggedPolyline(L"EndLine"), ZcDb::kForRead));
    ZcGePoint3d start;
    line->getStartPoint(start);
    line->close();
    return start.x;
  }
};

// The half-disc piece turned by θ at p: the largest X of its corners and of its arc.
double HalfDiscMaxX(const ZcGePoint3d& at, double degrees) {
  double best = -1e300;
  for (ZcGePoint3d c : {ZcGePoint3d(0, 0, 0), ZcGePoint3d(80, 0, 0), ZcGePoint3d(80, 60, 0), ZcGePoint3d(0, 60, 0)})
    best = std::max(best, TurnedX(c, degrees));
  // The arc spans θ-90 .. θ+90 around its turned centre: it reaches centre + r when that
  // span holds the direction 0.
  double from = std::fmod(degrees - 90 + 720, 360), to = from + 180;
  if (from <= 0 || to >= 360) best = std::max(best, TurnedX({80, 30, 0}, degrees) + 30);
  return at.x + best;
}

TEST_F(Measures, UsedLengthEfficiencyAndClosingLineOfTurnedPiecesWithArcsAndSplines) {
  for (double degrees : {0.0, 90.0, 37.0}) {
    db_ = headless::NewDrawing();
    Border(300, 2000);
    Place(RectangleBlock(), {10, 10, 0});
    ZcGePoint3d arcAt(300, 100, 0), splineAt(600, 150, 0);
    Place(HalfDiscBlock(), arcAt, degrees);
    Place(SplineBlock(), splineAt, degrees);

    double splineMaxX = std::max({BezierMaxX(kSide, degrees), TurnedX({0, 0, 0}, degrees), TurnedX({120, 0, 0}, degrees)});
    double used = std::max(HalfDiscMaxX(arcAt, degrees), splineAt.x + splineMaxX);
    used = std::max(used, 110.0);
    double area = 100 * 50 + 80 * 60 + kPi * 30 * 30 / 2 + SplinePieceArea();
    EXPECT_NEAR(used, Layout_calc_Length().Calculate(), 1e-7) << degrees;
    EXPECT_NEAR(area / (300 * used), Layout_calc_Efficiency().Calculate(), 1e-7 * area / (300 * used)) << degrees;
    EXPECT_EQ(300.0, Layout_calc_Width().Calculate());
    EXPECT_EQ(3.0, layout_calc_ItemsCounter().Calculate());
    EXPECT_DOUBLE_EQ(used * 300, Layout_drawer(Layout(300, 2000)).GetArea());

    EXPECT_EQ(0, Layout_draw_closingLine().Draw());
    EXPECT_NEAR(used + 0.1, ClosingLineX(), 1e-7) << degrees;
    // Placed again, the line is moved, not drawn twice.
    EXPECT_EQ(0, Layout_draw_closingLine().Draw());
    EXPECT_NEAR(used + 0.1, ClosingLineX(), 1e-7);
  }
}

TEST_F(Measures, RegionAreasAreExactForArcsAndAgreeWithAFinePolygonForSplines) {
  Border(300, 2000);
  ZcDbObjectId arc = HalfDiscBlock(), spline = SplineBlock();
  EXPECT_NEAR(80 * 60 + kPi * 450, GetPieceBlockArea(arc), 1e-9);
  EXPECT_NEAR(SplinePieceArea(), GetPieceBlockArea(spline), 1e-6 * SplinePieceArea());
  // A turned, placed piece keeps its area; a block without a region adds nothing.
  Place(arc, {100, 100, 0}, 37);
  Place(PieceBlock(L"m|Bez|S|S|B", {Rectangle(10, 10)}, false), {400, 0, 0});
  EXPECT_NEAR(80 * 60 + kPi * 450, Layout_calc_Efficiency().TotalPieceArea(), 1e-9);
}

TEST_F(Measures, EveryMeasureIsZeroWithoutABorderOrWithPiecesLeftOfIt) {
  Place(RectangleBlock(), {10, 10, 0});
  EXPECT_EQ(0.0, Layout_calc_Width().Calculate());
  EXPECT_EQ(0.0, Layout_calc_Length().Calculate());
  EXPECT_EQ(0.0, Layout_calc_Efficiency().Calculate());
  EXPECT_EQ(0.0, Layout_calc_EfficiencyPerPiece().Calculate());
  EXPECT_EQ(16, Layout_draw_closingLine().Draw());
  EXPECT_TRUE(FindTaggedPolyline(L"EndLine").isNull());
  Layout measured(7, 8);
  EXPECT_EQ(16, measured.MeasureBorder());
  EXPECT_EQ(7.0, measured.GetWidth());

  db_ = headless::NewDrawing();
  Border(300, 2000);
  Place(RectangleBlock(), {-500, 10, 0});
  EXPECT_EQ(0.0, Layout_calc_Length().Calculate());
  EXPECT_EQ(0.0, Layout_calc_Efficiency().Calculate());
  EXPECT_EQ(0.0, Layout_calc_EfficiencyPerPiece().Calculate());
  // With nothing used, the line is made at the border's left edge and stays there.
  EXPECT_EQ(0, Layout_draw_closingLine().Draw());
  EXPECT_EQ(0.0, ClosingLineX());
}

TEST_F(Measures, GarmentsCountPairsOfMirroredSidesAsOne) {
  Border(300, 2000);
  ZcDbObjectId left = PieceBlock(L"m|Rękaw|38|L|B", {Rectangle(100, 50)});
  ZcDbObjectId right = PieceBlock(L"m|Rękaw|38|R|B", {Rectangle(100, 50)});
  Place(left, {0, 0, 0});
  Place(left, {0, 60, 0});
  Place(right, {0, 120, 0});
  ZcDbObjectId last = Place(right, {0, 180, 0});
  Layout_calc_EfficiencyPerPiece pairs;
  EXPECT_EQ(2, pairs.CountGarments());
  EXPECT_DOUBLE_EQ(50.0, pairs.Calculate());
  Erase(last);
  Place(PieceBlock(L"m|Rękaw|38|S|B", {Rectangle(100, 50)}), {0, 180, 0});
  EXPECT_EQ(4, Layout_calc_EfficiencyPerPiece().CountGarments());
  EXPECT_DOUBLE_EQ(25.0, Layout_calc_EfficiencyPerPiece().Calculate());
}

TEST_F(Measures, TheBorderIsDrawnTaggedAtTheOriginAndTooSmallOrEndlessSizesAreRefused) {
  EXPECT_EQ(3, Layout_drawer(Layout(0.00005, 100)).Draw());
  EXPECT_EQ(3, Layout_drawer(Layout(100, std::nan(""))).Draw());
  EXPECT_EQ(3, Layout_drawer(Layout(HUGE_VAL, 100)).Draw());
  EXPECT_TRUE(ModelSpace().empty());
  EXPECT_EQ(0, Layout_drawer(Layout(0.0001, 100)).Draw());
  db_ = headless::NewDrawing();
  Border(150, 1000);
  ZcDbObjectId border = FindTaggedPolyline(L"layout");
  ASSERT_FALSE(border.isNull());
  ZcDbExtents box = Box(border);
  EXPECT_EQ(ZcGePoint3d(0, 0, 0), box.minPoint());
  EXPECT_EQ(ZcGePoint3d(1000, 150, 0), box.maxPoint());
  Layout measured(0, 0);
  EXPECT_EQ(0, measured.MeasureBorder());
  EXPECT_EQ(150.0, measured.GetWidth());
  EXPECT_EQ(1000.0, measured.GetLength());
}

}  // namespace
