// The dynamic linker on the real modules of the install tree.
#include "rx/ZcRxDynamicLinker.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <fstream>

#include "HostFixture.h"
#include "ed/ZcApDocManager.h"
#include "mfc/CString.h"
#include "win/winbase.h"

namespace {
std::wstring W(const std::filesystem::path& p) { return headless::FromUtf8(p.string()); }
using DynamicLinkerTest = HostTest;
}  // namespace

TEST_F(DynamicLinkerTest, ModulesAreKnownByFileNameWithoutRegardToCase) {
  auto install = FreshInstall();
  ASSERT_TRUE(Linker()->loadModule(W(install / "Base.zrx").c_str(), true));
  EXPECT_TRUE(zcrxAppIsLoaded(L"C:\\Somewhere\\BASE.ZRX"));
  EXPECT_FALSE(zcrxAppIsLoaded(L"Fastrelle_Plot.zrx"));
  EXPECT_TRUE(Linker()->loadModule(L"base.zrx", false));  // already loaded: no second start
  int inits = 0;
  for (const auto& line : headless::LinkerLog()) inits += line == L"init Base.zrx";
  EXPECT_EQ(inits, 1);
}

TEST_F(DynamicLinkerTest, ModuleHandlesAreFoundByNameOrByTheirOwnFile) {
  auto install = FreshInstall();
  EXPECT_EQ(GetModuleHandleW(L"Base.zrx"), nullptr);  // not loaded yet
  std::wstring base = W(install) + L"\\Base.zrx";
  ASSERT_TRUE(Linker()->loadModule(base.c_str(), true));
  HMODULE module = GetModuleHandleW(L"bASE.ZRX");
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(GetModuleHandleW(W(install / "Base.zrx").c_str()), module);  // the same file, another spelling
  EXPECT_EQ(GetModuleHandleW(L"\\elsewhere\\Base.zrx"), nullptr);     // another folder: another file
  wchar_t path[1024];
  EXPECT_GT(GetModuleFileNameW(module, path, 1024), 0u);
  EXPECT_EQ(std::wstring(path), base);
  HMODULE program = GetModuleHandleW(nullptr);
  ASSERT_NE(program, nullptr);
  EXPECT_NE(program, module);
}

TEST_F(DynamicLinkerTest, WindowsPathsWithMixedSeparatorsAreMapped) {
  auto install = FreshInstall();
  std::wstring path = W(install) + L"\\Fastrelle_Plot.zrx";
  EXPECT_TRUE(Linker()->loadModule(path.c_str(), true));
}

TEST_F(DynamicLinkerTest, FailuresArePrintedOnlyWhenAskedAndLeaveNothingLoaded) {
  auto install = FreshInstall();
  EXPECT_FALSE(Linker()->loadModule(W(install / "Missing.zrx").c_str(), false));
  EXPECT_EQ(headless::Transcript(), L"");
  EXPECT_FALSE(Linker()->loadModule(W(install / "Missing.zrx").c_str(), true));
  EXPECT_NE(headless::Transcript().find(L"Unable to load"), std::wstring::npos);
  std::ofstream(install / "Bogus.zrx") << "not a shared object";
  EXPECT_FALSE(Linker()->loadModule(W(install / "Bogus.zrx").c_str(), true));
  EXPECT_TRUE(headless::LoadedModules().empty());
}

TEST_F(DynamicLinkerTest, UnloadingAModuleLeavesNoneOfItsCommandsBehind) {
  auto install = FreshInstall();
  ASSERT_TRUE(StartFastrelle(install));
  ASSERT_EQ(headless::RunCommand(L"Fastrelle"), headless::CommandResult::Ran);
  EXPECT_TRUE(Linker()->unloadModule(L"Module_Fastrelle.zrx"));
  EXPECT_FALSE(zcrxAppIsLoaded(L"Module_Fastrelle.zrx"));
  EXPECT_EQ(headless::RunCommand(L"Fastrelle"), headless::CommandResult::Unknown);
  EXPECT_FALSE(Linker()->unloadModule(L"Module_Fastrelle.zrx"));
}

TEST_F(DynamicLinkerTest, AnUnloadedModuleLeavesNoResourceHandleBehind) {
  auto install = FreshInstall();
  ASSERT_TRUE(Linker()->loadModule(W(install / "Fastrelle_Plot.zrx").c_str(), true));
  void* dl = dlopen((install / "Fastrelle_Plot.zrx").c_str(), RTLD_NOW | RTLD_NOLOAD);
  ASSERT_NE(dl, nullptr);
  HINSTANCE plot = headless::InstanceContaining(dlsym(dl, "zcrxEntryPoint"));
  dlclose(dl);
  int depth = zcDocManagerPtr()->resourceHandleDepth();
  zcDocManagerPtr()->pushResourceHandle(plot);
  EXPECT_TRUE(Linker()->unloadModule(L"Fastrelle_Plot.zrx"));
  EXPECT_EQ(zcDocManagerPtr()->resourceHandleDepth(), depth);
  EXPECT_NE(zcDocManagerPtr()->curResourceHandle(), plot);
  CString text;
  EXPECT_FALSE(text.LoadString(43120));  // its strings went with it, and nothing freed is read
}

TEST_F(DynamicLinkerTest, ALockedModuleCannotBeUnloadedUntilItUnlocksAgain) {
  auto install = FreshInstall();
  ASSERT_TRUE(StartFastrelle(install));
  void* dl = dlopen((install / "Module_Fastrelle.zrx").c_str(), RTLD_NOW | RTLD_NOLOAD);
  ASSERT_NE(dl, nullptr);
  HINSTANCE main = headless::InstanceContaining(dlsym(dl, "zcrxEntryPoint"));
  dlclose(dl);
  ASSERT_TRUE(Linker()->lockApplication(main));  // the packet is the module's instance
  EXPECT_TRUE(Linker()->isApplicationLocked(L"Module_Fastrelle.zrx"));
  EXPECT_FALSE(Linker()->unloadModule(L"Module_Fastrelle.zrx"));
  EXPECT_TRUE(zcrxAppIsLoaded(L"Module_Fastrelle.zrx"));
  EXPECT_EQ(headless::RunCommand(L"Fastrelle:About"), headless::CommandResult::Ran);
  ASSERT_TRUE(Linker()->unlockApplication(main));
  EXPECT_TRUE(Linker()->unloadModule(L"Module_Fastrelle.zrx"));
  EXPECT_FALSE(zcrxAppIsLoaded(L"Module_Fastrelle.zrx"));
}
