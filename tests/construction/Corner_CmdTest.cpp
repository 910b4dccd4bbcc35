// The Corner and MultiCorner commands from queued answers: the mode keywords, one corner
// joined by its picks, a mirror corner chosen by a direction point, every size joined by
// MultiCorner, and every way out (cancel at each prompt, a size that fails, a part of
// quantity 0) leaving no preview copy, no view, and "PICKSTYLE" as it was.
#include "construction/Corner_Cmd.h"

#include <algorithm>
#include <string>
#include <vector>

#include "CornersFixture.h"
#include "construction/Fastrelle_Corner_Join_ByMirrors_Cmd.h"
#include "construction/MultiCorner_cmd.h"
#include "db/ZcDbSymbolTable.h"
#include "headless/Host.h"

namespace {

class CornerCommands : public CornersTest {
protected:
  bool HasView(const wchar_t* name) {
    ZcDbViewTable* table = nullptr;
    if (db_->getViewTable(table, ZcDb::kForRead) != Zcad::eOk) return false;
    bool has = table->has(name);
    table->close();
    return has;
  }
  /// A line of the group joins P and Q.
  bool HasClosing(const wchar_t* group, const ZcGePoint3d& p, const ZcGePoint3d& q) {
    for (ZcDbObjectId id : Members(group))
      if (EndsAt(id, p) && EndsAt(id, q)) return true;
    return false;
  }
  static std::wstring Point(const ZcGePoint3d& p) {
    return std::to_wstring(p.x) + L"," + std::to_wstring(p.y);
  }
  void ExpectClean() {
    EXPECT_FALSE(HasView(L"Fastrelle_Corner_Join_Cmd"));
    EXPECT_TRUE(headless::NamedViews().empty());
    EXPECT_EQ(0, headless::Undo().openGroups);
    EXPECT_EQ(1, GetShort(L"PICKSTYLE"));
    EXPECT_EQ(0u, headless::PendingInput());
  }
  void SetUp() override {
    CornersTest::SetUp();
    std::wstring module = headless::FromUtf8(FASTRELLE_INSTALL_DIR) + L"/Fastrelle_Construction.zrx";
    ASSERT_TRUE(Linker()->loadModule(module.c_str(), true, false));
    SetShort(L"PICKSTYLE", 1);
  }
  static ZcGePoint3d Pt(double x, double y) { return ZcGePoint3d(x, y, 0); }
};

TEST_F(CornerCommands, KeywordsOneToSixAreTheSixModesAndNothingElseIs) {
  EXPECT_EQ(0, CornerModeFromKeyword(L"1"));
  EXPECT_EQ(3, CornerModeFromKeyword(L"4"));  // angle 90
  EXPECT_EQ(4, CornerModeFromKeyword(L"5"));  // angle 45
  EXPECT_EQ(5, CornerModeFromKeyword(L"6"));
  for (const wchar_t* other : {L"0", L"7", L"", L"x", L"12"}) EXPECT_EQ(-1, CornerModeFromKeyword(other));
  int mode = -1;
  headless::PushInputs({L"5"});
  ASSERT_TRUE(AskCornerMode(mode));
  EXPECT_EQ(4, mode);
  headless::PushInputs({L"@cancel"});
  EXPECT_FALSE(AskCornerMode(mode));
  EXPECT_TRUE(headless::MessageBoxes().empty());
  EXPECT_EQ(-103, MultiCornerReportCode(22));
  EXPECT_EQ(-102, MultiCornerReportCode(55));
  EXPECT_EQ(-104, MultiCornerReportCode(130));
  EXPECT_EQ(-105, MultiCornerReportCode(551));
  EXPECT_EQ(0, MultiCornerReportCode(16));
}

TEST_F(CornerCommands, CornerJoinsThePickedCornerAtARightAngleInOneUndoGroup) {
  int groupsWhilePicking = 0;
  headless::SetPromptObserver([&] { groupsWhilePicking = std::max(groupsWhilePicking, headless::Undo().openGroups); });
  headless::PushInputs({L"4", L"102,0", L"-10,60", L"113,-20"});
  Corner_Cmd().Run();
  headless::SetPromptObserver(nullptr);
  ExpectClean();
  EXPECT_EQ(1, groupsWhilePicking);
  EXPECT_EQ(0, headless::Undo().openGroups);
  // The left side ends on the hem, the hem cut line of size 42 right below that point.
  EXPECT_TRUE(HasClosing(L"Front|42", Pt(-10, 0), Pt(-10, -20)));
}

TEST_F(CornerCommands, AMirrorCornerKeepsTheCopyNearerTheDirectionPointAndLeavesNoCopy) {
  ZcGePoint3d ra, rb;
  RightCut(L"42", ra, rb);
  const ZcGePoint3d p = Cross(ra, rb, Pt(0, 0), Pt(1, 0));
  const ZcGePoint3d onRight = Cross(ra, rb, Pt(0, 60), Pt(1, 60));
  const std::size_t before = ModelSpace().size();
  headless::PushInputs({L"6", L"102,0", Point(onRight), Point(p + ZcGeVector3d(-3, -12, 0)), L"113,-20"});
  Corner_Cmd().Run();
  ExpectClean();
  // The mirror of the side about the hem meets the hem cut line: the corner closes there.
  EXPECT_NEAR(115.034662, p.x, 1e-6);
  EXPECT_TRUE(HasClosing(L"Front|42", p, Pt(113.367996, -20)) ||
              HasClosing(L"Front|42", p, Cross(p, p + ZcGeVector3d(rb.x - ra.x, ra.y - rb.y, 0), Pt(0, -20), Pt(1, -20))));
  // Trims replace two lines by two, plus the closing line: no preview copy is left.
  EXPECT_EQ(before + 1, ModelSpace().size());
}

TEST_F(CornerCommands, ACancelledMirrorCornerLeavesNoPreviewCopyAndSaysNothing) {
  const std::size_t before = ModelSpace().size();
  ZcGePoint3d ra, rb;
  RightCut(L"42", ra, rb);
  const std::wstring onRight = Point(Cross(ra, rb, Pt(0, 60), Pt(1, 60)));
  // At the direction point.
  {
    headless::PushInputs({L"102,0", onRight, L"@cancel"});
    Fastrelle_Corner_Join_ByMirrors_Cmd picks;
    EXPECT_EQ(180, picks.Pick());
    picks.Unhighlight();
  }
  EXPECT_EQ(before, ModelSpace().size());
  // At the second cut line, through the command, which says nothing of a cancel.
  headless::ClearTranscript();
  headless::PushInputs({L"6", L"102,0", onRight, L"120,-12", L"@cancel"});
  Corner_Cmd().Run();
  ExpectClean();
  EXPECT_EQ(before, ModelSpace().size());
  EXPECT_EQ(std::wstring::npos, headless::Transcript().find(L" es: "));
}

TEST_F(CornerCommands, CornerSaysWhyAJoinFailedAndChangesNothing) {
  // The hem's own cut line as the one to extend: it runs parallel to the hem, no crossing.
  const std::size_t before = ModelSpace().size();
  headless::ClearTranscript();
  headless::PushInputs({L"2", L"50,0", L"50,-20", L"-10,60"});
  Corner_Cmd().Run();
  ExpectClean();
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L" es: ")) << headless::ToUtf8(headless::Transcript());
  EXPECT_EQ(before, ModelSpace().size());
  EXPECT_TRUE(EndsAt(Cut(L"42", L"left"), Pt(-10, -20)));
}

TEST_F(CornerCommands, MultiCornerJoinsThePickedCornerInEverySize) {
  int groupsWhilePicking = 0;
  headless::SetPromptObserver([&] { groupsWhilePicking = std::max(groupsWhilePicking, headless::Undo().openGroups); });
  headless::ClearMessageBoxes();
  headless::PushInputs({L"5", L"50,0", L"-10,60", L"50,-20"});
  MultiCorner_cmd().Run();
  headless::SetPromptObserver(nullptr);
  ExpectClean();
  EXPECT_EQ(1, groupsWhilePicking);  // the whole run is one undo group
  EXPECT_TRUE(headless::MessageBoxes().empty());
  for (const wchar_t* group : {L"Front|38", L"Front|40", L"Front|42"})
    EXPECT_TRUE(HasClosing(group, Pt(-10, 0), Pt(10, -20))) << headless::ToUtf8(group);
}

TEST_F(CornerCommands, MultiCornerShowsWhyASizeFailedAndKeepsTheSizesBefore) {
  Erase(Cut(L"40", L"hem"));
  headless::ClearMessageBoxes();
  headless::ClearTranscript();
  headless::PushInputs({L"4", L"50,0", L"-10,60", L"50,-20"});
  MultiCorner_cmd().Run();
  ExpectClean();
  ASSERT_EQ(1u, headless::MessageBoxes().size());
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"40 !"));
  EXPECT_TRUE(HasClosing(L"Front|38", Pt(-10, 0), Pt(-10, -20)));
  EXPECT_FALSE(HasClosing(L"Front|42", Pt(-10, 0), Pt(-10, -20)));
}

TEST_F(CornerCommands, MultiCornerCancelledOrOnAPartOfQuantityZeroJoinsNothing) {
  const std::size_t before = ModelSpace().size();
  headless::ClearMessageBoxes();
  headless::PushInputs({L"6", L"50,0", L"@cancel"});
  MultiCorner_cmd().Run();
  ExpectClean();
  EXPECT_EQ(1u, headless::MessageBoxes().size());  // "cancelled"
  EXPECT_EQ(before, ModelSpace().size());

  Fastrelle_Part_Drawer(L"Front", 0).SetQuantity(0);
  headless::ClearTranscript();
  headless::PushInputs({L"1", L"-10,60", L"50,-20"});
  MultiCorner_cmd().Run();
  ExpectClean();
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Fastrelle_Corner_MultiJoin_Cmd::Run"));
  EXPECT_EQ(before, ModelSpace().size());
}

TEST_F(CornerCommands, AnswersTheCommandsCannotUseChangeNothing) {
  const std::size_t before = ModelSpace().size();
  headless::ClearMessageBoxes();
  headless::ClearTranscript();
  // The mode prompt asks again for a word or a number it does not offer and for Enter.
  headless::PushInputs({L"7", L"abc", L"", L"@cancel"});
  Corner_Cmd().Run();
  // Picks of nothing are asked again; the end of the script cancels.
  headless::PushInputs({L"4", L"500,500", L"50,0", L"-1000,-1000"});
  Corner_Cmd().Run();
  headless::PushInputs({L"6", L"500,500", L"50,0"});
  Corner_Cmd().Run();
  ExpectClean();
  EXPECT_TRUE(headless::MessageBoxes().empty());
  const std::wstring t = headless::Transcript();
  EXPECT_EQ(std::wstring::npos, t.find(L" es: ")) << headless::ToUtf8(t);
  EXPECT_EQ(std::wstring::npos, t.find(L"Pusty tekst"));
  for (const wchar_t* prompt : {L"Wybierz tryb połączenia rogów", L"Wskaż linię szycia", L"Wskaż linię cięcia do wydłużenia",
                                L"Wskaż linię cięcia do odbicia"})
    EXPECT_NE(std::wstring::npos, t.find(prompt)) << headless::ToUtf8(prompt);
  // MultiCorner cut short at each of its picks says it was cancelled.
  for (std::vector<std::wstring> answers : {std::vector<std::wstring>{L"3"}, {L"3", L"50,0"}, {L"3", L"50,0", L"-10,60"},
                                            {L"6", L"50,0", L"-10,60"}, {L"6", L"50,0", L"-10,60", L"120,-12"}}) {
    headless::ClearMessageBoxes();
    headless::PushInputs(answers);
    MultiCorner_cmd().Run();
    ExpectClean();
    ASSERT_EQ(1u, headless::MessageBoxes().size()) << answers.size();
    EXPECT_NE(std::wstring::npos, headless::MessageBoxes()[0].text.find(L"Funkcja anulowana"));
  }
  EXPECT_EQ(before, ModelSpace().size());
  for (const wchar_t* size : {L"38", L"40", L"42"}) EXPECT_TRUE(EndsAt(Cut(size, L"left"), Pt(-10, -20)));
}

TEST_F(CornerCommands, MultiCornerOnLinesWithoutGradePointsSaysSoAndChangesNothing) {
  db_ = headless::NewDrawing();
  SetShort(L"PICKSTYLE", 1);
  AddLine(Pt(0, 0), Pt(100, 0));
  AddLine(Pt(-10, -20), Pt(100, -20));
  AddLine(Pt(-10, -20), Pt(-10, 100));
  const std::size_t before = ModelSpace().size();
  headless::ClearMessageBoxes();
  headless::ClearTranscript();
  headless::PushInputs({L"5", L"50,0", L"-10,60", L"50,-20"});
  MultiCorner_cmd().Run();
  ExpectClean();
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L" es: "));
  EXPECT_TRUE(headless::MessageBoxes().empty());
  EXPECT_EQ(before, ModelSpace().size());
}

}  // namespace
