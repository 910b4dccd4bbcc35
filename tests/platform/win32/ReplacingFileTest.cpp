// Whole-file writes: a file is replaced only by a complete new one. A write, sync, close or
// rename that fails leaves the old file byte for byte and no temporary file beside it.
#include "win32/ReplacingFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/TempFolder.h"

namespace {

TEST(ReplacingFile, AnyFailedStepLeavesTheOldFileWholeAndNoTemporaryFile) {
  struct Fault {
    headless::FileFault kind;
    int nth;
    const wchar_t* says;
  };
  const Fault faults[] = {
      {headless::FileFault::Write, 1, L"could not be written (No space left on device)"},
      {headless::FileFault::Write, 2, L"could not be written"},  // the second megabyte
      {headless::FileFault::Sync, 1, L"could not be stored on the disk"},
      {headless::FileFault::Close, 1, L"could not be stored on the disk"},
      {headless::FileFault::Replace, 1, L"could not take the place of"},
      {headless::FileFault::Open, 1, L"no file can be made in"},
  };
  std::string fresh(3 << 20, 'n');
  for (const Fault& fault : faults) {
    TempFolder dir;
    WriteBytes(dir.Native("drawing.dwg"), "old content");
    headless::FailFileOperation(fault.kind, fault.nth);
    std::wstring reason;
    EXPECT_FALSE(headless::WriteWholeFile(dir.Windows("drawing.dwg"), fresh, reason));
    headless::ClearFileFaults();
    EXPECT_NE(std::wstring::npos, reason.find(fault.says)) << headless::ToUtf8(reason);
    EXPECT_EQ("old content", ReadBytes(dir.Native("drawing.dwg")));
    EXPECT_EQ(1u, dir.FileCount()) << "a temporary file was left behind";
  }
}

TEST(ReplacingFile, ANewFileTakesTheOldOnesPlaceWithItsPermissionsAndLinks) {
  TempFolder dir;
  WriteBytes(dir.Native("real.dxf"), "old");
  ::chmod(dir.Native("real.dxf").c_str(), 0640);
  std::filesystem::create_symlink(dir.Native("real.dxf"), dir.Native("link.dxf"));
  std::wstring reason;
  ASSERT_TRUE(headless::WriteWholeFile(dir.Windows("link.dxf"), "new", reason)) << headless::ToUtf8(reason);
  EXPECT_TRUE(std::filesystem::is_symlink(dir.Native("link.dxf")));
  EXPECT_EQ("new", ReadBytes(dir.Native("real.dxf")));
  struct stat st;
  ASSERT_EQ(0, ::stat(dir.Native("real.dxf").c_str(), &st));
  EXPECT_EQ(0640u, st.st_mode & 0777);
  ASSERT_TRUE(headless::WriteWholeFile(dir.Windows("sub\\..\\fresh.svg"), "", reason));
  EXPECT_EQ("", ReadBytes(dir.Native("fresh.svg")));
  EXPECT_EQ(3u, dir.FileCount());  // the real file, the link to it, the fresh one
}

TEST(ReplacingFile, WhatIsNotARegularFileIsNeverReplaced) {
  TempFolder dir;
  std::filesystem::create_directories(dir.Native("folder"));
  std::wstring reason;
  EXPECT_FALSE(headless::WriteWholeFile(dir.Windows("folder"), "x", reason));
  EXPECT_EQ(L"it is a folder", reason);
  EXPECT_TRUE(std::filesystem::is_directory(dir.Native("folder")));
  EXPECT_FALSE(headless::WriteWholeFile(L"/dev/null", "x", reason));
  EXPECT_EQ(L"it is not a regular file", reason);
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}

}  // namespace
