// A description put into a part: it joins the part in every size, each copy naming the
// part and its own size; at a point in no part it says so and leaves nothing behind.
#include "construction/Fastrelle_Part_Description.h"

#include "PartsFixture.h"
#include "construction/Fastrelle_Part_Drawer.h"
#include "db/ZcDbText.h"
#include "framework/BlockReference.h"
#include "framework/Selections.h"
#include "framework/UI_Block.h"
#include "headless/Database.h"

namespace {

class PartDescription : public PartsTest {
protected:
  static CString Template() { return CString(Install().Windows("Templates\\PartDescription.dwg").c_str()); }
  static NameValueList Texts() {
    NameValueList list;
    list.Add(L"CZESC", L"{CZESC}");
    list.Add(L"ROZMIAR", L"{ROZMIAR}");
    return list;
  }
  /// The description references among the members of group `name`.
  std::vector<ZcDbBlockReference*> Descriptions(const wchar_t* name) {
    std::vector<ZcDbBlockReference*> refs;
    for (ZcDbObjectId id : Members(name)) {
      ZcDbBlockReference* ref = nullptr;
      if (zcdbOpenObject(ref, id, ZcDb::kForRead) != Zcad::eOk) continue;
      ref->close();
      if (GetBlockReferenceName(ref) == L"PartDescription") refs.push_back(ref);
    }
    return refs;
  }
  static CString Text(ZcDbBlockReference* ref, const wchar_t* tag) {
    CString text;
    GetAttributeValue(ref, tag, text);
    return text;
  }
};

TEST_F(PartDescription, ADescriptionInAPartLandsInEverySizeOnItsTechLayerWithThatSize) {
  Fastrelle_Part_Drawer(L"Przód", 0).BuildFromCurves(Square());
  Fastrelle_Part_Drawer(L"Tył", 0).BuildFromCurves(Square(200));
  Fastrelle_Part_Description d(Template(), Texts(), 1.5);
  ASSERT_EQ(0, d.InsertIntoPart(ZcGePoint3d(30, 60, 0)));
  const struct {
    const wchar_t *group, *layer, *size;
  } sizes[] = {{L"Przód|0", L"0~", L"0"}, {L"Przód|38", L"38~", L"38"}, {L"Przód|40", L"^40~", L"40"}};
  for (const auto& s : sizes) {
    std::vector<ZcDbBlockReference*> refs = Descriptions(s.group);
    ASSERT_EQ(1u, refs.size()) << s.group;
    EXPECT_EQ(CString(s.layer), refs[0]->layer());
    EXPECT_EQ(ZcGePoint3d(30, 60, 0), refs[0]->position());
    EXPECT_DOUBLE_EQ(1.5, refs[0]->scaleFactors().sx);
    EXPECT_EQ(CString(L"Przód"), Text(refs[0], L"CZESC"));
    EXPECT_EQ(CString(s.size), Text(refs[0], L"ROZMIAR"));
  }
  EXPECT_TRUE(Descriptions(L"Tył|38").empty());
  EXPECT_EQ(3, GetBlockReferenceIdsByName(L"PartDescription").length());  // none left outside the part
}

TEST_F(PartDescription, ASecondDescriptionLeavesTheFirstsReferencesUnopenedForWriteAndUnchanged) {
  Fastrelle_Part_Drawer(L"Przód", 0).BuildFromCurves(Square());
  Fastrelle_Part_Drawer(L"Tył", 0).BuildFromCurves(Square(200));
  ASSERT_EQ(0, Fastrelle_Part_Description(Template(), Texts()).InsertIntoPart(ZcGePoint3d(30, 60, 0)));
  // Hold the first description's reference in size 38 and its attributes open for read:
  // opening any of them for write (or upgrading) would take over this read.
  std::vector<ZcDbBlockReference*> first = Descriptions(L"Przód|38");
  ASSERT_EQ(1u, first.size());
  ZcDbBlockReference* ref = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(ref, first[0]->objectId(), ZcDb::kForRead));
  std::vector<ZcDbAttribute*> held;
  std::vector<std::wstring> before;
  for (ZcDbObjectId id : ref->attributeIds()) {
    ZcDbAttribute* attribute = nullptr;
    ASSERT_EQ(Zcad::eOk, zcdbOpenObject(attribute, id, ZcDb::kForRead));
    held.push_back(attribute);
    before.push_back(attribute->textString());
  }
  ASSERT_FALSE(held.empty());
  const int strays = headless::StrayCloses();

  Fastrelle_Part_Description second(Template(), Texts());
  ASSERT_EQ(0, second.InsertIntoPart(ZcGePoint3d(230, 60, 0)));

  EXPECT_EQ(ZcDb::kForRead, ref->openMode());
  EXPECT_EQ(1, ref->numReaders());
  for (std::size_t i = 0; i < held.size(); ++i) {
    EXPECT_EQ(ZcDb::kForRead, held[i]->openMode()) << i;
    EXPECT_EQ(1, held[i]->numReaders()) << i;
    EXPECT_EQ(before[i], held[i]->textString()) << i;  // byte-identical
    EXPECT_EQ(Zcad::eOk, held[i]->close());
  }
  EXPECT_EQ(Zcad::eOk, ref->close());
  EXPECT_EQ(strays, headless::StrayCloses());
  EXPECT_EQ(CString(L"38"), Text(first[0], L"ROZMIAR"));
  const struct {
    const wchar_t *group, *size;
  } sizes[] = {{L"Tył|0", L"0"}, {L"Tył|38", L"38"}, {L"Tył|40", L"40"}};
  for (const auto& s : sizes) {  // the new one's copies each got their own size
    std::vector<ZcDbBlockReference*> refs = Descriptions(s.group);
    ASSERT_EQ(1u, refs.size()) << s.group;
    EXPECT_EQ(CString(L"Tył"), Text(refs[0], L"CZESC"));
    EXPECT_EQ(CString(s.size), Text(refs[0], L"ROZMIAR"));
  }
}

TEST_F(PartDescription, APointInNoPartSaysSoAndLeavesNothing) {
  Fastrelle_Part_Drawer(L"Przód", 0).BuildFromCurves(Square());
  const std::size_t drawn = ModelSpace().size();
  const int members = Members(L"Przód|38").length();
  Fastrelle_Part_Description d(Template(), Texts());
  EXPECT_EQ(374, d.InsertIntoPart(ZcGePoint3d(500, 500, 0)));
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"nie leży w żadnej części"));
  EXPECT_EQ(drawn, ModelSpace().size());
  EXPECT_EQ(members, Members(L"Przód|38").length());
  EXPECT_TRUE(d.ReferenceId().isNull());
  EXPECT_EQ(nullptr, UI_Block(L"PartDescription", false).Record());  // not even the block is defined
}

}  // namespace
