// Selection filters on entity data lists, wildcards, and the window tests on the curves
// themselves rather than on their boxes.
#include "editor/Filter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "ge/ZcGeCircArc3d.h"
#include "ge/ZcGeBulgePolyline3d.h"
#include "ge/ZcGeLineSeg3d.h"
#include "ge/ZcGeNurbCurve3d.h"

namespace {

// A list of (code, text) items that owns its nodes.
struct Items {
  explicit Items(std::initializer_list<std::pair<int, const wchar_t*>> items) {
    resbuf** tail = &head;
    for (auto& [code, text] : items) {
      *tail = zcutNewRb(code);
      (*tail)->resval.rstring = zcutDupString(text);
      tail = &(*tail)->rbnext;
    }
  }
  ~Items() { zcutRelRb(head); }
  resbuf* head = nullptr;
};

bool Accepts(const Items& filter, const Items& data) { return editor::FilterAccepts(filter.head, data.head, nullptr); }

TEST(Filter, WildcardsFollowTheHostRules) {
  using editor::WildcardMatch;
  EXPECT_TRUE(WildcardMatch(L"*POLYLINE", L"lwpolyline"));
  EXPECT_TRUE(WildcardMatch(L"*POLYLINE", L"POLYLINE"));
  EXPECT_FALSE(WildcardMatch(L"*POLYLINE", L"SPLINE"));
  EXPECT_TRUE(WildcardMatch(L"38*,40", L"38'"));
  EXPECT_TRUE(WildcardMatch(L"38*,40", L"40"));
  EXPECT_TRUE(WildcardMatch(L"~0", L"38"));
  EXPECT_FALSE(WildcardMatch(L"~0", L"0"));
  EXPECT_TRUE(WildcardMatch(L"S#", L"S8"));
  EXPECT_TRUE(WildcardMatch(L"[A-C]?", L"b1"));
  EXPECT_TRUE(WildcardMatch(L"a`,b", L"A,B"));
}

TEST(Filter, NestedOrInsideNotSelectsWhatIsOnNeitherLayer) {
  Items filter{{0, L"LINE"}, {-4, L"<NOT"}, {-4, L"<OR"}, {8, L"38"}, {8, L"40"}, {-4, L"OR>"}, {-4, L"NOT>"}};
  EXPECT_TRUE(Accepts(filter, Items{{0, L"LINE"}, {8, L"42"}}));
  EXPECT_FALSE(Accepts(filter, Items{{0, L"LINE"}, {8, L"40"}}));
  EXPECT_FALSE(Accepts(filter, Items{{0, L"ARC"}, {8, L"42"}}));
}

TEST(Filter, EmptyOrPassesNothingAndBrokenFiltersAreErrors) {
  EXPECT_FALSE(Accepts(Items{{0, L"INSERT"}, {-4, L"<OR"}, {-4, L"OR>"}}, Items{{0, L"INSERT"}}));
  EXPECT_TRUE(Accepts(Items{}, Items{{0, L"ARC"}}));
  std::wstring error;
  Items open{{-4, L"<OR"}, {8, L"0"}};
  EXPECT_FALSE(editor::FilterAccepts(open.head, Items{{8, L"0"}}.head, &error));
  EXPECT_NE(std::wstring::npos, error.find(L"not closed"));
  Items stray{{8, L"0"}, {-4, L"AND>"}};
  EXPECT_FALSE(editor::FilterAccepts(stray.head, nullptr, &error));
}

TEST(Filter, OperatorsCountTheirItemsWhateverTheMarkersCase) {
  Items exactlyOne{{-4, L"<xor"}, {0, L"LINE"}, {8, L"40"}, {-4, L"Xor>"}};
  EXPECT_TRUE(Accepts(exactlyOne, Items{{0, L"LINE"}, {8, L"42"}}));
  EXPECT_FALSE(Accepts(exactlyOne, Items{{0, L"LINE"}, {8, L"40"}}));
  EXPECT_FALSE(Accepts(exactlyOne, Items{{0, L"ARC"}, {8, L"42"}}));
  Items both{{-4, L"<And"}, {0, L"LINE"}, {8, L"40"}, {-4, L"and>"}};
  EXPECT_TRUE(Accepts(both, Items{{0, L"LINE"}, {8, L"40"}}));
  EXPECT_FALSE(Accepts(both, Items{{0, L"LINE"}, {8, L"42"}}));
  // NOT of two items and XOR of one are malformed: nothing passes.
  EXPECT_FALSE(Accepts(Items{{-4, L"<NOT"}, {0, L"ARC"}, {8, L"1"}, {-4, L"NOT>"}}, Items{{0, L"LINE"}, {8, L"2"}}));
  EXPECT_FALSE(Accepts(Items{{-4, L"<XOR"}, {0, L"LINE"}, {-4, L"XOR>"}}, Items{{0, L"LINE"}}));
}

// A filter is judged the same whether or not the caller asks why it is wrong (the answer
// without the question is found without the markers' texts).
TEST(Filter, JudgedTheSameWithAndWithoutTheError) {
  const wchar_t* markers[] = {L"<OR", L"or>", L"<And", L"AND>", L"<not", L"NOT>", L"<XOR", L"xor>", L"<FOO", L"FOO>", L"<", L""};
  const wchar_t* values[] = {L"LINE", L"INSERT", L"~INSERT", L"LINE,ARC", L"*", L"38", L"4?"};
  std::mt19937 rng(11);
  int accepted = 0;
  for (int n = 0; n < 4000; ++n) {
    Items filter{};
    resbuf** tail = &filter.head;
    for (int k = 1 + static_cast<int>(rng() % 7); k > 0; --k) {
      const int r = static_cast<int>(rng() % 10);
      *tail = zcutNewRb(r < 5 ? -4 : r < 8 ? 0 : 8);
      (*tail)->resval.rstring = zcutDupString(r < 5 ? markers[rng() % 12] : values[rng() % 7]);
      tail = &(*tail)->rbnext;
    }
    Items data{{0, n % 2 ? L"LINE" : L"INSERT"}, {8, n % 3 ? L"38" : L"40"}};
    std::wstring error;
    const bool quiet = editor::FilterAccepts(filter.head, data.head, nullptr);
    EXPECT_EQ(quiet, editor::FilterAccepts(filter.head, data.head, &error)) << n;
    accepted += quiet;
  }
  EXPECT_GT(accepted, 100);
}

TEST(Filter, WindowsTestTheCurveNotItsBox) {
  // A quarter arc of radius 10 about the origin, from (10,0) to (0,10).
  ZcGeCircArc3d arc(ZcGePoint3d(0, 0, 0), ZcGeVector3d(0, 0, 1), ZcGeVector3d(1, 0, 0), 10.0, 0.0, M_PI / 2);
  editor::Box cornerOfBox({8, 8, 0}, {10, 10, 0});  // inside the arc's box, off its path
  EXPECT_FALSE(editor::CurveCrossesWindow(arc, cornerOfBox));
  editor::Box onPath({6, 6, 0}, {8, 8, 0});  // (7.07, 7.07) lies on the arc
  EXPECT_TRUE(editor::CurveCrossesWindow(arc, onPath));
  EXPECT_FALSE(editor::CurveInWindow(arc, onPath));
  EXPECT_TRUE(editor::CurveInWindow(arc, editor::Box({-1, -1, 0}, {11, 11, 0})));
  ZcGeLineSeg3d inside(ZcGePoint3d(1, 1, 0), ZcGePoint3d(2, 2, 0));
  EXPECT_TRUE(editor::CurveCrossesWindow(inside, editor::Box({3, 3, 0}, {0, 0, 0})));
}

}  // namespace

// Random cubic splines through random points (interior knots of every spacing) and random
// windows: deciding on the control points gives what the test on the curve gives.
TEST(Filter, SplinesDecidedOnTheirControlPointsCrossWindowsAsTheirCurvesDo) {
  std::mt19937 rng(3);
  std::uniform_real_distribution<double> at(0, 100), size(0.5, 30);
  int decided = 0, cases = 0;
  for (int s = 0; s < 40; ++s) {
    std::vector<ZcGePoint3d> fit;
    for (int k = 0; k < 4 + s % 5; ++k) fit.emplace_back(at(rng) / 2 + k * 10, at(rng) / 2, 0);
    ZcGeNurbCurve3d curve(fit);
    int degree;
    bool periodic;
    std::vector<double> knots, weights;
    std::vector<ZcGePoint3d> cps;
    curve.getNurbsData(degree, knots, cps, weights, periodic);
    if (s % 3 == 0) {  // a rational curve on the same points: its own path to compare with
      weights.assign(cps.size(), 1.0);
      for (double& w : weights) w = 0.5 + at(rng) / 50;
      curve.setNurbsData(degree, knots, cps, weights, false);
    }
    for (int w = 0; w < 40; ++w) {
      ZcGePoint3d a(at(rng) * 1.2 - 10, at(rng) - 25, 0);
      editor::Box box(a, a + ZcGeVector3d(size(rng), size(rng), 0));
      int meets = editor::NurbsMeetsBox(degree, knots, cps, weights, box);
      ++cases;
      if (meets < 0) continue;
      ++decided;
      ASSERT_EQ(editor::CurveCrossesWindow(curve, box), meets == 1) << "spline " << s << " window " << w;
    }
  }
  EXPECT_GT(decided, cases * 95 / 100);
}

// Random bulge polylines (straight, arcs of every sweep, near-straight arcs), open and
// closed, and random windows: deciding segment by segment gives what the test on the curve
// gives.
TEST(Filter, PolylinesDecidedSegmentBySegmentCrossWindowsAsTheirCurvesDo) {
  std::mt19937 rng(4);
  std::uniform_real_distribution<double> at(0, 100), size(0.5, 30), unit(-1, 1);
  const double kinds[] = {0.0, 1.0, -1.0, 1e-13, 3.0};
  int decided = 0, cases = 0;
  for (int s = 0; s < 60; ++s) {
    std::vector<ZcGePoint3d> vertices;
    std::vector<ZcGePoint2d> flat;
    std::vector<double> bulges;
    for (int k = 0; k < 2 + s % 4; ++k) {
      vertices.emplace_back(at(rng), at(rng), 0);
      flat.emplace_back(vertices.back().x, vertices.back().y);
      bulges.push_back(s % 2 ? unit(rng) * kinds[(s + k) % 5] : unit(rng));
    }
    bool closed = s % 3 == 0;
    ZcGeBulgePolyline3d curve(flat, bulges, closed);
    for (int w = 0; w < 40; ++w) {
      ZcGePoint3d a(at(rng) - 15, at(rng) - 15, 0);
      editor::Box box(a, a + ZcGeVector3d(size(rng), size(rng), 0));
      int meets = editor::PolylineMeetsBox(vertices, bulges, closed, box);
      ++cases;
      if (meets < 0) continue;
      ++decided;
      ASSERT_EQ(editor::CurveCrossesWindow(curve, box), meets == 1) << "polyline " << s << " window " << w;
    }
  }
  EXPECT_GT(decided, cases / 3);  // the test above compares something
}
