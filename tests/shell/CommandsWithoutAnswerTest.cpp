// Every command the installed modules register, started with no answer waiting: on an empty
// drawing and on the plot test's model it returns, and leaves no object open, no window, no
// document lock or selection set, the resource-handle stack as it found it, and no text
// missing from a string table.
#include <gtest/gtest.h>

#include "HostFixture.h"
#include "db/ZcDbDatabase.h"
#include "ed/ZcApDocManager.h"
#include "headless/Windows.h"

namespace {

class CommandsWithoutAnswerTest : public HostTest {
protected:
  /// Runs `name` on the drawing `model` (empty when none) and checks what it left.
  void RunWithoutAnswer(const std::wstring& name, const std::filesystem::path& model) {
    SCOPED_TRACE(headless::ToUtf8(name) + (model.empty() ? " on an empty drawing" : " on " + model.filename().string()));
    ZcDbDatabase* db = headless::NewDrawing();
    if (!model.empty()) {
      ASSERT_EQ(db->readDwgFile(headless::FromUtf8(model.string()).c_str()), Zcad::eOk);
    }
    headless::ClearInput();
    headless::ClearTranscript();
    const int depth = zcDocManagerPtr()->resourceHandleDepth();
    const std::size_t windows = headless::LiveWindowCount();

    EXPECT_EQ(headless::RunCommand(name), headless::CommandResult::Ran);

    EXPECT_TRUE(headless::ActiveCommands().empty());
    EXPECT_EQ(headless::OpenObjectCount(), 0);
    EXPECT_TRUE(headless::OpenDialogs().empty());
    EXPECT_EQ(headless::LiveWindowCount(), windows);
    EXPECT_EQ(headless::DocumentLocksHeld(), 0);
    EXPECT_EQ(headless::OpenSelectionSets(), 0);
    EXPECT_EQ(zcDocManagerPtr()->resourceHandleDepth(), depth);
    EXPECT_EQ(headless::Transcript().find(L"Pusty tekst"), std::wstring::npos) << headless::ToUtf8(headless::Transcript());
  }
};

TEST_F(CommandsWithoutAnswerTest, EveryRegisteredCommandReturnsAndLeavesNothingOpen) {
  auto install = FreshInstall();
  // The per-user settings folder, as the installer (and the host program) makes it.
  std::filesystem::create_directories(tmp_ / "appdata" / "Mirabo" / "Fastrelle" / "2018" / "Fastrelle" / "Config");
  ASSERT_TRUE(StartFastrelle(install));
  std::vector<std::wstring> names;
  for (const auto& command : headless::Commands())
    if (command.group.rfind(L"Fastrelle", 0) == 0) names.push_back(command.globalName);
  ASSERT_EQ(names.size(), 40u);
  for (const auto& name : names) {
    RunWithoutAnswer(name, {});
    RunWithoutAnswer(name, install / "Tests" / "T_2018.dwg");
  }
}

}  // namespace
