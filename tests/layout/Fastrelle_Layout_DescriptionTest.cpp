// The layout's label: the layout variables come after the part variables and show the
// layout's measures in the shipped formats; the label is the shipped template filled in
// at the point and scale; a block that is not there inserts nothing and says 47.
#include "layout/Fastrelle_Layout_Description.h"

#include "DescriptionFixture.h"
#include "layout/Fastrelle_Desc_LayoutVars.h"

namespace {

using LayoutDescription = DescriptionTest;

// Two mirrored pieces 100 × 40 side by side on a fabric 150 wide: used length 210, area
// 8000 over 150 × 210, one garment.
TEST_F(LayoutDescription, TheLayoutVariablesFollowThePartVariablesAndShowTheMeasures) {
  Border(150, 800);
  Place(KeyedPiece(L"spodnie|Przód|38|R|C", 100, 40), {0, 0, 0});
  Place(KeyedPiece(L"spodnie|Przód|38|L|C", 100, 40), {110, 0, 0});
  Fastrelle_Desc_LayoutVars vars;
  ASSERT_EQ(10, vars.GetCount());
  EXPECT_EQ(CString(L"{PROJEKT}"), vars.GetAt(0).GetName());
  EXPECT_EQ(CString(L"{ILOSC_ELEMENTOW}"), vars.GetAt(5).GetName());
  EXPECT_EQ(CString(L"{ZUZYCIE_NA_SZTUKE}"), vars.GetAt(9).GetName());
  EXPECT_EQ(CString(L"2|25.4 %|150.00|210.00|210.00"),
            vars.Substitute(L"{ILOSC_ELEMENTOW}|{EFEKTYWNOSC}|{SZEROKOSC}|{DLUGOSC}|{ZUZYCIE_NA_SZTUKE}"));
}

TEST_F(LayoutDescription, WithoutABorderEveryMeasureIsZero) {
  Fastrelle_Desc_LayoutVars vars;
  EXPECT_EQ(CString(L"0 0.0 % 0.00 0.00 0.00"),
            vars.Substitute(L"{ILOSC_ELEMENTOW} {EFEKTYWNOSC} {SZEROKOSC} {DLUGOSC} {ZUZYCIE_NA_SZTUKE}"));
}

TEST_F(LayoutDescription, TheShippedTemplateIsInsertedFilledInAtThePointAndScale) {
  Border(150, 800);
  Place(KeyedPiece(L"a|P|38|S|C", 100, 40), {0, 0, 0});
  UI_Block block(Plot_Settings().GetPath(L"LayoutDescriptionDefaultName"), true);
  ASSERT_NE(nullptr, block.Record());
  NameValueList defaults;
  ASSERT_EQ(0, block.GetAttributeDefaults(defaults));
  Fastrelle_Layout_Description label(Plot_Settings().GetPath(L"LayoutDescriptionDefaultName"), defaults, 2.0);
  ASSERT_EQ(0, label.Insert(ZcGePoint3d(0, -100, 0)));
  ZcDbBlockReference* ref = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(ref, label.ReferenceId(), ZcDb::kForRead));
  EXPECT_EQ(ZcGePoint3d(0, -100, 0), ref->position());
  EXPECT_DOUBLE_EQ(2.0, ref->scaleFactors().sx);
  ref->close();
  EXPECT_EQ(CString(L"LayoutDescription"), GetBlockReferenceName(ref));
  EXPECT_EQ(CString(L"150.00"), Attribute(label.ReferenceId(), L"SZEROKOSC"));
  EXPECT_EQ(CString(L"100.00"), Attribute(label.ReferenceId(), L"DLUGOSC"));
  EXPECT_EQ(CString(L"26.7 %"), Attribute(label.ReferenceId(), L"EFEKTYWNOSC"));
  EXPECT_EQ(CString(L"1"), Attribute(label.ReferenceId(), L"ELEMENTY"));
  EXPECT_EQ(CString(L"100.00"), Attribute(label.ReferenceId(), L"NA_SZTUKE"));
  const ZcDbExtents box = Box(label.ReferenceId());  // the frame, doubled, hangs below the point
  EXPECT_NEAR(120, box.maxPoint().x, 1e-9);
  EXPECT_NEAR(-136, box.minPoint().y, 1e-9);
}

TEST_F(LayoutDescription, AMissingBlockInsertsNothingAndSays47) {
  Fastrelle_Layout_Description unknown(L"NoSuchLabel", NameValueList());
  EXPECT_EQ(47, unknown.Insert(ZcGePoint3d(0, 0, 0)));
  Fastrelle_Layout_Description missing(PathOf("Brak.dwg"), NameValueList());
  EXPECT_EQ(47, missing.Insert(ZcGePoint3d(0, 0, 0)));
  ZcDbObjectIdArray ids;
  GetModelSpaceBlock().GetEntityIds(ids);
  EXPECT_EQ(0, ids.length());
}

}  // namespace
