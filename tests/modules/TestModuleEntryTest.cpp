// A resource module's test command goes at its unload only when its own registration put it
// there: a command of the same name that someone else registered first stays theirs.
#include <gtest/gtest.h>

#include "HostFixture.h"
#include "ed/ZcEdCommandStack.h"

namespace {

int g_othersRuns = 0;

class TestModuleEntryTest : public HostTest {
protected:
  static ZcEdCommandStack* Stack() {
    return static_cast<ZcEdCommandStack*>(zcrxSysRegistry()->at(L"ZCAD_REGISTERED_COMMANDS"));
  }
  static std::wstring Plot(const std::filesystem::path& install) {
    return headless::FromUtf8((install / "Fastrelle_Plot.zrx").string());
  }
};

TEST_F(TestModuleEntryTest, UnloadTakesOffOnlyTheCommandItsModuleRegistered) {
  auto install = FreshInstall();
  ASSERT_TRUE(Linker()->loadModule(Plot(install).c_str(), true, false));
  ASSERT_EQ(headless::Commands().size(), 1u);
  ASSERT_TRUE(Linker()->unloadModule(Plot(install).c_str()));
  EXPECT_TRUE(headless::Commands().empty());

  g_othersRuns = 0;
  ASSERT_EQ(Stack()->addCommand(L"Fastrelle_Plot", L"TestPlot", L"TestPlot", 1, [] { ++g_othersRuns; }), Zcad::eOk);
  ASSERT_TRUE(Linker()->loadModule(Plot(install).c_str(), true, false));  // its name is refused
  ASSERT_TRUE(Linker()->unloadModule(Plot(install).c_str()));
  EXPECT_EQ(headless::RunCommand(L"TestPlot"), headless::CommandResult::Ran);
  EXPECT_EQ(g_othersRuns, 1);
  Stack()->removeGroup(L"Fastrelle_Plot");
}

}  // namespace
