// The dart: its legs and mark join the part in every size with the three points numbered;
// a cancel, a failing input or an apex in no part leaves neither mark nor legs; the
// mark follows the pick.
#include "construction/Dart_Cmd.h"

#include "MarkingFixture.h"
#include "framework/Selections.h"

namespace {

using DartCommand = MarkingTest;

TEST_F(DartCommand, TheMarkSitsAtTheApexInEverySize) {
  Fastrelle_Part_Drawer(L"Przód", 0).BuildFromCurves(Square());
  Run<Dart_Cmd>({L"40,100", L"60,100", L"@move 52,70", L"@move 52,60", L"@pick 52,60"});
  for (const wchar_t* group : {L"Przód|0", L"Przód|38", L"Przód|40"}) {
    std::vector<ZcDbBlockReference*> marks = Symbols(group, L"Dart");
    ASSERT_EQ(1u, marks.size()) << group;
    EXPECT_TRUE(marks[0]->position().isEqualTo({50, 60, 0})) << group;
  }
  EXPECT_EQ(3, GetBlockReferenceIdsByName(L"Dart").length());
  // A pick away from the last motion, or with no motion before it, marks its own apex.
  for (const wchar_t* motion : {L"@move 20,50", L"@key Backspace"}) {
    Run<Dart_Cmd>({L"20,0", L"30,0", motion, L"@pick 27,40"});
    bool marked = false;
    for (ZcDbBlockReference* mark : Symbols(L"Przód|38", L"Dart")) marked |= mark->position().isEqualTo({25, 40, 0});
    EXPECT_TRUE(marked) << headless::ToUtf8(motion);
  }
  EXPECT_EQ(9, GetBlockReferenceIdsByName(L"Dart").length());
}

TEST_F(DartCommand, ACancelledOrFailedDartOrOneInNoPartLeavesNoMarkAndNoLegs) {
  Fastrelle_Part_Drawer(L"Przód", 0).BuildFromCurves(Square());
  const std::size_t drawn = ModelSpace().size();
  Run<Dart_Cmd>({L"40,100", L"60,100", L"@move 52,70", L"@cancel"});
  EXPECT_EQ(drawn, ModelSpace().size());
  // The host's input fails with the mark shown inside the part: no dart, so no mark.
  headless::FailDragRead(2);
  Run<Dart_Cmd>({L"40,100", L"60,100", L"@move 52,70", L"@pick 52,70"});
  EXPECT_EQ(1u, headless::PendingInput());
  headless::ClearInput();
  EXPECT_EQ(drawn, ModelSpace().size());
  Run<Dart_Cmd>({L"240,100", L"260,100", L"@move 252,70", L"@pick 252,70"});
  EXPECT_EQ(drawn, ModelSpace().size());
  EXPECT_EQ(0, GetBlockReferenceIdsByName(L"Dart").length());
}

}  // namespace
