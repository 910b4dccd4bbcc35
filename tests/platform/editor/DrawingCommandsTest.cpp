// The host's drawing and editing commands on a real drawing, typed with their prompts or
// driven by lists: what they draw, move, rotate, align, erase and reshape, and that a
// cancel changes nothing.
#include "ed/HostCommands.h"

#include "DrawingFixture.h"
#include "db/ZcDbSpline.h"
#include "db/ZcDbText.h"
#include "ed/zced.h"

namespace {

class DrawingCommands : public DrawingTest {
protected:
  // Types a command with its answers.
  static void Type(const wchar_t* command, std::vector<std::wstring> answers) {
    headless::PushInputs(answers);
    ASSERT_EQ(headless::CommandResult::Ran, headless::RunCommand(command));
  }
  // A driven list: texts, points and entities.
  struct List {
    std::vector<resbuf> nodes;
    std::vector<std::wstring> texts;
    List& Text(const std::wstring& t) {
      texts.push_back(t);
      return Node(RTSTR);
    }
    List& Point(double x, double y) {
      Node(RTPOINT);
      nodes.back().resval.rpoint[0] = x;
      nodes.back().resval.rpoint[1] = y;
      return *this;
    }
    List& Entity(ZcDbObjectId id) {
      Node(RTENAME);
      zcdbGetAdsName(nodes.back().resval.rlname, id);
      return *this;
    }
    List& Set(const ads_name ss) {
      Node(RTPICKS);
      nodes.back().resval.rlname[0] = ss[0];
      nodes.back().resval.rlname[1] = ss[1];
      return *this;
    }
    List& Node(int type) {
      resbuf rb{};
      rb.restype = static_cast<short>(type);
      nodes.push_back(rb);
      return *this;
    }
    int Run() {
      std::size_t t = 0;
      for (std::size_t i = 0; i < nodes.size(); ++i) {
        if (nodes[i].restype == RTSTR) nodes[i].resval.rstring = texts[t++].data();
        nodes[i].rbnext = i + 1 < nodes.size() ? &nodes[i + 1] : nullptr;
      }
      return zcedCmd(nodes.data());
    }
  };
  // The bulges of the one polyline of model space (rounded to 1e-9); empty without one.
  std::vector<double> OnlyPolylineBulges() {
    std::vector<double> bulges;
    std::vector<ZcDbObjectId> ids = ModelSpace();
    if (ids.size() != 1) return bulges;
    auto* pl = Read<ZcDbPolyline>(ids[0]);
    for (unsigned i = 0; pl && i < pl->numVerts(); ++i) {
      double b = 0;
      pl->getBulgeAt(i, b);
      bulges.push_back(std::round(b * 1e9) / 1e9);
    }
    return bulges;
  }
  ZcGePoint3d Start(ZcDbObjectId id) {
    ZcGePoint3d p;
    Read<ZcDbCurve>(id)->getStartPoint(p);
    return p;
  }
};

TEST_F(DrawingCommands, LineDrawsOneLinePerSegmentAndCloseReturnsToTheStart) {
  Type(L"LINE", {L"0,0", L"10,0", L"10,10", L"C"});
  std::vector<ZcDbObjectId> ids = ModelSpace();
  ASSERT_EQ(3u, ids.size());
  EXPECT_TRUE(Read<ZcDbLine>(ids[2])->endPoint().isEqualTo({0, 0, 0}));
  Type(L"LINE", {L"0,0", L"5,5", L"@cancel"});
  EXPECT_EQ(3u, ModelSpace().size());  // a cancelled command draws nothing
}

TEST_F(DrawingCommands, PlineArcSegmentsContinueTangentiallyOrPassThroughASecondPoint) {
  // Up the left side, then a tangent arc over the top: a clockwise half circle to (20,10).
  Type(L"PLINE", {L"0,0", L"0,10", L"A", L"20,10", L"L", L"20,0", L""});
  EXPECT_EQ((std::vector<double>{0, -1, 0, 0}), OnlyPolylineBulges());
  Erase(ModelSpace()[0]);
  // A second point on the chord is refused and the polyline drawn so far stays.
  Type(L"PLINE", {L"0,0", L"10,0", L"A", L"S", L"20,0", L"30,0", L"S", L"15,5", L"20,0", L"L", L"20,-10", L""});
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"The three points lie on one line"));
  EXPECT_EQ((std::vector<double>{0, -1, 0, 0}), OnlyPolylineBulges());
  EXPECT_EQ(0u, headless::PendingInput());
}

TEST_F(DrawingCommands, SplinePassesThroughItsFitPoints) {
  Type(L"SPLINE", {L"0,0", L"10,8", L"25,3", L"40,10", L""});
  std::vector<ZcDbObjectId> ids = ModelSpace();
  ASSERT_EQ(1u, ids.size());
  auto* spline = Read<ZcDbSpline>(ids[0]);
  ASSERT_EQ(4, spline->numFitPoints());
  ZcGePoint3d end;
  spline->getEndPoint(end);
  EXPECT_TRUE(end.isEqualTo({40, 10, 0}));
}

TEST_F(DrawingCommands, TextAndAttdefLetterAtTheirPointHeightAndJustification) {
  Type(L"TEXT", {L"1,-3.2", L"2", L"", L"Na sztukę:"});
  Type(L"-ATTDEF", {L"I", L"", L"MODEL", L"Model", L"{MODEL}", L"J", L"Middle", L"0,21", L"10", L"90"});
  headless::PushInputs({L"", L"ZŁY TAG"});
  headless::RunCommand(L"-ATTDEF");  // a tag of two words is refused
  std::vector<ZcDbObjectId> ids = ModelSpace();
  ASSERT_EQ(2u, ids.size());
  auto* text = Read<ZcDbText>(ids[0]);
  EXPECT_EQ(L"Na sztukę:", text->textString());
  EXPECT_TRUE(text->position().isEqualTo({1, -3.2, 0}));
  EXPECT_DOUBLE_EQ(2.0, text->height());
  auto* def = Read<ZcDbAttributeDefinition>(ids[1]);
  EXPECT_EQ(L"MODEL", def->tag());
  EXPECT_EQ(L"Model", def->prompt());
  EXPECT_EQ(L"{MODEL}", def->textString());
  EXPECT_TRUE(def->isInvisible());
  EXPECT_EQ(ZcDb::kTextMid, def->horizontalMode());
  EXPECT_TRUE(def->alignmentPoint().isEqualTo({0, 21, 0}));
  EXPECT_DOUBLE_EQ(10.0, def->height());
  EXPECT_NEAR(M_PI / 2, def->rotation(), 1e-12);
}

TEST_F(DrawingCommands, CircleAndArcThroughThreePointsKeepTheirTurningSense) {
  Type(L"CIRCLE", {L"3P", L"0,0", L"10,0", L"5,5"});
  Type(L"ARC", {L"-10,0", L"0,10", L"10,0"});  // clockwise over the top
  std::vector<ZcDbObjectId> ids = ModelSpace();
  ASSERT_EQ(2u, ids.size());
  auto* circle = Read<ZcDbCircle>(ids[0]);
  EXPECT_NEAR(5.0, circle->radius(), 1e-12);
  EXPECT_TRUE(circle->center().isEqualTo({5, 0, 0}));
  auto* arc = Read<ZcDbArc>(ids[1]);
  EXPECT_NEAR(0.0, arc->startAngle(), 1e-12);
  EXPECT_NEAR(M_PI, arc->endAngle(), 1e-12);
  Type(L"ARC", {L"0,0", L"1,1", L"2,2"});
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"The three points lie on one line."));
  EXPECT_EQ(2u, ModelSpace().size());
  // points near the largest numbers give a centre no number holds: refused, nothing drawn
  Type(L"CIRCLE", {L"3P", L"0,0", L"1e308,1e308", L"-1e308,1e308"});
  Type(L"ARC", {L"0,0", L"1e308,1e308", L"-1e308,1e308"});
  EXPECT_EQ(2u, ModelSpace().size());
}

TEST_F(DrawingCommands, LayerMakesSetsAndSwitchesLayersAndNewEntitiesTakeTheCurrentOne) {
  Type(L"LAYER", {L"M", L"Szew", L"N", L"A, B", L"OFF", L"?", L"S", L"Nowhere", L""});
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Cannot find layer \"Nowhere\"."));
  Type(L"LINE", {L"0,0", L"1,1", L""});
  EXPECT_EQ(L"Szew", Read<ZcDbLine>(ModelSpace()[0])->layer());
  ZcDbLayerTable* table = nullptr;
  db_->getLayerTable(table, ZcDb::kForRead);
  EXPECT_TRUE(table->has(L"A") && table->has(L"B"));
  table->close();
  headless::ClearTranscript();
  Type(L"-LAYER", {L"OFF", L"Sz*", L"?", L""});
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Szew (off) (current)"));
}

TEST_F(DrawingCommands, DrivenMoveTakesEntitiesAndADisplacement) {
  ZcDbObjectId line = AddLine({0, 0, 0}, {10, 0, 0});
  EXPECT_EQ(RTNORM, List().Text(L"_MOVE").Entity(line).Text(L"").Text(L"_D").Point(5, 2).Run());
  EXPECT_TRUE(Start(line).isEqualTo({5, 2, 0}));
  EXPECT_EQ(RTNORM, List().Text(L"_MOVE").Entity(line).Text(L"").Point(5, 2).Point(6, 2).Run());
  EXPECT_TRUE(Start(line).isEqualTo({6, 2, 0}));
}

TEST_F(DrawingCommands, AMoveCarryingAnObjectPastTheLargestNumbersMovesNothing) {
  ZcDbObjectId near = AddLine({0, 0, 0}, {1, 0, 0});
  ZcDbObjectId far = AddLine({1.5e308, 0, 0}, {1.6e308, 0, 0});
  Type(L"MOVE", {L"ALL", L"", L"0,0", L"0.5e308,0"});
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"The objects would reach beyond the largest coordinates."));
  EXPECT_TRUE(Start(near).isEqualTo({0, 0, 0}));
  EXPECT_TRUE(Start(far).isEqualTo({1.5e308, 0, 0}));
}

TEST_F(DrawingCommands, DrivenMoveTakesEveryEntityOfASelectionSetItem) {
  ZcDbObjectId a = AddLine({0, 0, 0}, {10, 0, 0});
  ZcDbObjectId b = AddLine({0, 5, 0}, {10, 5, 0});
  ZcDbObjectId c = AddLine({0, 9, 0}, {10, 9, 0});
  ads_name ss, name;
  zcdbGetAdsName(name, a);
  ASSERT_EQ(RTNORM, zcedSSAdd(name, nullptr, ss));
  zcdbGetAdsName(name, b);
  zcedSSAdd(name, ss, ss);
  EXPECT_EQ(RTNORM, List().Text(L"_MOVE").Set(ss).Text(L"").Text(L"_D").Point(0, 100).Run());
  zcedSSFree(ss);
  EXPECT_TRUE(Start(a).isEqualTo({0, 100, 0}));
  EXPECT_TRUE(Start(b).isEqualTo({0, 105, 0}));
  EXPECT_TRUE(Start(c).isEqualTo({0, 9, 0}));
}

TEST_F(DrawingCommands, CancelledPauseLeavesTheEntitiesWhereTheyWere) {
  ZcDbObjectId line = AddLine({0, 0, 0}, {10, 0, 0});
  headless::PushInput(L"@cancel");
  EXPECT_EQ(RTCAN, List().Text(L"_MOVE").Entity(line).Text(L"").Point(0, 0).Text(L"\\").Run());
  EXPECT_TRUE(Start(line).isEqualTo({0, 0, 0}));
}

TEST_F(DrawingCommands, RotateByAReferenceTurnsFromTheReferenceToTheNewAngle) {
  ZcDbObjectId line = AddLine({10, 0, 0}, {20, 0, 0});
  headless::PushInput(L"90");
  // Reference direction 45 degrees; new angle 90: a quarter-circle... of 45 degrees.
  EXPECT_EQ(RTNORM, List().Text(L"_ROTATE").Entity(line).Text(L"").Point(0, 0).Text(L"_R").Point(0, 0).Point(1, 1)
                        .Text(L"\\").Run());
  ZcGePoint3d s = Start(line);
  EXPECT_NEAR(10 * std::cos(M_PI / 4), s.x, 1e-9);
  EXPECT_NEAR(10 * std::sin(M_PI / 4), s.y, 1e-9);
}

TEST_F(DrawingCommands, AlignMovesAndTurnsWithoutScaling) {
  ZcDbObjectId line = AddLine({0, 0, 0}, {10, 0, 0});
  EXPECT_EQ(RTNORM, List().Text(L"_ALIGN").Entity(line).Text(L"").Point(0, 0).Point(5, 5).Point(10, 0).Point(5, 25)
                        .Text(L"").Text(L"_N").Run());
  auto* l = Read<ZcDbLine>(line);
  EXPECT_TRUE(l->startPoint().isEqualTo({5, 5, 0}));
  EXPECT_TRUE(l->endPoint().isEqualTo({5, 15, 0}));
}

TEST_F(DrawingCommands, SplineditMovesTheSelectedControlVertex) {
  Type(L"SPLINE", {L"0,0", L"10,8", L"25,3", L"40,10", L""});
  ZcDbObjectId spline = ModelSpace()[0];
  EXPECT_EQ(RTNORM, List().Text(L"_SPLINEDIT").Entity(spline).Text(L"_M").Text(L"_S").Point(40, 10).Point(45, 12)
                        .Text(L"_X").Text(L"_X").Run());
  ZcGePoint3d end;
  Read<ZcDbSpline>(spline)->getEndPoint(end);
  EXPECT_TRUE(end.isEqualTo({45, 12, 0}));
  ZcDbObjectId line = AddLine({0, 0, 0}, {1, 0, 0});
  EXPECT_EQ(RTERROR, List().Text(L"_SPLINEDIT").Entity(line).Run());
  ZcDbObjectId empty = Add(new ZcDbSpline());  // a spline read from a file may hold no vertex
  EXPECT_EQ(RTERROR, List().Text(L"_SPLINEDIT").Entity(empty).Text(L"_M").Text(L"_N").Text(L"_X").Text(L"_X").Run());
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"no control points"));
}

TEST_F(DrawingCommands, EraseRemovesThePickedEntities) {
  AddLine({0, 0, 0}, {10, 0, 0});
  ZcDbObjectId kept = AddLine({0, 50, 0}, {10, 50, 0});
  Type(L"ERASE", {L"5,0", L""});
  EXPECT_EQ(std::vector<ZcDbObjectId>{kept}, ModelSpace());
  Type(L"ERASE", {L""});
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Nothing selected."));
}

TEST_F(DrawingCommands, ZoomAllShowsTheDrawingsExtents) {
  AddLine({0, 0, 0}, {1000, 0, 0});
  AddLine({0, 0, 0}, {0, 200, 0});
  Type(L"ZOOM", {L"A"});
  resbuf size{};
  zcedGetVar(L"VIEWSIZE", &size);
  EXPECT_NEAR(1000 / (16.0 / 9.0), size.resval.rreal, 1e-9);
}

TEST_F(DrawingCommands, ZoomCenterRefusesAHeightTheViewCannotShow) {
  auto viewSize = [] {
    resbuf size{};
    zcedGetVar(L"VIEWSIZE", &size);
    return size.resval.rreal;
  };
  Type(L"ZOOM", {L"C", L"5,5", L"20"});
  ASSERT_DOUBLE_EQ(20.0, viewSize());
  for (const wchar_t* height : {L"0", L"-3", L"1e-300", L"1e-10", L"1.5e308"}) {
    headless::ClearTranscript();
    Type(L"ZOOM", {L"C", L"5,5", height});
    EXPECT_DOUBLE_EQ(20.0, viewSize()) << headless::ToUtf8(height);
    EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"The height")) << headless::ToUtf8(height);
  }
  Type(L"ZOOM", {L"C", L"5,5", L"1e-9"});
  EXPECT_DOUBLE_EQ(1e-9, viewSize());
}

}  // namespace
