// Driving host commands from the system's code: waiting for a nested command with the
// right number of pauses, the variables put back afterwards, and the fixed sequences.
#include "framework/CommandSequences.h"

#include "HostFixture.h"
#include "ed/zced.h"
#include "framework/ResBuf.h"
#include "framework/ZWVariable.h"

namespace {

class CommandSequences : public HostTest {
protected:
  static int Var(const wchar_t* name) {
    int v = -1;
    GetVariableInt(name, v);
    return v;
  }
  static ResBuf* List(ResBuf& list, std::initializer_list<const wchar_t*> items) {
    for (const wchar_t* item : items) list.AddString(item);
    return &list;
  }
};

TEST_F(CommandSequences, WaitSendsExactlyThePausesTheNestedCommandNeedsWithEchoOff) {
  headless::PushInputs({L"0,0", L"16,9", L"not for the zoom"});
  std::vector<int> echoAtPrompts;
  headless::SetPromptObserver([&] { echoAtPrompts.push_back(Var(L"cmdecho")); });
  int result = 0;
  std::vector<std::wstring> runningAfter;
  RunInsideCommand([&] {
    ResBuf list;
    result = RunCommandAndWait(*List(list, {L"_Zoom", L"_W"}));
    runningAfter = headless::ActiveCommands();
  });
  EXPECT_EQ(RTNORM, result);
  // Two pauses, each answered while the zoom waited (echo still off), and no third one
  // after it had ended.
  EXPECT_EQ((std::vector<int>{0, 0}), echoAtPrompts);
  EXPECT_EQ(std::vector<std::wstring>{L"TESTCMD"}, runningAfter);
  EXPECT_EQ(std::wstring::npos, headless::Transcript().find(L"No command is waiting"));
  EXPECT_EQ(1u, headless::PendingInput());
  EXPECT_EQ(1, Var(L"cmdecho"));
}

TEST_F(CommandSequences, ACommandThatEndsAtOnceGetsNoPauseEvenWhenItsNameIsPartOfAnother) {
  headless::PushInput(L"not for the zoom");
  auto* stack = static_cast<ZcEdCommandStack*>(zcrxSysRegistry()->at(L"ZCAD_REGISTERED_COMMANDS"));
  stack->addCommand(L"TESTS", L"UNZOOM", L"UNZOOM", 0, [] { ZoomAll(); });
  headless::RunCommand(L"UNZOOM");
  stack->removeGroup(L"TESTS");
  EXPECT_EQ(1u, headless::PendingInput());
}

TEST_F(CommandSequences, ACancelledPauseStopsTheWaitAndIsReported) {
  headless::PushInputs({L"@cancel", L"0,0"});
  int result = 0;
  RunInsideCommand([&] {
    ResBuf list;
    result = RunCommandAndWait(*List(list, {L"_Zoom", L"_W"}));
  });
  EXPECT_EQ(RTCAN, result);
  EXPECT_EQ(1u, headless::PendingInput());
  EXPECT_EQ(1, Var(L"cmdecho"));
}

TEST_F(CommandSequences, GuardsRestoreOnlyWhatTheyRead) {
  SetVariableInt(L"OSMODE", 33);
  ResBuf list;
  SaveAndSet_OSMODE(list);
  EXPECT_EQ(0, Var(L"OSMODE"));
  SetVariableInt(L"OSMODE", 5);
  Restore_OSMODE(list);
  EXPECT_EQ(33, Var(L"OSMODE"));
  ResBuf unsaved;
  Restore_filedia(unsaved);  // nothing was saved: "filedia" keeps its value
  EXPECT_EQ(1, Var(L"filedia"));
}

TEST_F(CommandSequences, MenuLoadOfAMissingFileSaysSoAndPutsFiledaBack) {
  RunInsideCommand([] { MenuLoad(L"C:\\nowhere\\Fastrelle.mnu"); });
  std::wstring t = headless::Transcript();
  EXPECT_NE(std::wstring::npos, t.find(L"C:\\nowhere\\Fastrelle.mnu is missing"));
  EXPECT_NE(std::wstring::npos, t.find(L"Cannot find the menu file"));
  EXPECT_EQ(1, Var(L"filedia"));
  EXPECT_TRUE(headless::ActiveCommands().empty());
}

TEST_F(CommandSequences, RestoreNamedViewBringsTheViewBackAndLeavesNoViewBehind) {
  double saved = 0, now = 0;
  RunInsideCommand([&] {
    ZoomWindow({0, 0, 0}, {32, 18, 0});
    SaveNamedView(L"Fastrelle_Corner_Join_Cmd");
    ZoomAll();
    RestoreNamedView(L"Fastrelle_Corner_Join_Cmd");
  });
  GetVariableReal(L"VIEWSIZE", now);
  saved = 18.0;
  EXPECT_DOUBLE_EQ(saved, now);
  EXPECT_TRUE(headless::NamedViews().empty());
}

TEST_F(CommandSequences, UndoMarksAndToolbarsReachTheHost) {
  RunInsideCommand([] {
    UndoBegin();
    UndoMark();
  });
  EXPECT_EQ(1, headless::Undo().openGroups);
  EXPECT_EQ(1, headless::Undo().marks);
  UndoEnd();
  EXPECT_EQ(0, headless::Undo().openGroups);
  ShowToolbarCommand(L"NoSuchToolbar");
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Toolbar \"NoSuchToolbar\" not found."));
}

}  // namespace
