#include "ed/ZcEdCommandStack.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "HostFixture.h"
#include "ed/UserInput.h"
#include "ed/zced.h"
#include "headless/Host.h"

namespace {
int g_firstRuns = 0, g_secondRuns = 0;
void First() { ++g_firstRuns; }
void Second() { ++g_secondRuns; }
void Throws() { throw std::runtime_error("boom"); }

ZcEdCommandStack* Stack() {
  return static_cast<ZcEdCommandStack*>(zcrxSysRegistry()->at(L"ZCAD_REGISTERED_COMMANDS"));
}

class CommandStackTest : public HostTest {
protected:
  void SetUp() override {
    HostTest::SetUp();
    g_firstRuns = g_secondRuns = 0;
  }
  void TearDown() override {
    Stack()->removeGroup(L"G1");
    Stack()->removeGroup(L"G2");
    HostTest::TearDown();
  }
};
}  // namespace

TEST_F(CommandStackTest, RegistryHandsOutTheStackAndTheLinkerByClass) {
  ZcRxObject* stack = zcrxSysRegistry()->at(L"ZCAD_REGISTERED_COMMANDS");
  ZcRxObject* linker = zcrxSysRegistry()->at(L"DynamicLinker");
  ASSERT_TRUE(stack && linker);
  EXPECT_TRUE(stack->isA()->isDerivedFrom(ZcEdCommandStack::desc()));
  EXPECT_FALSE(stack->isA()->isDerivedFrom(ZcRxDynamicLinker::desc()));
  EXPECT_TRUE(linker->isKindOf(ZcRxObject::desc()));
  EXPECT_EQ(zcrxSysRegistry()->at(L"NoSuchService"), nullptr);
}

TEST_F(CommandStackTest, EitherNameRunsTheCommandWithoutRegardToCase) {
  ASSERT_EQ(Stack()->addCommand(L"G1", L"Fastrelle:Miarka", L"Fastrelle:Measure", 2, First), Zcad::eOk);
  EXPECT_EQ(headless::RunCommand(L"fastrelle:MIARKA"), headless::CommandResult::Ran);
  EXPECT_EQ(headless::RunCommand(L"Fastrelle:measure"), headless::CommandResult::Ran);
  EXPECT_EQ(g_firstRuns, 2);
  EXPECT_EQ(headless::RunCommand(L"Fastrelle:Other"), headless::CommandResult::Unknown);
  auto cmds = headless::Commands();
  ASSERT_EQ(cmds.size(), 1u);
  EXPECT_EQ(cmds[0].flags, 2);
}

TEST_F(CommandStackTest, AGroupRefusesANameItHasAndKeepsTheFirst) {
  ASSERT_EQ(Stack()->addCommand(L"G1", L"Fastrelle:About", L"Fastrelle:About", 1, First), Zcad::eOk);
  EXPECT_EQ(Stack()->addCommand(L"g1", L"FASTRELLE:ABOUT", L"x", 1, Second), Zcad::eDuplicateKey);
  EXPECT_EQ(Stack()->addCommand(L"G1", L"y", L"fastrelle:about", 1, Second), Zcad::eDuplicateKey);
  headless::RunCommand(L"Fastrelle:About");
  EXPECT_EQ(g_firstRuns, 1);
  EXPECT_EQ(g_secondRuns, 0);
}

TEST_F(CommandStackTest, RemovingOneCommandOrAGroupLeavesTheOthers) {
  Stack()->addCommand(L"G1", L"A", L"a1", 1, First);
  Stack()->addCommand(L"G1", L"B", L"b1", 1, First);
  Stack()->addCommand(L"G2", L"C", L"c1", 1, Second);
  EXPECT_EQ(Stack()->removeCmd(L"G1", L"a"), Zcad::eOk);
  EXPECT_EQ(Stack()->removeCmd(L"G1", L"A"), Zcad::eKeyNotFound);
  EXPECT_EQ(headless::RunCommand(L"a1"), headless::CommandResult::Unknown);
  EXPECT_EQ(Stack()->removeGroup(L"g1"), Zcad::eOk);
  EXPECT_EQ(headless::RunCommand(L"B"), headless::CommandResult::Unknown);
  EXPECT_EQ(headless::RunCommand(L"C"), headless::CommandResult::Ran);
  EXPECT_EQ(Stack()->removeGroup(L"G1"), Zcad::eKeyNotFound);
}

TEST_F(CommandStackTest, AnExceptionStopsOnlyTheCommand) {
  Stack()->addCommand(L"G1", L"Boom", L"Boom", 1, Throws);
  EXPECT_EQ(headless::RunCommand(L"Boom"), headless::CommandResult::Threw);
  EXPECT_NE(headless::Transcript().find(L"boom"), std::wstring::npos);
  EXPECT_TRUE(headless::ActiveCommands().empty());
}

TEST_F(CommandStackTest, FiltersAreInstalledOnceAndConsumeMessages) {
  static int seen = 0;
  seen = 0;
  auto filter = [](MSG* msg) { ++seen; return msg->wParam == VK_LEFT; };
  ZcedFilterWinMsgFn fn = filter;
  EXPECT_TRUE(zcedRegisterFilterWinMsg(fn));
  EXPECT_TRUE(zcedRegisterFilterWinMsg(fn));
  EXPECT_EQ(headless::FilterCount(), 1u);
  MSG left{nullptr, WM_KEYDOWN, VK_LEFT, 0, 0, {0, 0}}, up{nullptr, WM_KEYDOWN, VK_UP, 0, 0, {0, 0}};
  EXPECT_TRUE(headless::FilterMessage(left));
  EXPECT_FALSE(headless::FilterMessage(up));
  EXPECT_EQ(seen, 2);
  EXPECT_TRUE(zcedRemoveFilterWinMsg(fn));
  EXPECT_FALSE(zcedRemoveFilterWinMsg(fn));
}

// "@key" lines press a key on the drawing view: down and up, each through the filters as
// the host's loop delivers them; at a prompt the prompt reads on for its answer.
TEST_F(CommandStackTest, KeyLinesReachTheFiltersAndAPromptReadsOnAfterThem) {
  static std::vector<std::pair<UINT, WPARAM>> seen;
  static HWND window = nullptr;
  seen.clear();
  auto filter = [](MSG* msg) {
    seen.emplace_back(msg->message, msg->wParam);
    window = msg->hwnd;
    return msg->message == WM_KEYDOWN && msg->wParam == VK_LEFT;
  };
  ZcedFilterWinMsgFn fn = filter;
  zcedRegisterFilterWinMsg(fn);
  EXPECT_TRUE(headless::RunKeyLine(L"@key left"));
  EXPECT_EQ((std::vector<std::pair<UINT, WPARAM>>{{WM_KEYDOWN, VK_LEFT}, {WM_KEYUP, VK_LEFT}}), seen);
  EXPECT_EQ(headless::DrawingView(), window);
  EXPECT_TRUE(IsWindow(window));
  EXPECT_FALSE(headless::PressKey(VK_UP));  // no filter takes it: nothing happens
  EXPECT_FALSE(headless::RunKeyLine(L"LINE"));
  EXPECT_TRUE(headless::RunKeyLine(L"@key Home"));
  EXPECT_NE(headless::Transcript().find(L"Unknown key \"Home\""), std::wstring::npos);

  seen.clear();
  headless::PushInputs({L"@key Right", L"5,6"});
  ads_point p;
  EXPECT_EQ(RTNORM, zcedGetPoint(nullptr, L"\nPoint: ", p));
  EXPECT_EQ(5.0, p[0]);
  EXPECT_EQ(6.0, p[1]);
  EXPECT_EQ((std::vector<std::pair<UINT, WPARAM>>{{WM_KEYDOWN, VK_RIGHT}, {WM_KEYUP, VK_RIGHT}}), seen);
  zcedRemoveFilterWinMsg(fn);
}
