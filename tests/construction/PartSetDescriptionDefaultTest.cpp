// The set description: its block, the summary table of the drawing's parts and the free
// text stack downwards from the picked point by the settings' gap; without its template
// the table stands at the picked point and the text below it.
#include "construction/PartSetDescriptionDefault.h"

#include "MarkingFixture.h"
#include "db/ZcDbMText.h"
#include "db/ZcDbTable.h"

namespace {

class SetDescription : public MarkingTest {
protected:
  template <class T>
  static T* Read(ZcDbObjectId id) {
    T* object = nullptr;
    if (zcdbOpenObject(object, id, ZcDb::kForRead) != Zcad::eOk) return nullptr;
    object->close();
    return object;
  }
  void SetUp() override {
    MarkingTest::SetUp();
    Fastrelle_Part_Drawer front(L"Przód", 1);
    front.BuildFromCurves(Square());
    front.SetQuantity(2);
  }
};

TEST_F(SetDescription, TheBlockTableAndTextStackDownwardsByTheGap) {
  PartSetDescriptionDefault set;
  set.m_templatePath = Templates("PartSetDescription.dwg").c_str();
  set.m_attributes.Add(L"KLIENT", L"Atelier");
  set.m_attributes.Add(L"ROZMIARY", L"{ROZMIARY}");
  set.m_scale = 5.0;
  set.m_text = L"Próba pierwsza";
  ASSERT_EQ(0, set.Insert(ZcGePoint3d(150, 150, 0)));
  ASSERT_EQ(3, set.m_inserted.length());

  ZcDbBlockReference* block = Read<ZcDbBlockReference>(set.m_descriptionId);
  ASSERT_NE(nullptr, block);
  EXPECT_EQ(ZcGePoint3d(150, 150, 0), block->position());
  EXPECT_DOUBLE_EQ(5.0, block->scaleFactors().sx);
  CString text;
  GetAttributeValue(block, L"KLIENT", text);
  EXPECT_EQ(CString(L"Atelier"), text);
  GetAttributeValue(block, L"ROZMIARY", text);
  EXPECT_EQ(CString(L"38,40"), text);

  ZcDbTable* table = Read<ZcDbTable>(set.m_tableId);
  ASSERT_NE(nullptr, table);
  EXPECT_NEAR(0.0, table->position().distanceTo(ZcGePoint3d(150, 85, 0)), 1e-6) << table->position().y;  // frame bottom 90
  EXPECT_EQ(std::wstring(L"Przód"), table->textString(2, 1));
  EXPECT_EQ(std::wstring(L"2"), table->textString(2, 4));
  EXPECT_EQ(std::wstring(L"4"), table->textString(3, 4));

  ZcDbMText* mtext = Read<ZcDbMText>(set.m_textId);
  ASSERT_NE(nullptr, mtext);
  EXPECT_NEAR(0.0, mtext->location().distanceTo(ZcGePoint3d(150, 52, 0)), 1e-6) << mtext->location().y;
  EXPECT_DOUBLE_EQ(5.0, mtext->textHeight());
}

TEST_F(SetDescription, WithoutItsTemplateTheTableStandsAtThePickedPointAndTheTextBelow) {
  PartSetDescriptionDefault set;
  set.m_templatePath = L"C:\\no\\such\\Set.dwg";
  set.m_text = L"Uwagi";
  EXPECT_NE(0, set.Insert(ZcGePoint3d(10, 20, 0)));
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"C:\\no\\such\\Set.dwg"));
  EXPECT_TRUE(set.m_descriptionId.isNull());
  ZcDbTable* table = Read<ZcDbTable>(set.m_tableId);
  ASSERT_NE(nullptr, table);
  EXPECT_EQ(ZcGePoint3d(10, 20, 0), table->position());
  ZcDbMText* mtext = Read<ZcDbMText>(set.m_textId);
  ASSERT_NE(nullptr, mtext);
  EXPECT_NEAR(10.0, mtext->location().x, 1e-9);
  EXPECT_NEAR(20.0 - table->height() - 5.0, mtext->location().y, 1e-9);
}

}  // namespace
