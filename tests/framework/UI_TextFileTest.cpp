// UI_TextFile: UTF-16 lines written and read back, locks, deletion.
#include "framework/UI_TextFile.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace {

TEST(UI_TextFile, RoundTripsPolishTextAsUtf16WithMark) {
  TempFolder dir;
  UI_TextFile file(CString(dir.Windows("info.txt")));
  ASSERT_EQ(1, file.WriteLines(CStringArray{L"Przód", L"Łódź"}));
  EXPECT_EQ(std::string("\xFF\xFEP\0r\0z\0\xF3\0d\0\r\0\n\0", 16), ReadBytes(dir.Native("info.txt")).substr(0, 16));
  CStringArray lines;
  ASSERT_TRUE(file.ReadLines(lines));
  ASSERT_EQ(2, lines.GetSize());
  EXPECT_EQ(CString(L"Przód"), lines[0]);
  EXPECT_EQ(CString(L"Łódź"), lines[1]);
}

TEST(UI_TextFile, ReportsFailedWritesAndFailedReads) {
  TempFolder dir;
  EXPECT_EQ(-1, UI_TextFile(CString(dir.Windows("none\\a.txt"))).WriteLines(CStringArray{L"x"}));
  headless::FailFileOperation(headless::FileFault::Write, 1);
  EXPECT_EQ(-1, UI_TextFile(CString(dir.Windows("a.txt"))).WriteLines(CStringArray{L"x"}));
  headless::ClearFileFaults();
  CStringArray lines;
  EXPECT_FALSE(UI_TextFile(CString(dir.Windows("missing.txt"))).ReadLines(lines));
  lines.Add(L"kept");
  EXPECT_FALSE(UI_TextFile(L"/proc/self/mem").ReadLines(lines));  // opens, then a read fails
  EXPECT_EQ(1, lines.GetSize());
}

TEST(UI_TextFile, IsLockedWhenHeldOrMissing) {
  TempFolder dir;
  UI_TextFile file(CString(dir.Windows("a.txt")));
  EXPECT_TRUE(file.IsLocked());
  ASSERT_EQ(1, file.WriteLines(CStringArray{L"x"}));
  EXPECT_FALSE(file.IsLocked());
  headless::HoldFile(dir.Windows("a.txt"));
  EXPECT_TRUE(file.IsLocked());
  file.Delete();
  headless::ClearFileFaults();
  EXPECT_TRUE(std::filesystem::exists(dir.Native("a.txt")));
  file.Delete();
  EXPECT_FALSE(std::filesystem::exists(dir.Native("a.txt")));
  file.Delete();
}

}  // namespace
