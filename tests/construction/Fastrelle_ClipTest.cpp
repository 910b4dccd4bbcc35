#include "construction/Fastrelle_Clip.h"

#include "DragFixture.h"
#include "construction/Dart_lines.h"
#include "construction/Fastrelle_Part_Drawer.h"
#include "construction/PartSizeGroup.h"

namespace {

class Dart : public DragTest {
protected:
  void SetUp() override {
    DragTest::SetUp();
    ASSERT_EQ(0, Fastrelle_Part_Drawer(L"Front", 0).BuildFromCurves(Square()));
  }
  /// The dart from (30,0) to (50,0), dragged to (45,40), then the last line.
  int RunDart(Fastrelle_Clip& dart, const std::wstring& last) {
    headless::PushInputs({L"30,0", L"50,0"});
    if (int r = dart.PickStart()) return r;
    headless::PushInputs({L"@move 45,40", last});
    return dart.Run();
  }
  int Lines(const wchar_t* group) { return Members(group).length() - References(group); }
};

TEST_F(Dart, TheApexStaysOnTheCentreLineAndTheLegsFollowIt) {
  Fastrelle_Clip dart;
  Dart_lines legs;
  dart.Attach(&legs);
  EXPECT_EQ(0, RunDart(dart, L""));
  EXPECT_TRUE(dart.EndPoint().isEqualTo(ZcGePoint3d(40, 40, 0)));
  EXPECT_NEAR(40.0, dart.GetLength(), 1e-9);
  auto* leg = Read<ZcDbPolyline>(legs.Leg(1));
  ZcGePoint3d a, b;
  leg->getPointAt(0, a);
  leg->getPointAt(1, b);
  EXPECT_TRUE(a.isEqualTo(ZcGePoint3d(50, 0, 0)));
  EXPECT_TRUE(b.isEqualTo(ZcGePoint3d(40, 40, 0)));
}

TEST_F(Dart, APickMakesTheLegsInTheMasterAndEverySizeAndNumbersItsThreePoints) {
  ZcDbObjectIdArray previews;
  {
    Fastrelle_Clip dart;
    Dart_lines legs;
    dart.Attach(&legs);
    previews.append(legs.Leg(0));
    previews.append(legs.Leg(1));
    EXPECT_EQ(0, RunDart(dart, L"@pick 35,30"));
  }
  for (const wchar_t* size : {L"0", L"38", L"40"}) {
    std::wstring group = std::wstring(L"Front|") + size;
    EXPECT_EQ(6, Lines(group.c_str())) << group;  // four sides and two legs
    const ZcGePoint3d at[] = {{30, 0, 0}, {50, 0, 0}, {40, 30, 0}};
    for (int i = 0; i < 3; ++i) {
      Fastrelle_SizePoint p(5 + i, size);
      ASSERT_TRUE(p.IsReference()) << group << " point " << 5 + i;
      EXPECT_TRUE(p.GetPosition().isEqualTo(at[i])) << group << " point " << 5 + i;
    }
  }
  for (ZcDbObjectId id : previews) EXPECT_TRUE(Read<ZcDbObject>(id) == nullptr);
}

TEST_F(Dart, AnEndOnTheStartIsAskedAgainAndACancelThereMakesNothing) {
  Fastrelle_Clip dart;
  headless::PushInputs({L"30,0", L"30,0", L"50,0"});
  ASSERT_EQ(0, dart.PickStart());
  EXPECT_TRUE(dart.DartEnd().isEqualTo(ZcGePoint3d(50, 0, 0)));
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Koniec zaszewki nie może leżeć w jej początku."));
  const int before = static_cast<int>(ModelSpace().size());
  Fastrelle_Clip flat;
  headless::PushInputs({L"30,0", L"30,0"});
  EXPECT_EQ(180, flat.PickStart());
  EXPECT_EQ(before, static_cast<int>(ModelSpace().size()));
}

TEST_F(Dart, NoPartAtTheApexMakesNothingAndSaysSo) {
  const int before = static_cast<int>(ModelSpace().size());
  headless::PushInputs({L"130,0", L"150,0"});
  Fastrelle_Clip dart;
  ASSERT_EQ(0, dart.PickStart());
  headless::PushInputs({L"@pick 140,40", L""});
  EXPECT_EQ(374, dart.Run());
  EXPECT_EQ(before, static_cast<int>(ModelSpace().size()));
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"nie leży w żadnej formie"));
}

}  // namespace
