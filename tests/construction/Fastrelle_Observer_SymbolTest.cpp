#include "construction/Fastrelle_Observer_Symbol.h"

#include "SymbolFixture.h"
#include "construction/Fastrelle_Clip.h"
#include "sizes/Fastrelle_SizePoint.h"

namespace {

class Symbols : public SymbolTest {
protected:
  void OnlyLayersOn(std::initializer_list<const wchar_t*> on) {
    for (const wchar_t* layer : {L"0", L"38", L"^40", L"42", L"0'", L"38'", L"^40'", L"42'"}) {
      bool keep = false;
      for (const wchar_t* l : on) keep = keep || std::wstring(l) == layer;
      if (!keep && HasLayer(layer)) SetLayerOff(layer);
    }
  }
  bool HasLayer(const wchar_t* name) {
    ZcDbLayerTable* table = nullptr;
    db_->getLayerTable(table, ZcDb::kForRead);
    bool has = table->has(name);
    table->close();
    return has;
  }
  void MoveLine(ZcDbObjectId id, const ZcGePoint3d& a, const ZcGePoint3d& b) {
    ZcDbLine* line = nullptr;
    zcdbOpenObject(line, id, ZcDb::kForWrite);
    line->setStartPoint(a);
    line->setEndPoint(b);
    line->close();
  }
  int MarksInModelSpace() {
    int n = 0;
    for (ZcDbObjectId id : ModelSpace())
      if (auto* ref = Read<ZcDbBlockReference>(id))
        if (Read<ZcDbBlockTableRecord>(ref->blockTableRecord())->name() == L"Mark") ++n;
    return n;
  }
  static bool Near(const std::vector<ZcGePoint3d>& points, const ZcGePoint3d& p) {
    return points.size() == 1 && points[0].distanceTo(p) < 1e-9;
  }
};

TEST_F(Symbols, CopiesGoToTheSameFractionInEverySizeGradedAndReversedCurvesIncluded) {
  ASSERT_EQ(0, Fastrelle_SizePoint(3, L"38").MoveTo(ZcGePoint3d(120, 100, 0)));  // top of 38: 120 long
  ZcDbObjectId top40 = LineBetween(L"Front|40", ZcGePoint3d(100, 100, 0), ZcGePoint3d(0, 100, 0));
  MoveLine(top40, ZcGePoint3d(0, 100, 0), ZcGePoint3d(100, 100, 0));  // drawn from 4 to 3
  ZcDbObjectId top42 = LineBetween(L"Front|42", ZcGePoint3d(100, 100, 0), ZcGePoint3d(0, 100, 0));
  MoveLine(top42, ZcGePoint3d(0, 300, 0), ZcGePoint3d(50, 300, 0));  // size 42 lacks the curve
  OnlyLayersOn({L"0"});
  Fastrelle_Observer_Symbol symbol(L"Mark", 1.0);
  ASSERT_TRUE(symbol.IsValid());
  EXPECT_EQ(0, Drag(symbol, L"100,100", {L"@move 80,101", L"@text 30"}));
  EXPECT_EQ(3, symbol.FirstNumber());
  EXPECT_EQ(4, symbol.SecondNumber());
  EXPECT_NEAR(0.3, symbol.Fraction(), 1e-12);
  EXPECT_TRUE(Near(Marks(L"Front|0"), ZcGePoint3d(70, 100, 0)));
  EXPECT_TRUE(Near(Marks(L"Front|40"), ZcGePoint3d(70, 100, 0)));
  EXPECT_TRUE(Near(Marks(L"Front|38"), ZcGePoint3d(84, 100, 0)));
  EXPECT_TRUE(Marks(L"Front|42").empty());
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Nie znaleziono krzywej w rozmiarze: 42"));
  EXPECT_EQ(3, MarksInModelSpace());  // the dragged one is gone
}

TEST_F(Symbols, OnlyThePartOfTheDraggedCurveGetsCopiesWhereGradedPartsOverlap) {
  ASSERT_EQ(0, Fastrelle_Part_Drawer(L"Zad", 0).BuildFromCurves(Square(50, 50, 100)));
  OnlyLayersOn({L"0"});
  Fastrelle_Observer_Symbol symbol(L"Mark", 1.0);
  EXPECT_EQ(0, Drag(symbol, L"100,100", {L"@move 80,101", L"@text 30"}));
  EXPECT_EQ(CString(L"Front"), symbol.PartName());
  for (const wchar_t* g : {L"Zad|0", L"Zad|38", L"Zad|40", L"Zad|42"}) EXPECT_TRUE(Marks(g).empty()) << g;
  for (const wchar_t* g : {L"Front|0", L"Front|38", L"Front|40", L"Front|42"})
    EXPECT_TRUE(Near(Marks(g), ZcGePoint3d(70, 100, 0))) << g;
}

TEST_F(Symbols, ASymbolOnACutLineGoesOntoTheCutLinesOfTheOtherSizes) {
  for (const wchar_t* size : {L"0", L"38", L"40", L"42"}) {
    ZcDbObjectIdArray cut;
    cut.append(AddLine(ZcGePoint3d(110, 110, 0), ZcGePoint3d(-10, 110, 0)));
    ASSERT_EQ(0, PartSizeGroup(nullptr, L"Front", size).PutOnCutLayer(cut));
  }
  // Every size's cut line lies here, each as good a base curve as another.
  Fastrelle_Observer_Symbol symbol(L"Mark", 1.0);
  EXPECT_EQ(0, Drag(symbol, L"110,110", {L"@move 80,111", L"@text 36"}));
  for (const wchar_t* g : {L"Front|0", L"Front|38", L"Front|40", L"Front|42"})
    EXPECT_TRUE(Near(Marks(g), ZcGePoint3d(74, 110, 0))) << g;
}

TEST_F(Symbols, NothingIsLeftWhenTheDragCannotBePlaced) {
  // A curve of the part whose ends are no grade points.
  ZcDbObjectIdArray inner;
  inner.append(AddLine(ZcGePoint3d(20, 50, 0), ZcGePoint3d(80, 50, 0)));
  ASSERT_EQ(0, PartSizeGroup(nullptr, L"Front", L"0").PutOnSeamLayer(inner));
  OnlyLayersOn({L"0"});
  {
    Fastrelle_Observer_Symbol symbol(L"Mark", 1.0);
    EXPECT_EQ(0, Drag(symbol, L"20,50", {L"@move 40,51", L""}));
  }
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"nie leży na punkcie stopniowania"));
  {
    Fastrelle_Observer_Symbol symbol(L"Mark", 1.0);  // far from every curve
    EXPECT_EQ(0, Drag(symbol, L"300,300", {L"@move 320,310", L""}));
  }
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"nie trafiło na żadną krzywą"));
  {
    Fastrelle_Observer_Symbol symbol(L"Mark", 1.0);  // cancelled, then finished all the same
    EXPECT_EQ(180, Drag(symbol, L"100,100", {L"@move 80,101", L"@key Escape"}));
    symbol.OnFinish();
  }
  EXPECT_EQ(0, MarksInModelSpace());
}

TEST_F(Symbols, AfterADartTheSymbolJoinsThePartAtTheApexInEverySize) {
  Fastrelle_Clip dart;
  Fastrelle_Observer_Symbol symbol(L"Mark", 1.0);
  dart.Attach(&symbol);
  headless::PushInputs({L"30,0", L"50,0"});
  ASSERT_EQ(0, dart.PickStart());
  headless::PushInputs({L"@move 45,40", L"@pick 45,40"});
  ASSERT_EQ(0, dart.Run());
  symbol.OnFinish();
  for (const wchar_t* g : {L"Front|0", L"Front|38", L"Front|40", L"Front|42"})
    EXPECT_TRUE(Near(Marks(g), ZcGePoint3d(40, 40, 0))) << g;
}

TEST_F(Symbols, TheSymbolIsTurnedToTheCursorsSide) {
  OnlyLayersOn({L"0"});
  Fastrelle_Observer_Symbol symbol(L"Mark", 1.0);
  Fastrelle_Miarka tape;
  tape.Attach(&symbol);
  headless::PushInputs({L"0,0", L"@move 60,3", L"@move 60,-3", L"@cancel"});
  ASSERT_EQ(0, tape.PickStart());
  std::vector<double> rotations;
  headless::SetPromptObserver([&] {
    if (auto* ref = Read<ZcDbBlockReference>(symbol.Symbol().Reference())) rotations.push_back(ref->rotation());
  });
  tape.Run();
  headless::SetPromptObserver(nullptr);
  symbol.OnCancel();
  ASSERT_GE(rotations.size(), 2u);
  EXPECT_NEAR(0.0, rotations[rotations.size() - 2], 1e-9);
  EXPECT_NEAR(3.1415926535897931, rotations.back(), 1e-9);
}

}  // namespace
