// Base's own path is read whole however long it is, so its folder is never taken from a cut
// path; a module is found by its file name.
#include "base/ZRX_Module.h"

#include <gtest/gtest.h>

#include "BaseFixture.h"

namespace {

using ZRX_ModuleTest = BaseFolderTest;

TEST_F(ZRX_ModuleTest, ALongPathIsReadWholeAndItsFolderKept) {
  std::wstring folder = L"C:\\" + std::wstring(300, L'a') + L"\\" + std::wstring(400, L'b') + L"/Fastrelle";
  headless::SetModuleFileName(self_, folder + L"\\Base.zrx");
  EXPECT_EQ(ZRX_Module().GetOwnPath(), CString(folder + L"\\Base.zrx"));
  std::wstring expected = folder + L"\\";
  for (wchar_t& c : expected)
    if (c == L'/') c = L'\\';
  EXPECT_EQ(GetBaseFolder(), CString(expected));
}

TEST_F(ZRX_ModuleTest, AModuleIsFoundByItsFileNameOnlyWhileLoaded) {
  EXPECT_EQ(ZRX_Module().GetPathOf(L"Base.zrx"), CString());
  CopyModule("Base.zrx", "Base.zrx");
  std::wstring path = BaseFolder() + L"Base.zrx";
  ASSERT_TRUE(Linker()->loadModule(path.c_str(), true, false));
  EXPECT_EQ(ZRX_Module().GetPathOf(L"BASE.ZRX"), CString(path));
  EXPECT_EQ(ZRX_Module().GetPath(nullptr), CString());
}

}  // namespace
