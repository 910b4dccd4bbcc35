// The notch: slid along the seam and picked, it lands at that place in every size at the
// size typed; the setting gives the first size and the size typed is offered next time;
// OK over the folder alone shows the error box and an unreadable drawing is named, neither
// asking anything; a cancel or a failing input leaves nothing,
// and the floating dialog never outlives the command.
#include "construction/Notch_cmd.h"

#include "MarkingFixture.h"
#include "framework/Selections.h"

namespace {

using NotchCommand = MarkingTest;

TEST_F(NotchCommand, APickedNotchLandsAtItsPlaceInEverySizeAtTheSizeTyped) {
  Fastrelle_Part_Drawer(L"Przód", 0).BuildFromCurves(Square());
  Run<Notch_cmd>({L"@dlg show", L"@dlg select 8025 Notch", L"@dlg set 8031 5", L"@dlg ok", L"0,0", L"@move 30,-1",
                  L"@pick 30,0"});
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"8031 edit \"1.0000\"")) << "the setting, first";
  for (const wchar_t* group : {L"Przód|0", L"Przód|38", L"Przód|40"}) {
    std::vector<ZcDbBlockReference*> notches = Symbols(group, L"Notch");
    ASSERT_EQ(1u, notches.size()) << group;
    EXPECT_TRUE(notches[0]->position().isEqualTo({30, 0, 0})) << group;
    EXPECT_DOUBLE_EQ(5.0, notches[0]->scaleFactors().sx);
  }
  EXPECT_EQ(3, GetBlockReferenceIdsByName(L"Notch").length());  // the dragged one is gone
  headless::ClearTranscript();
  Run<Notch_cmd>({L"@dlg show", L"@dlg cancel"});
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"8031 edit \"5.0000\""));
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"0 (selected): Notch"));
}

TEST_F(NotchCommand, TheFolderAloneShowsTheErrorBoxAndAnUnreadableDrawingIsNamedAskingNothing) {
  Fastrelle_Part_Drawer(L"Przód", 0).BuildFromCurves(Square());
  const std::size_t drawn = ModelSpace().size();
  Run<Notch_cmd>({L"@dlg set 8031 4", L"@dlg ok", L"0,0"});
  std::vector<headless::MessageBoxRecord> boxes = headless::MessageBoxes();
  ASSERT_EQ(1u, boxes.size());
  EXPECT_NE(std::wstring::npos, boxes[0].text.find(L"funkcję: Notch"));
  EXPECT_EQ(1u, headless::PendingInput());
  EXPECT_EQ(drawn, ModelSpace().size());
  EXPECT_DOUBLE_EQ(4.0, RememberedSymbol::Notch().m_size) << "only the size is remembered";
  EXPECT_EQ(CString(Templates("Notch").c_str()), RememberedSymbol::Notch().m_path);
  TempFolder folder;  // a drawing that cannot be read is named and nothing is asked
  WriteBytes(folder.Native("Broken.dwg"), "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\nabc\n");
  RememberedSymbol::Notch().m_path = folder.Windows("Broken.dwg").c_str();
  headless::ClearInput();
  Run<Notch_cmd>({L"@dlg ok", L"0,0"});
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(folder.Windows("Broken.dwg")));
  EXPECT_EQ(1u, headless::PendingInput());
  EXPECT_EQ(drawn, ModelSpace().size());
}

TEST_F(NotchCommand, ACancelledOrFailedDragLeavesNoNotch) {
  Fastrelle_Part_Drawer(L"Przód", 0).BuildFromCurves(Square());
  const std::size_t drawn = ModelSpace().size();
  Run<Notch_cmd>({L"@dlg select 8025 NotchT", L"@dlg ok", L"0,0", L"@move 30,-1", L"@cancel"});
  EXPECT_EQ(drawn, ModelSpace().size());
  EXPECT_EQ(0, GetBlockReferenceIdsByName(L"NotchT").length());
  // The host's input fails after the notch was shown sliding: the preview goes too.
  headless::FailDragRead(2);
  Run<Notch_cmd>({L"@dlg select 8025 NotchT", L"@dlg ok", L"0,0", L"@move 30,-1", L"@pick 30,0"});
  EXPECT_EQ(1u, headless::PendingInput()) << "the failing read ended the drag";
  EXPECT_EQ(drawn, ModelSpace().size());
  EXPECT_EQ(0, GetBlockReferenceIdsByName(L"NotchT").length());
}

}  // namespace
