// The layout-definition file: what it writes, what it refuses to read, and saves that
// fail part-way leaving the old file as it was.
#include "layout/Layout_FRL.h"

#include "LayoutFixture.h"

namespace {

using LayoutFile = LayoutTest;

Layout_FRL Sized(double width, double length) {
  Layout_FRL file;
  file.SetWidth(width);
  file.SetLength(length);
  return file;
}

TEST_F(LayoutFile, WritesTwoUtf16LinesAndReadsThemBack) {
  Layout_FRL file = Sized(150.0, 1234.56789);
  file.SetPath(PathOf("a.frl"));
  ASSERT_TRUE(file.Save());
  std::string bytes = Bytes(PathOf("a.frl"));
  std::string expected = "\xFF\xFE";
  for (char c : std::string("150.0000\r\n1234.5679\r\n")) expected += std::string(1, c) + '\0';
  EXPECT_EQ(expected, bytes);
  // Saved twice, the file still holds two lines.
  ASSERT_TRUE(file.Save());
  EXPECT_EQ(expected, Bytes(PathOf("a.frl")));

  Layout_FRL read;
  read.LoadFrom(PathOf("a.frl"));
  EXPECT_EQ(150.0, read.GetWidth());
  EXPECT_DOUBLE_EQ(1234.5679, read.GetLength());
  WriteUtf16(PathOf("comma.frl"), L" 120,5 \n-3e2\nignored\n");
  read.LoadFrom(PathOf("comma.frl"));
  EXPECT_EQ(120.5, read.GetWidth());
  EXPECT_EQ(-300.0, read.GetLength());
  // A UTF-8 file with its mark reads the same numbers; without the mark its bytes are
  // no UTF-16 text: refused, named with its first line, nothing changed.
  WriteBytes(PathOf("utf8.frl"), "150.5\n900\n");
  headless::ClearTranscript();
  read.LoadFrom(PathOf("utf8.frl"));
  EXPECT_EQ(120.5, read.GetWidth());
  EXPECT_EQ(-300.0, read.GetLength());
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(PathOf("utf8.frl").str() + L", wiersz 1"));
  WriteBytes(PathOf("utf8bom.frl"), "\xEF\xBB\xBF" "151\r\n901\r\n");
  read.LoadFrom(PathOf("utf8bom.frl"));
  EXPECT_EQ(151.0, read.GetWidth());
  EXPECT_EQ(901.0, read.GetLength());
}

TEST_F(LayoutFile, AMalformedFileIsNamedWithItsLineAndChangesNothing) {
  struct Case {
    const char* name;
    std::wstring text;
    const wchar_t* note;
  };
  const Case cases[] = {{"one.frl", L"150\n", L"wiersz 2"},        {"abc.frl", L"abc\n900\n", L"wiersz 1"},
                        {"huge.frl", L"150\n1e999\n", L"wiersz 2"}, {"empty.frl", L"", L"wiersz 1"},
                        {"tail.frl", L"150\n900x\n", L"wiersz 2"},  {"two.frl", L"1.5.0\n900\n", L"wiersz 1"},
                        {"long.frl", std::wstring(200000, L'9') + L"\n900\n", L"wiersz 1"},
                        {"blank.frl", L"\n\n", L"wiersz 1"}};
  for (const Case& c : cases) {
    WriteUtf16(PathOf(c.name), c.text);
    Layout_FRL file = Sized(10.0, 20.0);
    headless::ClearTranscript();
    file.LoadFrom(PathOf(c.name));
    EXPECT_EQ(10.0, file.GetWidth()) << c.name;
    EXPECT_EQ(20.0, file.GetLength()) << c.name;
    std::wstring said = headless::Transcript();
    EXPECT_NE(std::wstring::npos, said.find(PathOf(c.name).str() + L", " + c.note)) << headless::ToUtf8(said);
  }
  Layout_FRL file = Sized(10.0, 20.0);
  headless::ClearTranscript();
  file.LoadFrom(PathOf("missing.frl"));
  EXPECT_EQ(10.0, file.GetWidth());
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(PathOf("missing.frl").str()));
  // A folder where the file should be is named too.
  std::filesystem::create_directory(Folder() / "folder.frl");
  headless::ClearTranscript();
  file.LoadFrom(PathOf("folder.frl"));
  EXPECT_EQ(10.0, file.GetWidth());
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(PathOf("folder.frl").str()));
  // Without a path nothing is read and nothing asked.
  file.Load();
  EXPECT_TRUE(headless::MessageBoxes().empty());
  EXPECT_EQ(10.0, file.GetWidth());
}

TEST_F(LayoutFile, ASaveThatFailsPartWayLeavesTheOldFileByteForByte) {
  Layout_FRL old = Sized(150.0, 900.0);
  old.SetPath(PathOf("keep.frl"));
  ASSERT_TRUE(old.Save());
  const std::string before = Bytes(PathOf("keep.frl"));
  for (headless::FileFault fault :
       {headless::FileFault::Write, headless::FileFault::Close, headless::FileFault::Replace}) {
    headless::FailFileOperation(fault, 1);
    Layout_FRL file = Sized(160.0, 950.0);
    file.SetPath(PathOf("keep.frl"));
    EXPECT_FALSE(file.Save());
    headless::ClearFileFaults();
    EXPECT_EQ(before, Bytes(PathOf("keep.frl")));
    EXPECT_FALSE(std::filesystem::exists(Folder() / "keep.frl.tmp"));
  }
}

}  // namespace
