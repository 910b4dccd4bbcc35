// Windows paths mapped onto native files.
#include "win32/FilePaths.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace {

TEST(NativePath, ResolvesDotsOnTheNameAndCaseAgainstTheDisk) {
  TempFolder dir;
  WriteBytes(dir.Native("Config/Lines.ini"), "");
  EXPECT_EQ(dir.Native("Config/Lines.ini"),
            platform::NativePath(dir.Windows() + L"\\missing\\..\\.\\CONFIG//lines.INI"));
  EXPECT_EQ("/Config/x.ini", platform::NativePath(L"C:\\Config\\x.ini"));
  EXPECT_EQ("../a", platform::NativePath(L"..\\a"));
  EXPECT_EQ("/", platform::NativePath(L"\\..\\"));
}

TEST(NativePath, PicksOneMatchWhenNamesDifferOnlyInCase) {
  TempFolder dir;
  WriteBytes(dir.Native("b.INI"), "");
  WriteBytes(dir.Native("B.ini"), "");
  EXPECT_EQ(dir.Native("B.ini"), platform::NativePath(dir.Windows("b.ini")));
}

TEST(PathFileTitle, DropsOnlyTheLastExtension) {
  EXPECT_EQ(L"b.c", platform::PathFileTitle(L"C:\\a\\b.c.zrx"));
  EXPECT_EQ(L"README", platform::PathFileTitle(L"C:/a/README"));
  EXPECT_EQ(L"..", platform::PathFileTitle(L".."));
}

}  // namespace
