// The menu command against the installed menu file: the group loaded once however often
// it runs, the four toolbars shown in order, "filedia" put back, every listed command
// typed by a name the host knows or will know.
#include "shell/ModuleFastrelle_cmds.h"

#include "HostFixture.h"
#include "ed/zced.h"

namespace {

class MenuCommand : public HostTest {};

TEST_F(MenuCommand, RunningItTwiceLeavesTheGroupLoadedOnceWithItsToolbarsShown) {
  ASSERT_TRUE(StartFastrelle(FreshInstall()));
  EXPECT_EQ(headless::CommandResult::Ran, headless::RunCommand(L"Fastrelle"));
  EXPECT_EQ(headless::CommandResult::Ran, headless::RunCommand(L"FASTRELLE"));
  auto groups = headless::MenuGroups();
  ASSERT_EQ(1u, groups.size());
  EXPECT_EQ(L"Fastrelle_Fastrelle", groups[0].name);
  EXPECT_EQ(1, zcedIsMenuGroupLoaded(L"Fastrelle_Fastrelle"));
  std::vector<std::wstring> once = {L"Fastrelle", L"Fastrelle_Plot", L"Corners", L"MultiCorners"};
  std::vector<std::wstring> twice = once;
  twice.insert(twice.end(), once.begin(), once.end());
  EXPECT_EQ(twice, headless::ToolbarLog());
  resbuf rb{};
  zcedGetVar(L"FILEDIA", &rb);
  EXPECT_EQ(1, rb.resval.rint);
  EXPECT_EQ(std::wstring::npos, headless::Transcript().find(L"is missing"));
}

TEST_F(MenuCommand, AMissingMenuFileIsReportedAndTheToolbarsAreStillAsked) {
  auto install = FreshInstall();
  std::filesystem::remove(install / "Menu" / "Fastrelle.mnu");
  ASSERT_TRUE(StartFastrelle(install));
  headless::RunCommand(L"Fastrelle");
  std::wstring t = headless::Transcript();
  EXPECT_NE(std::wstring::npos, t.find(L"Menu\\Fastrelle.mnu is missing"));
  EXPECT_NE(std::wstring::npos, t.find(L"Toolbar \"MultiCorners\" not found."));
  resbuf rb{};
  zcedGetVar(L"FILEDIA", &rb);
  EXPECT_EQ(1, rb.resval.rint);
}

TEST_F(MenuCommand, WithoutAnInstallFolderItRefusesInOneLineAndLoadsNothing) {
  auto install = FreshInstall();
  headless::SetAppDataFolder(AppData());
  std::wstring main = headless::FromUtf8((install / "Module_Fastrelle.zrx").string());
  ASSERT_TRUE(Linker()->loadModule(main.c_str(), true, false));
  headless::ClearTranscript();
  ASSERT_EQ(headless::CommandResult::Ran, headless::RunCommand(L"Fastrelle"));
  EXPECT_EQ(L"\nFastrelle: brak folderu instalacji w rejestrze; menu Menu\\Fastrelle.mnu nie zostało wczytane.\n",
            headless::Transcript());
  EXPECT_TRUE(headless::MenuGroups().empty());
  EXPECT_TRUE(headless::ToolbarLog().empty());
}

TEST_F(MenuCommand, EveryMenuEntryTypesAFastrelleCommand) {
  ASSERT_TRUE(StartFastrelle(FreshInstall()));
  headless::RunCommand(L"Fastrelle");
  auto groups = headless::MenuGroups();
  ASSERT_EQ(1u, groups.size());
  std::vector<headless::MenuItem> items;
  for (const auto& m : groups[0].menus) items.insert(items.end(), m.items.begin(), m.items.end());
  for (const auto& b : groups[0].toolbars) items.insert(items.end(), b.buttons.begin(), b.buttons.end());
  EXPECT_EQ(25u + 9u + 2u + 23u + 9u + 2u, items.size());
  for (const auto& item : items) EXPECT_EQ(0u, item.macro.find(L"^C^CFastrelle")) << headless::ToUtf8(item.label);
}

}  // namespace
