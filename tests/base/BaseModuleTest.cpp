// The Base module loaded by the host: its three commands in group "Fastrelle", its own
// string table, and an unload that takes exactly its commands off.
#include "base/BaseModule.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include "HostFixture.h"
#include "ed/ZcApDocManager.h"
#include "headless/Windows.h"
#include "mfc/Resources.h"
#include "win/winbase.h"

namespace {

using BaseModuleTest = HostTest;

std::wstring W(const std::filesystem::path& p) { return headless::FromUtf8(p.string()); }

TEST_F(BaseModuleTest, AloneItRegistersItsCommandsAndAnswersItsOwnStrings) {
  auto install = FreshInstall();
  int depth = zcDocManagerPtr()->resourceHandleDepth();
  ASSERT_TRUE(Linker()->loadModule(W(install / "Base.zrx").c_str(), true, false));
  EXPECT_EQ(zcDocManagerPtr()->resourceHandleDepth(), depth);
  std::wstring names;
  for (const auto& c : headless::Commands())
    names += c.group + L":" + c.globalName + L"/" + c.localName + L"/" + std::to_wstring(c.flags) + L" ";
  EXPECT_EQ(names, L"Fastrelle:Fastrelle:Podręcznik/Fastrelle:Help/1 Fastrelle:Fastrelle:Aktualizuj/Fastrelle:Update/1 "
                   L"Fastrelle:Fastrelle:OProgramie/Fastrelle:About/1 ");
  HMODULE base = GetModuleHandleW(L"Base.zrx");
  ASSERT_NE(base, nullptr);
  EXPECT_EQ(std::wstring(platform::FindModuleString(base, 42201)), L"Dowiedz się więcej o programie Fastrelle");
  EXPECT_EQ(std::wstring(platform::FindModuleString(base, 42204)), L"Wersja");
  EXPECT_EQ(std::wstring(platform::FindModuleString(base, 42205)), L"Moduł");
  EXPECT_EQ(headless::Transcript(), L"");
}

TEST_F(BaseModuleTest, UnloadTakesOnlyBasesCommandsOffTheSharedGroup) {
  auto install = FreshInstall();
  ASSERT_TRUE(StartFastrelle(install));
  void* dl = dlopen((install / "Base.zrx").c_str(), RTLD_NOW | RTLD_NOLOAD);
  ASSERT_NE(dl, nullptr);
  auto entry = reinterpret_cast<int (*)(int, void*)>(dlsym(dl, "zcrxEntryPoint"));
  EXPECT_EQ(entry(2, nullptr), 0);
  EXPECT_EQ(headless::RunCommand(L"Fastrelle:Help"), headless::CommandResult::Unknown);
  EXPECT_EQ(headless::RunCommand(L"Fastrelle:OProgramie"), headless::CommandResult::Unknown);
  EXPECT_EQ(headless::RunCommand(L"Fastrelle"), headless::CommandResult::Ran);  // the main set's stays
  EXPECT_EQ(entry(2, nullptr), 0);  // a second unload finds nothing to do
  EXPECT_EQ(entry(1, nullptr), 0);  // and a new start registers the three again
  EXPECT_EQ(headless::RunCommand(L"Fastrelle:Update"), headless::CommandResult::Ran);
  dlclose(dl);
}

TEST_F(BaseModuleTest, WithoutACommandStackItRegistersNothingAndStillUnloads) {
  auto install = FreshInstall();
  ZcRxObject* stack = zcrxSysRegistry()->remove(L"ZCAD_REGISTERED_COMMANDS");
  const std::wstring base = W(install / "Base.zrx");
  bool loaded = Linker()->loadModule(base.c_str(), true, false);
  bool unloaded = Linker()->unloadModule(base.c_str());
  zcrxSysRegistry()->atPut(L"ZCAD_REGISTERED_COMMANDS", stack);
  EXPECT_TRUE(loaded);
  EXPECT_TRUE(unloaded);
  EXPECT_TRUE(headless::Commands().empty());
  EXPECT_EQ(headless::Transcript(), L"");
}

TEST_F(BaseModuleTest, EachCommandGivenNoAnswerReturnsAndLeavesNothingBehind) {
  ASSERT_TRUE(StartFastrelle(FreshInstall()));
  const std::size_t windows = headless::LiveWindowCount();
  const int depth = zcDocManagerPtr()->resourceHandleDepth();
  for (const wchar_t* name : {L"Fastrelle:Help", L"Fastrelle:Update", L"Fastrelle:About"}) {
    EXPECT_EQ(headless::RunCommand(name), headless::CommandResult::Ran) << name;
    EXPECT_EQ(headless::LiveWindowCount(), windows) << name;
    EXPECT_TRUE(headless::OpenDialogs().empty()) << name;
    EXPECT_EQ(zcDocManagerPtr()->resourceHandleDepth(), depth) << name;
  }
  EXPECT_EQ(headless::Transcript().find(L"Pusty tekst"), std::wstring::npos);
}

}  // namespace
