// Start-up and unload of the main module through the real dynamic linker, from a private
// copy of the built install tree.
#include "shell/ModuleShell.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "HostFixture.h"
#include "ed/ZcApDocManager.h"
#include "ed/zced.h"
#include "framework/ResString.h"

namespace {

const std::wstring kBanner = L"\nFastrelle Module: Fastrelle Version: 2018.0.5 released: Mar  5 2018 . ";

std::wstring Env(const wchar_t* name) {
  wchar_t buf[1024];
  return zcedGetEnv(name, buf, 1024) == RTNORM ? buf : L"<absent>";
}

std::vector<std::wstring> LogLines(const wchar_t* prefix) {
  std::vector<std::wstring> out;
  for (const auto& line : headless::LinkerLog())
    if (line.rfind(prefix, 0) == 0) out.push_back(line);
  return out;
}

// The main module's entry point, called directly while the module stays mapped.
class DirectEntry {
public:
  explicit DirectEntry(const std::filesystem::path& module) {
    handle_ = dlopen(module.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (handle_) entry_ = reinterpret_cast<int (*)(int, void*)>(dlsym(handle_, "zcrxEntryPoint"));
  }
  ~DirectEntry() {
    if (handle_) dlclose(handle_);
  }
  int operator()(int message) { return entry_ ? entry_(message, nullptr) : -1; }
  bool ok() const { return entry_ != nullptr; }

private:
  void* handle_ = nullptr;
  int (*entry_)(int, void*) = nullptr;
};

// The global names of the registered commands, each followed by a blank.
std::wstring NamesLeft() {
  std::wstring names;
  for (const auto& c : headless::Commands()) names += c.globalName + L" ";
  return names;
}

using ModuleShellTest = HostTest;

}  // namespace

TEST_F(ModuleShellTest, StartUpPrintsTheBannerFirstAndLoadsTheSiblingsInOrder) {
  auto install = FreshInstall();
  int depth = zcDocManagerPtr()->resourceHandleDepth();
  ASSERT_TRUE(StartFastrelle(install));

  EXPECT_EQ(headless::Transcript(), kBanner);
  auto loads = LogLines(L"load ");
  ASSERT_EQ(loads.size(), 7u);  // the main module, then two calls per sibling
  EXPECT_EQ(loads[1], L"load Fastrelle_Construction.zrx print=1 cmd=1");
  EXPECT_EQ(loads[2], L"load Fastrelle_Construction.zrx print=0 cmd=0");
  EXPECT_EQ(loads[3], L"load Fastrelle_Plot.zrx print=1 cmd=1");
  EXPECT_EQ(loads[5], L"load Base.zrx print=1 cmd=1");
  EXPECT_EQ(LogLines(L"unlock Module_Fastrelle.zrx").size(), 1u);
  EXPECT_EQ(LogLines(L"mdiaware Module_Fastrelle.zrx").size(), 1u);
  EXPECT_EQ(zcDocManagerPtr()->resourceHandleDepth(), depth);

  std::wstring installText = headless::FromUtf8(install.string());
  std::wstring appdata = AppData() + L"\\Mirabo\\Fastrelle\\2018\\Fastrelle";
  EXPECT_EQ(Env(L"Fastrelle_Construction_Path"), installText);
  EXPECT_EQ(Env(L"Fastrelle_Plot_Path"), installText);
  EXPECT_EQ(Env(L"Fastrelle_Construction_AppdataPath"), appdata);
  EXPECT_EQ(Env(L"Fastrelle_Plot_AppdataPath"), appdata);
}

TEST_F(ModuleShellTest, EveryRegisteredCommandAnswersToBothNames) {
  ASSERT_TRUE(StartFastrelle(FreshInstall()));
  auto commands = headless::Commands();
  ASSERT_FALSE(commands.empty());
  for (const auto& c : commands) {
    EXPECT_EQ(headless::RunCommand(c.globalName), headless::CommandResult::Ran) << c.globalName;
    EXPECT_EQ(headless::RunCommand(c.localName), headless::CommandResult::Ran) << c.localName;
  }
  // Base registers first and the stack keeps the first name of a group: "Fastrelle:About"
  // is Base's About, and the main set's About (the banner) is refused.
  auto about = std::find_if(commands.begin(), commands.end(),
                            [](auto& c) { return c.localName == L"Fastrelle:About"; });
  ASSERT_NE(about, commands.end());
  EXPECT_EQ(about->globalName, L"Fastrelle:OProgramie");
  EXPECT_EQ(about->group, L"Fastrelle");
  EXPECT_EQ(about->flags, 1);
  EXPECT_EQ(std::count_if(commands.begin(), commands.end(),
                          [](auto& c) { return c.globalName == L"Fastrelle:About"; }),
            0);
}

TEST_F(ModuleShellTest, StringsComeFromTheResourceModulesAndMissingOnesAreReported) {
  ASSERT_TRUE(StartFastrelle(FreshInstall()));
  headless::ClearTranscript();
  EXPECT_EQ(LoadResString(40205), CString(L"\nWskaż linię szycia"));
  EXPECT_EQ(LoadResString(43120), CString(L"Zamknij"));
  EXPECT_EQ(headless::Transcript(), L"");
  EXPECT_EQ(LoadResString(39999), CString());
  EXPECT_EQ(headless::Transcript(), L"Pusty tekst\n39999");
}

TEST_F(ModuleShellTest, AMissingSiblingLeavesOnlyItsStringsMissing) {
  auto install = FreshInstall();
  std::filesystem::remove(install / "Fastrelle_Plot.zrx");
  ASSERT_TRUE(StartFastrelle(install));
  EXPECT_NE(headless::Transcript().find(L"Unable to load"), std::wstring::npos);
  EXPECT_EQ(headless::LoadedModules().size(), 3u);
  headless::ClearTranscript();
  EXPECT_EQ(LoadResString(40205), CString(L"\nWskaż linię szycia"));
  EXPECT_EQ(LoadResString(43120), CString());
  EXPECT_EQ(headless::Transcript(), L"Pusty tekst\n43120");
}

TEST_F(ModuleShellTest, ASiblingAlreadyLoadedGetsOnlyTheQuietLoadCall) {
  auto install = FreshInstall();
  std::wstring construction = headless::FromUtf8((install / "Fastrelle_Construction.zrx").string());
  ASSERT_TRUE(Linker()->loadModule(construction.c_str(), false, false));
  headless::ClearLinkerLog();
  ASSERT_TRUE(StartFastrelle(install));
  auto loads = LogLines(L"load Fastrelle_Construction.zrx");
  ASSERT_EQ(loads.size(), 1u);
  EXPECT_EQ(loads[0], L"load Fastrelle_Construction.zrx print=0 cmd=0");
  EXPECT_TRUE(LogLines(L"init Fastrelle_Construction.zrx").empty());
}

TEST_F(ModuleShellTest, UnloadTakesTheCommandsAwayBeforeTheModuleGoes) {
  auto install = FreshInstall();
  ASSERT_TRUE(StartFastrelle(install));
  DirectEntry entry(install / "Module_Fastrelle.zrx");
  ASSERT_TRUE(entry.ok());
  EXPECT_EQ(entry(2), 0);
  EXPECT_EQ(headless::RunCommand(L"Fastrelle"), headless::CommandResult::Unknown);
  EXPECT_EQ(entry(7), 0);  // other messages do nothing
  // The siblings' own: the test commands and Base's three.
  EXPECT_EQ(NamesLeft(), L"TFAS TestPlot Fastrelle:Podręcznik Fastrelle:Aktualizuj Fastrelle:OProgramie ");
}

TEST_F(ModuleShellTest, ASecondStartUpRegistersNothingTwice) {
  auto install = FreshInstall();
  ASSERT_TRUE(StartFastrelle(install));
  size_t count = headless::Commands().size();
  DirectEntry entry(install / "Module_Fastrelle.zrx");
  headless::ClearTranscript();
  EXPECT_EQ(entry(1), 0);
  EXPECT_EQ(headless::Transcript(), kBanner);
  EXPECT_EQ(headless::Commands().size(), count);
  EXPECT_EQ(entry(2), 0);
  EXPECT_EQ(NamesLeft(), L"TFAS TestPlot Fastrelle:Podręcznik Fastrelle:Aktualizuj Fastrelle:OProgramie ");
}

TEST_F(ModuleShellTest, WithoutADynamicLinkerStartUpSkipsTheLinkerSteps) {
  auto install = FreshInstall();
  ASSERT_TRUE(StartFastrelle(install));
  DirectEntry entry(install / "Module_Fastrelle.zrx");
  entry(2);
  ZcRxObject* linker = zcrxSysRegistry()->remove(L"DynamicLinker");
  headless::ClearLinkerLog();
  headless::ClearTranscript();
  EXPECT_EQ(entry(1), 0);
  zcrxSysRegistry()->atPut(L"DynamicLinker", linker);
  EXPECT_TRUE(headless::LinkerLog().empty());
  EXPECT_EQ(headless::Transcript(), kBanner);
  EXPECT_EQ(headless::RunCommand(L"Fastrelle"), headless::CommandResult::Ran);
}

TEST_F(ModuleShellTest, WithoutAnInstallFolderNoSiblingIsLookedForAtTheRoot) {
  auto install = FreshInstall();
  headless::SetAppDataFolder(AppData());
  std::wstring main = headless::FromUtf8((install / "Module_Fastrelle.zrx").string());
  ASSERT_TRUE(Linker()->loadModule(main.c_str(), true, false));
  EXPECT_EQ(LogLines(L"load ").size(), 1u);
  std::wstring text = headless::Transcript();
  size_t first = text.find(L"brak folderu instalacji");
  ASSERT_NE(first, std::wstring::npos);
  EXPECT_EQ(text.find(L"brak folderu instalacji", first + 1), std::wstring::npos);
  EXPECT_EQ(Env(L"Fastrelle_Construction_Path"), L"");
}

TEST_F(ModuleShellTest, LoadingASiblingWithoutALinkerFailsWithoutACrash) {
  auto install = FreshInstall();
  std::wstring plot = headless::FromUtf8((install / "Fastrelle_Plot.zrx").string());
  EXPECT_EQ(LoadModuleIfNeeded(plot.c_str(), nullptr), 3);
  EXPECT_FALSE(zcrxAppIsLoaded(plot.c_str()));
}

TEST_F(ModuleShellTest, TheArrowKeyFilterIsInstalledOnceAndGoesWithTheModule) {
  auto install = FreshInstall();
  const std::size_t before = headless::FilterCount();
  ASSERT_TRUE(StartFastrelle(install));
  EXPECT_EQ(before + 1, headless::FilterCount());
  DirectEntry entry(install / "Module_Fastrelle.zrx");
  ASSERT_TRUE(entry.ok());
  EXPECT_EQ(entry(1), 0);  // a second start-up
  EXPECT_EQ(before + 1, headless::FilterCount());
  EXPECT_EQ(entry(2), 0);
  EXPECT_EQ(before, headless::FilterCount());
}
