#include "framework/cmd.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "HostFixture.h"
#include "ed/ZcEdCommandStack.h"

namespace {

int g_alive = 0;
int g_runs = 0;

class Counted : public cmd {
public:
  Counted() : cmd(L"T:Count", L"T:Licz", 2) { ++g_alive; }
  ~Counted() override { --g_alive; }
  void Run() override { ++g_runs; }
};

class FailsWithStatus : public cmd {
public:
  FailsWithStatus() : cmd(L"T:Status", L"T:Status", 1) {}
  void Run() override { throw Zcad::eKeyNotFound; }
};

class FailsWithException : public cmd {
public:
  FailsWithException() : cmd(L"T:Throw", L"T:Rzuc", 1) {}
  void Run() override { throw std::runtime_error("disk full"); }
};

class TestSet : public cmds {
public:
  TestSet() : cmds(L"TestGroup") {
    Add<Counted>();
    Add<FailsWithStatus>();
    Add<FailsWithException>();
  }
};

ZcEdCommandStack* Stack() {
  return static_cast<ZcEdCommandStack*>(zcrxSysRegistry()->at(L"ZCAD_REGISTERED_COMMANDS"));
}

class CmdTest : public HostTest {
protected:
  void SetUp() override {
    HostTest::SetUp();
    g_alive = g_runs = 0;
  }
  void TearDown() override {
    Stack()->removeGroup(L"TestGroup");
    Stack()->removeGroup(L"Other");
    HostTest::TearDown();
  }
};

}  // namespace

TEST_F(CmdTest, RegistersInOrderUnderTheGroupWithPolishAsGlobalName) {
  TestSet set;
  set.Register();
  auto registered = headless::Commands();
  ASSERT_EQ(registered.size(), 3u);
  EXPECT_EQ(registered[0].group, L"TestGroup");
  EXPECT_EQ(registered[0].globalName, L"T:Licz");
  EXPECT_EQ(registered[0].localName, L"T:Count");
  EXPECT_EQ(registered[0].flags, 2);
  EXPECT_EQ(registered[2].globalName, L"T:Rzuc");
}

TEST_F(CmdTest, TheLauncherBuildsAFreshCommandForEachRun) {
  TestSet set;
  set.Register();
  EXPECT_EQ(g_alive, 1);  // the set's own object
  headless::RunCommand(L"T:Count");
  headless::RunCommand(L"t:licz");
  EXPECT_EQ(g_runs, 2);
  EXPECT_EQ(g_alive, 1);
}

TEST_F(CmdTest, FailuresEndTheCommandWithAReportAndNeverReachTheHost) {
  TestSet set;
  set.Register();
  EXPECT_EQ(headless::RunCommand(L"T:Status"), headless::CommandResult::Ran);
  EXPECT_EQ(headless::Transcript(), L"\n es: eKeyNotFound\n");
  headless::ClearTranscript();
  EXPECT_EQ(headless::RunCommand(L"T:Throw"), headless::CommandResult::Ran);
  EXPECT_NE(headless::Transcript().find(L"disk full"), std::wstring::npos);
}

TEST_F(CmdTest, DeletingASetDeletesItsCommandObjectsOnce) {
  { TestSet set; }
  EXPECT_EQ(g_alive, 0);
}

TEST_F(CmdTest, RemoveRegisteredTakesAwayOnlyWhatTheHostAccepted) {
  Stack()->addCommand(L"TestGroup", L"T:Licz", L"T:Other", 1, [] {});  // someone else's, first
  TestSet set;
  set.Register();
  set.Register();  // a second registration is refused by the host and changes nothing
  EXPECT_EQ(headless::Commands().size(), 3u);
  set.RemoveRegistered();
  auto left = headless::Commands();
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(left[0].localName, L"T:Other");
}
