// The warehouse command in the loaded modules, driven as a script drives it: a new layout
// refuses sizes not above 0 and stays open; the border is drawn before the model dialog;
// the model dialog refuses a missing model with 43203 and keeps the content; Cancel ends
// the command without the warehouse; a border already drawn goes straight to the
// warehouse. No window is left on any path.
#include "layout/Warehouse_Cmd.h"

#include "DescriptionFixture.h"
#include "headless/Host.h"
#include "headless/Windows.h"
#include "db/ZcDbSymbolTable.h"
#include "layout/LayoutDrawing.h"
#include "layout/Layout_saver_XData.h"

namespace {

class WarehouseCommand : public DescriptionTest {
protected:
  void SetUp() override {
    DescriptionTest::SetUp();
    ASSERT_TRUE(StartFastrelle(FASTRELLE_INSTALL_DIR));  // the built tree: later tests read it too
    db_ = headless::NewDrawing();
    windows_ = headless::LiveWindowCount();
    headless::ClearTranscript();
  }
  void TearDown() override {
    EXPECT_EQ(windows_, headless::LiveWindowCount()) << "a window outlived the dialog";
    EXPECT_EQ(0u, headless::PendingInput());
    headless::UnloadAllModules();
    DescriptionTest::TearDown();
  }
  // A model drawing with the size layers 38 and ^40 and the parts A (mirrored) and B.
  CString Model() {
    ZcDbLayerTable* table = nullptr;
    db_->getLayerTable(table, ZcDb::kForWrite);
    for (const wchar_t* name : {L"38", L"^40"}) {
      auto* layer = new ZcDbLayerTableRecord;
      layer->setName(name);
      ZcDbObjectId id;
      table->add(id, layer);
      layer->close();
    }
    table->close();
    return SaveModel("model.dwg", {{L"A", 1, 1}, {L"B", 0, 1}});
  }
  std::size_t windows_ = 0;
};

TEST_F(WarehouseCommand, ANewLayoutNotAboveZeroIsRefusedAndTheBorderComesBeforeTheModel) {
  headless::PushInputs({L"@dlg set 1014 -5", L"@dlg set 1015 300", L"@dlg ok", L"@dlg set 1014 abc", L"@dlg ok",
                        L"@dlg set 1014 150", L"@dlg ok", L"@dlg cancel"});
  headless::RunCommand(L"Fastrelle:Repository");
  const std::wstring said = headless::Transcript();
  std::size_t refused = 0;
  for (std::size_t at = said.find(L"większe od 0"); at != std::wstring::npos; at = said.find(L"większe od 0", at + 1))
    ++refused;
  EXPECT_EQ(2u, refused) << headless::ToUtf8(said);
  Layout measured(0, 0);
  ASSERT_EQ(0, measured.MeasureBorder());
  EXPECT_DOUBLE_EQ(150.0, measured.GetWidth());
  EXPECT_DOUBLE_EQ(300.0, measured.GetLength());
}

TEST_F(WarehouseCommand, AMissingModelIsNamedAndTheContentStays) {
  headless::PushInputs({L"@dlg set 1014 150", L"@dlg set 1015 300", L"@dlg ok", L"@dlg set 1006 nosuch.dwg",
                        L"@dlg ok", L"@dlg ok", L"@dlg cancel"});
  headless::RunCommand(L"Fastrelle:Repository");
  const std::wstring said = headless::Transcript();
  EXPECT_EQ(2u, [&] {
    std::size_t n = 0;
    for (std::size_t at = said.find(L"nosuch.dwg nie został"); at != std::wstring::npos;
         at = said.find(L"nosuch.dwg nie został", at + 1))
      ++n;
    return n;
  }()) << headless::ToUtf8(said);
  EXPECT_EQ(std::wstring::npos, said.find(L"materiału")) << headless::ToUtf8(said);
  EXPECT_EQ(0u, Layout().GetItemCount());
}

TEST_F(WarehouseCommand, TheModelsPartsInItsSizesBecomeTheBordersContentAndTheWarehouseListsThem) {
  const CString path = Model();
  headless::PushInputs({L"@dlg set 1014 150", L"@dlg set 1015 300", L"@dlg ok", L"@dlg browse 1006",
                        L"@file " + std::wstring(path.str()), L"@dlg ok", L"@dlg show", L"@dlg cancel"});
  headless::RunCommand(L"Fastrelle:Repository");
  Layout_saver_XData content(Layout(0, 0));
  content.SetTarget(FindTaggedPolyline(L"Layout"));
  content.Load();
  ASSERT_EQ(4u, content.GetItemCount());
  EXPECT_EQ(CString(L"A"), content.GetItem(0).m_part.GetName());
  EXPECT_EQ(CString(L"38"), content.GetItem(0).m_size);
  EXPECT_EQ(CString(L"40"), content.GetItem(1).m_size);
  EXPECT_EQ(1, content.GetItem(1).m_quantity);  // "DefaultPartQuantity"
  EXPECT_EQ(2, content.GetItem(3).m_lines);
  const std::wstring said = headless::Transcript();
  EXPECT_NE(std::wstring::npos, said.find(L"1:1")) << headless::ToUtf8(said);
}

TEST_F(WarehouseCommand, ABorderAlreadyDrawnGoesStraightToTheWarehouse) {
  Border(150, 300);
  headless::PushInputs({L"@dlg show", L"@dlg cancel"});
  headless::RunCommand(L"Fastrelle:Repository");
  const std::wstring said = headless::Transcript();
  EXPECT_NE(std::wstring::npos, said.find(L"Ilość elementów")) << headless::ToUtf8(said);
}

}  // namespace
