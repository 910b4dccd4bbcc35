#include "construction/Fastrelle_Miarka.h"

#include "DragFixture.h"
#include "construction/Fastrelle_Picket.h"

namespace {

class Tape : public DragTest {
protected:
  void SetUp() override {
    DragTest::SetUp();
    line_ = AddLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(100, 0, 0));
  }
  /// Runs a tape from the start point `start` over the drag lines; its result.
  int RunTape(Fastrelle_Miarka& tape, const std::wstring& start, const std::vector<std::wstring>& drag) {
    tape.Attach(&seen_);
    headless::PushInput(start);
    if (int r = tape.PickStart()) return r;
    headless::PushInputs(drag);
    return tape.Run();
  }
  const RecordingObserver::Seen& Last() { return seen_.seen.back(); }
  RecordingObserver seen_;
  ZcDbObjectId line_;
};

TEST_F(Tape, ATypedLengthRunsAlongTheCurveTowardsTheCursor) {
  Fastrelle_Miarka tape;
  EXPECT_EQ(0, RunTape(tape, L"0,0", {L"@move 60,3", L"@text 12,5"}));
  EXPECT_EQ(line_, tape.GetBaseCurveId());
  EXPECT_TRUE(tape.EndPoint().isEqualTo(ZcGePoint3d(12.5, 0, 0)));
  EXPECT_NEAR(12.5, tape.GetLength(), 1e-9);
  EXPECT_NEAR(60.0, seen_.seen.front().length, 1e-9);  // the snapped end at (60,0)
  EXPECT_TRUE(seen_.seen.front().end.isEqualTo(ZcGePoint3d(60, 0, 0)));
  // From a start in the middle, towards a cursor on the start's left; "0.5" after a "0"
  // still knows its direction.
  Fastrelle_Miarka back;
  EXPECT_EQ(0, RunTape(back, L"50,0", {L"@move 20,2", L"@text 0.5"}));
  EXPECT_TRUE(back.EndPoint().isEqualTo(ZcGePoint3d(49.5, 0, 0)));
}

TEST_F(Tape, TextThatIsNoNumberAndKeysAfterTheFirstLeaveTheEndWhereTheCursorPutIt) {
  Fastrelle_Miarka tape;
  EXPECT_EQ(0, RunTape(tape, L"0,0", {L"@move 60,3", L"@key Backspace", L"@move 80,3", L"@text a5"}));
  EXPECT_TRUE(tape.EndPoint().isEqualTo(ZcGePoint3d(60, 0, 0)));
  EXPECT_NEAR(60.0, tape.GetLength(), 1e-9);
}

TEST_F(Tape, TheNormalTurnsToTheSideOfTheCursor) {
  Fastrelle_Miarka tape;
  EXPECT_EQ(0, RunTape(tape, L"0,0", {L"@move 60,3", L"@move 60,-3", L""}));
  ASSERT_EQ(2u, seen_.seen.size());
  EXPECT_TRUE(seen_.seen[0].normal.isEqualTo(ZcGeVector3d(0, 1, 0)));
  EXPECT_TRUE(seen_.seen[1].normal.isEqualTo(ZcGeVector3d(0, -1, 0)));
  // Along an arc too: outside and inside of a quarter circle of radius 50 about (0,100).
  AddArc(ZcGePoint3d(0, 100, 0), 50, 0.0, 1.5707963267948966);
  Fastrelle_Miarka arc;
  EXPECT_EQ(0, RunTape(arc, L"50,100", {L"@move 37.5,137.5", L"@move 34,134", L""}));
  ZcGeVector3d out = seen_.seen[2].normal, in = seen_.seen[3].normal;
  EXPECT_GT(out.dotProduct(ZcGeVector3d(1, 1, 0)), 0.0);
  EXPECT_LT(in.dotProduct(ZcGeVector3d(1, 1, 0)), 0.0);
}

TEST_F(Tape, WithNoCurveNearTheTapeIsStraightAndALengthBeforeAnyMotionChangesNothing) {
  Fastrelle_Miarka tape;
  EXPECT_EQ(0, RunTape(tape, L"0,100", {L"@text 7"}));
  EXPECT_TRUE(tape.EndPoint().isEqualTo(ZcGePoint3d(0, 100, 0)));
  EXPECT_TRUE(tape.GetBaseCurveId().isNull());
  Fastrelle_Miarka straight;
  EXPECT_EQ(0, RunTape(straight, L"0,100", {L"@move 30,140", L""}));
  EXPECT_NEAR(50.0, straight.GetLength(), 1e-9);
  EXPECT_NEAR(0.0, Last().normal.dotProduct(ZcGeVector3d(30, 40, 0)), 1e-9);
  EXPECT_TRUE(straight.GetBaseCurveId().isNull());
}

TEST_F(Tape, APickFinishesAPicketAtThePickWithTheNextLineUnread) {
  Fastrelle_Picket picket;
  EXPECT_EQ(0, RunTape(picket, L"0,0", {L"@move 60,3", L"@pick 30,0", L"@cancel"}));
  EXPECT_EQ((std::vector<std::wstring>{L"@cancel"}), Unread());
  EXPECT_TRUE(picket.EndPoint().isEqualTo(ZcGePoint3d(30, 0, 0)));
  // A plain tape goes on after a pick, and a cancel gives 180.
  Fastrelle_Miarka tape;
  EXPECT_EQ(180, RunTape(tape, L"0,0", {L"@pick 30,0", L"@key Escape"}));
}

TEST_F(Tape, TheStartMovesOntoANewBaseCurve) {
  Fastrelle_Miarka tape;
  EXPECT_EQ(0, RunTape(tape, L"10,2", {L"@move 40,1", L""}));
  EXPECT_TRUE(tape.StartPoint().isEqualTo(ZcGePoint3d(10, 0, 0)));
  EXPECT_NEAR(30.0, tape.GetLength(), 1e-9);
  EXPECT_GE(seen_.begins, 2);  // told again when the curve was taken
}

}  // namespace
