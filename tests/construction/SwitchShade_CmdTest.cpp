// The display switch: flat and hidden views (0, 2 and the host's 8) become shaded with
// edges (5); every other mode goes back to flat (0).
#include "construction/SwitchShade_Cmd.h"

#include "MarkingFixture.h"
#include "framework/Guards.h"

namespace {

using DisplaySwitch = MarkingTest;

TEST_F(DisplaySwitch, FlatModesBecomeShadedAndShadedModesFlat) {
  for (int mode : {0, 2, 8}) {
    ZW_View().SetMode(mode);
    SwitchShade_Cmd().Run();
    EXPECT_EQ(5, ZW_View().GetMode()) << mode;
  }
  for (int mode : {1, 3, 5, 6}) {
    ZW_View().SetMode(mode);
    SwitchShade_Cmd().Run();
    EXPECT_EQ(0, ZW_View().GetMode()) << mode;
  }
}

}  // namespace
