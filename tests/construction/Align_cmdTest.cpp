// Aligning: the selection is moved and turned so that its two points land on the two
// reference points, without scaling; a point not given changes nothing.
#include "construction/Align_cmd.h"

#include "MarkingFixture.h"

namespace {

using AlignCommand = MarkingTest;

TEST_F(AlignCommand, TwoPointsOnTheSelectionLandOnTheReferencesUnscaled) {
  ZcDbObjectId line = AddLine({0, 0, 0}, {10, 0, 0});
  Run<Align_cmd>({L"5,0", L"", L"0,0", L"100,100", L"10,0", L"100,200"});
  ZcDbLine* moved = Read<ZcDbLine>(line);
  EXPECT_TRUE(moved->startPoint().isEqualTo({100, 100, 0}));
  EXPECT_TRUE(moved->endPoint().isEqualTo({100, 110, 0})) << "turned a quarter, not stretched to 100";
}

TEST_F(AlignCommand, APointNotGivenOrNothingSelectedChangesNothing) {
  ZcDbObjectId line = AddLine({0, 0, 0}, {10, 0, 0});
  Run<Align_cmd>({L"5,0", L"", L"0,0", L"100,100", L"@cancel"});
  Run<Align_cmd>({L""});
  EXPECT_TRUE(Read<ZcDbLine>(line)->startPoint().isEqualTo({0, 0, 0}));
  EXPECT_TRUE(Read<ZcDbLine>(line)->endPoint().isEqualTo({10, 0, 0}));
}

}  // namespace
