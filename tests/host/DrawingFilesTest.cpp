// cadhost's --save and --svg when the disk fails: each reports the failure with its reason
// and leaves the file that was there byte for byte, with no temporary file beside it.
#include "host/DrawingFiles.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace {

TEST(DrawingFiles, AFailedSaveOrPictureSaysWhyAndLeavesTheOldFile) {
  TempFolder dir;
  WriteBytes(dir.Native("a.dwg"), "old drawing");
  WriteBytes(dir.Native("a.svg"), "old picture");
  for (auto fault : {headless::FileFault::Write, headless::FileFault::Sync, headless::FileFault::Close,
                     headless::FileFault::Replace}) {
    testing::internal::CaptureStderr();
    headless::FailFileOperation(fault, 1);
    EXPECT_FALSE(SaveDrawing(dir.Native("a.dwg")));
    headless::FailFileOperation(fault, 1);
    EXPECT_FALSE(SaveSvg(dir.Native("a.svg")));
    headless::ClearFileFaults();
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(std::string::npos, said.find("cannot save the drawing " + dir.Native("a.dwg") + ": the "));
    EXPECT_NE(std::string::npos, said.find("cannot write the picture " + dir.Native("a.svg") + ": the "));
    EXPECT_NE(std::string::npos, said.find("; the file there is left as it was\n")) << said;
    EXPECT_EQ("old drawing", ReadBytes(dir.Native("a.dwg")));
    EXPECT_EQ("old picture", ReadBytes(dir.Native("a.svg")));
    EXPECT_EQ(2u, dir.FileCount());
  }
  EXPECT_TRUE(SaveSvg(dir.Native("a.svg")));
  EXPECT_EQ(0u, ReadBytes(dir.Native("a.svg")).rfind("<?xml", 0));
}

}  // namespace
