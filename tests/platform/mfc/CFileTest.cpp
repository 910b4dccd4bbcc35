// CFile: names, held files, removal.
#include "mfc/CFile.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace {

TEST(CFile, NamesItsFileAndTitleFromThePathGiven) {
  CFile file;
  file.SetFilePath(L"C:\\Wzory\\Przód.v2.dwg");
  EXPECT_EQ(CString(L"Przód.v2.dwg"), file.GetFileName());
  EXPECT_EQ(CString(L"Przód.v2"), file.GetFileTitle());
}

TEST(CFile, HeldFileCannotBeOpenedOrRemovedUntilReleased) {
  TempFolder dir;
  WriteBytes(dir.Native("a.dwg"), "x");
  headless::HoldFile(dir.Windows("a.dwg"));
  CFile file;
  CFileException error;
  EXPECT_FALSE(file.Open(dir.Windows("A.dwg").c_str(), CFile::modeRead | CFile::shareDenyWrite, &error));
  EXPECT_EQ(CFileException::sharingViolation, error.m_cause);
  EXPECT_THROW(
      {
        try {
          CFile::Remove(dir.Windows("a.dwg").c_str());
        } catch (CFileException* e) {
          e->Delete();
          throw 1;
        }
      },
      int);
  headless::HoldFile(dir.Windows("a.dwg"), false);
  ASSERT_TRUE(file.Open(dir.Windows("a.dwg").c_str(), CFile::modeRead | CFile::shareDenyWrite));
  char c = 0;
  EXPECT_EQ(1u, file.Read(&c, 1));
  file.Close();
  CFile::Remove(dir.Windows("a.dwg").c_str());
  EXPECT_FALSE(std::filesystem::exists(dir.Native("a.dwg")));
}

}  // namespace
