// Interactive moves and rotations driven through the host's commands, the settings they
// put back, database transforms, handles and curves turned into polylines.
#include "framework/Transforms.h"

#include "DrawingFixture.h"
#include "db/ZcDbSpline.h"
#include "framework/CommandSequences.h"
#include "framework/ResBuf.h"

namespace {

class Transforms : public DrawingTest {
protected:
  static ZcGePoint3d UcsOrigin() {
    resbuf rb{};
    zcedGetVar(L"UCSORG", &rb);
    return {rb.resval.rpoint[0], rb.resval.rpoint[1], rb.resval.rpoint[2]};
  }
  static void SetUcsOrigin(const ZcGePoint3d& p) { ActiveUCS().SetOrigin(p); }
};

TEST_F(Transforms, MoveToTheBasePointIsABreakAndPutsTheUcsAndItsIconBack) {
  ZcDbObjectId line = AddLine({10, 10, 0}, {20, 10, 0});
  SetUcsOrigin({3, 4, 0});
  int result = -1;
  std::vector<int> iconDuringRun;
  headless::SetPromptObserver([&] { iconDuringRun.push_back(GetShort(L"UCSICON")); });
  RunInsideCommand([&] {
    Move move;
    move.m_basePoint.set(10, 10, 0);
    move.m_ids.append(line);
    headless::PushInput(L"0,0");  // the base point itself: the UCS origin is there now
    result = move.Run();
  });
  EXPECT_EQ(180, result);
  EXPECT_EQ(std::vector<int>{0}, iconDuringRun);
  EXPECT_EQ(3, GetShort(L"UCSICON"));
  EXPECT_TRUE(UcsOrigin().isEqualTo({3, 4, 0}));
  EXPECT_TRUE(Read<ZcDbLine>(line)->startPoint().isEqualTo({10, 10, 0}));
}

TEST_F(Transforms, MoveTakesTheUsersSecondPointRelativeToTheBasePoint) {
  ZcDbObjectId line = AddLine({10, 10, 0}, {20, 10, 0});
  int result = -1;
  ZcGePoint3d last;
  RunInsideCommand([&] {
    Move move;
    move.m_basePoint.set(10, 10, 0);
    move.m_ids.append(line);
    headless::PushInput(L"5,0");
    result = move.Run();
    last = move.GetLastPoint();
  });
  EXPECT_EQ(0, result);
  EXPECT_TRUE(last.isEqualTo({15, 10, 0}));
  EXPECT_TRUE(Read<ZcDbLine>(line)->startPoint().isEqualTo({15, 10, 0}));
  EXPECT_TRUE(UcsOrigin().isEqualTo({0, 0, 0}));
}

TEST_F(Transforms, MoveCancelledByTheUserIsABreakAndMovesNothing) {
  ZcDbObjectId line = AddLine({10, 10, 0}, {20, 10, 0});
  Position_MoveSelector selector;
  selector.m_ids.append(line);
  selector.m_move.m_basePoint.set(10, 10, 0);
  int result = -1;
  RunInsideCommand([&] { result = selector.select(); });
  EXPECT_EQ(180, result);
  EXPECT_TRUE(Read<ZcDbLine>(line)->startPoint().isEqualTo({10, 10, 0}));
}

TEST_F(Transforms, RotationWithAnEmptySelectionIs130AndAskIsNotMade) {
  Rotation_UserSelector rotation;
  headless::PushInput(L"90");
  EXPECT_EQ(130, rotation.select());
  EXPECT_EQ(1u, headless::PendingInput());
}

TEST_F(Transforms, RotationFromAReferenceVectorHoldsPickStyleAtZero) {
  ZcDbObjectId line = AddLine({1, 0, 0}, {2, 0, 0});
  Rotation_UserSelector rotation;
  rotation.m_ids.append(line);
  rotation.m_reference.set(0, 1, 0);  // from straight up...
  int pickStyle = -1, result = -1;
  headless::SetPromptObserver([&] { pickStyle = GetShort(L"PICKSTYLE"); });
  headless::PushInput(L"180");  // ...to straight left: a quarter turn
  RunInsideCommand([&] { result = rotation.select(); });
  EXPECT_EQ(0, result);
  EXPECT_EQ(0, pickStyle);
  EXPECT_EQ(1, GetShort(L"PICKSTYLE"));
  EXPECT_TRUE(Read<ZcDbLine>(line)->startPoint().isEqualTo({0, 1, 0}));
  headless::PushInput(L"@cancel");
  RunInsideCommand([&] { result = rotation.select(); });
  EXPECT_EQ(4, result);
}

TEST_F(Transforms, DbMoveMovesAnMTextOnlyByTheTranslationAndNotesOtherOwners) {
  ZcDbObjectId t = AddMText({1, 1, 0});
  ZcDbObjectId line = AddLine({1, 0, 0}, {2, 0, 0});
  ZcDbObjectIdArray ids;
  ids.append(t).append(line);
  DbMove move(ids);
  EXPECT_EQ(0, move.Transform(ZcGeMatrix3d::rotation(M_PI, ZcGeVector3d::kZAxis, {0, 0, 0})));
  EXPECT_TRUE(Read<ZcDbMText>(t)->location().isEqualTo({1, 1, 0}));
  EXPECT_TRUE(Read<ZcDbLine>(line)->startPoint().isEqualTo({-1, 0, 0}));
  EXPECT_EQ(1, move.m_allInModelSpace);
  EXPECT_EQ(0, move.MoveFromTo({0, 0, 0}, {0, 5, 0}));
  EXPECT_TRUE(Read<ZcDbMText>(t)->location().isEqualTo({1, 6, 0}));
}

TEST_F(Transforms, MoveIdsBuildsTheCommandWithoutRunningIt) {
  ResBuf list;
  EXPECT_EQ(600, MoveIds(ZcDbObjectIdArray(), {0, 0, 0}, list));
  EXPECT_EQ(nullptr, list.Head());
  ZcDbObjectId line = AddLine({1, 0, 0}, {2, 0, 0});
  EXPECT_EQ(0, AppendMoveCommandForId(line, {1, 0, 0}, list));
  int items = 0;
  for (const resbuf* rb = list.Head(); rb; rb = rb->rbnext) ++items;
  EXPECT_EQ(5, items);
  EXPECT_TRUE(Read<ZcDbLine>(line)->startPoint().isEqualTo({1, 0, 0}));
}

TEST_F(Transforms, HandleTextIsUpperCaseHexAndEmptyForANullId) {
  ZcDbObjectId line = AddLine({1, 0, 0}, {2, 0, 0});
  wchar_t expected[17];
  line.handle().getIntoAsciiBuffer(expected);
  EXPECT_EQ(CString(expected), ObjectId(line).GetHandleText());
  EXPECT_TRUE(ObjectId().GetHandleText().IsEmpty());
}

TEST_F(Transforms, WithoutAnExactCopierCurvesAreDividedInUnitSteps) {
  SetCurvePolylineCopier(nullptr);
  ZcDbObjectId arc = AddArc({0, 0, 0}, 5.0, 0.0, M_PI);  // 15.71 long: 0, 1, ..., 15 and the end
  ZcDbObjectId pl;
  ASSERT_EQ(0, ConvertCurveToPolyline(pl, arc));
  auto* divided = Read<ZcDbPolyline>(pl);
  ASSERT_EQ(17u, divided->numVerts());
  ZcGePoint3d last;
  divided->getPointAt(16, last);
  EXPECT_TRUE(last.isEqualTo(ZcGePoint3d(-5, 0, 0)));
  ZcDbObjectId tiny = AddLine({0, 0, 0}, {0.5, 0, 0});
  EXPECT_EQ(Zcad::eInvalidInput, ConvertCurveToPolyline(pl, tiny));  // shorter than the step
}

}  // namespace

TEST_F(Transforms, TheUcsOriginBelongsToTheDrawing) {
  ZcGePoint3d origin;
  ASSERT_EQ(0, ActiveUCS().GetOrigin(origin));
  EXPECT_TRUE(origin.isEqualTo(ZcGePoint3d::kOrigin));  // a new drawing starts at the world
  SetUcsOrigin({3, 4, 0});
  ZcDbDatabase* drawing = zcdbHostApplicationServices()->workingDatabase();
  EXPECT_TRUE(drawing->ucsorg().isEqualTo({3, 4, 0}));
  ASSERT_EQ(0, ActiveUCS().GetOrigin(origin));
  EXPECT_TRUE(origin.isEqualTo({3, 4, 0}));
  EXPECT_TRUE(UcsOrigin().isEqualTo({3, 4, 0}));

  ZcDbDatabase reread;  // the origin is saved with the drawing
  ASSERT_EQ(Zcad::eOk, reread.readDxfText(drawing->dxfText()));
  EXPECT_TRUE(reread.ucsorg().isEqualTo({3, 4, 0}));
}
