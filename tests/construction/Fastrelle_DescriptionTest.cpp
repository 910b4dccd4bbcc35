// Inserting a description: the template drawing becomes a block, the reference gets the
// texts with the variables applied, at the scale, in the owner given; an unknown block
// inserts nothing.
#include "construction/Fastrelle_Description.h"
#include "construction/Fastrelle_Part_Description.h"

#include <gtest/gtest.h>

#include "framework/BlockReference.h"
#include "framework/Layers.h"
#include "framework/UI_Block.h"
#include "sizes/SizesFixture.h"

namespace {

class DescriptionTest : public SizesTest {
protected:
  static CString Template() { return CString(Install().Windows("Templates\\PartDescription.dwg").c_str()); }
  static NameValueList Texts(std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> pairs) {
    NameValueList list;
    for (auto& p : pairs) list.Add(p.first, p.second);
    return list;
  }
  static CString Attribute(ZcDbObjectId refId, const wchar_t* tag) {
    ZcDbBlockReference* ref = nullptr;
    if (zcdbOpenObject(ref, refId, ZcDb::kForRead) != Zcad::eOk) return L"<none>";
    ref->close();
    CString text;
    GetAttributeValue(ref, tag, text);
    return text;
  }
};

TEST_F(DescriptionTest, TheTemplateIsInsertedWithItsTextsFilledInAtTheScale) {
  for (const wchar_t* name : {L"38", L"^40"}) {
    ZcDbLayerTableRecord* record = nullptr;
    ASSERT_EQ(0, CreateLayer(name, record));
  }
  Fastrelle_Description d(Template(), Texts({{L"ROZMIARY", L"{ROZMIARY} (baza {ROZMIAR_BAZOWY})"},
                                             {L"MATERIAL", L"Len"}, {L"MODEL", L"{PROJEKT}"}}),
                          1.5);
  ASSERT_EQ(0, d.Insert(ZcGePoint3d(25, 95, 0)));
  ZcDbBlockReference* ref = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(ref, d.ReferenceId(), ZcDb::kForRead));
  EXPECT_EQ(ZcGePoint3d(25, 95, 0), ref->position());
  EXPECT_DOUBLE_EQ(1.5, ref->scaleFactors().sx);
  EXPECT_EQ(db_->currentSpaceId(), ref->ownerId());
  ref->close();
  EXPECT_EQ(CString(L"PartDescription"), GetBlockReferenceName(ref));
  EXPECT_EQ(CString(L"38,40 (baza 40)"), Attribute(d.ReferenceId(), L"ROZMIARY"));
  EXPECT_EQ(CString(L"Len"), Attribute(d.ReferenceId(), L"MATERIAL"));
  EXPECT_EQ(CString(), Attribute(d.ReferenceId(), L"MODEL"));  // a new drawing has no file name
  EXPECT_EQ(CString(L"{CZESC}"), Attribute(d.ReferenceId(), L"CZESC"));  // not in the list: the default
  ZcDbExtents box;  // the texts stay within the frame
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(ref, d.ReferenceId(), ZcDb::kForRead));
  ref->getGeomExtents(box);
  ref->close();
  EXPECT_NEAR(25 + 60, box.maxPoint().x, 1e-9);
  EXPECT_NEAR(95 - 36, box.minPoint().y, 1e-9);
}

TEST_F(DescriptionTest, AnUnknownBlockOrAMissingDrawingInsertsNothing) {
  Fastrelle_Description unknown(L"NoSuchDescription", NameValueList());
  EXPECT_EQ(379, unknown.Insert(ZcGePoint3d(0, 0, 0)));
  Fastrelle_Description missing(Install().Windows("Templates\\Brak.dwg").c_str(), NameValueList());
  EXPECT_EQ(379, missing.Insert(ZcGePoint3d(0, 0, 0)));
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Brak.dwg"));
  TempFolder folder;
  WriteBytes(folder.Native("Zepsuty.dwg"), "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\nx\n");
  Fastrelle_Description malformed(folder.Windows("Zepsuty.dwg").c_str(), NameValueList());
  EXPECT_EQ(379, malformed.Insert(ZcGePoint3d(0, 0, 0)));
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Zepsuty.dwg"));
  EXPECT_TRUE(unknown.ReferenceId().isNull());
  UI_Block model(L"*Model_Space", false);
  ZcDbObjectIdArray ids;
  model.GetEntityIds(ids);
  EXPECT_EQ(0, ids.length());
}

TEST_F(DescriptionTest, APartDescriptionNamesItsPartAndEachCopyItsSize) {
  std::vector<ZcDbObjectId> refs;
  for (const wchar_t* layer : {L"0~", L"38~", L"^40~"}) {
    ZcDbLayerTableRecord* record = nullptr;
    ASSERT_EQ(0, CreateLayer(layer, record));
    Fastrelle_Part_Description d(Template(), Texts({{L"CZESC", L"{CZESC} ({ROZMIAR})"}, {L"ROZMIAR", L"{ROZMIAR}"},
                                                    {L"MODEL", L"{ROZMIARY}"}}));
    d.SetPartName(L"Przód {ROZMIARY}");  // a later token in a value is not replaced again
    ASSERT_EQ(0, d.Insert(ZcGePoint3d(0, 0, 0)));
    ZcDbEntity* e = nullptr;
    ASSERT_EQ(Zcad::eOk, zcdbOpenObject(e, d.ReferenceId(), ZcDb::kForWrite));
    e->setLayer(layer);
    e->close();
    refs.push_back(d.ReferenceId());
  }
  ASSERT_EQ(0, Fastrelle_Part_Description::WriteSizeIntoReferences(L"PartDescription"));
  const wchar_t* sizes[] = {L"0", L"38", L"40"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(CString(L"Przód {ROZMIARY} (") + sizes[i] + L")", Attribute(refs[i], L"CZESC"));
    EXPECT_EQ(CString(sizes[i]), Attribute(refs[i], L"ROZMIAR"));
  }
  EXPECT_EQ(CString(L"38,40"), Attribute(refs[2], L"MODEL"));
}

}  // namespace
