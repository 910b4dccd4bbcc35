// _wfopen_s with the modes the system uses, and _wtoi/_wtof in the C locale.
#include "win/crt.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "mfc/CStdioFile.h"
#include "support/TempFolder.h"

using namespace std::string_literals;

namespace {

const std::string kBom = "\xFF\xFE";

TEST(WFopen, WritesUtf16WithMarkAndCrLfInUnicodeTextMode) {
  TempFolder dir;
  FILE* f = nullptr;
  ASSERT_EQ(0, _wfopen_s(&f, dir.Windows("a.ini").c_str(), L"wt,ccs=UNICODE"));
  CStdioFile file(f);
  file.WriteString(L"Przód=Łódź\n");
  EXPECT_EQ(0, fclose(f));
  EXPECT_EQ(kBom + "P\0r\0z\0\xF3\0d\0=\0\x41\x01\xF3\0d\0\x7A\x01\r\0\n\0"s, ReadBytes(dir.Native("a.ini")));
}

TEST(WFopen, ReadsUnicodeModeWithBlankInModeAndAnyMark) {
  TempFolder dir;
  WriteBytes(dir.Native("bom16.txt"), kBom + Utf16("a=1\r\nb=2"));
  WriteBytes(dir.Native("nobom.txt"), Utf16("x\r\n"));
  WriteBytes(dir.Native("utf8.txt"), "\xEF\xBB\xBF\xC5\x81\xC3\xB3\x64\xC5\xBA\r\n");
  auto lines = [&](const char* name) {
    FILE* f = nullptr;
    EXPECT_EQ(0, _wfopen_s(&f, dir.Windows(name).c_str(), L"r, ccs=UNICODE"));
    CStdioFile file(f);
    std::wstring all;
    CString line;
    while (file.ReadString(line)) all += line.str() + L"|";
    fclose(f);
    return all;
  };
  EXPECT_EQ(L"a=1|b=2|", lines("bom16.txt"));
  EXPECT_EQ(L"x|", lines("nobom.txt"));
  EXPECT_EQ(L"Łódź|", lines("utf8.txt"));
}

TEST(WFopen, FindsNamesRegardlessOfCaseAndSeparators) {
  TempFolder dir;
  WriteBytes(dir.Native("Config/Construction.ini"), kBom);
  FILE* f = nullptr;
  std::wstring path = dir.Windows() + L"/CONFIG\\construction.INI";
  ASSERT_EQ(0, _wfopen_s(&f, path.c_str(), L"r, ccs=UNICODE"));
  fclose(f);
}

TEST(WFopen, ReportsMissingHeldAndBadModes) {
  TempFolder dir;
  FILE* f = reinterpret_cast<FILE*>(1);
  EXPECT_EQ(ENOENT, _wfopen_s(&f, dir.Windows("none.ini").c_str(), L"r, ccs=UNICODE"));
  EXPECT_EQ(nullptr, f);
  EXPECT_EQ(EINVAL, _wfopen_s(&f, dir.Windows("x").c_str(), L"q"));
  EXPECT_EQ(EINVAL, _wfopen_s(&f, dir.Windows("x").c_str(), L"wb,ccs=UNICODE"));
  WriteBytes(dir.Native("held.ini"), "x");
  headless::HoldFile(dir.Windows("held.ini"));
  EXPECT_EQ(EACCES, _wfopen_s(&f, dir.Windows("held.ini").c_str(), L"r, ccs=UNICODE"));
  headless::ClearFileFaults();
}

TEST(WFopen, FailedWriteOrCloseIsReportedByFclose) {
  TempFolder dir;
  FILE* f = nullptr;
  ASSERT_EQ(0, _wfopen_s(&f, dir.Windows("a.txt").c_str(), L"wt,ccs=UNICODE"));
  headless::FailFileOperation(headless::FileFault::Close, 1);
  CStdioFile(f).WriteString(L"x\n");
  EXPECT_NE(0, fclose(f));
  headless::ClearFileFaults();
}

TEST(WideNumbers, ReadTheCLocaleWhateverTheProcessLocale) {
  std::setlocale(LC_NUMERIC, "pl_PL.UTF-8");  // may be missing; the result must not change
  EXPECT_EQ(12, _wtoi(L"12,5"));
  EXPECT_EQ(-7, _wtoi(L"  -7px"));
  EXPECT_EQ(0, _wtoi(L"x1"));
  EXPECT_EQ(0, _wtoi(L""));
  EXPECT_EQ(2147483647, _wtoi(L"99999999999"));
  EXPECT_DOUBLE_EQ(12.5, _wtof(L"12.5"));
  EXPECT_DOUBLE_EQ(12.0, _wtof(L"12,5"));
  EXPECT_DOUBLE_EQ(-0.25, _wtof(L" -.25"));
  EXPECT_DOUBLE_EQ(125.0, _wtof(L"1.25e2mm"));
  EXPECT_DOUBLE_EQ(0.0, _wtof(L"abc"));
  EXPECT_DOUBLE_EQ(0.0, _wtof(L"--5"));
  std::setlocale(LC_NUMERIC, "C");
}

}  // namespace
