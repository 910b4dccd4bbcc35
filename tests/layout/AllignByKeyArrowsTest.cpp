// The arrow keys on the drawing view: the selected pieces move and stay selected; keys
// with no piece selected, during a command or without the document lock are left alone.
#include "layout/AllignByKeyArrows.h"

#include "LayoutFixture.h"
#include "ed/zced.h"
#include "framework/Selections.h"
#include "headless/Windows.h"

namespace {

class ArrowKeys : public LayoutTest {
protected:
  void SetUp() override {
    LayoutTest::SetUp();
    ASSERT_TRUE(zcedRegisterFilterWinMsg(AllignByKeyArrowsFilter));
    Border(300, 1000);
    piece_ = Place(PieceBlock(L"m|A|S|S|B", {Rectangle(50, 50)}), {100, 100, 0});
    ZcDbObjectIdArray ids;
    ids.append(piece_);
    SetPickFirst(ids);
  }
  void TearDown() override {
    zcedRemoveFilterWinMsg(AllignByKeyArrowsFilter);
    headless::FailDocumentLock(0);
    EXPECT_EQ(0, headless::DocumentLocksHeld());
    LayoutTest::TearDown();
  }
  ZcGePoint3d Corner() { return Box(piece_).minPoint(); }

  ZcDbObjectId piece_;
};

TEST_F(ArrowKeys, AKeyMovesTheSelectedPieceKeepsItSelectedAndMovesTheClosingLine) {
  EXPECT_TRUE(headless::PressKey(VK_LEFT));
  EXPECT_GE(Corner().x, 0.0);
  EXPECT_LT(Corner().x, 0.625 + 1e-12);
  ZcDbObjectIdArray still = SelectPickFirst();
  ASSERT_EQ(1, still.length());
  EXPECT_EQ(piece_, still[0]);
  EXPECT_TRUE(headless::PressKey(VK_DOWN));
  EXPECT_LT(Corner().y, 0.625 + 1e-12);
  EXPECT_TRUE(headless::PressKey(VK_RIGHT));
  EXPECT_EQ(1000.0, Box(piece_).maxPoint().x);
  EXPECT_NEAR(1000.1, Box(FindTaggedPolyline(L"EndLine")).minPoint().x, 1e-9);
  EXPECT_TRUE(headless::PressKey(VK_UP));
  EXPECT_GT(Box(piece_).maxPoint().y, 300 - 0.625);
}

TEST_F(ArrowKeys, KeysAreLeftToTheHostWithoutAPieceDuringACommandOrWithoutTheLock) {
  const ZcGePoint3d start = Corner();
  // Not an arrow.
  MSG other{};
  other.message = WM_KEYDOWN;
  other.wParam = 0x24;  // Home
  EXPECT_FALSE(AllignByKeyArrowsFilter(&other));
  EXPECT_FALSE(AllignByKeyArrowsFilter(nullptr));
  // The lock refused.
  headless::FailDocumentLock(1);
  EXPECT_FALSE(headless::PressKey(VK_LEFT));
  EXPECT_EQ(start, Corner());
  // While a command runs.
  bool taken = true;
  RunInsideCommand([&] { taken = headless::PressKey(VK_LEFT); });
  EXPECT_FALSE(taken);
  EXPECT_EQ(start, Corner());
  // A selection of something that is no piece.
  ZcDbObjectIdArray line;
  line.append(AddLine({500, 10, 0}, {510, 10, 0}));
  SetPickFirst(line);
  EXPECT_FALSE(headless::PressKey(VK_LEFT));
  // No selection at all.
  SetPickFirst(ZcDbObjectIdArray());
  EXPECT_FALSE(headless::PressKey(VK_LEFT));
  EXPECT_EQ(start, Corner());
  EXPECT_EQ(10.0, Box(line[0]).minPoint().y);
}

}  // namespace
