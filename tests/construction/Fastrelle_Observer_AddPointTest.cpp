#include "construction/Fastrelle_Observer_AddPoint.h"

#include "SymbolFixture.h"
#include "construction/Fastrelle_Picket.h"
#include "framework/Fastrelle_Settings.h"
#include "framework/Folders.h"
#include "sizes/Fastrelle_SizePoint.h"

namespace {

class NewGradePoint : public SymbolTest {
protected:
  static CString GradePointPath() { return ResolveInstallPath(GetSettingString(L"GradePoint")); }
};

TEST_F(NewGradePoint, SettingsThatCannotMakeASymbolInsertNothing) {
  const std::size_t before = ModelSpace().size();
  for (double scale : {0.0, -1.0}) {
    Fastrelle_Observer_AddPoint point(GradePointPath(), scale);
    EXPECT_FALSE(point.IsValid());
  }
  Fastrelle_Observer_AddPoint unnamed(L"", 1.0);
  EXPECT_FALSE(unnamed.IsValid());
  EXPECT_EQ(before, ModelSpace().size());
}

TEST_F(NewGradePoint, EscapeAtTheStartOrMidDragLeavesNothing) {
  const std::size_t before = ModelSpace().size();
  for (std::vector<std::wstring> lines : {std::vector<std::wstring>{L"@cancel"},
                                          std::vector<std::wstring>{L"100,100", L"@move 80,101", L"@key Escape"}}) {
    Fastrelle_Observer_AddPoint point(GradePointPath(), 1.0);
    EXPECT_EQ(5, point.Number());
    EXPECT_EQ(before + 1, ModelSpace().size());  // the numbered symbol waits at the origin
    Fastrelle_Picket tape;
    tape.Attach(&point);
    headless::PushInputs(lines);
    int r = tape.PickStart();
    if (r == 0) r = tape.Run();
    EXPECT_EQ(180, r);
    point.OnCancel();
    point.OnFinish();
    EXPECT_EQ(before, ModelSpace().size());
  }
}

TEST_F(NewGradePoint, ADragAlongAGradedSizePutsEachSizesPointOnItsOwnSeamAndSplitsIt) {
  ASSERT_EQ(0, Fastrelle_SizePoint(3, L"38").MoveTo(ZcGePoint3d(120, 100, 0)));
  for (const wchar_t* layer : {L"0", L"^40", L"42"}) SetLayerOff(layer);
  Fastrelle_Observer_AddPoint point(GradePointPath(), 1.0);
  EXPECT_EQ(0, Drag(point, L"120,100", {L"@move 90,101", L"@text 36"}));
  struct Expect {
    const wchar_t* size;
    ZcGePoint3d at, corner;
  } expected[] = {{L"0", {70, 100, 0}, {100, 100, 0}},
                  {L"38", {84, 100, 0}, {120, 100, 0}},
                  {L"40", {70, 100, 0}, {100, 100, 0}},
                  {L"42", {70, 100, 0}, {100, 100, 0}}};
  for (const Expect& e : expected) {
    Fastrelle_SizePoint p(5, e.size);
    ASSERT_TRUE(p.IsReference()) << headless::ToUtf8(e.size);
    EXPECT_TRUE(p.GetPosition().isEqualTo(e.at)) << headless::ToUtf8(e.size);
    std::wstring group = std::wstring(L"Front|") + e.size;
    EXPECT_FALSE(LineBetween(group.c_str(), e.corner, e.at).isNull()) << group;
    EXPECT_FALSE(LineBetween(group.c_str(), e.at, ZcGePoint3d(0, 100, 0)).isNull()) << group;
    EXPECT_TRUE(LineBetween(group.c_str(), e.corner, ZcGePoint3d(0, 100, 0)).isNull()) << group;
  }
  // The symbol dragged is gone: one point 5 per size and "0".
  int fives = 0;
  for (ZcDbObjectId id : ModelSpace())
    if (Read<ZcDbBlockReference>(id) && Fastrelle_SizePoint(id).GetNumber() == 5) ++fives;
  EXPECT_EQ(4, fives);
}

}  // namespace
