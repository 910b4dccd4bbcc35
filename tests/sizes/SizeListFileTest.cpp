// Size-list files: the TXS and VEA/ENV formats read and written through the files, the
// lines they leave out reported by file and line, and saves that never leave a part file.
#include "sizes/SizeListFile.h"

#include "SizesFixture.h"
#include "sizes/Fastrelle_Sizes_Interpreter.h"
#include "sizes/SizesTextFile.h"

namespace {

class SizeLists : public SizesTest {
protected:
  /// Writes the ASCII text as UTF-8 bytes (no mark) and reads it as a size list.
  bool Load(const std::string& name, const std::string& text) {
    WriteBytes(dir_.Native(name), text);
    sizes_.clear();
    headless::ClearTranscript();
    return LoadSizeList(dir_.Windows(name).c_str(), sizes_);
  }
  std::wstring Read() const {
    std::wstring out;
    for (const Fastrelle_Size& s : sizes_)
      out += (out.empty() ? L"" : L" ") + std::wstring(s.IsBase() ? L"*" : L"") + s.GetName().str() + L":" +
             std::to_wstring(s.GetColor());
    return out;
  }
  static bool Reported(const std::wstring& text) { return headless::Transcript().find(text) != std::wstring::npos; }
  std::wstring Path(const std::string& name) const { return dir_.Windows(name); }

  TempFolder dir_;
  std::vector<Fastrelle_Size> sizes_;
};

TEST_F(SizeLists, TxsLinesOfTwoTokensAreSizesAndTheRestAreReportedByLine) {
  ASSERT_TRUE(Load("a.txs", "36 3\r\n*38  1\r\n40 abc\r\n41 1.9\r\n38 2 x\r\n42\r\n43\t2\r\n\r\n** 1\r\n44 999\r\n\r\n\r\n"));
  EXPECT_EQ(L"36:3 *38:1 40:7 41:1 44:7", Read());
  for (int line : {5, 6, 7, 8, 9, 10}) EXPECT_TRUE(Reported(Path("a.txs") + L", wiersz " + std::to_wstring(line) + L":")) << line;
  EXPECT_FALSE(Reported(L"wiersz 11"));  // trailing empty lines are no lines
}

TEST_F(SizeLists, ASecondBaseAndARepeatedNameKeepTheFirst) {
  ASSERT_TRUE(Load("b.TXS", "*38 1\r\n*40 2\r\nm 3\r\nM 4\r\nA|B 5\r\n"));
  EXPECT_EQ(L"*38:1 40:2 m:3", Read());
  for (int line : {2, 4, 5}) EXPECT_TRUE(Reported(L", wiersz " + std::to_wstring(line) + L":")) << line;
}

TEST_F(SizeLists, ANameHoldingAControlCharacterIsSkipped) {
  // "3", NUL, "6 1": a name no layer can have, which would be written back as "3".
  ASSERT_TRUE(Load("nul.txs", std::string("\xFF\xFE" "3\0\0\0" "6\0 \0" "1\0\r\0\n\0" "4\0 \0" "2\0", 22)));
  EXPECT_EQ(L"4:2", Read());
  EXPECT_TRUE(Reported(L", wiersz 1:"));
}

TEST_F(SizeLists, AnEmptyBaseSymbolCountsAsAnAsterisk) {
  SettingOverride symbol(L"BaseSizeSymbol", L"");
  ASSERT_TRUE(Load("c.txs", "36 1\r\n*38 1\r\n"));
  EXPECT_EQ(L"36:1 *38:1", Read());
}

TEST_F(SizeLists, VeaRangesAndListsRead) {
  ASSERT_TRUE(Load("d.vea", "numeric\r\n34 2\r\n*38\r\n40\r\n"));
  EXPECT_EQ(L"34:7 36:7 *38:7 40:7", Read());
  ASSERT_TRUE(Load("e.ENV", "alpha\r\nS\r\n*M*\r\nL\r\n"));
  EXPECT_EQ(L"S:7 *M:7 L:7", Read());
  ASSERT_TRUE(Load("f.vea", "numeric\r\n-2 2\r\n*0\r\n2\r\n"));
  EXPECT_EQ(L"-2:7 2:7", Read());  // "0" is never a size of a list
}

TEST_F(SizeLists, ABadStepOrAHugeRangeIsRefusedAtOnceNamingFileAndLine) {
  EXPECT_FALSE(Load("g.vea", "numeric\r\n34 0\r\n*38\r\n40\r\n"));
  EXPECT_TRUE(Reported(Path("g.vea") + L", wiersz 2:"));
  EXPECT_FALSE(Load("h.vea", "numeric\r\n34 -2\r\n*38\r\n40\r\n"));
  EXPECT_TRUE(Reported(Path("h.vea") + L", wiersz 2:"));
  EXPECT_FALSE(Load("i.vea", "numeric\r\n1 1\r\n*38\r\n1000000001\r\n"));
  EXPECT_TRUE(Reported(Path("i.vea") + L", wiersz 4:"));
  EXPECT_FALSE(Load("j.vea", "numeric\r\n-9223372036854775808 1\r\n*38\r\n9223372036854775807\r\n"));
  EXPECT_TRUE(sizes_.empty());
}

TEST_F(SizeLists, AFileOfNeitherFormOrOfNoKnownExtensionOrMissingSaysSo) {
  EXPECT_FALSE(Load("k.vea", "Numeric\r\n34 2\r\n*38\r\n40\r\n"));
  EXPECT_TRUE(Reported(Path("k.vea") + L", wiersz 1:"));
  EXPECT_FALSE(Load("l.txt", "36 3\r\n"));
  EXPECT_TRUE(Reported(Path("l.txt")));
  headless::ClearTranscript();
  std::vector<Fastrelle_Size> none;
  EXPECT_FALSE(LoadSizeList(Path("missing.txs").c_str(), none));
  EXPECT_TRUE(Reported(Path("missing.txs")));
}

TEST_F(SizeLists, EncodingsAreToldByMarkOrContent) {
  ASSERT_TRUE(Load("nomark16.txs", Utf16("38 1\r\n")));
  EXPECT_EQ(L"38:1", Read());
  ASSERT_TRUE(Load("utf8.txs", "\xC5\x82 2\n"));
  EXPECT_EQ(L"\u0142:2", Read());
  ASSERT_TRUE(Load("cp1250.txs", "\xB3 3\n"));  // "ł" in Windows-1250, not valid UTF-8
  EXPECT_EQ(L"\u0142:3", Read());
}

TEST_F(SizeLists, TxsAndVeaSavesReadBack) {
  std::vector<Fastrelle_Size> sizes = {{L"36", 3, false}, {L"38", 1, true}, {L"XL", 5, false}};
  ASSERT_TRUE(SaveSizeList(Path("s.txs").c_str(), sizes));
  EXPECT_EQ("\xFF\xFE" + Utf16("36 3\r\n*38 1\r\nXL 5\r\n"), ReadBytes(dir_.Native("s.txs")));
  std::vector<Fastrelle_Size> back;
  ASSERT_TRUE(LoadSizeList(Path("s.txs").c_str(), back));
  sizes_ = back;
  EXPECT_EQ(L"36:3 *38:1 XL:5", Read());

  ASSERT_TRUE(SaveSizeList(Path("s.env").c_str(), sizes));
  back.clear();
  ASSERT_TRUE(LoadSizeList(Path("s.env").c_str(), back));
  sizes_ = back;
  EXPECT_EQ(L"36:7 *38:7 XL:7", Read());
  EXPECT_EQ(2u, dir_.FileCount());
}

TEST_F(SizeLists, ANameWithABlankIsLeftOutOfATxsSaveAndReported) {
  std::vector<Fastrelle_Size> sizes = {{L"36", 3, false}, {L"dla dzieci", 1, false}};
  headless::ClearTranscript();
  ASSERT_TRUE(SaveSizeList(Path("t.txs").c_str(), sizes));
  EXPECT_EQ("\xFF\xFE" + Utf16("36 3\r\n"), ReadBytes(dir_.Native("t.txs")));
  EXPECT_TRUE(Reported(L"dla dzieci"));
}

TEST_F(SizeLists, ASaveFailingAtWriteCloseOrReplaceLeavesTheOldFileByteForByte) {
  const std::string old = "\xFF\xFE" + Utf16("40 1\r\n");
  std::vector<Fastrelle_Size> sizes = {{L"36", 3, false}, {L"38", 1, true}};
  for (headless::FileFault fault : {headless::FileFault::Write, headless::FileFault::Close, headless::FileFault::Replace}) {
    WriteBytes(dir_.Native("old.txs"), old);
    headless::FailFileOperation(fault, 1);
    headless::ClearTranscript();
    EXPECT_FALSE(SaveSizeList(Path("old.txs").c_str(), sizes));
    headless::ClearFileFaults();
    EXPECT_EQ(old, ReadBytes(dir_.Native("old.txs")));
    EXPECT_EQ(1u, dir_.FileCount());
    EXPECT_TRUE(Reported(Path("old.txs")));
  }
}

TEST(TextLines, LineEndsOfEveryKindSplitAndAnEmptyTextHasNoLine) {
  CStringArray lines;
  DecodeTextLines("a\r\nb\rc\n\nd", lines);
  ASSERT_EQ(5, lines.GetSize());
  EXPECT_EQ(L"", lines[3]);
  EXPECT_EQ(L"d", lines[4]);
  lines.RemoveAll();
  DecodeTextLines("", lines);
  EXPECT_EQ(0, lines.GetSize());
}

}  // namespace
