// The sectioned reader on "Lines.ini"-style files, and the shipped Lines.ini.
#include "framework/IniFileReader.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempFolder.h"

namespace {

const std::string kBom = "\xFF\xFE";

TEST(IniFileReader, ReadsSectionsCommentsAndValuesAsTheLineKindsNeedThem) {
  TempFolder dir;
  WriteBytes(dir.Native("Lines.ini"),
             kBom + Utf16("orphan=1\r\n[Seam] ; the seam\r\nColor = 3 ; red\r\nLineTypeScale=0,5\r\n"
                          "a=b=c\r\n=x\r\n]x[\r\n[Cut]\r\nk=1\r\nk=2\r\n[cut]\r\n__NAME=CUT\r\nk=3\r\n"));
  IniFileReader ini;
  ini.Load(CString(dir.Windows("lines.INI")));
  ASSERT_EQ(3, ini.GetCount());
  INI_Section seam = ini.GetSection(0);
  EXPECT_EQ(CString(L"Seam"), seam.GetSectionName());
  EXPECT_EQ(CString(L"3"), seam.GetValue(L"Color"));
  EXPECT_DOUBLE_EQ(0.5, seam.GetDouble(L"LineTypeScale"));
  EXPECT_EQ(CString(L"b"), seam.GetValue(L"a"));
  EXPECT_EQ(CString(), seam.GetValue(L"orphan"));
  INI cuts = ini.FindSections(L"cut");
  ASSERT_EQ(2, cuts.GetCount());
  EXPECT_EQ(CString(L"2"), cuts.GetSection(0).GetValue(L"k"));
  EXPECT_EQ(CString(L"CUT"), cuts.GetSection(1).GetSectionName());
  EXPECT_EQ(CString(), ini.GetSection(3).GetSectionName());
  EXPECT_EQ(CString(), ini.GetSection(-1).GetSectionName());
}

TEST(IniFileReader, ReportsMissingAndUnreadableFilesWithTheirPaths) {
  TempFolder dir;
  IniFileReader ini;
  headless::ClearTranscript();
  ini.Load(CString(dir.Windows("none.ini")));
  EXPECT_EQ(dir.Windows("none.ini") + L"! \n es: eFileNotFound\n", headless::Transcript());
  WriteBytes(dir.Native("held.ini"), kBom + Utf16("[a]\r\n"));
  headless::HoldFile(dir.Windows("held.ini"));
  headless::ClearTranscript();
  ini.Load(CString(dir.Windows("held.ini")));
  headless::ClearFileFaults();
  EXPECT_EQ(dir.Windows("held.ini") + L"\n es: eFileAccessErr\n", headless::Transcript());
  headless::FailFileOperation(headless::FileFault::List, 1);  // a folder it may not list
  headless::ClearTranscript();
  ini.Load(CString(dir.Windows("held.ini")));
  EXPECT_EQ(dir.Windows("held.ini") + L"\n es: eFileAccessErr\n", headless::Transcript());
  EXPECT_EQ(0, ini.GetCount());
}

TEST(IniFileReader, ShippedLinesHoldTheThreeLineKinds) {
  IniFileReader ini;
  ini.Load(FASTRELLE_SOURCE_DIR "/install/Config/Lines.ini");
  for (const wchar_t* kind : {L"SeamLine", L"CutLine", L"TechLine"}) {
    INI_Section section = ini.FindSections(kind).GetSection(0);
    EXPECT_FALSE(section.GetValue(L"LineType").IsEmpty()) << kind;
    std::string path = headless::ToUtf8(section.GetValue(L"LineTypePath").str());  // relative to install
    for (char& c : path)
      if (c == '\\') c = '/';
    EXPECT_TRUE(std::filesystem::is_regular_file(FASTRELLE_SOURCE_DIR "/install/" + path)) << kind;
    EXPECT_GT(section.GetDouble(L"LineTypeScale"), 0.0) << kind;
  }
}

}  // namespace
