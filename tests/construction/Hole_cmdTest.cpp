// Holes and special points: the symbol chosen in the dialog joins the part at each point in
// every size, every copy turned as the user turned the first; a point in no part, a folder
// instead of a drawing, a malformed drawing or a size not above 0 leave nothing behind and
// say so; the size typed is offered at the next run.
#include "construction/Hole_cmd.h"

#include <cmath>

#include "MarkingFixture.h"
#include "construction/SpecPoint_Cmd.h"
#include "framework/Selections.h"
#include "framework/UI_Block.h"

namespace {

using HoleCommand = MarkingTest;

const double kPi = 3.14159265358979323846;

TEST_F(HoleCommand, AHoleJoinsThePartInEverySizeTurnedAsTheUserTurnedIt) {
  Fastrelle_Part_Drawer(L"Przód", 0).BuildFromCurves(Square());
  Run<Hole_cmd>({L"@dlg select 8025 Hole", L"@dlg set 8031 3", L"@dlg ok", L"30,40", L"30", L""});
  const struct {
    const wchar_t *group, *layer;
  } sizes[] = {{L"Przód|0", L"0~"}, {L"Przód|38", L"38~"}, {L"Przód|40", L"^40~"}};
  for (const auto& s : sizes) {
    std::vector<ZcDbBlockReference*> holes = Symbols(s.group, L"Hole");
    ASSERT_EQ(1u, holes.size()) << s.group;
    EXPECT_EQ(CString(s.layer), holes[0]->layer());
    EXPECT_TRUE(holes[0]->position().isEqualTo({30, 40, 0}));
    EXPECT_DOUBLE_EQ(3.0, holes[0]->scaleFactors().sx);
    EXPECT_NEAR(kPi / 6, holes[0]->rotation(), 1e-9) << s.group;
  }
  EXPECT_EQ(3, GetBlockReferenceIdsByName(L"Hole").length());  // none outside the part
  EXPECT_DOUBLE_EQ(3.0, RememberedSymbol::Hole().m_size);
  EXPECT_EQ(CString(Templates("Holes/Hole.dwg").c_str()).MakeLower(), RememberedSymbol::Hole().m_path.MakeLower());
}

TEST_F(HoleCommand, ACancelledTurnKeepsEveryCopyUnturnedAndAPointInNoPartLeavesNothing) {
  Fastrelle_Part_Drawer(L"Przód", 0).BuildFromCurves(Square());
  Run<Hole_cmd>({L"@dlg select 8025 Hole", L"@dlg ok", L"30,40", L"@cancel", L"500,500", L"60,60", L"90", L""});
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"nie leży w żadnej części"));
  EXPECT_EQ(6, GetBlockReferenceIdsByName(L"Hole").length());
  for (const wchar_t* group : {L"Przód|0", L"Przód|38", L"Przód|40"}) {
    std::vector<ZcDbBlockReference*> holes = Symbols(group, L"Hole");
    ASSERT_EQ(2u, holes.size()) << group;
    EXPECT_EQ(0.0, holes[0]->rotation());
    EXPECT_NEAR(kPi / 2, holes[1]->rotation(), 1e-9);
  }
}

TEST_F(HoleCommand, AFolderInsteadOfADrawingIsRefusedBeforeAnyPoint) {
  Fastrelle_Part_Drawer(L"Przód", 0).BuildFromCurves(Square());
  const std::size_t drawn = ModelSpace().size();
  Run<Hole_cmd>({L"@dlg ok", L"30,40"});  // nothing selected: the remembered folder stays
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"nie jest istniejącym rysunkiem: "));
  EXPECT_EQ(std::wstring::npos, headless::Transcript().find(L"Wskaż punkt wstawienia dziurki"));
  EXPECT_EQ(1u, headless::PendingInput());
  EXPECT_EQ(drawn, ModelSpace().size());
  EXPECT_EQ(CString(Templates("Holes").c_str()), RememberedSymbol::Hole().m_path);
}

TEST_F(HoleCommand, AMalformedDrawingIsNamedWithItsStatusAndNothingIsInserted) {
  Fastrelle_Part_Drawer(L"Przód", 0).BuildFromCurves(Square());
  TempFolder folder;
  WriteBytes(folder.Native("Broken.dwg"), "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\nabc\n");
  RememberedSymbol::Hole().m_size = 1.0;
  RememberedSymbol::Hole().m_path = folder.Windows("Broken.dwg").c_str();
  const std::size_t drawn = ModelSpace().size();
  Run<Hole_cmd>({L"@dlg ok", L"30,40"});
  const std::wstring t = headless::Transcript();
  EXPECT_NE(std::wstring::npos, t.find(folder.Windows("Broken.dwg"))) << headless::ToUtf8(t);
  EXPECT_NE(std::wstring::npos, t.find(L" es: ")) << headless::ToUtf8(t);
  EXPECT_EQ(1u, headless::PendingInput());
  EXPECT_EQ(drawn, ModelSpace().size());
  EXPECT_EQ(nullptr, UI_Block(L"Broken", false).Record());
}

TEST_F(HoleCommand, TheFirstRunOffersTheSettingAndLaterRunsTheSizeTyped) {
  Run<Hole_cmd>({L"@dlg show", L"@dlg set 8031 2,5", L"@dlg ok"});  // the folder: refused, size kept
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"8031 edit \"1.0000\""));
  EXPECT_DOUBLE_EQ(2.5, RememberedSymbol::Hole().m_size);
  headless::ClearTranscript();
  Run<Hole_cmd>({L"@dlg show", L"@dlg set 8031 x", L"@dlg ok"});
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"8031 edit \"2.5000\""));
  EXPECT_DOUBLE_EQ(1.0, RememberedSymbol::Hole().m_size) << "a size that is no number is 1";
  Run<Hole_cmd>({L"@dlg select 8025 Hole", L"@dlg set 8031 0", L"@dlg ok", L"30,40"});
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Rozmiar symbolu musi być większy od zera"));
  EXPECT_EQ(1u, headless::PendingInput());
}

TEST_F(HoleCommand, ASpecialPointTakesItsOwnFolderPromptAndMemory) {
  Fastrelle_Part_Drawer(L"Przód", 0).BuildFromCurves(Square());
  Run<SpecPoint_Cmd>({L"@dlg show", L"@dlg select 8025 Triangle", L"@dlg ok", L"50,50", L"0", L""});
  const std::wstring t = headless::Transcript();
  EXPECT_NE(std::wstring::npos, t.find(L"0: Cross\n    1: Triangle")) << headless::ToUtf8(t);
  EXPECT_NE(std::wstring::npos, t.find(L"Wskaż punkt wstawienia punktu specialnego"));
  EXPECT_EQ(1u, Symbols(L"Przód|40", L"Triangle").size());
  EXPECT_EQ(0.0, RememberedSymbol::Hole().m_size) << "the hole's memory is untouched";
}

}  // namespace
