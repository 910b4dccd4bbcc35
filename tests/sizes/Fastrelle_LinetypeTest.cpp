// Line kinds: the "Lines.ini" section a kind takes, the layer XData it writes and reads,
// the refused renames, and the layer-kind tests.
#include "sizes/Fastrelle_Linetype.h"

#include "SizesFixture.h"
#include "db/ZcDbDatabase.h"
#include "ed/ResultBuffer.h"
#include "sizes/Fastrelle_Sizes.h"

namespace {

class LineKinds : public SizesTest {
protected:
  /// Replaces the shared "Lines.ini" for one test; the shipped one comes back afterwards.
  void WriteLinesIni(const std::string& text) {
    saved_ = ReadBytes(LinesIni());
    WriteBytes(LinesIni(), "\xFF\xFE" + Utf16(text));
    replaced_ = true;
  }
  void RemoveLinesIni() {
    saved_ = ReadBytes(LinesIni());
    std::filesystem::remove(LinesIni());
    replaced_ = true;
  }
  void TearDown() override {
    if (replaced_) WriteBytes(LinesIni(), saved_);
    SizesTest::TearDown();
  }
  static std::string LinesIni() { return Install().Native("Config/Lines.ini"); }

  /// The layer's XData of the application as (code, text) pairs.
  std::vector<std::pair<int, std::wstring>> XData(const wchar_t* layer) {
    ZcDbLayerTableRecord* r = FindRecord(layer);
    resbuf* list = r ? r->xData(L"Fastrelle_Linetype") : nullptr;
    std::vector<std::pair<int, std::wstring>> items;
    for (resbuf* rb = list; rb; rb = rb->rbnext)
      items.emplace_back(rb->restype, rb->restype == 1040 ? std::to_wstring(rb->resval.rreal) : rb->resval.rstring);
    zcutRelRb(list);
    return items;
  }
  ZcDbLayerTableRecord* FindRecord(const wchar_t* name) {
    ZcDbLayerTable* table = nullptr;
    db_->getLayerTable(table, ZcDb::kForRead);
    ZcDbSymbolTableRecord* r = nullptr;
    table->getAt(name, r, ZcDb::kForRead);
    table->close();
    if (r) r->close();
    return static_cast<ZcDbLayerTableRecord*>(r);
  }
  void SetXData(const wchar_t* layer, resbuf* items) {
    zcdbRegApp(L"Fastrelle_Linetype");
    resbuf* app = zcutNewRb(1001);
    app->resval.rstring = zcutDupString(L"Fastrelle_Linetype");
    app->rbnext = items;
    ZcDbLayerTableRecord* r = nullptr;
    zcdbOpenObject(r, FindRecord(layer)->objectId(), ZcDb::kForWrite);
    r->setXData(app);
    r->close();
    zcutRelRb(app);
  }
  std::wstring HandleOf(ZcDbObjectId id) {
    ZcDbObject* o = nullptr;
    zcdbOpenObject(o, id, ZcDb::kForRead);
    wchar_t text[17] = {};
    o->handle().getIntoAsciiBuffer(text);
    o->close();
    return text;
  }

  std::string saved_;
  bool replaced_ = false;
};

TEST_F(LineKinds, CreateWritesTheSectionsLinetypeAndScaleOnTheLayer) {
  Linetype_Tech tech(L"38");
  ASSERT_EQ(0, tech.Create());
  EXPECT_TRUE(tech.IsValid());
  auto items = XData(L"38~");
  ASSERT_EQ(3u, items.size());
  EXPECT_EQ(1040, items[1].first);
  EXPECT_EQ(L"5.000000", items[1].second);
  ZcDbLinetypeTable* types = nullptr;
  db_->getLinetypeTable(types, ZcDb::kForRead);
  ZcDbObjectId hidden;
  EXPECT_EQ(Zcad::eOk, types->getAt(L"HIDDEN", hidden));
  types->close();
  EXPECT_EQ(1005, items[2].first);
  EXPECT_EQ(HandleOf(hidden), items[2].second);
}

TEST_F(LineKinds, ASectionInSmallLettersServesAndAScaleOfZeroIsStoredAsOne) {
  WriteLinesIni("[cutline]\r\nLineType=CONTINUOUS\r\nLineTypeScale=0\r\n");
  Linetype_Cut cut(L"38");
  ASSERT_EQ(0, cut.Create());
  auto items = XData(L"38'");
  ASSERT_EQ(3u, items.size());
  EXPECT_EQ(L"1.000000", items[1].second);
  EXPECT_EQ(HandleOf(db_->continuousLinetype()), items[2].second);
}

TEST_F(LineKinds, XDataWithoutScaleAndHandleIsOnlyTheApplicationItem) {
  MakeLayer(L"38");
  SetXData(L"38", nullptr);  // nothing after the application: no XData at all
  Linetype_Seam seam;
  EXPECT_EQ(0, seam.SetOwnerAndLoad(L"38", false));
  EXPECT_EQ(374, seam.Load());

  resbuf* text = zcutNewRb(1000);
  text->resval.rstring = zcutDupString(L"10");
  SetXData(L"38", text);  // an item, but not a scale followed by a handle
  EXPECT_EQ(51, seam.Load());
  EXPECT_EQ(51, seam.SetOwnerAndLoad(L"38", false));

  resbuf* scale = zcutNewRb(1040);
  scale->resval.rreal = 2.5;
  scale->rbnext = zcutNewRb(1005);
  scale->rbnext->resval.rstring = zcutDupString(L"FFFFF");  // names nothing
  SetXData(L"38", scale);
  EXPECT_EQ(0, seam.Load());
  EXPECT_EQ(2.5, seam.GetScale());
  EXPECT_FALSE(seam.IsValid());
}

TEST_F(LineKinds, BindingRenamesNothingAndARefusedRenameKeepsKindAndLayerAgreeing) {
  MakeLayer(L"AB");
  MakeLayer(L"A^B");
  Linetype_Seam seam;
  EXPECT_EQ(374, seam.SetOwnerAndLoad(L"AB", true));  // "^AB" is no layer; "A^B" stays
  EXPECT_EQ(L"0 AB A^B", LayerNames());

  MakeLayer(L"^38");
  MakeLayer(L"38");
  Linetype_Seam taken;
  taken.SetOwnerAndLoad(L"38", false);
  EXPECT_NE(0, taken.SetBase(true));
  EXPECT_FALSE(taken.IsBase());
  EXPECT_EQ(L"38", taken.GetLayerName());
  EXPECT_EQ(L"0 AB A^B ^38 38", LayerNames());
}

TEST_F(LineKinds, AKindWithoutOwnerMakesNoLayer) {
  Linetype_Cut cut;
  EXPECT_NE(0, cut.Create());
  EXPECT_EQ(L"0", LayerNames());
}

TEST_F(LineKinds, WithoutLinesIniTheLayersAreMadeAndColouredAndTheMissingFileReported) {
  RemoveLinesIni();
  Fastrelle_Size size(L"38", 3, false);
  EXPECT_EQ(0, EnsureSizeLayers(size));  // made, though without line kinds
  EXPECT_EQ(L"0 38 38' 38~", LayerNames());
  EXPECT_EQ(3, LayerColor(L"38"));
  EXPECT_EQ(3, LayerColor(L"38'"));
  EXPECT_EQ(3, LayerColor(L"38~"));
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Lines.ini! "));
}

TEST(LayerKinds, CutAndTechAreTheirSuffixesAndDefpointsOrEmptyIsNoKind) {
  EXPECT_TRUE(Fastrelle_Linetype::IsCutLayerName(L"38'"));
  EXPECT_TRUE(Fastrelle_Linetype::IsSeamLayerName(L"38'"));
  EXPECT_FALSE(Fastrelle_Linetype::IsCutLayerName(L"38~"));
  EXPECT_TRUE(Fastrelle_Linetype::IsTechLayerName(L"^40~"));
  for (const wchar_t* none : {L"", L"DEFPOINTS", L"defPoints"}) {
    EXPECT_FALSE(Fastrelle_Linetype::IsSeamLayerName(none));
    EXPECT_FALSE(Fastrelle_Linetype::IsCutLayerName(none));
    EXPECT_FALSE(Fastrelle_Linetype::IsTechLayerName(none));
  }
}

}  // namespace
