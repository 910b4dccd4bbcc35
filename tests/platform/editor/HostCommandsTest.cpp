// Driven host commands: items, pauses answered by the user, commands left waiting and
// continued, queued command lines, and what the view, UCS, menu and toolbar commands do.
#include "ed/HostCommands.h"

#include <fstream>
#include <functional>

#include "HostFixture.h"
#include "ed/SystemVariables.h"
#include "ed/ZcGsView.h"
#include "headless/Database.h"

namespace {

class HostCommands : public HostTest {
protected:
  // Named views live in the drawing: each test starts from a new one.
  void SetUp() override {
    HostTest::SetUp();
    headless::NewDrawing();
  }
  // A list of texts ("\\" for a pause) and points.
  struct List {
    std::vector<resbuf> nodes;
    std::vector<std::wstring> texts;
    List& Text(const std::wstring& t) {
      texts.push_back(t);
      resbuf rb{};
      rb.restype = RTSTR;
      nodes.push_back(rb);
      return *this;
    }
    List& Point(double x, double y) {
      resbuf rb{};
      rb.restype = RTPOINT;
      rb.resval.rpoint[0] = x;
      rb.resval.rpoint[1] = y;
      nodes.push_back(rb);
      return *this;
    }
    const resbuf* Head() {
      std::size_t t = 0;
      for (std::size_t i = 0; i < nodes.size(); ++i) {
        if (nodes[i].restype == RTSTR) nodes[i].resval.rstring = texts[t++].data();
        nodes[i].rbnext = i + 1 < nodes.size() ? &nodes[i + 1] : nullptr;
      }
      return nodes.data();
    }
  };

  static std::wstring CmdNames() {
    resbuf rb{};
    zcedGetVar(L"CMDNAMES", &rb);
    std::wstring names = rb.resval.rstring;
    zcutDelBuffer(rb.resval.rstring);
    return names;
  }

  static double ViewSize() {
    resbuf rb{};
    zcedGetVar(L"VIEWSIZE", &rb);
    return rb.resval.rreal;
  }
};

TEST_F(HostCommands, ACommandShortOfItemsWaitsInCmdNamesAndPausesFinishIt) {
  headless::PushInputs({L"0,0", L"160,90", L"rest"});
  RunInsideCommand([&] {
    EXPECT_EQ(RTNORM, zcedCmd(List().Text(L"_Zoom").Text(L"_W").Head()));
    EXPECT_EQ(L"TESTCMD'ZOOM", CmdNames());
    EXPECT_EQ(RTNORM, zcedCmd(List().Text(L"\\").Head()));
    EXPECT_EQ(L"TESTCMD'ZOOM", CmdNames());
    EXPECT_EQ(RTNORM, zcedCmd(List().Text(L"\\").Head()));
    EXPECT_EQ(L"TESTCMD", CmdNames());
  });
  EXPECT_DOUBLE_EQ(90.0, ViewSize());
  EXPECT_EQ(1u, headless::PendingInput());
}

TEST_F(HostCommands, ACancelledPauseEndsTheCommandWithoutActing) {
  headless::PushInput(L"@cancel");
  double before = ViewSize();
  RunInsideCommand([&] {
    EXPECT_EQ(RTCAN, zcedCmd(List().Text(L"_Zoom").Text(L"_W").Point(0, 0).Text(L"\\").Head()));
    EXPECT_EQ(L"TESTCMD", CmdNames());
  });
  EXPECT_DOUBLE_EQ(before, ViewSize());
}

TEST_F(HostCommands, AWaitingCommandTakesTheUserAnswersWhenItsCallerReturns) {
  headless::PushInputs({L"0,0", L"32,18"});
  RunInsideCommand([&] { zcedCmd(List().Text(L"_Zoom").Text(L"_W").Head()); });
  EXPECT_DOUBLE_EQ(18.0, ViewSize());
  EXPECT_TRUE(headless::ActiveCommands().empty());
}

TEST_F(HostCommands, BadItemsUnknownCommandsAndStrayPausesAreErrors) {
  EXPECT_EQ(RTERROR, zcedCmd(List().Text(L"_Zoom").Text(L"_Q").Head()));
  EXPECT_EQ(RTERROR, zcedCmd(List().Text(L"_NOSUCH").Head()));
  EXPECT_EQ(RTERROR, zcedCmd(List().Text(L"\\").Head()));
  EXPECT_TRUE(headless::ActiveCommands().empty());
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Unknown command \"_NOSUCH\""));
}

TEST_F(HostCommands, OneListMayHoldSeveralCommands) {
  EXPECT_EQ(RTNORM, zcedCmd(List().Text(L"_UNDO").Text(L"_BEGIN").Text(L"_UNDO").Text(L"_M").Head()));
  EXPECT_EQ(1, headless::Undo().openGroups);
  EXPECT_EQ(1, headless::Undo().marks);
  zcedCmd(List().Text(L"_UNDO").Text(L"_END").Head());
  EXPECT_EQ(0, headless::Undo().openGroups);
}

TEST_F(HostCommands, AQueuedCommandLineRunsWhenTheRunningCommandReturns) {
  int regensInside = -1;
  RunInsideCommand([&] {
    EXPECT_EQ(RTNORM, zcedCommand(RTSTR, L"_REGEN", RTNONE));
    regensInside = headless::Regenerations();
  });
  EXPECT_EQ(0, regensInside);
  EXPECT_EQ(1, headless::Regenerations());
  EXPECT_EQ(RTERROR, zcedCommand(RTSTR, L"_NOSUCH", RTNONE));
  EXPECT_EQ(RTERROR, zcedCommand(RTREAL, 1.5, RTNONE));
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Unknown command \"1.5\"."));
  EXPECT_EQ(RTERROR, zcedCommand(RTVOID, RTNONE));
  EXPECT_EQ(1, headless::Regenerations());
}

TEST_F(HostCommands, CommandEchoShowsListItemsOnlyWhenOn) {
  zcedCmd(List().Text(L"_-view").Text(L"_save").Text(L"A").Head());
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Enter view name to save: A"));
  headless::ClearTranscript();
  resbuf off{};
  off.restype = RTSHORT;
  zcedSetVar(L"CMDECHO", &off);
  zcedCmd(List().Text(L"_-view").Text(L"_save").Text(L"B").Head());
  EXPECT_EQ(L"", headless::Transcript());
}

TEST_F(HostCommands, NamedViewsAreSavedRestoredAndDeleted) {
  zcedCmd(List().Text(L"_Zoom").Text(L"_W").Point(0, 0).Point(16, 9).Head());
  zcedCmd(List().Text(L"_-view").Text(L"_save").Text(L"Fastrelle_Cut").Head());
  zcedCmd(List().Text(L"_Zoom").Text(L"_W").Point(0, 0).Point(160, 90).Head());
  zcedCmd(List().Text(L"_-view").Text(L"_restore").Text(L"fastrelle_cut").Head());
  EXPECT_DOUBLE_EQ(9.0, ViewSize());
  zcedCmd(List().Text(L"_-view").Text(L"_D").Text(L"Fastrelle_Cut").Head());
  EXPECT_TRUE(headless::NamedViews().empty());
  zcedCmd(List().Text(L"_-view").Text(L"_restore").Text(L"Fastrelle_Cut").Head());
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Cannot find view \"Fastrelle_Cut\"."));
}

TEST_F(HostCommands, UcsOriginMovesAndTransConvertsPointsButNotDisplacements) {
  zcedCmd(List().Text(L"_UCS").Text(L"_O").Point(10, 5).Head());
  zcedCmd(List().Text(L"_UCS").Text(L"_O").Point(1, 1).Head());  // given in the current UCS
  resbuf wcs{}, ucs{};
  wcs.restype = ucs.restype = RTSHORT;
  ucs.resval.rint = 1;
  ads_point p = {0, 0, 0}, out;
  ASSERT_EQ(RTNORM, zcedTrans(p, &ucs, &wcs, 0, out));
  EXPECT_DOUBLE_EQ(11.0, out[0]);
  EXPECT_DOUBLE_EQ(6.0, out[1]);
  ASSERT_EQ(RTNORM, zcedTrans(p, &ucs, &wcs, 1, out));
  EXPECT_DOUBLE_EQ(0.0, out[0]);
  resbuf bad{};
  bad.restype = RTSHORT;
  bad.resval.rint = 7;
  EXPECT_EQ(RTERROR, zcedTrans(p, &bad, &wcs, 0, out));
}

TEST_F(HostCommands, MenuFilesNameTheirGroupAndToolbarsShowOnlyWhenLoaded) {
  std::filesystem::path dir = FreshInstall();
  std::filesystem::path menu = dir / "Test.mnu";
  std::ofstream(menu) << "***MENUGROUP=Test_Group\n***POP1\n**T\n[Test]\n[About]^C^CFastrelle:About\n"
                         "***TOOLBARS\n**TB\n[_Toolbar(\"Tools\", _Top, _Show, 0, 0, 1)]\n"
                         "[_Button(\"About\", \"a\", \"a\")]^C^CFastrelle:About\n";
  std::wstring path = headless::FromUtf8(menu.string());
  zcedCmd(List().Text(L"_-TOOLBAR").Text(L"Tools").Text(L"_S").Head());
  EXPECT_TRUE(headless::ToolbarLog().empty());
  EXPECT_EQ(RTNORM, zcedCmd(List().Text(L"_MENULOAD").Text(path).Head()));
  EXPECT_EQ(1, zcedIsMenuGroupLoaded(L"test_group"));
  EXPECT_EQ(0, zcedIsMenuGroupLoaded(L"Test"));
  zcedCmd(List().Text(L"_MENULOAD").Text(path).Head());  // loaded once only
  ASSERT_EQ(1u, headless::MenuGroups().size());
  EXPECT_EQ(L"^C^CFastrelle:About", headless::MenuGroups()[0].menus[0].items[0].macro);
  zcedCmd(List().Text(L"_-TOOLBAR").Text(L"Tools").Text(L"_S").Head());
  EXPECT_EQ(std::vector<std::wstring>{L"Tools"}, headless::ToolbarLog());
  zcedCmd(List().Text(L"_MENUUNLOAD").Text(L"Test_Group").Head());
  EXPECT_EQ(0, zcedIsMenuGroupLoaded(L"Test_Group"));
  zcedCmd(List().Text(L"_MENULOAD").Text(L"C:\\nowhere\\Missing.mnu").Head());
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Cannot find the menu file"));
  // A name longer than the file system takes is a file not found, not a fault.
  headless::ClearTranscript();
  EXPECT_EQ(RTNORM, zcedCmd(List().Text(L"_MENULOAD").Text(std::wstring(5000, L'x')).Head()));
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Cannot find the menu file"));
}

TEST_F(HostCommands, TheShadeModeOfTheOneViewportIsKept) {
  ZcGsView* view = zcgsGetGsView(2, true);
  ASSERT_NE(nullptr, view);
  EXPECT_EQ(nullptr, zcgsGetGsView(3, true));
  view->setMode(ZcGsView::kGouraudShadedWithWireframe);
  EXPECT_TRUE(zcgsSetViewParameters(2, view, true, true));
  EXPECT_EQ(6, static_cast<int>(zcgsGetGsView(2, false)->mode()));
  EXPECT_EQ(1, headless::Regenerations());
  EXPECT_EQ(L"", headless::Transcript());  // only the REGEN command speaks of it
  zcedCmd(List().Text(L"_REGEN").Head());
  EXPECT_EQ(2, headless::Regenerations());
  EXPECT_EQ(L"\nRegenerating model.", headless::Transcript());
}

}  // namespace
