// Placing pieces: by calculation along the bottom row, 0.01 apart and above the border's
// edge, refused (and nothing left behind) when a piece would not fit; by the user with the
// host's move, nothing left when cancelled.
#include "layout/Layout_draw_form.h"

#include "LayoutFixture.h"
#include "layout/LayoutDrawerInsertCalc.h"
#include "layout/LayoutDrawing.h"

namespace {

class Placement : public LayoutTest {
protected:
  static constexpr double kPi = 3.141592653589793;

  /// A piece block: a w × h rectangle, or nothing at all.
  void Piece(const wchar_t* name, double w, double h, bool withOutline = true) {
    if (withOutline) PieceBlock(name, {Rectangle(w, h)});
    else PieceBlock(name, {}, false);
  }
  /// References in model space.
  int References() {
    int n = 0;
    for (ZcDbObjectId id : ModelSpace()) n += dynamic_cast<ZcDbBlockReference*>(Read<ZcDbEntity>(id)) != nullptr;
    return n;
  }
  double ClosingLineX() {
    ZcDbObjectId line = FindTaggedPolyline(kEndLineTag);
    return line.isValid() ? Box(line).minPoint().x : -1.0;
  }
};

TEST_F(Placement, PiecesLineUpAlongTheBottomEdgeTurnedByTheirBoxes) {
  Border(150, 1000);
  Piece(L"m|A|38|S|B", 100, 50);
  Layout_draw_form_ByCalc first(L"m|A|38|S|B", 0.0);
  ASSERT_EQ(0, first.Draw());
  ZcDbExtents a = Box(first.GetId());
  EXPECT_NEAR(0.01, a.minPoint().x, 1e-9);
  EXPECT_NEAR(0.01, a.minPoint().y, 1e-9);
  EXPECT_NEAR(100.01, a.maxPoint().x, 1e-9);
  EXPECT_NEAR(100.11, ClosingLineX(), 1e-9);
  EXPECT_EQ(0.0, Read<ZcDbBlockReference>(first.GetId())->position().z) << "the piece lies in the border's plane";

  Layout_draw_form_ByCalc second(L"m|A|38|S|B", 90.0);
  ASSERT_EQ(0, second.Draw());
  ZcDbExtents b = Box(second.GetId());
  EXPECT_NEAR(100.02, b.minPoint().x, 1e-9);
  EXPECT_NEAR(0.01, b.minPoint().y, 1e-9);
  EXPECT_NEAR(150.02, b.maxPoint().x, 1e-9) << "turned, the piece is 50 wide";
  EXPECT_NEAR(kPi / 2, Read<ZcDbBlockReference>(second.GetId())->rotation(), 1e-12);
  EXPECT_EQ(2, References()) << "no temporary reference is left";
}

TEST_F(Placement, APieceThatWouldNotFitInsideTheBorderIsRefusedAndLeavesNothing) {
  Border(150, 450);
  Piece(L"m|A|38|S|B", 100, 50);
  int placed = 0, status = 0;
  while ((status = Layout_draw_form_ByCalc(L"m|A|38|S|B", 0.0).Draw()) == 0 && placed < 10) ++placed;
  EXPECT_EQ(7, status);
  EXPECT_EQ(4, placed);
  EXPECT_EQ(4, References());
  ZcDbExtents all;
  for (ZcDbObjectId id : ModelSpace())
    if (dynamic_cast<ZcDbBlockReference*>(Read<ZcDbEntity>(id))) all.addExt(Box(id));
  EXPECT_LE(all.maxPoint().x, 450.0);

  Piece(L"m|Tall|38|S|B", 20, 200);
  EXPECT_EQ(7, Layout_draw_form_ByCalc(L"m|Tall|38|S|B", 0.0).Draw());
  EXPECT_EQ(4, References());
}

TEST_F(Placement, MissingBorderBlockNameOrOutlineGiveTheirStatuses) {
  Piece(L"m|A|38|S|B", 100, 50);
  EXPECT_EQ(374, Layout_draw_form_ByCalc(L"m|A|38|S|B", 0.0).Draw()) << "no border";
  Border(150, 1000);
  EXPECT_EQ(47, Layout_draw_form_ByCalc(L"", 0.0).Draw());
  EXPECT_EQ(379, Layout_draw_form_ByCalc(L"m|None|38|S|B", 0.0).Draw());
  Piece(L"m|Empty|38|S|B", 0, 0, false);
  EXPECT_EQ(2, Layout_draw_form_ByCalc(L"m|Empty|38|S|B", 0.0).Draw()) << "a piece without a box cannot be placed";
  EXPECT_EQ(4, Layout_draw_form(L"m|A|38|S|B", 0.0).Draw());
  EXPECT_EQ(0, References());
  EXPECT_EQ(374, InsertCalcStatus(8));
  EXPECT_EQ(374, InsertCalcStatus(-1));
  EXPECT_EQ(1, InsertCalcStatus(7));
}

TEST_F(Placement, TheUserPlacesAPieceWithTheMoveAndACancelLeavesNone) {
  Border(150, 1000);
  Piece(L"m|A|38|S|B", 100, 50);
  RunInsideCommand([&] {
    Layout_draw_form_ByUser cancelled(L"m|A|38|S|B", 0.0);
    headless::PushInput(L"@cancel");
    EXPECT_EQ(3, cancelled.Draw());
    EXPECT_EQ(0, References());
    Layout_draw_form_ByUser placed(L"m|A|38|S|B", 0.0);
    headless::PushInput(L"200,40");
    ASSERT_EQ(0, placed.Draw());
    EXPECT_NEAR(200.0, Read<ZcDbBlockReference>(placed.GetId())->position().x, 1e-9);
    EXPECT_NEAR(40.0, Read<ZcDbBlockReference>(placed.GetId())->position().y, 1e-9);
  });
  EXPECT_EQ(1, References());
  EXPECT_NE(0, Layout_draw_form_ByUser(L"m|None|38|S|B", 0.0).Draw());
}

}  // namespace
