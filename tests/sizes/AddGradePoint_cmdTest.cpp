// The grade-point command refuses to start without a usable grade-point setting: the
// missing-configuration box, and nothing drawn.
#include "sizes/AddGradePoint_cmd.h"

#include "SizesFixture.h"
#include "framework/Folders.h"
#include "headless/Host.h"

namespace {

class AddGradePoint : public SizesTest {
protected:
  void SetUp() override {
    SizesTest::SetUp();
    GetInstallPath();  // this program's install folder stays the shared one, not the module's copy
    ASSERT_TRUE(StartFastrelle(FreshInstall()));  // the module's strings and dialog templates
  }
  void ExpectRefusedWithNothingDrawn() {
    const std::size_t before = ModelSpace().size();
    headless::ClearMessageBoxes();
    AddGradePoint_cmd command;
    command.Run();
    EXPECT_EQ(-1, command.Result());
    EXPECT_EQ(before, ModelSpace().size());
    ASSERT_EQ(1u, headless::MessageBoxes().size());
    EXPECT_NE(std::wstring::npos, headless::MessageBoxes()[0].text.find(L"GradePoint"));
    EXPECT_EQ(L"Fastrelle", headless::MessageBoxes()[0].caption);
  }
};

TEST_F(AddGradePoint, AGradePointSizeOfZeroOrLessOrNoSymbolShowsTheBoxAndDrawsNothing) {
  {
    SettingOverride size(L"GradePointSize", L"0");
    ExpectRefusedWithNothingDrawn();
  }
  {
    SettingOverride size(L"GradePointSize", L"-2.5");
    ExpectRefusedWithNothingDrawn();
  }
  {
    SettingOverride symbol(L"GradePoint", L"");
    ExpectRefusedWithNothingDrawn();
  }
}

}  // namespace
