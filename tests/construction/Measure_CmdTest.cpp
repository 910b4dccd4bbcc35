// The measuring tape shows its length while it runs and leaves nothing in the drawing.
#include "construction/Measure_Cmd.h"

#include "MarkingFixture.h"

namespace {

using MeasureCommand = MarkingTest;

TEST_F(MeasureCommand, TheTapeLeavesNothingBehindWhateverEndsIt) {
  AddLine({0, 0, 0}, {100, 0, 0});
  const std::size_t drawn = ModelSpace().size();
  for (const wchar_t* end : {L"@key Enter", L"@cancel"}) {
    Run<Measure_Cmd>({L"0,0", L"@move 30,-1", L"@move 40,1", end});
    EXPECT_EQ(drawn, ModelSpace().size()) << headless::ToUtf8(end);
  }
  EXPECT_EQ(0u, headless::PendingInput());
}

}  // namespace
