// Selection filters on entity data lists, wildcards, and the window tests on the curves
// themselves rather than on their boxes.
#include "editor/Filter.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ge/ZcGeCircArc3d.h"
#include "ge/ZcGeLineSeg3d.h"

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
