// Text files opened by path: 8-bit Windows-1250 text, CRLF on disk, appending, failures.
#include "mfc/CStdioFile.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"
#include "win/crt.h"

namespace {

TEST(CStdioFile, WritesAndReadsWindows1250TextWithCrLf) {
  TempFolder dir;
  {
    CStdioFile file(dir.Windows("a.txt").c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeText);
    file.WriteString(L"Łódź ząb\nΩ\n");
    file.Close();
  }
  EXPECT_EQ("\xA3\xF3\x64\x9F z\xB9\x62\r\n?\r\n", ReadBytes(dir.Native("a.txt")));
  CStdioFile file;
  ASSERT_TRUE(file.Open(dir.Windows("A.TXT").c_str(), CFile::modeRead | CFile::typeText));
  CString line;
  ASSERT_TRUE(file.ReadString(line));
  EXPECT_EQ(CString(L"Łódź ząb"), line);
  ASSERT_TRUE(file.ReadString(line));
  EXPECT_EQ(CString(L"?"), line);
  EXPECT_FALSE(file.ReadString(line));
  EXPECT_TRUE(line.IsEmpty());
}

TEST(CStdioFile, ReadsMalformedUtf8AsReplacementCharacters) {
  TempFolder dir;
  WriteBytes(dir.Native("u.txt"), "\xEF\xBB\xBF" "a\xC0\xAF" "b\xED\xA0\x80\xC5\x82\r\n");
  FILE* stream = nullptr;
  ASSERT_EQ(0, _wfopen_s(&stream, dir.Windows("u.txt").c_str(), L"r, ccs=UTF-8"));
  CString line;
  {
    CStdioFile file(stream);
    ASSERT_TRUE(file.ReadString(line));
  }
  fclose(stream);
  EXPECT_EQ(CString(L"a\uFFFD\uFFFDb\uFFFD\uFFFD\uFFFDł"), line);
}

TEST(CStdioFile, AppendsAfterSeekToEndWithoutTruncating) {
  TempFolder dir;
  WriteBytes(dir.Native("log.txt"), "one\r\n");
  CStdioFile file;
  ASSERT_TRUE(file.Open(dir.Windows("log.txt").c_str(),
                        CFile::modeReadWrite | CFile::modeNoTruncate | CFile::typeText));
  file.SeekToEnd();
  file.WriteString(L"two\n");
  file.Close();
  EXPECT_EQ("one\r\ntwo\r\n", ReadBytes(dir.Native("log.txt")));
}

TEST(CStdioFile, KeepsLoneCarriageReturnsAndStripsOneBeforeTheLineEnd) {
  TempFolder dir;
  WriteBytes(dir.Native("a.txt"), "a\rb\r\r\nlast");
  CStdioFile file(dir.Windows("a.txt").c_str(), CFile::modeRead);
  CString line;
  ASSERT_TRUE(file.ReadString(line));
  EXPECT_EQ(CString(L"a\rb"), line);
  ASSERT_TRUE(file.ReadString(line));
  EXPECT_EQ(CString(L"last"), line);
}

TEST(CStdioFile, ThrowsFileExceptionsForMissingFilesAndFailedWrites) {
  TempFolder dir;
  try {
    CStdioFile file(dir.Windows("none.txt").c_str(), CFile::modeReadWrite | CFile::modeNoTruncate);
    FAIL() << "opened a missing file";
  } catch (CFileException* e) {
    EXPECT_EQ(CFileException::fileNotFound, e->m_cause);
    e->Delete();
  }
  CStdioFile file(dir.Windows("a.txt").c_str(), CFile::modeCreate | CFile::modeWrite);
  headless::FailFileOperation(headless::FileFault::Write, 2);
  file.WriteString(L"first\n");
  int cause = CFileException::none;
  try {
    file.WriteString(L"second\n");
  } catch (CFileException* e) {
    cause = e->m_cause;
    e->Delete();
  }
  EXPECT_EQ(CFileException::diskFull, cause);
  headless::ClearFileFaults();
}

TEST(CStdioFile, LeavesAStreamHandedInOpenForItsOwner) {
  TempFolder dir;
  WriteBytes(dir.Native("other.txt"), "x\r\n");
  FILE* f = nullptr;
  ASSERT_EQ(0, _wfopen_s(&f, dir.Windows("a.txt").c_str(), L"wt,ccs=UNICODE"));
  {
    CStdioFile borrowed(f);
    borrowed.Abort();
  }
  {
    CStdioFile borrowed(f);
    ASSERT_TRUE(borrowed.Open(dir.Windows("other.txt").c_str(), CFile::modeRead));  // lets go of f first
  }
  CStdioFile(f).WriteString(L"still open\n");
  EXPECT_EQ(0, fclose(f));
  EXPECT_EQ("\xFF\xFE" + Utf16("still open\r\n"), ReadBytes(dir.Native("a.txt")));
}

TEST(CStdioFile, ThrowsWhenAReadFailsInsteadOfEndingTheFile) {
  // Reading this process's memory from address 0 fails with an I/O error.
  CStdioFile file;
  ASSERT_TRUE(file.Open(L"/proc/self/mem", CFile::modeRead | CFile::typeText));
  int cause = CFileException::none;
  try {
    CString line;
    file.ReadString(line);
  } catch (CFileException* e) {
    cause = e->m_cause;
    e->Delete();
  }
  EXPECT_EQ(CFileException::hardIO, cause);
}

TEST(CStdioFile, StoresWideTextAsUtf16UnitsInBinaryMode) {
  TempFolder dir;
  {
    CStdioFile file(dir.Windows("w.bin").c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
    file.WriteString(L"\u0141a\r\nb");
    file.Close();
  }
  EXPECT_EQ(std::string("\x41\x01" "a\0\r\0\n\0" "b\0", 10), ReadBytes(dir.Native("w.bin")));
  CStdioFile file(dir.Windows("w.bin").c_str(), CFile::modeRead | CFile::typeBinary);
  CString line;
  ASSERT_TRUE(file.ReadString(line));
  EXPECT_EQ(CString(L"\u0141a"), line);
  ASSERT_TRUE(file.ReadString(line));
  EXPECT_EQ(CString(L"b"), line);
  EXPECT_FALSE(file.ReadString(line));
}

}  // namespace
