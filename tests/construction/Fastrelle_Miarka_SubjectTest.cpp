#include "construction/Fastrelle_Miarka_Subject.h"

#include "DragFixture.h"

namespace {

// A tool whose handlers log their calls and answer what the test asks.
class ScriptedTool : public Fastrelle_Miarka_Subject {
public:
  int PickStart() override { return 0; }
  int OnDrag() override { return Handle("drag", dragResult); }
  int OnPick() override { return Handle("pick", pickResult); }
  int OnText() override { return Handle("text " + headless::ToUtf8(TypedText().str()), 0); }
  int OnCancel() override { return Handle("cancel", 0); }
  int PointAtDistance(double, ZcGePoint3d& p) override {
    p = ZcGePoint3d::kOrigin;
    return 0;
  }
  ZcGeVector3d NormalAtDistance(double) override { return ZcGeVector3d::kYAxis; }
  ZcGePoint3d EndPoint() override { return LastPoint(); }
  ZcGeVector3d NormalAtEnd() override { return ZcGeVector3d::kYAxis; }
  double GetLength() override { return 0.0; }
  int Handle(const std::string& what, int result) {
    log.push_back(what);
    return result;
  }
  using Fastrelle_Miarka_Subject::ApplyKey;
  std::vector<std::string> log;
  int dragResult = 0, pickResult = 0;
};

using DragLoop = DragTest;

TEST_F(DragLoop, EnterAndSpaceFinishWithZeroEscapeAndAHostCancelGive180) {
  for (const wchar_t* key : {L"@key Enter", L"@key Space", L""}) {
    headless::PushInputs({L"@move 1,1", key, L"@move 2,2"});
    ScriptedTool tool;
    EXPECT_EQ(0, tool.Run()) << headless::ToUtf8(key);
    EXPECT_EQ((std::vector<std::string>{"drag"}), tool.log);
    EXPECT_EQ((std::vector<std::wstring>{L"@move 2,2"}), Unread());
  }
  for (const wchar_t* cancel : {L"@key Escape", L"@cancel"}) {
    headless::PushInputs({L"@move 1,1", cancel});
    ScriptedTool tool;
    EXPECT_EQ(180, tool.Run());
    EXPECT_EQ((std::vector<std::string>{"drag", "cancel"}), tool.log);
  }
  ScriptedTool nothingQueued;
  EXPECT_EQ(180, nothingQueued.Run());
}

TEST_F(DragLoop, KeysEditTheTypedTextAndStopTheMotionReports) {
  headless::PushInputs({L"@key Backspace", L"@move 5,5", L"@text a5"});
  ScriptedTool tool;
  EXPECT_EQ(0, tool.Run());
  // Backspace on nothing keeps nothing; after the first key no motion is reported.
  EXPECT_EQ((std::vector<std::string>{"text ", "text a", "text a5"}), tool.log);
  EXPECT_FALSE(tool.Tracking());
  EXPECT_EQ(0, tool.ApplyKey(8));
  EXPECT_EQ(CString(L"a"), tool.TypedText());
  EXPECT_EQ(0, tool.ApplyKey(0x0137));  // above 127: the low byte
  EXPECT_EQ(CString(L"a7"), tool.TypedText());
}

TEST_F(DragLoop, AHandlersResultEndsTheLoopAtOnceAndTheNextInputStaysUnread) {
  {
    headless::PushInputs({L"@pick 3,4", L"@cancel"});
    ScriptedTool tool;
    tool.pickResult = kDragFinish;
    EXPECT_EQ(0, tool.Run());
    EXPECT_EQ((std::vector<std::wstring>{L"@cancel"}), Unread());
    EXPECT_TRUE(tool.LastPoint().isEqualTo(ZcGePoint3d(3, 4, 0)));
  }
  {
    headless::PushInputs({L"@move 1,1", L"@key Enter"});
    ScriptedTool tool;
    tool.dragResult = kDragCancelled;
    EXPECT_EQ(180, tool.Run());
    EXPECT_EQ((std::vector<std::string>{"drag", "cancel"}), tool.log);
    EXPECT_EQ((std::vector<std::wstring>{L"@key Enter"}), Unread());
  }
  {
    headless::PushInputs({L"@pick 1,1", L"@key Enter"});
    ScriptedTool tool;
    tool.pickResult = 55;  // a handler's failure is the loop's result
    EXPECT_EQ(55, tool.Run());
  }
}

TEST_F(DragLoop, PickStyleIsZeroWhileTheToolLivesAndComesBackOnEveryPath) {
  for (const wchar_t* end : {L"@key Enter", L"@key Escape", L"@cancel"}) {
    SetPickStyle(3);
    {
      headless::PushInputs({L"@move 1,1", end});
      ScriptedTool tool;
      EXPECT_EQ(0, PickStyle());
      tool.Run();
    }
    EXPECT_EQ(3, PickStyle());
  }
}

}  // namespace
