// CFileFind: wildcards without regard to case, sorted entries, the last entry still valid.
#include "mfc/CFileFind.h"

#include <gtest/gtest.h>

#include <vector>

#include "headless/Host.h"
#include "support/TempFolder.h"
#include "win/winbase.h"

namespace {

std::vector<std::wstring> Found(const std::wstring& pattern) {
  std::vector<std::wstring> names;
  CFileFind find;
  BOOL more = find.FindFile(pattern.c_str());
  while (more) {
    more = find.FindNextFile();
    names.push_back(find.GetFileName().str() + (find.IsDirectory() ? L"/" : L""));
  }
  return names;
}

TEST(CFileFind, ListsMatchesSortedWithDotsFirstAndTheLastEntryValid) {
  TempFolder dir;
  WriteBytes(dir.Native("b.DWG"), "");
  WriteBytes(dir.Native("a.dwg"), "");
  WriteBytes(dir.Native("c.txt"), "");
  WriteBytes(dir.Native("Sub/x"), "");
  EXPECT_EQ((std::vector<std::wstring>{L"a.dwg", L"b.DWG"}), Found(dir.Windows("*.dwg")));
  EXPECT_EQ((std::vector<std::wstring>{L"./", L"../", L"Sub/", L"a.dwg", L"b.DWG", L"c.txt"}),
            Found(dir.Windows("*")));
  EXPECT_EQ((std::vector<std::wstring>{L"./", L"../", L"Sub/", L"a.dwg", L"b.DWG", L"c.txt"}),
            Found(dir.Windows("*.*")));
}

TEST(CFileFind, AFailedSearchSaysWhetherTheNameIsMissingOrTheFolderCannotBeListed) {
  TempFolder dir;
  WriteBytes(dir.Native("Config/Plot.ini"), "");
  CFileFind find;
  EXPECT_FALSE(find.FindFile(dir.Windows("Config/none.ini").c_str()));
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
  EXPECT_FALSE(find.FindFile(dir.Windows("Nowhere/Plot.ini").c_str()));
  EXPECT_EQ(static_cast<DWORD>(ERROR_PATH_NOT_FOUND), GetLastError());
  headless::FailFileOperation(headless::FileFault::List, 1);
  EXPECT_FALSE(find.FindFile(dir.Windows("Config/Plot.ini").c_str()));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError());
  EXPECT_TRUE(find.FindFile(dir.Windows("Config/Plot.ini").c_str()));
  EXPECT_EQ(static_cast<DWORD>(ERROR_SUCCESS), GetLastError());
}

TEST(CFileFind, FindsOneNameRegardlessOfCaseAndReportsItsPathAsOnDisk) {
  TempFolder dir;
  WriteBytes(dir.Native("Config/Plot.ini"), "");
  CFileFind find;
  std::wstring root = dir.Windows() + L"/CONFIG\\";
  ASSERT_TRUE(find.FindFile((root + L"plot.INI").c_str()));
  EXPECT_FALSE(find.FindNextFile());
  EXPECT_EQ(CString(root + L"Plot.ini"), find.GetFilePath());
  EXPECT_EQ(CString(L"Plot"), find.GetFileTitle());
  EXPECT_FALSE(find.IsDots());
  EXPECT_FALSE(find.FindFile((root + L"none.ini").c_str()));
  EXPECT_FALSE(find.FindFile(root.c_str()));
}

}  // namespace
