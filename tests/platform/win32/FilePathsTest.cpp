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

TEST(FromUtf8, MalformedSequencesBecomeReplacementCharactersAndNeverOthers) {
  const std::wstring bad(1, L'\uFFFD');
  EXPECT_EQ(L"a" + bad + bad + L"b", platform::FromUtf8("a\xC0\xAF" "b"));    // overlong "/"
  EXPECT_EQ(bad + bad + bad, platform::FromUtf8("\xE0\x80\xAF"));             // overlong "/"
  EXPECT_EQ(bad + bad + bad + L"x", platform::FromUtf8("\xED\xA0\x80x"));     // a surrogate
  EXPECT_EQ(bad + bad + bad + bad, platform::FromUtf8("\xF4\x90\x80\x80"));  // above U+10FFFF
  EXPECT_EQ(bad + L"x" + bad, platform::FromUtf8("\xE2\x82x\x80"));            // cut short, stray
  EXPECT_EQ(bad, platform::FromUtf8("\xF8\x88\x80\x80\x80").substr(0, 1));
  EXPECT_EQ(L"/ó€\U0010FFFF\U0001F600", platform::FromUtf8("/\xC3\xB3\xE2\x82\xAC\xF4\x8F\xBF\xBF\xF0\x9F\x98\x80"));
}

TEST(PathFileTitle, DropsOnlyTheLastExtension) {
  EXPECT_EQ(L"b.c", platform::PathFileTitle(L"C:\\a\\b.c.zrx"));
  EXPECT_EQ(L"README", platform::PathFileTitle(L"C:/a/README"));
  EXPECT_EQ(L"..", platform::PathFileTitle(L".."));
}

}  // namespace
