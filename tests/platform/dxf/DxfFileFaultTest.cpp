// Drawing files when something fails: a save that fails at any step leaves the old drawing
// byte for byte and says why; opening what is not a readable drawing file (a folder, a
// pipe, a device, a file that cannot be read) is refused at once with the reason, and a
// message quotes no more than 80 characters of a bad line.
#include "db/ZcDbDatabase.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <optional>

#include "SampleDrawing.h"
#include "db/ZcDbBlockTableRecord.h"
#include "support/TempFolder.h"

namespace {

TEST(DxfFileFault, AFailedSaveLeavesTheOldDrawingAndSaysWhatFailed) {
  TempFolder dir;
  ZcDbDatabase old;
  ASSERT_EQ(Zcad::eOk, old.saveAs(dir.Windows("pattern.dwg").c_str()));
  const std::string before = ReadBytes(dir.Native("pattern.dwg"));
  ZcDbDatabase db;
  BuildSampleDrawing(&db);
  for (auto fault : {headless::FileFault::Write, headless::FileFault::Sync, headless::FileFault::Close,
                     headless::FileFault::Replace}) {
    headless::FailFileOperation(fault, 1);
    EXPECT_EQ(Zcad::eFileWriteError, db.saveAs(dir.Windows("pattern.dwg").c_str()));
    headless::ClearFileFaults();
    EXPECT_FALSE(db.readError().empty());
    EXPECT_EQ(before, ReadBytes(dir.Native("pattern.dwg")));
    EXPECT_EQ(1u, dir.FileCount()) << "a temporary file was left behind";
  }
  ASSERT_EQ(Zcad::eOk, db.saveAs(dir.Windows("pattern.dwg").c_str()));
  EXPECT_EQ(db.dxfText(), ReadBytes(dir.Native("pattern.dwg")));
  EXPECT_TRUE(db.readError().empty());
  EXPECT_EQ(Zcad::eInvalidInput, db.saveAs(L""));
}

// The reasons a drawing cannot be opened; the database keeps what it held.
TEST(DxfFileFault, WhatIsNotAReadableDrawingFileIsRefusedWithItsReason) {
  TempFolder dir;
  ZcDbDatabase source;
  BuildSampleDrawing(&source);
  ASSERT_EQ(Zcad::eOk, source.saveAs(dir.Windows("good.dxf").c_str()));
  ASSERT_EQ(0, ::mkfifo(dir.Native("pipe.dxf").c_str(), 0666));
  std::ofstream(dir.Native("binary.dxf"), std::ios::binary) << std::string("AutoCAD Binary DXF\r\n\x1a\0", 22);
  struct Case {
    std::wstring path;
    std::optional<headless::FileFault> fault;
    Zcad::ErrorStatus status;
    const wchar_t* says;
  };
  const auto none = std::nullopt;
  const Case cases[] = {
      {dir.Windows(), none, Zcad::eFileAccessErr, L"it is a folder"},
      {dir.Windows("pipe.dxf"), none, Zcad::eFileAccessErr, L"not a regular file"},  // would block
      {L"/dev/zero", none, Zcad::eFileAccessErr, L"not a regular file"},              // would not end
      {dir.Windows("good.dxf"), headless::FileFault::Open, Zcad::eFileAccessErr, L"cannot be read: permission denied"},
      {dir.Windows("good.dxf"), headless::FileFault::Read, Zcad::eFileAccessErr, L"cannot be read"},
      {dir.Windows("none.dxf"), none, Zcad::eFileNotFound, L"no such file"},
      {dir.Windows("binary.dxf"), none, Zcad::eBadDxfFile, L"line 1: a binary DXF file, not a DXF text file"},
  };
  for (const Case& c : cases) {
    ZcDbDatabase db;
    ZcDbObjectId model = db.modelSpaceId();
    if (c.fault) headless::FailFileOperation(*c.fault, 1);
    EXPECT_EQ(c.status, db.readDwgFile(c.path.c_str())) << headless::ToUtf8(c.path);
    headless::ClearFileFaults();
    EXPECT_NE(std::wstring::npos, db.readError().find(c.says)) << headless::ToUtf8(db.readError());
    EXPECT_TRUE(model.isValid()) << "the database lost its content";
  }
  ZcDbDatabase db;
  EXPECT_EQ(Zcad::eOk, db.readDwgFile(dir.Windows("good.dxf").c_str()));
}

TEST(DxfFileFault, AMessageQuotesAtMostEightyCharactersOfTheBadLine) {
  const std::string huge(1 << 20, 'x');
  const std::string files[] = {
      huge + "\n0\nEOF\n",                                                     // where a group code belongs
      "0\n" + huge + "\n0\nEOF\n",                                             // where a section belongs
      "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n" + huge + "\n0\nENDSEC\n0\nEOF\n",  // a number
      "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\n" + huge + "\n0\nENDSEC\n0\nEOF\n",        // a block name
      "0\nSECTION\n2\nENTITIES\n0\nINSERT\n2\n" + huge + "\n0\nENDSEC\n0\nEOF\n",     // a reference
  };
  for (const std::string& text : files) {
    ZcDbDatabase db;
    EXPECT_EQ(Zcad::eBadDxfFile, db.readDxfText(text));
    std::wstring error = db.readError();
    EXPECT_NE(std::wstring::npos, error.find(std::wstring(80, L'x') + L"...\"")) << headless::ToUtf8(error);
    EXPECT_EQ(std::wstring::npos, error.find(std::wstring(81, L'x')));
  }
}

}  // namespace
