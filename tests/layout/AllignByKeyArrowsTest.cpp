// The arrow keys on the drawing view: the selected pieces move and stay selected; keys
// with no piece selected, during a command or without the document lock are left alone.
#include "layout/AllignByKeyArrows.h"

#include "LayoutFixture.h"
#include "ed/zced.h"
#include "framework/Selections.h"
#include "headless/Database.h"
#include "headless/Windows.h"

#include <stdexcept>

namespace {

// A piece reference that, while it is being moved, presses a key itself (as a key typed
// during a long move reaches the filter) or fails with an exception.
class ReenteringReference : public ZcDbBlockReference {
public:
  using ZcDbBlockReference::ZcDbBlockReference;
  Zcad::ErrorStatus transformBy(const ZcGeMatrix3d& m) override {
    if (throwNext) {
      throwNext = false;
      throw std::runtime_error("failing move");
    }
    if (pressDuringMove && !pressed) {
      pressed = true;
      // The key would act on another piece, one that is not open now.
      ZcDbObjectIdArray other;
      other.append(nestedSelection);
      SetPickFirst(other);
      nestedTaken = headless::PressKey(VK_RIGHT);
    }
    return ZcDbBlockReference::transformBy(m);
  }
  static inline bool pressDuringMove = false;
  static inline bool pressed = false;
  static inline bool nestedTaken = false;
  static inline bool throwNext = false;
  static inline ZcDbObjectId nestedSelection;
};

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

TEST_F(ArrowKeys, AKeyDuringAMoveIsSwallowedAndAFailedMoveLeavesTheFilterWorking) {
  auto* reference = new ReenteringReference(ZcGePoint3d(400, 100, 0), PieceBlock(L"m|B|S|S|B", {Rectangle(50, 50)}));
  ZcDbObjectId piece = Add(reference);
  ZcDbObjectIdArray ids;
  ids.append(piece);
  SetPickFirst(ids);
  const ZcGePoint3d start = Box(piece).minPoint();
  const ZcGePoint3d firstStart = Corner();
  // A key arriving while the left move runs is taken but moves nothing: the other piece
  // stays where it was, and the moving one stops against it.
  ReenteringReference::nestedSelection = piece_;
  ReenteringReference::pressDuringMove = true;
  ReenteringReference::pressed = false;
  EXPECT_TRUE(headless::PressKey(VK_LEFT));
  ReenteringReference::pressDuringMove = false;
  EXPECT_TRUE(ReenteringReference::pressed);
  EXPECT_TRUE(ReenteringReference::nestedTaken);
  EXPECT_EQ(firstStart, Corner());
  EXPECT_LT(Box(piece).maxPoint().x, start.x);
  EXPECT_GE(Box(piece).minPoint().x, Box(piece_).maxPoint().x);
  ZcDbObjectIdArray kept = SelectPickFirst();
  ASSERT_EQ(1, kept.length());
  EXPECT_EQ(piece, kept[0]);
  EXPECT_EQ(0, headless::OpenObjectCount());
  // A move that fails with an exception part-way through the selection puts back what
  // moved, leaves the host's loop alone, holds no lock and no open object, and the next
  // key moves again.
  ids.insertAt(0, piece_);
  SetPickFirst(ids);
  const ZcGePoint3d before = Box(piece).minPoint();
  const ZcGePoint3d otherBefore = Corner();
  ReenteringReference::throwNext = true;
  EXPECT_FALSE(headless::PressKey(VK_UP));
  EXPECT_EQ(0, headless::DocumentLocksHeld());
  EXPECT_EQ(0, headless::OpenObjectCount());
  EXPECT_EQ(before, Box(piece).minPoint());
  EXPECT_EQ(otherBefore, Corner());
  EXPECT_TRUE(headless::PressKey(VK_UP));
  EXPECT_GT(Box(piece).minPoint().y, before.y);
  EXPECT_GT(Corner().y, otherBefore.y);
}

}  // namespace
