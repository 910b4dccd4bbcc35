// The group-selection switch: any group selection turns it off, none turns it on, and the
// command line says which.
#include "construction/SwitchPicksStyle.h"

#include "MarkingFixture.h"

namespace {

using GroupSelectionSwitch = MarkingTest;

TEST_F(GroupSelectionSwitch, OnTurnsOffAndOffTurnsOnSayingSo) {
  SetShort(L"PICKSTYLE", 2);
  SwitchPicksStyle().Run();
  EXPECT_EQ(0, GetShort(L"PICKSTYLE"));
  EXPECT_EQ(L"\nGrupowanie Wyłączone", headless::Transcript());
  headless::ClearTranscript();
  SwitchPicksStyle().Run();
  EXPECT_EQ(1, GetShort(L"PICKSTYLE"));
  EXPECT_EQ(L"\nGrupowanie Włączone", headless::Transcript());
}

}  // namespace
