// The system's selections: PICKSTYLE held at 0 while the user selects and back on every
// path, crossing boxes, pick-first sets, single picks that ask again only after a miss,
// the collection's selections and bulk operations, and no host set left unfreed.
#include "framework/Selections.h"

#include "DrawingFixture.h"
#include "framework/ResBuf.h"
#include "framework/SSGet.h"
#include "framework/UI_Kolekcja.h"
#include "framework/UserInput.h"

namespace {

class Selections : public DrawingTest {
protected:
  // "PICKSTYLE" as each prompt saw it.
  std::vector<int> WatchPickStyle() {
    seen_.clear();
    headless::SetPromptObserver([this] { seen_.push_back(GetShort(L"PICKSTYLE")); });
    return seen_;
  }
  std::vector<int> seen_;
};

TEST_F(Selections, PickStyleIsZeroWhileTheUserSelectsAndBackAfterOnEveryPath) {
  ZcDbObjectId line = AddLine({0, 0, 0}, {10, 0, 0});
  SetShort(L"PICKSTYLE", 1);
  WatchPickStyle();
  headless::PushInputs({L"5,0", L""});
  ZcDbObjectIdArray ids = SelectEntities();
  ASSERT_EQ(1, ids.length());
  EXPECT_EQ(line, ids[0]);
  EXPECT_EQ((std::vector<int>{0, 0}), seen_);
  EXPECT_EQ(1, GetShort(L"PICKSTYLE"));
  seen_.clear();
  headless::PushInput(L"@cancel");
  EXPECT_TRUE(SelectEntities().isEmpty());
  EXPECT_EQ(std::vector<int>{0}, seen_);
  EXPECT_EQ(1, GetShort(L"PICKSTYLE"));
  EXPECT_TRUE(SelectEntities().isEmpty());  // an exhausted script
  EXPECT_EQ(1, GetShort(L"PICKSTYLE"));
}

TEST_F(Selections, SelectorThatNeverSavedPickStyleLeavesItAlone) {
  SetShort(L"PICKSTYLE", 2);
  {
    SSGet reader(kSelectAll);
    reader.Select();
    SetShort(L"PICKSTYLE", 3);
  }
  EXPECT_EQ(3, GetShort(L"PICKSTYLE"));
}

TEST_F(Selections, CancelIsReportedAs180AndNothingSelectedAsNoIds) {
  AddLine({0, 0, 0}, {10, 0, 0});
  SSGet cancelled;
  headless::PushInput(L"@cancel");
  EXPECT_EQ(180, cancelled.Select());
  SSGet empty;
  headless::PushInput(L"");
  EXPECT_EQ(0, empty.Select());
  EXPECT_EQ(0, empty.Length());
}

TEST_F(Selections, CrossingAtPointUsesTheSquareAroundThePointOnTheCurvesThemselves) {
  ZcDbObjectId arc = AddArc({0, 0, 0}, 10.0, 0.0, M_PI / 2);
  EXPECT_TRUE(SelectCrossingAtPoint({9.5, 9.5, 0}, 0.5).isEmpty());  // inside the arc's box only
  ZcDbObjectIdArray ids = SelectCrossingAtPoint({10, 0.2, 0}, 0.5);
  ASSERT_EQ(1, ids.length());
  EXPECT_EQ(arc, ids[0]);
}

TEST_F(Selections, BlockReferenceSelectionWithNoNamesSelectsNothing) {
  AddLine({0, 0, 0}, {10, 0, 0});
  headless::PushInputs({L"ALL", L""});
  EXPECT_TRUE(SelectBlockReferences(CStringArray()).isEmpty());
}

TEST_F(Selections, PickFirstRoundTripAndAnEmptyArrayWithoutASet) {
  EXPECT_TRUE(SelectPickFirst().isEmpty());
  ZcDbObjectId a = AddLine({0, 0, 0}, {1, 0, 0});
  ZcDbObjectId b = AddLine({0, 1, 0}, {1, 1, 0});
  ZcDbObjectIdArray ids;
  ids.append(b).append(a);
  SetPickFirst(ids);
  ZcDbObjectIdArray back = SelectPickFirst();
  ASSERT_EQ(2, back.length());
  EXPECT_EQ(b, back[0]);
  EXPECT_EQ(a, back[1]);
}

TEST_F(Selections, PickEntityAsksAgainOnlyAfterAMissedPick) {
  ZcDbObjectId line = AddLine({0, 0, 0}, {10, 0, 0});
  headless::PushInputs({L"5,40", L"5,0"});
  EXPECT_EQ(line, PickEntity(L"\nWybierz: "));
  headless::PushInputs({L"", L"5,0"});
  EXPECT_TRUE(PickEntity(L"\nWybierz: ").isNull());  // Enter ends it
  EXPECT_EQ(1u, headless::PendingInput());
  headless::ClearInput();
  EXPECT_TRUE(PickEntity(L"\nWybierz: ").isNull());  // an exhausted script ends it too
}

TEST_F(Selections, EntityOrKeywordGives5006ForAPickAndTheTextForAKeyword) {
  ZcDbObjectId line = AddLine({0, 0, 0}, {10, 0, 0});
  KWordSelector s(L"Wybierz linie");
  s.AddKeyword(L"Odstep");
  s.AddKeyword(L"Kierunek");
  CString text;
  headless::PushInputs({L"3,0", L"k"});
  EXPECT_EQ(kEntityPicked, s.GetEntityOrKeyword(text));
  EXPECT_EQ(line, s.m_entityId);
  EXPECT_EQ(RTKWORD, s.GetEntityOrKeyword(text));
  EXPECT_EQ(CString(L"Kierunek"), text);
  EXPECT_EQ(CString(L"Kierunek"), s.m_chosen);
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"\nWybierz linie[Odstep/Kierunek]:"));
}

TEST_F(Selections, CollectionSelectionsKeepEveryIdAndFreeTheirSets) {
  ZcDbObjectId line = AddLine({0, 0, 0}, {10, 0, 0});
  AddCircle({50, 0, 0}, 2.0);
  UI_Kolekcja c;
  CStringArray types;
  types.Add(L"LINE");
  headless::PushInputs({L"ALL", L""});
  EXPECT_EQ(0, c.Select(L"\nWybierz:", types));
  ASSERT_EQ(1, c.Length());
  EXPECT_EQ(line, c.Ids()[0]);
  SetShort(L"pickstyle", 1);
  ResBuf filter;
  EXPECT_EQ(0, c.SelectCrossing(filter, {-1, -1, 0}, {60, 1, 0}));
  EXPECT_EQ(3, c.Length());  // appended without a duplicate test
  EXPECT_EQ(1, GetShort(L"PICKSTYLE"));
}

TEST_F(Selections, CollectionAddRefusesRepeatsAndSortPutsUnmeasurableFirst) {
  ZcDbObjectId far = AddLine({0, 10, 0}, {10, 10, 0});
  ZcDbObjectId near = AddLine({0, 1, 0}, {10, 1, 0});
  ZcDbObjectId gone = AddLine({0, 5, 0}, {10, 5, 0});
  UI_Kolekcja c;
  EXPECT_EQ(600, c.Add(ZcDbObjectId()));
  EXPECT_EQ(0, c.Add(far));
  EXPECT_EQ(260, c.Add(far));
  c.Add(near);
  c.Add(gone);
  Erase(gone);
  c.SortByDistance({5, 0, 0});
  ASSERT_EQ(3, c.Length());
  EXPECT_EQ(gone, c.Ids()[0]);
  EXPECT_EQ(near, c.Ids()[1]);
  EXPECT_EQ(far, c.Ids()[2]);
}

TEST_F(Selections, CollectionTransformMovesAnMTextOnlyByTheTranslation) {
  ZcDbObjectId t = AddMText({1, 1, 0});
  ZcDbObjectId line = AddLine({1, 0, 0}, {2, 0, 0});
  UI_Kolekcja c;
  c.Add(t);
  c.Add(line);
  ZcGeMatrix3d m = ZcGeMatrix3d::translation({10, 0, 0}) * ZcGeMatrix3d::rotation(M_PI / 2, ZcGeVector3d::kZAxis);
  EXPECT_EQ(0, c.ApplyTransform(m));
  EXPECT_TRUE(Read<ZcDbMText>(t)->location().isEqualTo({11, 1, 0}));
  EXPECT_TRUE(Read<ZcDbLine>(line)->startPoint().isEqualTo({10, 1, 0}));
}

}  // namespace
