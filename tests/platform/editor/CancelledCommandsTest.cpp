// A cancelled host command draws and changes nothing: every form of every command that
// changes the drawing, cancelled at each of its prompts in turn, leaves the saved drawing
// as it was; the same forms answered to the end do change it.
#include <string>
#include <vector>

#include "DrawingFixture.h"
#include "db/ZcDbSpline.h"
#include "ed/zced.h"
#include "ge/ZcGeNurbCurve3d.h"

namespace {

struct Form {
  const wchar_t* command;
  std::vector<std::wstring> answers;  // the last one ends the command
  bool changes = true;                // answered to the end, the drawing changes
};

const std::vector<Form>& Forms() {
  static const std::vector<Form> forms = {
      {L"LINE", {L"0,0", L"10,0", L"10,10", L"C"}},
      {L"LINE", {L"0,0", L"10,0", L"U", L"5,5", L""}},
      {L"PLINE", {L"0,0", L"10,0", L"A", L"20,10", L"S", L"25,20", L"30,10", L"L", L"30,0", L"C"}},
      {L"PLINE", {L"0,0", L"10,0", L"U", L"5,5", L"A", L"CL"}},
      {L"PLINE", {L"0,0", L"10,0", L""}},
      {L"SPLINE", {L"0,0", L"10,8", L"U", L"25,3", L"40,10", L""}},
      {L"CIRCLE", {L"5,5", L"3"}},
      {L"CIRCLE", {L"5,5", L"D", L"6"}},
      {L"CIRCLE", {L"5,5", L"8,5"}},
      {L"CIRCLE", {L"3P", L"0,0", L"10,0", L"5,5"}},
      {L"CIRCLE", {L"2P", L"0,0", L"10,0"}},
      {L"ARC", {L"-10,0", L"0,10", L"10,0"}},
      {L"ARC", {L"C", L"0,0", L"10,0", L"0,10"}},
      {L"ARC", {L"C", L"0,0", L"10,0", L"A", L"90"}},
      {L"ERASE", {L"5,0", L""}},
      {L"ERASE", {L"W", L"-1,-1", L"11,1", L""}},
      {L"ERASE", {L"C", L"4,-1", L"6,1", L""}},
      {L"ERASE", {L"-5,-5", L"20,-3", L"ALL", L""}},
      {L"ERASE", {L"L", L""}},
      {L"MOVE", {L"5,0", L"", L"0,0", L"5,5"}},
      {L"MOVE", {L"5,0", L"", L"D", L"5,5"}},
      {L"MOVE", {L"5,0", L"", L"3,4", L""}},
      {L"ROTATE", {L"5,0", L"", L"0,0", L"90"}},
      {L"ROTATE", {L"5,0", L"", L"0,0", L"R", L"0", L"45"}},
      {L"ROTATE", {L"5,0", L"", L"0,0", L"R", L"0,0", L"1,1", L"90"}},
      {L"ALIGN", {L"5,0", L"", L"0,0", L"5,5", L""}},
      {L"ALIGN", {L"5,0", L"", L"0,0", L"5,5", L"10,0", L"5,25", L"", L"N"}},
      {L"ALIGN", {L"5,0", L"", L"0,0", L"5,5", L"10,0", L"5,25", L"1,1", L"2,2", L"Y"}},
      {L"SPLINEDIT", {L"40,10", L"M", L"N", L"P", L"S", L"40,10", L"45,12", L"X", L"X"}},
      {L"LAYER", {L"M", L"Nowa", L""}},
      {L"LAYER", {L"N", L"A, B", L"S", L"B", L""}},
      {L"LAYER", {L"OFF", L"Sz*", L"?", L"ON", L"0", L""}},
      {L"LAYER", {L"M", L"Szew", L"OFF", L"*", L"ON", L"0", L""}},
      {L"-LAYER", {L"N", L"C", L"OFF", L"C", L"M", L"D", L"S", L"C", L""}},
      {L"UCS", {L"O", L"10,10"}},
      {L"UCS", {L"5,5"}},
      {L"-VIEW", {L"S", L"Nowy"}},
      {L"-VIEW", {L"W", L"Okno", L"0,0", L"10,10"}},
      {L"-VIEW", {L"D", L"Przód"}},
      {L"-VIEW", {L"R", L"Przód"}, false},
      {L"ZOOM", {L"C", L"5,5", L"20"}, false},
  };
  return forms;
}

class CancelledCommands : public DrawingTest {
protected:
  // The drawing every case starts from: a line, a circle and a spline on layer 0, the
  // layer "Szew" and the named view "Przód".
  std::string StartDrawing() {
    db_ = headless::NewDrawing();
    AddLine({0, 0, 0}, {10, 0, 0});
    AddCircle({50, 50, 0}, 5);
    ZcGeNurbCurve3d curve(std::vector<ZcGePoint3d>{{0, 20, 0}, {10, 28, 0}, {25, 23, 0}, {40, 10, 0}});
    int degree;
    bool periodic;
    std::vector<double> knots, weights;
    std::vector<ZcGePoint3d> cps;
    curve.getNurbsData(degree, knots, cps, weights, periodic);
    ZcGePoint3dArray points;
    ZcGeDoubleArray knotArray;
    for (const auto& p : cps) points.append(p);
    for (double k : knots) knotArray.append(k);
    auto* spline = new ZcDbSpline();
    spline->setNurbsData(degree, false, false, false, points, knotArray, ZcGeDoubleArray());
    Add(spline);
    MakeLayer(L"Szew");
    headless::PushInputs({L"S", L"Przód"});
    headless::RunCommand(L"-VIEW");
    headless::ClearTranscript();
    return db_->dxfText();
  }

  // Types the command with the answers, then "@cancel"; true when it was cancelled.
  static bool TypeThenCancel(const Form& form, std::size_t answered) {
    std::vector<std::wstring> input(form.answers.begin(), form.answers.begin() + answered);
    input.push_back(L"@cancel");
    headless::PushInputs(input);
    headless::RunCommand(form.command);
    return headless::PendingInput() == 0 && headless::Transcript().find(L"*Cancel*") != std::wstring::npos;
  }
};

TEST_F(CancelledCommands, LeaveTheSavedDrawingAsItWasAtEveryPrompt) {
  int cases = 0;
  for (const Form& form : Forms()) {
    for (std::size_t k = 0; k < form.answers.size(); ++k) {
      std::string before = StartDrawing();
      ASSERT_TRUE(TypeThenCancel(form, k)) << headless::ToUtf8(form.command) << " not cancelled after " << k
                                           << " answers:\n" << headless::ToUtf8(headless::Transcript());
      EXPECT_EQ(before, db_->dxfText()) << headless::ToUtf8(form.command) << " cancelled after " << k << " answers";
      ++cases;
    }
  }
  EXPECT_GT(cases, 150);
}

TEST_F(CancelledCommands, TheSameFormsAnsweredToTheEndChangeTheDrawing) {
  for (const Form& form : Forms()) {
    std::string before = StartDrawing();
    headless::PushInputs(form.answers);
    headless::RunCommand(form.command);
    std::wstring transcript = headless::Transcript();
    EXPECT_EQ(0u, headless::PendingInput()) << headless::ToUtf8(form.command);
    EXPECT_EQ(std::wstring::npos, transcript.find(L"*Cancel*")) << headless::ToUtf8(transcript);
    EXPECT_EQ(form.changes, before != db_->dxfText()) << headless::ToUtf8(form.command) << "\n"
                                                      << headless::ToUtf8(transcript);
  }
}

TEST_F(CancelledCommands, ADrivenLayerCancelledByTheUserAfterItsItemsMakesNoLayer) {
  RunInsideCommand([] {
    resbuf items[3] = {};
    std::wstring texts[3] = {L"_-LAYER", L"_M", L"Driven"};
    for (int i = 0; i < 3; ++i) {
      items[i].restype = RTSTR;
      items[i].resval.rstring = texts[i].data();
      items[i].rbnext = i < 2 ? &items[i + 1] : nullptr;
    }
    zcedCmd(items);
  });
  // The command returned with the layer command waiting; the user then cancelled it.
  ZcDbLayerTable* table = nullptr;
  db_->getLayerTable(table, ZcDb::kForRead);
  EXPECT_FALSE(table->has(L"Driven"));
  table->close();
}

}  // namespace
