// The parts rebuild runs what the parts model registered, and nothing without it.
#include "sizes/RebuildPartsInAllSizes.h"

#include <gtest/gtest.h>

namespace {

int calls = 0;
int CountingRebuild() {
  ++calls;
  return 7;
}

TEST(RebuildParts, RunsTheRegisteredRebuildAndSucceedsWithoutOne) {
  calls = 0;
  SetRebuildPartsFunction(nullptr);
  EXPECT_EQ(0, RebuildPartsInAllSizes());
  SetRebuildPartsFunction(CountingRebuild);
  EXPECT_EQ(7, RebuildPartsInAllSizes());
  EXPECT_EQ(1, calls);
  SetRebuildPartsFunction(nullptr);
}

}  // namespace
