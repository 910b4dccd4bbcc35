// The current view keeps whatever shade mode the host stores, and the shade guard puts
// the user's mode back.
#include "framework/Guards.h"

#include <gtest/gtest.h>

#include "headless/Database.h"
#include "headless/Host.h"

namespace {

TEST(ZW_View, ReadsBackEveryModeTheHostStoresIncludingOnesBeyondTheNamedModes) {
  headless::NewDrawing();
  headless::ResetEditor();
  ZW_View view;
  ASSERT_TRUE(view.IsValid());
  for (int mode : {0, 2, 5, 6, 8, 12}) {
    view.SetMode(mode);
    EXPECT_EQ(mode, ZW_View().GetMode());
  }
}

TEST(Shademode, PutsBackTheUsersModeAfterAShadedStep) {
  headless::NewDrawing();
  headless::ResetEditor();
  ZW_View().SetMode(8);
  Shademode guard;
  guard.SaveAndSet(0);
  EXPECT_EQ(0, ZW_View().GetMode());
  guard.Restore();
  EXPECT_EQ(8, ZW_View().GetMode());
}

}  // namespace
