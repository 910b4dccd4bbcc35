// UI_Path's pieces and NormalizePath's edge cases.
#include "framework/UI_Path.h"

#include <gtest/gtest.h>

namespace {

TEST(UI_Path, TakesAWindowsPathApart) {
  UI_Path path(L"C:\\dir\\file.dwg");
  EXPECT_EQ(CString(L"file.dwg"), path.GetFileName());
  EXPECT_EQ(CString(L"dwg"), path.GetExtension());
  EXPECT_EQ(CString(L"file"), path.GetNameWithoutExtension());
  EXPECT_EQ(CString(L"C:/dir/"), path.GetFolder());
}

TEST(UI_Path, KeepsWholeNameAsExtensionWithoutDot) {
  UI_Path path(L"C:\\dir\\README");
  EXPECT_EQ(CString(L"README"), path.GetExtension());
  EXPECT_EQ(CString(), path.GetNameWithoutExtension());
}

TEST(NormalizePath, DropsDotDotWithThePieceBeforeIt) {
  EXPECT_EQ(CString(L"C:\\a"), NormalizePath(L"C:\\a\\b\\.."));
  EXPECT_EQ(CString(L"C:\\a\\b"), NormalizePath(L"C:\\a\\b\\"));
  EXPECT_EQ(CString(L"\\\\srv\\s"), NormalizePath(L"\\\\srv\\s\\x\\.."));
}

TEST(NormalizePath, TakesOnePiecePerDotDot) {
  EXPECT_EQ(CString(L"C:\\a"), NormalizePath(L"C:\\a\\b\\c\\..\\.."));
  EXPECT_EQ(CString(L"C:\\"), NormalizePath(L"C:\\a\\b\\..\\.."));
  EXPECT_EQ(CString(L"C:\\"), NormalizePath(L"C:\\a\\.\\.."));
  EXPECT_EQ(CString(L"C:\\x"), NormalizePath(L"C:\\a\\..\\x\\y\\.."));
}

TEST(NormalizePath, KeepsShortInputAndRoots) {
  EXPECT_EQ(CString(L".."), NormalizePath(L".."));
  EXPECT_EQ(CString(L"a\\..\\.."), NormalizePath(L"a\\..\\.."));
  EXPECT_EQ(CString(L"\\\\srv\\..\\.."), NormalizePath(L"\\\\srv\\..\\.."));
  EXPECT_EQ(CString(), NormalizePath(L""));
  EXPECT_EQ(CString(L"C:\\.."), NormalizePath(L"C:\\.."));
  EXPECT_EQ(CString(L"C:\\"), NormalizePath(L"C:\\"));
  EXPECT_EQ(CString(L"\\"), NormalizePath(L"\\"));
  EXPECT_EQ(CString(L"C:\\"), NormalizePath(L"C:\\a\\.."));
}

}  // namespace
