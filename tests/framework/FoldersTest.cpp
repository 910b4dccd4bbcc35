// The install and per-user folders: which host variable wins, what is cached, and that a
// broken registry value or expansion gives "" rather than garbage.
#include "framework/Folders.h"

#include <gtest/gtest.h>

#include "TestFolders.h"

namespace {

const wchar_t kKey[] = L"SOFTWARE\\MIRABO\\Fastrelle\\2018\\Fastrelle";

TEST(Folders, PlotVariableServesWhenConstructionIsAbsentAndIsCached) {
  EXPECT_IN_FRESH_PROCESS({
    headless::ClearHostEnvironment();
    zcedSetEnv(L"Fastrelle_Plot_Path", L"D:\\Fastrelle");
    EXPECT_EQ(CString(L"D:\\Fastrelle"), GetInstallPath());
    zcedSetEnv(L"Fastrelle_Plot_Path", L"E:\\Other");
    EXPECT_EQ(CString(L"D:\\Fastrelle"), GetInstallPath());
    EXPECT_EQ(CString(), GetAppdataPath());
    zcedSetEnv(L"Fastrelle_Plot_AppdataPath", L"U:\\me");
    EXPECT_EQ(CString(L"U:\\me"), GetAppdataPath());
  });
}

TEST(Folders, ModuleFolderServesWithoutVariables) {
  EXPECT_IN_FRESH_PROCESS({
    headless::ClearHostEnvironment();
    headless::SetModuleFileName(headless::InstanceContaining(reinterpret_cast<void*>(&GetModuleFolder)),
                                L"C:\\a\\b\\m.zrx");
    EXPECT_EQ(CString(L"C:/a/b/"), GetModuleFolder());
    EXPECT_EQ(CString(L"C:/a/b/"), GetInstallPath());
  });
}

TEST(Folders, EmptyRegistryValueIsReadAgainAtTheNextCall) {
  EXPECT_IN_FRESH_PROCESS({
    headless::ClearRegistry();
    EXPECT_EQ(CString(), GetRegisteredInstallPath());
    headless::SetMachineRegistryValue(kKey, L"Path", L"");
    EXPECT_EQ(CString(), GetRegisteredInstallPath());
    headless::SetMachineRegistryValue(kKey, L"Path", L"C:\\Fastrelle");
    EXPECT_EQ(CString(L"C:\\Fastrelle"), GetRegisteredInstallPath());
    headless::SetMachineRegistryValue(kKey, L"Path", L"C:\\Later");
    EXPECT_EQ(CString(L"C:\\Fastrelle"), GetRegisteredInstallPath());
  });
}

TEST(RegistryKey, ReadsValuesWithinTheirSizeAndRefusesOversizedOnes) {
  headless::SetMachineRegistryValue(L"SOFTWARE\\Test", L"Raw", L"C:\\bez", false);
  EXPECT_EQ(CString(L"C:\\bez"), RegistryKey().ReadString(L"SOFTWARE\\Test", L"Raw"));
  headless::SetMachineRegistryValue(L"SOFTWARE\\Test", L"Fits", std::wstring(511, L'x'));
  EXPECT_EQ(CString(std::wstring(511, L'x')), RegistryKey().ReadString(L"SOFTWARE\\Test", L"Fits"));
  headless::SetMachineRegistryValue(L"SOFTWARE\\Test", L"Full", std::wstring(512, L'x'), false);
  EXPECT_EQ(CString(std::wstring(512, L'x')), RegistryKey().ReadString(L"SOFTWARE\\Test", L"Full"));
  headless::SetMachineRegistryValue(L"SOFTWARE\\Test", L"Long", std::wstring(512, L'x'));
  EXPECT_EQ(CString(), RegistryKey().ReadString(L"SOFTWARE\\Test", L"Long"));
  EXPECT_EQ(CString(), RegistryKey().ReadString(L"SOFTWARE\\None", L"Path"));
}

TEST(Folders, PerUserFolderIsEmptyWhenAppdataIsUnsetOrTooLong) {
  headless::SetAppDataFolder(L"");
  EXPECT_EQ(CString(), ExpandAppdata());
  EXPECT_EQ(CString(), BuildAppdataPath());
  headless::SetAppDataFolder(std::wstring(300, L'a'));
  EXPECT_EQ(CString(), BuildAppdataPath());
  headless::SetAppDataFolder(L"/home/ewa/.config/fastrelle");
  EXPECT_EQ(CString(L"/home/ewa/.config/fastrelle\\Mirabo\\Fastrelle\\2018\\Fastrelle"), BuildAppdataPath());
  headless::SetAppDataFolder(L"/home/ewa/100%");
  EXPECT_EQ(CString(L"/home/ewa/100%"), ExpandAppdata());
  headless::SetAppDataFolder(L"");
}

}  // namespace

namespace {

TEST(Folders, SettingsPathsResolveAgainstTheInstallFolderUnlessAbsolute) {
  EXPECT_IN_FRESH_PROCESS({
    zcedSetEnv(L"Fastrelle_Construction_Path", L"C:\\Fastrelle");
    EXPECT_EQ(CString(L"C:\\Fastrelle\\Templates\\Dart.dwg"), ResolveInstallPath(L"Templates\\Dart.dwg"));
    EXPECT_EQ(CString(L"D:\\Mine\\Dart.dwg"), ResolveInstallPath(L"D:\\Mine\\Dart.dwg"));
    EXPECT_EQ(CString(L"\\\\srv\\Dart.dwg"), ResolveInstallPath(L"\\\\srv\\Dart.dwg"));
    EXPECT_EQ(CString(L"/home/ewa/Dart.dwg"), ResolveInstallPath(L"/home/ewa/Dart.dwg"));
    EXPECT_EQ(CString(), ResolveInstallPath(L""));
  });
}

}  // namespace
