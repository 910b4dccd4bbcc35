// A test command is registered under one name in its group and taken off by name; without
// the host's command stack nothing is registered and nothing breaks.
#include "testcase/TestCommand.h"

#include <gtest/gtest.h>

#include "HostFixture.h"
#include "testcase/Test_Fixture.h"

namespace {

int g_runs = 0;

class CountingFixture : public Test_Fixture {
public:
  CountingFixture() { ++g_runs; }
  CString GetName() const override { return L"T_1"; }
};

using TestCommandTest = HostTest;

TEST_F(TestCommandTest, TheCommandRunsTheFixtureUnderOneNameAndGoesAtUnload) {
  g_runs = 0;
  ASSERT_TRUE(RegisterTestCommand(L"Fastrelle_Plot", L"TestPlot", &LaunchFixture<CountingFixture>));
  auto commands = headless::Commands();
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0].group, L"Fastrelle_Plot");
  EXPECT_EQ(commands[0].globalName, L"TestPlot");
  EXPECT_EQ(commands[0].localName, L"TestPlot");
  EXPECT_EQ(commands[0].flags, 1);
  EXPECT_EQ(headless::RunCommand(L"testplot"), headless::CommandResult::Ran);
  EXPECT_EQ(g_runs, 1);
  EXPECT_NE(headless::Transcript().find(L"_______ T_1 complete _____________ "), std::wstring::npos);
  RemoveTestCommand(L"Fastrelle_Plot", L"TestPlot");
  EXPECT_TRUE(headless::Commands().empty());
}

TEST_F(TestCommandTest, WithoutACommandStackNothingIsRegistered) {
  ZcRxObject* stack = zcrxSysRegistry()->remove(L"ZCAD_REGISTERED_COMMANDS");
  EXPECT_FALSE(RegisterTestCommand(L"Fastrelle", L"TFAS", &LaunchFixture<CountingFixture>));
  RemoveTestCommand(L"Fastrelle", L"TFAS");
  zcrxSysRegistry()->atPut(L"ZCAD_REGISTERED_COMMANDS", stack);
  EXPECT_TRUE(headless::Commands().empty());
}

}  // namespace
