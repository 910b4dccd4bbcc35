// UI_File: folder listings, the name as on disk, and 8-bit text appended and read.
#include "framework/UI_File.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace {

TEST(UI_File, ListsFileTitlesAndFoldersSkippingDots) {
  TempFolder dir;
  WriteBytes(dir.Native("b.dwg"), "");
  WriteBytes(dir.Native("A.DWG"), "");
  WriteBytes(dir.Native("c.txt"), "");
  WriteBytes(dir.Native("Tył/x.dwg"), "");
  UI_File folder(CString(dir.Windows() + L"\\"));
  CStringArray files, folders;
  folder.ListFiles(L".dwg", files);
  folder.ListFolders(folders);
  ASSERT_EQ(2, files.GetSize());
  EXPECT_EQ(CString(L"A"), files[0]);
  EXPECT_EQ(CString(L"b"), files[1]);
  ASSERT_EQ(1, folders.GetSize());
  EXPECT_EQ(CString(L"Tył"), folders[0]);
}

TEST(UI_File, BuildsItsPathAndFindsTheSpellingOnDisk) {
  TempFolder dir;
  WriteBytes(dir.Native("Model.dwg"), "");
  UI_File file(L"MODEL", CString(dir.Windows()), L".DWG");
  EXPECT_EQ(CString(dir.Windows() + L"\\MODEL.DWG"), file.GetPath());
  EXPECT_TRUE(file.Exists());
  EXPECT_EQ(CString(dir.Windows() + L"\\Model.dwg"), file.GetFoundPath());
  EXPECT_EQ(CString(L"DWG"), file.GetExtension());
  EXPECT_EQ(CString(L"MODEL"), file.GetNameWithoutExtension());
  UI_File readme(L"C:\\dir\\README");
  EXPECT_EQ(CString(), readme.GetExtension());
  EXPECT_EQ(CString(L"README"), readme.GetNameWithoutExtension());
  EXPECT_EQ(CString(L"a.b"), UI_File(L"C:\\dir\\a.b.dwg").GetNameWithoutExtension());
}

TEST(UI_File, AppendsPolishLinesInWindows1250) {
  TempFolder dir;
  UI_File file(CString(dir.Windows("log.txt")));
  file.AppendLines(CStringArray{L"Przód"});
  file.AppendLines(CStringArray{L"Łódź", L""});
  file.AppendLines(CStringArray());
  EXPECT_EQ("Prz\xF3\x64\r\n\xA3\xF3\x64\x9F\r\n\r\n", ReadBytes(dir.Native("log.txt")));
  CStringArray lines;
  ASSERT_TRUE(file.ReadLines(lines));
  ASSERT_EQ(3, lines.GetSize());
  EXPECT_EQ(CString(L"Łódź"), lines[1]);
}

TEST(UI_File, ReadsNothingFromMissingFilesOrFilesThatFailPartWay) {
  TempFolder dir;
  CStringArray lines;
  EXPECT_FALSE(UI_File(CString(dir.Windows("none.txt"))).ReadLines(lines));
  EXPECT_FALSE(UI_File(L"/proc/self/mem").ReadLines(lines));  // opens, then a read fails
  EXPECT_EQ(0, lines.GetSize());
}

TEST(UI_File, HeldFileIsReportedAsLockedAndKeepsItsContent) {
  TempFolder dir;
  WriteBytes(dir.Native("log.txt"), "stare\r\n");
  headless::HoldFile(dir.Windows("log.txt"));
  headless::ClearMessageBoxes();
  UI_File(CString(dir.Windows("log.txt"))).AppendLines(CStringArray{L"nowe"});
  headless::ClearFileFaults();
  ASSERT_EQ(1u, headless::MessageBoxes().size());
  EXPECT_EQ(dir.Windows("log.txt") + L" is locked.", headless::MessageBoxes()[0].text);
  EXPECT_EQ(L"!", headless::MessageBoxes()[0].caption);
  EXPECT_EQ("stare\r\n", ReadBytes(dir.Native("log.txt")));
}

TEST(UI_File, AppendingInAFolderThatCannotBeListedKeepsWhatTheFileHolds) {
  TempFolder dir;
  WriteBytes(dir.Native("log.txt"), "stare\r\n");
  headless::FailFileOperation(headless::FileFault::List, 1);
  UI_File(CString(dir.Windows("log.txt"))).AppendLines(CStringArray{L"nowe", std::wstring(L"a\0b", 3), L"c"});
  headless::ClearFileFaults();
  EXPECT_EQ("stare\r\nnowe\r\na\r\nc\r\n", ReadBytes(dir.Native("log.txt")));
}

TEST(UI_File, FailedCreateIsReportedInsteadOfThrown) {
  TempFolder dir;
  headless::ClearMessageBoxes();
  UI_File(CString(dir.Windows("none\\log.txt"))).AppendLines(CStringArray{L"x"});
  EXPECT_EQ(1u, headless::MessageBoxes().size());
}

}  // namespace
