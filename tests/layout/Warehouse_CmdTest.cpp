// The warehouse command in the loaded modules, driven as a script drives it: a new layout
// refuses sizes not above 0 and stays open; the border is drawn before the model dialog;
// the model dialog refuses a missing model with 43203 and keeps the content; Cancel ends
// the command without the warehouse; a border already drawn goes straight to the
// warehouse. No window is left on any path.
#include "layout/Warehouse_Cmd.h"

#include "DescriptionFixture.h"
#include "headless/Host.h"
#include "headless/Windows.h"
#include "layout/Model_dlg.h"

namespace {

class WarehouseCommand : public DescriptionTest {
protected:
  void SetUp() override {
    DescriptionTest::SetUp();
    ASSERT_TRUE(StartFastrelle(FASTRELLE_INSTALL_DIR));  // the built tree: later tests read it too
    db_ = headless::NewDrawing();
    windows_ = headless::LiveWindowCount();
    headless::ClearTranscript();
  }
  void TearDown() override {
    EXPECT_EQ(windows_, headless::LiveWindowCount()) << "a window outlived the dialog";
    EXPECT_EQ(0u, headless::PendingInput());
    headless::UnloadAllModules();
    DescriptionTest::TearDown();
  }
  std::size_t windows_ = 0;
};

TEST_F(WarehouseCommand, ANewLayoutNotAboveZeroIsRefusedAndTheBorderComesBeforeTheModel) {
  headless::PushInputs({L"@dlg set 1014 -5", L"@dlg set 1015 300", L"@dlg ok", L"@dlg set 1014 abc", L"@dlg ok",
                        L"@dlg set 1014 150", L"@dlg ok", L"@dlg cancel"});
  headless::RunCommand(L"Fastrelle:Repository");
  const std::wstring said = headless::Transcript();
  std::size_t refused = 0;
  for (std::size_t at = said.find(L"większe od 0"); at != std::wstring::npos; at = said.find(L"większe od 0", at + 1))
    ++refused;
  EXPECT_EQ(2u, refused) << headless::ToUtf8(said);
  Layout measured(0, 0);
  ASSERT_EQ(0, measured.MeasureBorder());
  EXPECT_DOUBLE_EQ(150.0, measured.GetWidth());
  EXPECT_DOUBLE_EQ(300.0, measured.GetLength());
}

TEST_F(WarehouseCommand, AMissingModelIsNamedAndTheContentStays) {
  headless::PushInputs({L"@dlg set 1014 150", L"@dlg set 1015 300", L"@dlg ok", L"@dlg set 1006 nosuch.dwg",
                        L"@dlg ok", L"@dlg ok", L"@dlg cancel"});
  headless::RunCommand(L"Fastrelle:Repository");
  const std::wstring said = headless::Transcript();
  EXPECT_EQ(2u, [&] {
    std::size_t n = 0;
    for (std::size_t at = said.find(L"nosuch.dwg nie został"); at != std::wstring::npos;
         at = said.find(L"nosuch.dwg nie został", at + 1))
      ++n;
    return n;
  }()) << headless::ToUtf8(said);
  EXPECT_EQ(std::wstring::npos, said.find(L"materiału")) << headless::ToUtf8(said);
  EXPECT_EQ(0u, Layout().GetItemCount());
}

TEST_F(WarehouseCommand, ABorderAlreadyDrawnGoesStraightToTheWarehouse) {
  Border(150, 300);
  headless::PushInputs({L"@dlg show", L"@dlg cancel"});
  headless::RunCommand(L"Fastrelle:Repository");
  const std::wstring said = headless::Transcript();
  EXPECT_NE(std::wstring::npos, said.find(L"Ilość elementów")) << headless::ToUtf8(said);
}

}  // namespace
