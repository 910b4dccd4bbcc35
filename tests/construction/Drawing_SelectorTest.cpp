// The symbol dialog's size text is read as a number, 1.0 when it is none. (What the
// dialog shows and gives back is seen through the commands that run it.)
#include "construction/Drawing_Selector.h"

#include <gtest/gtest.h>

namespace {

TEST(SymbolDialogSize, ALeadingNumberIsTheSizeAndAnythingElseIsOne) {
  EXPECT_DOUBLE_EQ(2.5, Drawing_Selector::ParseSize(L"2,5"));
  EXPECT_DOUBLE_EQ(3.0, Drawing_Selector::ParseSize(L"3 mm"));
  EXPECT_DOUBLE_EQ(-1.5, Drawing_Selector::ParseSize(L"-1.5"));
  EXPECT_DOUBLE_EQ(0.0, Drawing_Selector::ParseSize(L""));
  EXPECT_DOUBLE_EQ(1.0, Drawing_Selector::ParseSize(L"x"));
  EXPECT_DOUBLE_EQ(1.0, Drawing_Selector::ParseSize(L" 2"));
}

}  // namespace
