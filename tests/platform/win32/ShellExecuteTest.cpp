// The headless shell's open call: it says on the command line what it was asked to open,
// records the call for tests, and starts nothing; its result tells a missing file.
#include "win/shellapi.h"

#include <gtest/gtest.h>

#include <fstream>

#include "headless/Shell.h"
#include "support/TempFolder.h"

namespace {

class ShellExecuteTest : public ::testing::Test {
protected:
  void SetUp() override {
    headless::ClearTranscript();
    headless::ClearShellExecuteCalls();
  }
  void TearDown() override { headless::ClearShellExecuteCalls(); }
};

std::uintptr_t Result(HINSTANCE h) { return reinterpret_cast<std::uintptr_t>(h); }

TEST_F(ShellExecuteTest, AnExistingFileIsRecordedWithItsSixValuesAndWrittenOnTheCommandLine) {
  TempFolder dir;
  std::ofstream(dir.Native("Manual.PDF")) << "%PDF-1.4";
  std::wstring asked = dir.Windows("manual.pdf");  // found without regard to case
  HINSTANCE result = ShellExecuteW(nullptr, L"open", asked.c_str(), nullptr, dir.Windows().c_str(), 1);
  EXPECT_GT(Result(result), 32u);
  EXPECT_EQ(headless::Transcript(), L"\n[Shell] open " + asked + L"\n");
  auto calls = headless::ShellExecuteCalls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].window, 0u);
  EXPECT_EQ(calls[0].verb, L"open");
  EXPECT_EQ(calls[0].file, asked);
  EXPECT_EQ(calls[0].parameters, L"");
  EXPECT_EQ(calls[0].directory, dir.Windows());
  EXPECT_EQ(calls[0].show, 1);
}

TEST_F(ShellExecuteTest, AMissingFileIsRecordedAndAnswersFileNotFound) {
  TempFolder dir;
  std::wstring missing = dir.Windows("Updater.exe");
  EXPECT_EQ(Result(ShellExecuteW(nullptr, nullptr, missing.c_str(), L"--check", nullptr, 1)), 2u);
  EXPECT_EQ(headless::Transcript(), L"\n[Shell] open " + missing + L" --check\n");  // no verb: "open"
  EXPECT_EQ(headless::ShellExecuteCalls().size(), 1u);
}

TEST_F(ShellExecuteTest, AnAddressIsOpenedWithoutLookingForAFile) {
  EXPECT_GT(Result(ShellExecuteW(nullptr, L"open", L"https://example.invalid/fastrelle", nullptr, nullptr, 1)), 32u);
  EXPECT_GT(Result(ShellExecuteW(nullptr, L"open", L"MAILTO:someone@example.invalid", nullptr, nullptr, 1)), 32u);
  EXPECT_EQ(Result(ShellExecuteW(nullptr, L"open", L"", nullptr, nullptr, 1)), 2u);
}

}  // namespace
