// The layout-label dialog run by its command in the loaded modules: its rows show the
// layout's values, "Wstaw" inserts the label at the point given with the size chosen and
// the texts as edited, and stays open; a cancelled point inserts nothing; a template
// that is not there is named with 47 (eInvalidSymbolTableName) and nothing is inserted.
#include "layout/Layout_Label_dlg.h"

#include "DescriptionFixture.h"
#include "headless/Host.h"
#include "headless/Windows.h"

namespace {

class LayoutLabelDialog : public DescriptionTest {
protected:
  void Start(bool withTemplate) {
    if (!withTemplate) std::filesystem::rename(Template(), Template().string() + ".away");
    ASSERT_TRUE(StartFromProgramInstall());
    db_ = headless::NewDrawing();
    windows_ = headless::LiveWindowCount();
  }
  void TearDown() override {
    EXPECT_EQ(windows_, headless::LiveWindowCount()) << "a window outlived the dialog";
    headless::UnloadAllModules();
    std::error_code ec;
    std::filesystem::rename(Template().string() + ".away", Template(), ec);  // back for the next test
    DescriptionTest::TearDown();
  }
  static std::filesystem::path Template() { return ProgramInstall() / "Templates" / "LayoutDescription.dwg"; }
  std::size_t windows_ = 0;
};

TEST_F(LayoutLabelDialog, WstawInsertsTheLabelWithTheLayoutsValuesAsOftenAsPressed) {
  Start(true);
  Border(150, 800);
  Place(KeyedPiece(L"a|P|38|S|C", 100, 40), {0, 0, 0});
  headless::PushInputs({L"@dlg prop 12010 #2 2", L"@dlg prop 12010 #1/ELEMENTY sztuk: 1", L"@dlg ok", L"0,-100",
                        L"@dlg ok", L"", L"@dlg cancel"});
  headless::RunCommand(L"Fastrelle:Układ:Opisz");
  const ZcDbObjectIdArray labels = ReferencesOf(L"LayoutDescription");
  ASSERT_EQ(1, labels.length());  // the second "Wstaw" got no point
  ZcDbBlockReference* ref = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(ref, labels[0], ZcDb::kForRead));
  EXPECT_EQ(ZcGePoint3d(0, -100, 0), ref->position());
  EXPECT_DOUBLE_EQ(2.0, ref->scaleFactors().sx);
  ref->close();
  EXPECT_EQ(CString(L"150.00"), Attribute(labels[0], L"SZEROKOSC"));
  EXPECT_EQ(CString(L"100.00"), Attribute(labels[0], L"DLUGOSC"));
  EXPECT_EQ(CString(L"26.7 %"), Attribute(labels[0], L"EFEKTYWNOSC"));
  EXPECT_EQ(CString(L"sztuk: 1"), Attribute(labels[0], L"ELEMENTY"));
  EXPECT_EQ(0u, headless::PendingInput());
}

TEST_F(LayoutLabelDialog, AMissingTemplateIsShownWith47AndNothingIsInserted) {
  Start(false);
  Border(150, 800);
  headless::PushInputs({L"@dlg ok", L"0,-100", L"@dlg cancel"});
  headless::RunCommand(L"Fastrelle:Layout:Label");
  ZcDbObjectIdArray ids;
  GetModelSpaceBlock().GetEntityIds(ids);
  EXPECT_EQ(1, ids.length());  // the border alone
  const std::wstring said = headless::Transcript();
  EXPECT_NE(std::wstring::npos, said.find(L"LayoutDescription.dwg es: eInvalidSymbolTableName")) << headless::ToUtf8(said);
}

}  // namespace
