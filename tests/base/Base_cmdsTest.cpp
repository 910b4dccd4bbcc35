// Help and Update: the checked full path goes to the shell (recorded, nothing started) with
// Base's folder as working folder, or the missing line is printed and nothing is opened.
#include "base/Base_cmds.h"

#include <gtest/gtest.h>

#include "BaseFixture.h"

namespace {

using Base_cmdsTest = BaseFolderTest;

TEST_F(Base_cmdsTest, HelpOpensTheManualOfBasesFolderWhateverItsLetterCase) {
  CopyModule("Fastrelle.pdf", "fastrelle.PDF");
  Help_cmd().Run();
  auto calls = headless::ShellExecuteCalls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].verb, L"open");
  EXPECT_EQ(calls[0].file, BaseFolder() + L"Fastrelle.pdf");  // the checked path, not a bare name
  EXPECT_EQ(calls[0].parameters, L"");
  EXPECT_EQ(calls[0].directory, BaseFolder());
  EXPECT_EQ(calls[0].show, 1);  // SW_SHOWNORMAL
  EXPECT_EQ(headless::Transcript(), L"\n[Shell] open " + BaseFolder() + L"Fastrelle.pdf\n");
}

TEST_F(Base_cmdsTest, UpdateStartsTheUpdaterOrSaysItIsMissing) {
  Update_cmd().Run();
  std::filesystem::create_directory(folder_.Native("FastrelleUpdater.exe"));  // a folder is no updater
  Update_cmd().Run();
  const std::wstring missing = L"\n" + BaseFolder() + L"FastrelleUpdater.exe missing !";
  EXPECT_EQ(headless::Transcript(), missing + missing);
  EXPECT_TRUE(headless::ShellExecuteCalls().empty());
  std::filesystem::remove(folder_.Native("FastrelleUpdater.exe"));
  WriteFile("FastrelleUpdater.exe", "");
  Update_cmd().Run();
  auto calls = headless::ShellExecuteCalls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].file, BaseFolder() + L"FastrelleUpdater.exe");
  EXPECT_EQ(calls[0].directory, BaseFolder());
}

TEST_F(Base_cmdsTest, WithoutBasesFolderTheBareNameIsMissingAndNothingOpens) {
  // Both files lie in the current folder, where a bare name would find them.
  CopyModule("Fastrelle.pdf", "Fastrelle.pdf");
  WriteFile("FastrelleUpdater.exe", "");
  const std::filesystem::path current = std::filesystem::current_path();
  std::filesystem::current_path(folder_.Native());
  ZRX_Module::SetInstance(nullptr);
  Help_cmd().Run();
  Update_cmd().Run();
  std::filesystem::current_path(current);
  EXPECT_EQ(headless::Transcript(), L"\nFastrelle.pdf missing !\nFastrelleUpdater.exe missing !");
  EXPECT_TRUE(headless::ShellExecuteCalls().empty());
}

TEST_F(Base_cmdsTest, TheShippedManualIsAPdfWithItsFontsEmbedded) {
  std::ifstream in(std::string(FASTRELLE_INSTALL_DIR) + "/Fastrelle.pdf", std::ios::binary);
  std::string pdf((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(pdf.compare(0, 5, "%PDF-"), 0);
  EXPECT_NE(pdf.rfind("%%EOF"), std::string::npos);
  // A font of its own (with Polish letters) rather than a standard font without them.
  EXPECT_NE(pdf.find("+DejaVuSans"), std::string::npos);
  EXPECT_NE(pdf.find("/FontFile2"), std::string::npos);
  EXPECT_NE(pdf.find("/ToUnicode"), std::string::npos);
}

}  // namespace
