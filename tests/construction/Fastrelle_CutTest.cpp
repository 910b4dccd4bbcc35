// Cut lines over graded sizes: an L-shaped part cut edge by edge with every corner joined,
// the concave one too; sizes lacking their seam line, doubling it or with no outward offset
// reported by name while the others get theirs; the side rule, a direction point and a
// closed seam line; a drawing without sizes; the command's prompt loop.
#include "construction/Fastrelle_Cut.h"

#include <cmath>

#include "construction/Fastrelle_Cut_Cmd.h"
#include "construction/Fastrelle_Part_Drawer.h"
#include "construction/PartSizeGroup.h"
#include "construction/PartsFixture.h"
#include "db/ZcDbArc.h"
#include "db/ZcDbCurve.h"
#include "db/ZcDbSpline.h"
#include "framework/Layers.h"
#include "framework/ZWVariable.h"
#include "geometry/UI_Curve.h"

namespace {

const ZcGePoint3d kL[] = {{0, 0, 0}, {100, 0, 0}, {100, 50, 0}, {50, 50, 0}, {50, 100, 0}, {0, 100, 0}};

class CutTest : public PartsTest {
protected:
  void SetUp() override {
    PartsTest::SetUp();
    std::wstring module = headless::FromUtf8(FASTRELLE_INSTALL_DIR) + L"/Fastrelle_Construction.zrx";
    ASSERT_TRUE(Linker()->loadModule(module.c_str(), true, false));
    EnsureSizeLayers(Fastrelle_Size(L"42", 3, false));
  }
  /// The L-shaped part; size 42's inner corner graded to (55,55).
  void BuildL() {
    ZcDbObjectIdArray edges;
    for (int i = 0; i < 6; ++i) edges.append(AddLine(kL[i], kL[(i + 1) % 6]));
    ASSERT_EQ(0, Fastrelle_Part_Drawer(L"L", 0).BuildFromCurves(edges));
    ASSERT_EQ(0, Fastrelle_SizePoint(Number(kL[3]), L"42").MoveTo(ZcGePoint3d(55, 55, 0)));
    headless::ClearTranscript();
  }
  static int Number(const ZcGePoint3d& p) { return Fastrelle_SizePoint(p).GetNumber(); }
  /// Cuts the edge from corner i to corner i + 1 of the L in every size.
  int CutEdge(int i, double allowance = 10.0) {
    return Fastrelle_Cut(allowance, Number(kL[i]), Number(kL[(i + 1) % 6])).AddToAllSizes();
  }
  /// The curves on a layer.
  std::vector<ZcDbCurve*> OnLayer(const wchar_t* layer) {
    std::vector<ZcDbCurve*> out;
    for (ZcDbObjectId id : ModelSpace()) {
      auto* e = Read<ZcDbEntity>(id);
      if (e->layer() == layer && e->isKindOf(ZcDbCurve::desc())) out.push_back(static_cast<ZcDbCurve*>(e));
    }
    return out;
  }
  /// True when every end of every cut line on the layer meets an end of another one.
  bool AllEndsJoined(const wchar_t* layer) {
    std::vector<ZcGePoint3d> ends;
    for (ZcDbCurve* c : OnLayer(layer)) {
      ZcGePoint3d s, e;
      c->getStartPoint(s);
      c->getEndPoint(e);
      ends.push_back(s);
      ends.push_back(e);
    }
    for (size_t i = 0; i < ends.size(); ++i) {
      bool met = false;
      for (size_t j = 0; j < ends.size(); ++j)
        if (j / 2 != i / 2 && ends[i].distanceTo(ends[j]) < 1e-9) met = true;
      if (!met) return false;
    }
    return !ends.empty();
  }
  bool HasEnd(const wchar_t* layer, const ZcGePoint3d& p) {
    for (ZcDbCurve* c : OnLayer(layer)) {
      ZcGePoint3d s, e;
      c->getStartPoint(s);
      c->getEndPoint(e);
      if (s.distanceTo(p) < 1e-9 || e.distanceTo(p) < 1e-9) return true;
    }
    return false;
  }
  /// The distance from the middle of each cut line to the nearest seam line of the size.
  std::vector<double> AllowancesOn(const wchar_t* cutLayer, const wchar_t* seamLayer) {
    std::vector<double> out;
    for (ZcDbCurve* cut : OnLayer(cutLayer)) {
      double a = 0, b = 0;
      ZcGePoint3d mid, foot;
      cut->getStartParam(a);
      cut->getEndParam(b);
      cut->getPointAtParam((a + b) / 2, mid);
      double best = 1e300;
      for (ZcDbCurve* seam : OnLayer(seamLayer)) {
        seam->getClosestPointTo(mid, foot);
        best = std::min(best, foot.distanceTo(mid));
      }
      out.push_back(best);
    }
    return out;
  }
  std::wstring Transcript() { return headless::Transcript(); }
};

TEST_F(CutTest, EveryEdgeOfAnLShapeGetsItsCutLineJoinedAtEveryCornerInEverySize) {
  BuildL();
  for (int i = 0; i < 6; ++i) ASSERT_EQ(0, CutEdge(i)) << i;
  for (const wchar_t* cut : {L"38'", L"^40'", L"42'"}) {
    EXPECT_EQ(6u, OnLayer(cut).size()) << headless::ToUtf8(cut);
    EXPECT_TRUE(AllEndsJoined(cut)) << headless::ToUtf8(cut);
  }
  for (double d : AllowancesOn(L"^40'", L"^40")) EXPECT_NEAR(10.0, d, 1e-9);
  for (double d : AllowancesOn(L"42'", L"42")) EXPECT_NEAR(10.0, d, 1e-9);
  // The mitres, the concave corner's too.
  for (ZcGePoint3d p : {ZcGePoint3d(-10, -10, 0), ZcGePoint3d(110, -10, 0), ZcGePoint3d(60, 60, 0), ZcGePoint3d(-10, 110, 0)})
    EXPECT_TRUE(HasEnd(L"^40'", p)) << p.x << "," << p.y;
  EXPECT_EQ(std::wstring::npos, Transcript().find(L" !")) << headless::ToUtf8(Transcript());
  // Every cut line is in its part's group of its size.
  for (ZcDbCurve* c : OnLayer(L"42'")) EXPECT_TRUE(PartSizeGroup::IsInPart(c->objectId()));
  EXPECT_EQ(0, headless::Undo().openGroups);
}

TEST_F(CutTest, ASizeWithoutOrWithTwoSeamLinesIsNamedAndTheOthersGetTheirCutLines) {
  BuildL();
  for (ZcDbCurve* seam : OnLayer(L"^40"))  // size 40 loses its bottom edge
    if (seam->isKindOf(ZcDbLine::desc()) && static_cast<ZcDbLine*>(seam)->endPoint().distanceTo(kL[1]) < 1e-9)
      Erase(seam->objectId());
  AddLine(kL[0], kL[1], L"42");  // size 42 has it twice
  ASSERT_EQ(0, CutEdge(0));
  std::wstring t = Transcript();
  EXPECT_NE(std::wstring::npos, t.find(L"Nie znaleziono linii szycia w rozmiarze: 40 !")) << headless::ToUtf8(t);
  EXPECT_NE(std::wstring::npos, t.find(L"nakładające się linie szycia w rozmiarze: 42 !"));
  EXPECT_EQ(1u, OnLayer(L"38'").size());
  EXPECT_TRUE(OnLayer(L"^40'").empty());
  EXPECT_TRUE(OnLayer(L"42'").empty());
}

TEST_F(CutTest, ASizeWhoseOffsetCollapsesIsNamedWithItsStatus) {
  // A part whose top edge dips in as an arc of radius 12 (chord 12), 8 in size 42: moved
  // outwards by 10 it would need a radius below 0 there.
  ZcDbObjectIdArray edges;
  edges.append(AddLine({0, 0, 0}, {100, 0, 0}));
  edges.append(AddLine({100, 0, 0}, {100, 100, 0}));
  edges.append(AddLine({100, 100, 0}, {56, 100, 0}));
  double half = std::asin(6.0 / 12.0);
  edges.append(Add(new ZcDbArc({50, 100 + 12 * std::cos(half), 0}, 12, 1.5 * M_PI - half, 1.5 * M_PI + half)));
  edges.append(AddLine({44, 100, 0}, {0, 100, 0}));
  edges.append(AddLine({0, 100, 0}, {0, 0, 0}));
  ASSERT_EQ(0, Fastrelle_Part_Drawer(L"Top", 0).BuildFromCurves(edges));
  for (ZcDbCurve* c : OnLayer(L"42"))
    if (c->isKindOf(ZcDbArc::desc())) {
      ZcDbArc* arc = nullptr;
      zcdbOpenObject(arc, c->objectId(), ZcDb::kForWrite);
      double h = std::asin(6.0 / 8.0);
      arc->setCenter({50, 100 + 8 * std::cos(h), 0});
      arc->setRadius(8);
      arc->setStartAngle(1.5 * M_PI - h);
      arc->setEndAngle(1.5 * M_PI + h);
      arc->close();
    }
  headless::ClearTranscript();
  ASSERT_EQ(0, Fastrelle_Cut(10.0, Number({56, 100, 0}), Number({44, 100, 0})).AddToAllSizes());
  std::wstring t = Transcript();
  EXPECT_NE(std::wstring::npos, t.find(L"\n42 !")) << headless::ToUtf8(t);
  EXPECT_EQ(std::wstring::npos, t.find(L"38 !"));
  EXPECT_EQ(1u, OnLayer(L"38'").size());
  EXPECT_EQ(1u, OnLayer(L"^40'").size());
  EXPECT_TRUE(OnLayer(L"42'").empty());
}

TEST_F(CutTest, TheOffsetGoesOutwardsOrTowardsTheDirectionPoint) {
  BuildL();
  ZcGePoint3d inside(50, 25, 0);
  Fastrelle_Cut inward(10.0, Number(kL[0]), Number(kL[1]), &inside);
  ASSERT_EQ(0, inward.AddToAllSizes());
  ASSERT_EQ(3, inward.GetNewCutLines().length());
  for (ZcDbObjectId id : inward.GetNewCutLines()) {
    ZcGePoint3d s;
    Read<ZcDbCurve>(id)->getStartPoint(s);
    EXPECT_NEAR(10.0, s.y, 1e-9);
  }
  Fastrelle_Cut outward(10.0, Number(kL[1]), Number(kL[2]));
  ASSERT_EQ(0, outward.AddToAllSizes());
  for (ZcDbObjectId id : outward.GetNewCutLines()) {
    ZcGePoint3d s;
    Read<ZcDbCurve>(id)->getStartPoint(s);
    EXPECT_NEAR(110.0, s.x, 1e-9);
  }
}

TEST_F(CutTest, ACircleOrAHalfCircleCentredOnItsPartIsOffsetAwayFromItsCentre) {
  // A ring (closed) and an arch of one half circle (open, no outline to test the side
  // against): each cut line runs at radius 30 about its seam line's centre.
  ZcDbObjectIdArray ring, arch;
  ring.append(AddCircle(ZcGePoint3d(50, 50, 0), 20));
  ASSERT_EQ(0, Fastrelle_Part_Drawer(L"Ring", 0).BuildFromCurves(ring));
  arch.append(AddArc(ZcGePoint3d(200, 50, 0), 20, 0.0, M_PI));
  ASSERT_EQ(0, Fastrelle_Part_Drawer(L"Arch", 0).BuildFromCurves(arch));
  Fastrelle_Cut around;
  around.SetAllowance(10.0);
  ASSERT_TRUE(around.SetSeamLine(OnLayer(L"38").front()->objectId()));
  ASSERT_EQ(0, around.AddToAllSizes());
  Fastrelle_Cut over(10.0, Number({220, 50, 0}), Number({180, 50, 0}));
  ASSERT_EQ(0, over.AddToAllSizes());
  for (Fastrelle_Cut* cut : {&around, &over}) {
    ASSERT_EQ(3, cut->GetNewCutLines().length());
    const ZcGePoint3d centre(cut == &around ? 50 : 200, 50, 0);
    for (ZcDbObjectId id : cut->GetNewCutLines()) {
      ZcGePoint3d s;
      Read<ZcDbCurve>(id)->getStartPoint(s);
      EXPECT_NEAR(30.0, s.distanceTo(centre), 1e-9);
    }
  }
}

TEST_F(CutTest, WithoutSizesOrWithATinyAllowanceNothingIsTouched) {
  BuildL();
  SetLayerOff(L"38~");
  auto views = headless::NamedViews();
  EXPECT_EQ(Zcad::eWrongObjectType, CutEdge(0, 0.01));
  EXPECT_TRUE(OnLayer(L"38'").empty());
  EXPECT_TRUE(FindLayer(L"38~")->isOff());
  EXPECT_EQ(views, headless::NamedViews());
  db_ = headless::NewDrawing();
  EXPECT_EQ(Zcad::eInvalidIndex, Fastrelle_Cut(10.0, 1, 2).AddToAllSizes());
  EXPECT_TRUE(headless::NamedViews().empty());
}

TEST_F(CutTest, GradePointsInNoPartLeaveTheViewWhereItWas) {
  // The first grade point of the base size lies in no part: there are no extents to zoom
  // to, so the view is saved and restored but never moved meanwhile.
  Fastrelle_SizePoint first, second;
  ASSERT_EQ(0, first.Insert(ZcGePoint3d(500, 500, 0), L"40"));
  first.SetNumber(1);
  ASSERT_EQ(0, second.Insert(ZcGePoint3d(600, 500, 0), L"40"));
  second.SetNumber(2);
  double before = 0.0, during = 0.0;
  GetVariableReal(L"VIEWSIZE", before);
  Fastrelle_Cut cut(10.0, 1, 2);
  ASSERT_TRUE(cut.Prepare());
  GetVariableReal(L"VIEWSIZE", during);
  cut.Finish();
  EXPECT_EQ(before, during);
  EXPECT_TRUE(headless::NamedViews().empty());
}

TEST_F(CutTest, TheCommandShowsTheAllowanceCutsAPickAndPutsLayersAndViewBack) {
  BuildL();
  SetLayerOff(L"38~");
  headless::PushInputs({L"O", L"12", L"50,0", L"@cancel"});
  RunInsideCommand([] { Fastrelle_Cut_Cmd().Run(); });
  std::wstring t = Transcript();
  EXPECT_NE(std::wstring::npos, t.find(L"Odległość = 10.0000")) << headless::ToUtf8(t);
  EXPECT_NE(std::wstring::npos, t.find(L"Odległość = 12.0000"));
  ASSERT_EQ(1u, OnLayer(L"42'").size());
  ZcGePoint3d s;
  OnLayer(L"42'").front()->getStartPoint(s);
  EXPECT_NEAR(-12.0, s.y, 1e-9);
  EXPECT_TRUE(FindLayer(L"38~")->isOff());
  EXPECT_FALSE(FindLayer(L"38'")->isOff());
  for (const std::wstring& v : headless::NamedViews()) EXPECT_NE(L"Fastrelle_Cut", v);
  EXPECT_EQ(0, headless::Undo().openGroups);
  Fastrelle_Cut_Cmd::Allowance() = 10.0;
}

TEST_F(CutTest, AllowancesItCannotUseAndPicksOfNothingCutNothingAndSayWhy) {
  BuildL();
  SetLayerOff(L"38~");
  struct ResetAllowance {
    ~ResetAllowance() { Fastrelle_Cut_Cmd::Allowance() = 10.0; }
  } reset;
  // Words and numbers too large for a distance are asked again; 0 and -5 are taken but a
  // seam line picked with them gets no cut line; a cancelled direction and a pick of nothing
  // change nothing; the end of the script ends the command.
  headless::PushInputs({L"O", L"abc", L"1e400", L"-5", L"50,0", L"O", L"0", L"50,0", L"K", L"@cancel", L"500,500"});
  RunInsideCommand([] { Fastrelle_Cut_Cmd().Run(); });
  const std::wstring t = Transcript();
  EXPECT_NE(std::wstring::npos, t.find(L"Odległość = -5.0000")) << headless::ToUtf8(t);
  EXPECT_NE(std::wstring::npos, t.find(L"Odległość = 0.0000"));
  EXPECT_NE(t.find(L"Fastrelle_Cut::Prepare"), t.rfind(L"Fastrelle_Cut::Prepare"));  // once per pick
  EXPECT_EQ(0u, headless::PendingInput());
  for (const wchar_t* cut : {L"38'", L"^40'", L"42'"}) EXPECT_TRUE(OnLayer(cut).empty()) << headless::ToUtf8(cut);
  EXPECT_TRUE(FindLayer(L"38~")->isOff());
  EXPECT_TRUE(headless::NamedViews().empty());
  EXPECT_EQ(0, headless::Undo().openGroups);
}

TEST_F(CutTest, APickThatIsNoSeamLineBetweenGradePointsSaysWhy) {
  BuildL();
  AddLine({-30, -30, 0}, {-20, -30, 0});  // both ends nearest the same grade point
  headless::PushInputs({L"-25,-30", L"@cancel"});
  RunInsideCommand([] { Fastrelle_Cut_Cmd().Run(); });
  EXPECT_NE(std::wstring::npos, Transcript().find(L"Fastrelle_Cut::Prepare")) << headless::ToUtf8(Transcript());
  EXPECT_EQ(0, headless::Undo().openGroups);
  // A line in a drawing without grade points has none to run between.
  db_ = headless::NewDrawing();
  AddLine({0, 0, 0}, {100, 0, 0});
  headless::ClearTranscript();
  headless::PushInputs({L"50,0", L"@cancel"});
  RunInsideCommand([] { Fastrelle_Cut_Cmd().Run(); });
  EXPECT_NE(std::wstring::npos, Transcript().find(L"Fastrelle_Cut::SetSeamLine")) << headless::ToUtf8(Transcript());
  EXPECT_EQ(0, headless::Undo().openGroups);
}

TEST_F(CutTest, TheSizeModePromptSwitchesBetweenAllSizesAndThePickedOne) {
  headless::PushInputs({L"Zaznaczony"});
  EXPECT_EQ(0, Fastrelle_Cut_Cmd::AskSizeMode());
  headless::PushInputs({L""});  // Enter keeps the picked size, now the default
  EXPECT_EQ(0, Fastrelle_Cut_Cmd::AskSizeMode());
  headless::PushInputs({L"@cancel"});
  EXPECT_EQ(0, Fastrelle_Cut_Cmd::AskSizeMode());
  headless::PushInputs({L"Wszystkie"});
  EXPECT_EQ(1, Fastrelle_Cut_Cmd::AskSizeMode());
  EXPECT_NE(std::wstring::npos, Transcript().find(L"Dodatek na szew na rozmiarze"));
}

}  // namespace

namespace {

TEST_F(CutTest, ASideWhoseOffsetCannotBeMadeGivesWayToTheOtherSide) {
  // A square whose top right corner is rounded by a spline drawn from the left, turning
  // tighter than the allowance: offset inwards (the right-hand side, tried first) by 10 it
  // has a cusp and no offset is made at all.
  ZcDbObjectIdArray edges;
  edges.append(AddLine({100, 90, 0}, {100, 0, 0}));
  edges.append(AddLine({100, 0, 0}, {0, 0, 0}));
  edges.append(AddLine({0, 0, 0}, {0, 100, 0}));
  auto* bump = new ZcDbSpline;
  ZcGePoint3dArray fit;
  for (ZcGePoint3d p : {ZcGePoint3d(0, 100, 0), ZcGePoint3d(50, 100, 0), ZcGePoint3d(92, 98.5, 0), ZcGePoint3d(98.5, 95, 0),
                        ZcGePoint3d(100, 90, 0)})
    fit.append(p);
  ASSERT_EQ(Zcad::eOk, bump->setFitData(fit, 3, 0.0, ZcGeVector3d(), ZcGeVector3d()));
  edges.append(Add(bump));
  ASSERT_EQ(0, Fastrelle_Part_Drawer(L"Bump", 0).BuildFromCurves(edges));
  ZcDbObjectId seam;
  for (ZcDbCurve* c : OnLayer(L"38"))
    if (c->isKindOf(ZcDbSpline::desc())) seam = c->objectId();
  ZcDbObjectIdArray none;
  ASSERT_EQ(380, UI_Curve(seam).OffsetTowardsPoint(10.0, none, ZcGePoint3d(50, 300, 0), 1));
  headless::ClearTranscript();
  ASSERT_EQ(0, Fastrelle_Cut(10.0, Number({0, 100, 0}), Number({100, 90, 0})).AddToAllSizes());
  EXPECT_EQ(std::wstring::npos, Transcript().find(L" !")) << headless::ToUtf8(Transcript());
  for (const wchar_t* cut : {L"38'", L"^40'", L"42'"}) {
    ASSERT_EQ(1u, OnLayer(cut).size());
    ZcDbCurve* c = OnLayer(cut).front();
    double a = 0, b = 0;
    ZcGePoint3d mid;
    c->getStartParam(a);
    c->getEndParam(b);
    c->getPointAtParam((a + b) / 2, mid);
    EXPECT_GT(mid.y, 100.0) << headless::ToUtf8(cut);  // outside the part
  }
  // Again towards a direction point above: the side test itself meets the failed side first.
  for (const wchar_t* cut : {L"38'", L"^40'", L"42'"})
    for (ZcDbCurve* c : OnLayer(cut)) Erase(c->objectId());
  const ZcGePoint3d above(50, 300, 0);
  headless::ClearTranscript();
  Fastrelle_Cut towards(10.0, Number({0, 100, 0}), Number({100, 90, 0}), &above);
  ASSERT_EQ(0, towards.AddToAllSizes());
  EXPECT_EQ(std::wstring::npos, Transcript().find(L" !")) << headless::ToUtf8(Transcript());
  ASSERT_EQ(3, towards.GetNewCutLines().length());
  for (ZcDbObjectId id : towards.GetNewCutLines()) {
    auto* c = Read<ZcDbCurve>(id);
    double a = 0, b = 0;
    ZcGePoint3d mid;
    c->getStartParam(a);
    c->getEndParam(b);
    c->getPointAtParam((a + b) / 2, mid);
    EXPECT_GT(mid.y, 100.0);
  }
}

}  // namespace
