// The size list read from the layer table, the base size, and making, erasing and deleting
// a size's layers.
#include "sizes/Fastrelle_Sizes.h"

#include <stdexcept>

#include "SizesFixture.h"
#include "DrawingHelpers.h"

namespace {

class Sizes : public SizesTest {
protected:
  static std::wstring Listed(const Fastrelle_Sizes& sizes) {
    std::wstring out;
    for (const Fastrelle_Size& s : sizes.Sizes())
      out += (out.empty() ? L"" : L" ") + s.GetName().str() + (s.IsBase() ? L"(base)" : L"") + L":" +
             std::to_wstring(s.GetColor());
    return out;
  }
  static ZcDbLayerTableRecord* FindLayerIn(ZcDbDatabase& db, const wchar_t* name) {
    ZcDbLayerTable* table = nullptr;
    db.getLayerTable(table, ZcDb::kForRead);
    ZcDbSymbolTableRecord* r = nullptr;
    table->getAt(name, r, ZcDb::kForRead);
    table->close();
    if (r) r->close();
    return static_cast<ZcDbLayerTableRecord*>(r);
  }
  void MakeLayers(std::initializer_list<const wchar_t*> names) {
    for (const wchar_t* name : names) MakeLayer(name);
  }
};

TEST_F(Sizes, ATripleIsOneSizeColouredByItsFirstLayerAndListingRenamesNothing) {
  MakeLayers({L"38", L"38'", L"38~", L"^40", L"^40'", L"^40~", L"Defpoints", L"M~", L"AB", L"A^B"});
  SetLayerColor(L"38", 3);
  SetLayerColor(L"38'", 4);
  SetLayerColor(L"^40", 5);
  SetLayerColor(L"M~", 6);
  const std::wstring before = LayerNames();
  Fastrelle_Sizes_ZW sizes;
  sizes.LoadFromLayers();
  EXPECT_EQ(L"38:3 40(base):5 M:6 AB:7", Listed(sizes));
  EXPECT_EQ(before, LayerNames());

  Fastrelle_Size base;
  ASSERT_TRUE(sizes.FindBase(base));
  EXPECT_EQ(L"40", base.GetName());
  EXPECT_TRUE(sizes.Contains(L"M"));
  EXPECT_FALSE(sizes.Contains(L"m"));
  EXPECT_THROW(sizes.GetAt(4), std::out_of_range);
  EXPECT_EQ(L"40", GetBaseSizeName());
}

TEST_F(Sizes, LayersOfOneNameInTwoCasesAreTwoSizesAndFindTakesTheFirst) {
  MakeLayers({L"m", L"M'"});
  Fastrelle_Sizes_ZW sizes;
  sizes.LoadFromLayers();
  EXPECT_EQ(2, sizes.GetCount());
  EXPECT_EQ(L"m", sizes.Find(L"M").GetName());
  Fastrelle_Size_ZW none = sizes.Find(L"XL");
  EXPECT_EQ(L"0", none.GetName());
  EXPECT_EQ(db_->layerZero(), none.Seam().GetLayerId());
}

TEST_F(Sizes, SetBaseSizeMovesTheMarkerBetweenTheTwoTriples) {
  MakeLayers({L"38", L"38'", L"38~", L"^40", L"^40'", L"^40~"});
  Fastrelle_Sizes_ZW sizes;
  sizes.LoadFromLayers();
  sizes.SetBaseSize(L"38");
  EXPECT_EQ(L"0 ^38 ^38' ^38~ 40 40' 40~", LayerNames());
  EXPECT_EQ(L"38(base):7 40:7", Listed(sizes));
  sizes.SetBaseSize(L"XL");  // no such size: the drawing has no base size then
  EXPECT_EQ(L"0 38 38' 38~ 40 40' 40~", LayerNames());
}

TEST_F(Sizes, SetColorAndSetNameActOnTheThreeLayers) {
  EXPECT_EQ(0, EnsureSizeLayers(Fastrelle_Size(L"38", 2, false)));
  Fastrelle_Sizes_ZW sizes;
  sizes.LoadFromLayers();
  Fastrelle_Size_ZW size = sizes.Find(L"38");
  size.SetColor(4);
  size.SetName(L"39");
  EXPECT_EQ(L"0 39 39' 39~", LayerNames());
  size.SetName(L"39|40");  // no size can be named so: parts' groups are "part|size"
  EXPECT_EQ(L"0 39 39' 39~", LayerNames());
  Fastrelle_Sizes_ZW again;
  again.LoadFromLayers();
  EXPECT_EQ(L"39:4", Listed(again));
}

TEST_F(Sizes, EnsureSizeLayersRefusesANameThatIsNoSize) {
  for (const wchar_t* bad : {L"", L"A|B", L"3'8", L"DEFPOINTS"}) EXPECT_NE(0, EnsureSizeLayers(Fastrelle_Size(bad, 1, false)));
  EXPECT_EQ(L"0", LayerNames());
  EXPECT_EQ(0, EnsureSizeLayers(Fastrelle_Size(L"40", 1, true)));
  EXPECT_EQ(L"0 ^40 ^40' ^40~", LayerNames());
}

TEST_F(Sizes, ErasingASizeErasesWhatLiesOnItsLayersTakenLiterally) {
  MakeLayers({L"38.5", L"38-5", L"38.5~"});
  ZcDbObjectId on = AddLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 0, 0), L"38.5");
  ZcDbObjectId tech = AddLine(ZcGePoint3d(0, 1, 0), ZcGePoint3d(1, 1, 0), L"38.5~");
  ZcDbObjectId beside = AddLine(ZcGePoint3d(0, 2, 0), ZcGePoint3d(1, 2, 0), L"38-5");
  Fastrelle_Sizes_ZW sizes;
  sizes.LoadFromLayers();
  EXPECT_EQ(0, sizes.Find(L"38.5").EraseEntities());
  EXPECT_TRUE(on.isErased());
  EXPECT_TRUE(tech.isErased());
  EXPECT_FALSE(beside.isErased());
}

TEST_F(Sizes, DeleteLayersSkipsMissingOnesAndKeepsAndReportsALayerStillInUse) {
  MakeLayers({L"M~"});
  Fastrelle_Sizes_ZW sizes;
  sizes.LoadFromLayers();
  EXPECT_EQ(0, sizes.Find(L"M").DeleteLayers());
  EXPECT_EQ(L"0", LayerNames());

  MakeLayers({L"38", L"38'", L"38~"});
  AddLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 0, 0), L"38");
  ZcDbBlockTable* blocks = nullptr;
  db_->getBlockTable(blocks, ZcDb::kForWrite);
  auto* block = new ZcDbBlockTableRecord;
  block->setName(L"Mark");
  ZcDbObjectId blockId;
  blocks->add(blockId, block);
  block->close();
  blocks->close();
  auto* inside = new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 0, 0));
  inside->setLayer(L"38'");
  AppendEntity(*db_, inside, blockId);

  Fastrelle_Sizes_ZW again;
  again.LoadFromLayers();
  headless::ClearTranscript();
  EXPECT_EQ(Zcad::eObjectInUse, again.Find(L"38").DeleteLayers());
  EXPECT_EQ(L"0 38'", LayerNames());
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"38'"));
}

TEST_F(Sizes, NameListingsKeepEmptyNamesAndCollectSizeNamesKeepsZero) {
  MakeLayers({L"38", L"^'", L"DEFPOINTS", L"38~"});
  CStringArray names;
  ListSizeNamesFromLayers(names);
  ASSERT_EQ(2, names.GetSize());
  EXPECT_EQ(L"38", names[0]);
  EXPECT_EQ(L"", names[1]);
  std::vector<CString> all = CollectSizeNames();
  ASSERT_EQ(3u, all.size());
  EXPECT_EQ(L"0", all[0]);
}

TEST_F(Sizes, SizesAndTheirLineKindsSurviveASaveAndReopen) {
  EnsureSizeLayers(Fastrelle_Size(L"38", 3, false));
  EnsureSizeLayers(Fastrelle_Size(L"40", 5, true));
  ZcDbDatabase reopened(false, true);
  ASSERT_EQ(Zcad::eOk, reopened.readDxfText(db_->dxfText()));
  Fastrelle_Sizes_ZW sizes;
  sizes.LoadFromLayers(&reopened);
  EXPECT_EQ(L"38:3 40(base):5", Listed(sizes));
  ZcDbLayerTableRecord* tech = FindLayerIn(reopened, L"^40~");
  ASSERT_TRUE(tech);
  resbuf* xdata = tech->xData(L"Fastrelle_Linetype");
  ASSERT_TRUE(xdata && xdata->rbnext && xdata->rbnext->rbnext);
  EXPECT_EQ(5.0, xdata->rbnext->resval.rreal);
  EXPECT_EQ(1005, xdata->rbnext->rbnext->restype);
  zcutRelRb(xdata);
}

TEST_F(Sizes, FindSizeInDrawingNeedsAllThreeLayers) {
  MakeLayers({L"38", L"38'", L"38~", L"40", L"40'"});
  EXPECT_EQ(L"38", FindSizeInDrawing(Fastrelle_Size(L"38", 1, false)).GetName());
  EXPECT_EQ(L"0", FindSizeInDrawing(Fastrelle_Size(L"40", 1, false)).GetName());
}

}  // namespace
