// Selection sets on a real drawing: the modes, filters with nested groups, window and
// crossing tests on the true paths (a reference's contents), picks under the pick box, groups under PICKSTYLE,
// pick-first sets, set bookkeeping, single picks, object snaps and boundary tracing.
#include "ed/SelectionSets.h"

#include "DrawingFixture.h"
#include "db/ZcDbArc.h"
#include "db/ZcDbBlockReference.h"
#include "db/ZcDbGroup.h"
#include "db/ZcDbPolyline.h"
#include "db/ZcDbText.h"
#include "ed/zced.h"
#include "editor/Entities.h"

namespace {

class SelectionSets : public DrawingTest {
protected:
  // The ids of a set, which is freed.
  static std::vector<ZcDbObjectId> Take(ads_name ss) {
    std::vector<ZcDbObjectId> ids;
    std::int32_t n = 0;
    zcedSSLength(ss, &n);
    for (std::int32_t i = 0; i < n; ++i) {
      ads_name e;
      ZcDbObjectId id;
      zcedSSName(ss, i, e);
      zcdbGetObjectId(id, e);
      ids.push_back(id);
    }
    zcedSSFree(ss);
    return ids;
  }
  static std::vector<ZcDbObjectId> Get(const wchar_t* mode, const resbuf* filter = nullptr,
                                       const ads_point p1 = nullptr, const ads_point p2 = nullptr) {
    ads_name ss;
    if (zcedSSGet(mode, p1, p2, filter, ss) != RTNORM) return {};
    return Take(ss);
  }
  using Ids = std::vector<ZcDbObjectId>;
};

TEST_F(SelectionSets, AllModeAppliesANotOfAnOrOfTwoLayers) {
  MakeLayer(L"A");
  MakeLayer(L"B");
  ZcDbObjectId a = AddLine({0, 0, 0}, {1, 0, 0}, L"A");
  AddLine({0, 1, 0}, {1, 1, 0}, L"B");
  ZcDbObjectId c = AddLine({0, 2, 0}, {1, 2, 0}, L"0");
  Filter f;
  f.Marker(L"<NOT").Marker(L"<OR").Text(8, L"a").Text(8, L"B").Marker(L"OR>").Marker(L"NOT>");
  EXPECT_EQ(Ids{c}, Get(L"_X", f.Head()));
  Filter onlyA;
  onlyA.Text(0, L"LINE").Text(8, L"A");
  EXPECT_EQ(Ids{a}, Get(L"X", onlyA.Head()));
}

TEST_F(SelectionSets, TypeWildcardsMatchWithoutRegardToCase) {
  ZcDbObjectId pl = AddPolyline({{0, 0}, {10, 0}, {10, 10}});
  AddLine({0, 0, 0}, {1, 1, 0});
  Filter f;
  f.Text(0, L"*polyline");
  EXPECT_EQ(Ids{pl}, Get(L"_X", f.Head()));
}

TEST_F(SelectionSets, AnUnbalancedFilterIsRefusedWithAMessage) {
  AddLine({0, 0, 0}, {1, 1, 0});
  Filter f;
  f.Marker(L"<OR").Text(8, L"0");
  ads_name ss;
  EXPECT_EQ(RTERROR, zcedSSGet(L"X", nullptr, nullptr, f.Head(), ss));
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Invalid selection filter"));
}

TEST_F(SelectionSets, ACrossingWithAKindAndLayerFilterTakesWhatPassesAndCrossesOnly) {
  // Stacked curves on two layers; a group joins one of each layer (PICKSTYLE 1 brings the
  // members that pass); a line of the layer outside the window and an erased one stay out.
  MakeLayer(L"38'");
  ZcDbObjectId cut = AddLine({0, 0, 0}, {10, 0, 0}, L"38'");
  ZcDbObjectId arc = Add(new ZcDbArc({5, 5, 0}, 5.0, M_PI, 2 * M_PI), L"38'");
  AddLine({0, 0, 0}, {10, 0, 0}, L"0");
  ZcDbObjectId far = AddLine({50, 0, 0}, {60, 0, 0}, L"38'");
  ZcDbObjectId gone = AddLine({0, 1, 0}, {10, 1, 0}, L"38'");
  Erase(gone);
  MakeGroup(L"G", {AddLine({0, -1, 0}, {10, -1, 0}, L"0"), far});
  Filter f;
  f.Marker(L"<NOT").Text(0, L"INSERT").Marker(L"NOT>").Text(8, L"38'");
  ads_point c1 = {6, 2, 0}, c2 = {4, -2, 0};
  EXPECT_EQ((Ids{cut, arc}), Get(L"C", f.Head(), c1, c2));
  Filter lines;
  lines.Text(0, L"LINE").Text(8, L"38`'");  // a quoted mark in the layer's pattern
  EXPECT_EQ(Ids{cut}, Get(L"C", lines.Head(), c1, c2));
  ads_point w1 = {-1, -2, 0}, w2 = {61, 2, 0};
  Ids wide = Get(L"C", f.Head(), w1, w2);
  EXPECT_EQ(3u, wide.size());
  EXPECT_EQ(wide.end(), std::find(wide.begin(), wide.end(), gone));
}

TEST_F(SelectionSets, CrossingWindowTouchingOnlyAnArcsBoundingBoxMissesTheArc) {
  // A quarter arc from (10,0) to (0,10) about the origin: its box reaches (10,10), the
  // arc itself stays near the circle of radius 10.
  ZcDbObjectId arc = AddArc({0, 0, 0}, 10.0, 0.0, M_PI / 2);
  ads_point c1 = {8.5, 8.5, 0}, c2 = {9.9, 9.9, 0};
  EXPECT_TRUE(Get(L"C", nullptr, c1, c2).empty());
  ads_point d1 = {6.0, 6.0, 0}, d2 = {9.0, 9.0, 0};
  EXPECT_EQ(Ids{arc}, Get(L"_C", nullptr, d1, d2));
}

// A drawing seen from above: entities lifted off the XY plane are crossed where their plan
// view runs.
TEST_F(SelectionSets, CrossingWindowsMeetEntitiesAboveTheXYPlaneInPlanView) {
  ZcDbObjectId line = AddLine({0, 0, 0.01}, {10, 0, 0.01});
  auto* pl = new ZcDbPolyline;
  pl->addVertexAt(0, {0, 20});
  pl->addVertexAt(1, {10, 20});
  pl->addVertexAt(2, {10, 30}, 1.0);
  pl->addVertexAt(3, {0, 30});
  pl->setClosed(true);
  pl->setElevation(2.5);
  ZcDbObjectId raised = Add(pl);
  ads_point a1 = {4, -1, 0}, a2 = {6, 1, 0};
  EXPECT_EQ(Ids{line}, Get(L"C", nullptr, a1, a2));
  ads_point b1 = {9, 24, 0}, b2 = {11, 26, 0};
  EXPECT_EQ(Ids{raised}, Get(L"C", nullptr, b1, b2));
  ads_point c1 = {4, 2, 0}, c2 = {6, 4, 0};
  EXPECT_TRUE(Get(L"C", nullptr, c1, c2).empty());
}

TEST_F(SelectionSets, WindowTakesOnlyWholeEntitiesAndSkipsLayersThatAreOff) {
  MakeLayer(L"Hidden");
  ZcDbObjectId inside = AddLine({1, 1, 0}, {2, 2, 0});
  AddLine({1, 1, 0}, {20, 2, 0});
  AddLine({1, 3, 0}, {2, 3, 0}, L"Hidden");
  SetLayerOff(L"Hidden");
  ads_point c1 = {5, 5, 0}, c2 = {0, 0, 0};
  EXPECT_EQ(Ids{inside}, Get(L"W", nullptr, c1, c2));
  EXPECT_EQ(3u, Get(L"X").size());  // the whole drawing includes layers that are off
}

// A turned, mirrored reference to an L of two lines, nested in another block, with a
// label: its box holds the empty corner of the L, where nothing of it lies.
TEST_F(SelectionSets, AReferenceIsPickedAndCrossedByItsContentsNotItsBox) {
  ZcDbBlockTable* table = nullptr;
  db_->getBlockTable(table, ZcDb::kForWrite);
  ZcDbObjectId ell, outer;
  for (auto [name, id] : {std::pair{L"L", &ell}, std::pair{L"Outer", &outer}}) {
    auto* record = new ZcDbBlockTableRecord();
    record->setName(name);
    table->add(*id, record);
    record->close();
  }
  table->close();
  auto append = [&](ZcDbObjectId block, ZcDbEntity* e) {
    ZcDbBlockTableRecord* record = nullptr;
    zcdbOpenObject(record, block, ZcDb::kForWrite);
    record->appendZcDbEntity(e);
    e->close();
    record->close();
  };
  append(ell, new ZcDbLine({0, 0, 0}, {40, 0, 0}));
  append(ell, new ZcDbLine({0, 0, 0}, {0, 40, 0}));
  append(outer, new ZcDbBlockReference({0, 0, 0}, ell));
  // Placed mirrored about Y then turned a quarter: the L's arms run to -Y and to -X of (100, 100).
  auto* ref = new ZcDbBlockReference({100, 100, 0}, outer);
  ref->setScaleFactors(ZcGeScale3d(-1, 1, 1));
  ref->setRotation(3.141592653589793 / 2);
  auto* label = new ZcDbAttribute();
  label->setPosition({100, 120, 0});
  label->setTextString(L"Przód");
  ref->appendAttribute(label);
  ZcDbObjectId id = Add(ref);

  EXPECT_TRUE(editor::EntityAt({80, 80, 0}).isNull()) << "the empty corner inside its box";
  EXPECT_EQ(id, editor::EntityAt({100, 80, 0})) << "on an arm";
  ads_point c1 = {75, 75, 0}, c2 = {85, 85, 0};
  EXPECT_EQ(Ids{}, Get(L"C", nullptr, c1, c2));
  ads_point d1 = {95, 75, 0}, d2 = {105, 85, 0};
  EXPECT_EQ(Ids{id}, Get(L"C", nullptr, d1, d2));
  ads_point t1 = {101, 119, 0}, t2 = {102, 121, 0};
  EXPECT_EQ(Ids{id}, Get(L"C", nullptr, t1, t2)) << "on its label";
  ads_point w1 = {50, 50, 0}, w2 = {150, 150, 0};
  EXPECT_EQ(Ids{id}, Get(L"W", nullptr, w1, w2));
}

TEST_F(SelectionSets, LastModeGivesTheLastEntityStillInTheDrawing) {
  ZcDbObjectId first = AddLine({0, 0, 0}, {1, 0, 0});
  ZcDbObjectId second = AddLine({0, 1, 0}, {1, 1, 0});
  EXPECT_EQ(Ids{second}, Get(L"L"));
  Erase(second);
  EXPECT_EQ(Ids{first}, Get(L"_L"));
}

TEST_F(SelectionSets, APointPicksTheNearestEntityWithinThePickBoxAndRecordsThePoint) {
  // The default view is 300 high: the pick box reaches 1 unit around the point.
  ZcDbObjectId near = AddLine({0, 0, 0}, {10, 0, 0});
  AddLine({0, 1.5, 0}, {10, 1.5, 0});
  headless::PushInputs({L"5,0.4", L""});
  ads_name ss;
  ASSERT_EQ(RTNORM, zcedSSGet(nullptr, nullptr, nullptr, nullptr, ss));
  resbuf* info = nullptr;
  ASSERT_EQ(RTNORM, zcedSSNameX(&info, ss, 0));
  const resbuf* point = info;
  while (point && point->restype != RT3DPOINT) point = point->rbnext;
  ASSERT_NE(nullptr, point);
  EXPECT_DOUBLE_EQ(0.4, point->resval.rpoint[1]);
  zcutRelRb(info);
  EXPECT_EQ(Ids{near}, Take(ss));
}

TEST_F(SelectionSets, APickOnEmptySpaceStartsAWindowToTheRightOrACrossingToTheLeft) {
  ZcDbObjectId shortLine = AddLine({1, 1, 0}, {2, 1, 0});
  ZcDbObjectId longLine = AddLine({1, 3, 0}, {30, 3, 0});
  headless::PushInputs({L"-2,-2", L"5,5", L""});
  EXPECT_EQ(Ids{shortLine}, Get(nullptr));
  headless::PushInputs({L"5,5", L"-2,-2", L""});
  EXPECT_EQ((Ids{shortLine, longLine}), Get(nullptr));
  headless::PushInputs({L"W", L"0,0", L"40,5", L"L", L""});
  EXPECT_EQ((Ids{shortLine, longLine}), Get(nullptr));
}

TEST_F(SelectionSets, SinglePickEndsAfterOneStepAndCancelOrNothingGiveNoSet) {
  ZcDbObjectId line = AddLine({0, 0, 0}, {10, 0, 0});
  headless::PushInputs({L"5,0", L"not read"});
  EXPECT_EQ(Ids{line}, Get(L":S"));
  EXPECT_EQ(1u, headless::PendingInput());
  headless::ClearInput();
  ads_name ss;
  headless::PushInput(L"@cancel");
  EXPECT_EQ(RTCAN, zcedSSGet(nullptr, nullptr, nullptr, nullptr, ss));
  headless::PushInput(L"");
  EXPECT_EQ(RTERROR, zcedSSGet(nullptr, nullptr, nullptr, nullptr, ss));
  EXPECT_EQ(RTCAN, zcedSSGet(nullptr, nullptr, nullptr, nullptr, ss));  // exhausted queue
  EXPECT_EQ(0, headless::OpenSelectionSets());
}

TEST_F(SelectionSets, PickOfAGroupMemberBringsTheGroupOnlyUnderPickStyleOne) {
  ZcDbObjectId a = AddLine({0, 0, 0}, {10, 0, 0});
  ZcDbObjectId b = AddLine({0, 50, 0}, {10, 50, 0});
  MakeGroup(L"PART", {a, b});
  headless::PushInputs({L"5,0", L""});
  EXPECT_EQ((Ids{a, b}), Get(nullptr));  // a new host has PICKSTYLE 1
  SetShort(L"PICKSTYLE", 0);
  headless::PushInputs({L"5,0", L""});
  EXPECT_EQ(Ids{a}, Get(nullptr));
}

TEST_F(SelectionSets, SetsAreCountedUntilFreedAndAFreedNameIsDead) {
  ZcDbObjectId line = AddLine({0, 0, 0}, {1, 0, 0});
  ads_name empty, one, entity;
  ASSERT_EQ(RTNORM, zcedSSAdd(nullptr, nullptr, empty));
  zcdbGetAdsName(entity, line);
  ASSERT_EQ(RTNORM, zcedSSAdd(entity, nullptr, one));
  ASSERT_EQ(RTNORM, zcedSSAdd(entity, empty, empty));
  ASSERT_EQ(RTNORM, zcedSSAdd(entity, empty, empty));  // held once
  std::int32_t n = 0;
  zcedSSLength(empty, &n);
  EXPECT_EQ(1, n);
  EXPECT_EQ(2, headless::OpenSelectionSets());
  ZcDbObjectId none;
  EXPECT_NE(Zcad::eOk, zcdbGetObjectId(none, one));  // a set's name names no entity...
  EXPECT_EQ(RTERROR, zcedSSLength(entity, &n));      // ...nor an entity's name a set
  EXPECT_EQ(RTNORM, zcedSSFree(empty));
  EXPECT_EQ(RTERROR, zcedSSFree(empty));
  EXPECT_EQ(RTERROR, zcedSSLength(empty, &n));
  EXPECT_EQ(RTERROR, zcedSSName(one, 1, entity));
  zcedSSFree(one);
  EXPECT_EQ(0, headless::OpenSelectionSets());
}

TEST_F(SelectionSets, PickFirstSetIsACopyReadByImpliedModeAndGetFirst) {
  ZcDbObjectId line = AddLine({0, 0, 0}, {1, 0, 0});
  resbuf* grips = nullptr;
  resbuf* picks = nullptr;
  ASSERT_EQ(RTNORM, zcedSSGetFirst(&grips, &picks));
  EXPECT_EQ(nullptr, picks);  // no pick-first set yet
  ads_name set, entity;
  zcdbGetAdsName(entity, line);
  zcedSSAdd(entity, nullptr, set);
  ASSERT_EQ(RTNORM, zcedSSSetFirst(set, nullptr));
  zcedSSFree(set);
  EXPECT_EQ(Ids{line}, Get(L"_I"));
  ASSERT_EQ(RTNORM, zcedSSGetFirst(&grips, &picks));
  ASSERT_NE(nullptr, picks);
  EXPECT_EQ(Ids{line}, Take(picks->resval.rlname));
  zcutRelRb(picks);
  EXPECT_EQ(0, headless::OpenSelectionSets());
}

// Between commands the user's picks and windows make the pick-first set; a selection of
// nothing, or a cancel, clears it.
TEST_F(SelectionSets, ObjectsSelectedBetweenCommandsBecomeThePickFirstSet) {
  ZcDbObjectId a = AddLine({0, 0, 0}, {10, 0, 0}), b = AddLine({0, 20, 0}, {10, 20, 0});
  AddLine({0, 40, 0}, {10, 40, 0});
  headless::PushInputs({L"5,0", L"W", L"-1,15", L"11,25", L""});
  headless::SelectPickFirst();
  EXPECT_EQ((Ids{a, b}), Get(L"I"));
  headless::PushInputs({L"50,50", L"60,60", L""});  // a window around nothing
  headless::SelectPickFirst();
  EXPECT_EQ(Ids{}, Get(L"I"));
  headless::PushInputs({L"5,0", L""});
  headless::SelectPickFirst();
  headless::PushInputs({L"5,20", L"@cancel"});
  headless::SelectPickFirst();
  EXPECT_EQ(Ids{}, Get(L"I"));
  EXPECT_EQ(0u, headless::PendingInput());
}

TEST_F(SelectionSets, EntSelTellsAPickAMissEnterAndAKeywordApart) {
  ZcDbObjectId line = AddLine({0, 0, 0}, {10, 0, 0});
  headless::PushInputs({L"4,0.5", L"4,30", L"", L"K"});
  ads_name e;
  ads_point p;
  ASSERT_EQ(RTNORM, zcedEntSel(L"\nPick: ", e, p));
  ZcDbObjectId id;
  zcdbGetObjectId(id, e);
  EXPECT_EQ(line, id);
  EXPECT_DOUBLE_EQ(0.5, p[1]);
  EXPECT_EQ(RTERROR, zcedEntSel(L"\nPick: ", e, p));
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"No object found."));
  EXPECT_EQ(RTNONE, zcedEntSel(L"\nPick: ", e, p));
  zcedInitGet(0, L"Koniec");
  EXPECT_EQ(RTKWORD, zcedEntSel(L"\nPick: ", e, p));
}

TEST_F(SelectionSets, OsnapFindsEndsMiddlesCentresAndNearestPointsWithinTheAperture) {
  AddLine({0, 0, 0}, {10, 0, 0});
  AddCircle({50, 50, 0}, 5.0);
  ads_point at = {9.0, 0.5, 0}, r;
  ASSERT_EQ(RTNORM, zcedOsnap(at, L"_end", r));
  EXPECT_DOUBLE_EQ(10.0, r[0]);
  ASSERT_EQ(RTNORM, zcedOsnap(at, L"_nea", r));
  EXPECT_NEAR(9.0, r[0], 1e-9);
  EXPECT_NEAR(0.0, r[1], 1e-9);
  ads_point mid = {5.5, 0.2, 0};
  ASSERT_EQ(RTNORM, zcedOsnap(mid, L"_end,_mid", r));
  EXPECT_NEAR(5.0, r[0], 1e-9);
  ads_point onCircle = {55.5, 50, 0};
  ASSERT_EQ(RTNORM, zcedOsnap(onCircle, L"_nea", r));
  EXPECT_NEAR(55.0, r[0], 1e-9);
  ads_point far = {30, 30, 0};
  EXPECT_EQ(RTERROR, zcedOsnap(far, L"_end,_nea", r));
  EXPECT_EQ(RTERROR, zcedOsnap(at, L"_bogus", r));
}

TEST_F(SelectionSets, TraceBoundaryClosesTheSmallestLoopAroundTheSeed) {
  AddLine({0, 0, 0}, {10, 0, 0});
  AddLine({10, 0, 0}, {10, 10, 0});
  AddLine({10, 10, 0}, {0, 10, 0});
  AddLine({0, 10, 0}, {0, 0, 0});
  AddLine({5, -5, 0}, {5, 15, 0});  // splits the square
  ZcDbVoidPtrArray loops;
  ASSERT_EQ(Zcad::eOk, zcedTraceBoundary({2, 5, 0}, true, loops));
  ASSERT_EQ(1, loops.length());
  auto* pl = static_cast<ZcDbPolyline*>(static_cast<ZcDbEntity*>(loops[0]));
  ASSERT_TRUE(pl->isKindOf(ZcDbPolyline::desc()));
  double area = 0;  // shoelace: the loop has straight edges only
  for (unsigned i = 0; i < pl->numVerts(); ++i) {
    ZcGePoint3d p, q;
    pl->getPointAt(i, p);
    pl->getPointAt((i + 1) % pl->numVerts(), q);
    area += (p.x * q.y - q.x * p.y) / 2;
  }
  EXPECT_TRUE(pl->isClosed());
  EXPECT_NEAR(50.0, std::abs(area), 1e-6);
  delete pl;
  ZcDbVoidPtrArray none;
  EXPECT_EQ(Zcad::eNoInputFiles, zcedTraceBoundary({30, 30, 0}, false, none));
  EXPECT_TRUE(none.isEmpty());
}

}  // namespace
