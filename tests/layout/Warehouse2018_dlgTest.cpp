// The warehouse dialog in the loaded modules, driven as a script drives it over a model
// drawing of the part "Front" in sizes 38 and 40: a double-click on a size cell places one
// piece of that size while the cell has one left, insert-all places every piece still to
// place, each inside the border and clear of the others; the remove button takes the
// selected row out of the saved content. No window is left on any path.
#include "layout/Warehouse2018_dlg.h"

#include "PieceFixture.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbExtents.h"
#include "framework/Folders.h"
#include "framework/Tagged.h"
#include "framework/XData.h"
#include "headless/Windows.h"
#include "layout/LayoutDrawing.h"
#include "layout/Layout_drawer.h"
#include "layout/Layout_saver_XData.h"

namespace {

class WarehouseDialog : public PieceTest {
protected:
  static constexpr double kWidth = 200.0, kLength = 600.0;  // the border: Y, X

  void SetUp() override {
    PieceTest::SetUp();
    GetInstallPath();  // this program's install folder stays the shared one, not the module's copy
    ASSERT_TRUE(StartFastrelle(FreshInstall()));
    DrawModelPart(L"Front");
    model_ = SaveModel("model.dwg");
    windows_ = headless::LiveWindowCount();
    headless::ClearTranscript();
  }
  void TearDown() override {
    EXPECT_EQ(windows_, headless::LiveWindowCount()) << "a window outlived the dialog";
    EXPECT_EQ(0u, headless::PendingInput());
    headless::UnloadAllModules();
    PieceTest::TearDown();
  }
  /// Runs the warehouse over a new border holding the model, then the user's `actions`
  /// in the warehouse, then closes it.
  void RunWarehouse(std::vector<std::wstring> actions, const std::wstring& material = L"") {
    std::vector<std::wstring> lines = {L"@dlg set 1014 200", L"@dlg set 1015 600", L"@dlg ok", L"@dlg browse 1006",
                                       L"@file " + std::wstring(model_.str())};
    if (!material.empty()) lines.push_back(L"@dlg select 1005 " + material);
    lines.push_back(L"@dlg ok");
    lines.insert(lines.end(), actions.begin(), actions.end());
    lines.push_back(L"@dlg show");
    lines.push_back(L"@dlg cancel");
    headless::PushInputs(lines);
    headless::RunCommand(L"Fastrelle:Repository");
  }
  /// The boxes of the placed pieces: references in model space of blocks tagged as pieces.
  std::vector<ZcDbExtents> Pieces() {
    std::vector<ZcDbExtents> boxes;
    ZcDbBlockTableRecord* space = nullptr;
    EXPECT_EQ(Zcad::eOk, zcdbOpenObject(space, db_->currentSpaceId(), ZcDb::kForRead));
    ZcDbBlockTableRecordIterator* it = nullptr;
    space->newIterator(it);
    for (; !it->done(); it->step()) {
      ZcDbEntity* e = nullptr;
      if (it->getEntity(e, ZcDb::kForRead) != Zcad::eOk) continue;
      if (auto* reference = dynamic_cast<ZcDbBlockReference*>(e)) {
        if (Tagged(reference->blockTableRecord(), kLayoutApplication).HasTag(kFormTag)) {
          ZcDbExtents box;
          reference->getGeomExtents(box);
          boxes.push_back(box);
        }
      }
      e->close();
    }
    delete it;
    space->close();
    return boxes;
  }
  /// Each piece lies inside the border and no two pieces' boxes share area.
  void ExpectInsideAndApart(const std::vector<ZcDbExtents>& boxes) {
    const double tol = 1e-6;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      const ZcDbExtents& a = boxes[i];
      EXPECT_GE(a.minPoint().x, -tol);
      EXPECT_GE(a.minPoint().y, -tol);
      EXPECT_LE(a.maxPoint().x, kLength + tol);
      EXPECT_LE(a.maxPoint().y, kWidth + tol);
      for (std::size_t j = i + 1; j < boxes.size(); ++j) {
        const ZcDbExtents& b = boxes[j];
        const bool apart = a.maxPoint().x <= b.minPoint().x + tol || b.maxPoint().x <= a.minPoint().x + tol ||
                           a.maxPoint().y <= b.minPoint().y + tol || b.maxPoint().y <= a.minPoint().y + tol;
        EXPECT_TRUE(apart) << "pieces " << i << " and " << j << " overlap";
      }
    }
  }
  /// The content items as stored on the border.
  std::size_t StoredItems() {
    XDataReader stored;
    if (GetXData(stored, FindTaggedPolyline(L"Layout"), L"Fastrelle_Layout_Content") != Zcad::eOk) return 0;
    std::size_t n = 0;
    for (const resbuf* rb = stored.Head()->rbnext; rb; rb = rb->rbnext) ++n;
    return n;
  }
  Layout_saver_XData Content() {
    Layout_saver_XData content(Layout(0, 0));
    content.SetTarget(FindTaggedPolyline(L"Layout"));
    if (!content.GetTarget().isNull()) content.Load();
    return content;
  }

  CString model_;
  std::size_t windows_ = 0;
};

TEST_F(WarehouseDialog, ADoubleClickOnASizeCellPlacesOnePieceOfThatSizeInsideTheBorder) {
  RunWarehouse({L"@dlg dblclick 12000 model 2"});
  const std::vector<ZcDbExtents> boxes = Pieces();
  ASSERT_EQ(1u, boxes.size()) << headless::ToUtf8(headless::Transcript());
  ExpectInsideAndApart(boxes);
  EXPECT_EQ(2u, Content().GetItemCount()) << "placing a piece changes no item of the content";
}

TEST_F(WarehouseDialog, ADoubleClickOnACellWithNothingLeftPlacesNothing) {
  // Each size asks for one piece: the second double-click on a cell finds none left.
  RunWarehouse({L"@dlg dblclick 12000 model 2", L"@dlg dblclick 12000 model 2", L"@dlg dblclick 12000 model 3",
                L"@dlg dblclick 12000 model 3", L"@dlg click 1016"});
  const std::vector<ZcDbExtents> boxes = Pieces();
  EXPECT_EQ(2u, boxes.size()) << headless::ToUtf8(headless::Transcript());
  ExpectInsideAndApart(boxes);
}

TEST_F(WarehouseDialog, InsertAllPlacesEveryPieceInsideTheBorderApart) {
  RunWarehouse({L"@dlg click 1016"});
  const std::vector<ZcDbExtents> boxes = Pieces();
  ASSERT_EQ(2u, boxes.size()) << headless::ToUtf8(headless::Transcript());
  ExpectInsideAndApart(boxes);
}

TEST_F(WarehouseDialog, InsertAllAfterOnePlacedByHandPlacesOnlyTheRest) {
  RunWarehouse({L"@dlg dblclick 12000 model 3", L"@dlg click 1016", L"@dlg click 1016"});
  const std::vector<ZcDbExtents> boxes = Pieces();
  ASSERT_EQ(2u, boxes.size()) << headless::ToUtf8(headless::Transcript());
  ExpectInsideAndApart(boxes);
}

TEST_F(WarehouseDialog, TheModelDialogTakesOnlyThePartsOfTheChosenMaterialAndSaysWhenThereAreNone) {
  // A second model: "Front" of linen, "Back" of wool, and a description of silk on no part.
  DrawModelPart(L"Front");
  DrawModelPart(L"Back", 30.0, 300.0, L"Wełna");
  ZcDbObjectId loose;
  ASSERT_EQ(0, InsertBlock(DescriptionBlock(), ZcGePoint3d(600, 40, 0), 1.0, 0.0, &loose));
  SetAttributeValue(Read<ZcDbBlockReference>(loose), L"MATERIAL", L"Jedwab");
  model_ = SaveModel("materials.dwg");
  const std::wstring none = L"W modelu nie ma części z wybranego materiału.";
  // Silk: no part, the alert, nothing taken, and the warehouse opens all the same.
  RunWarehouse({L"@dlg click 12011", L"@dlg select 1005 Wełna", L"@dlg ok"}, L"Jedwab");
  const std::wstring said = headless::Transcript();
  const std::size_t alert = said.find(none);
  ASSERT_NE(std::wstring::npos, alert) << headless::ToUtf8(said);
  EXPECT_EQ(std::wstring::npos, said.find(none, alert + 1)) << headless::ToUtf8(said);
  EXPECT_LT(said.find(L"[Dialog 136 ended: 1]", alert), said.find(L"@dlg click 12011")) << "closed with OK";
  // Then wool, through the add button: the back in both sizes, the front not at all.
  Layout_saver_XData content = Content();
  ASSERT_EQ(2u, content.GetItemCount()) << headless::ToUtf8(said);
  for (unsigned i = 0; i < content.GetItemCount(); ++i)
    EXPECT_EQ(CString(L"Back"), content.GetItem(i).m_part.GetName());
  EXPECT_EQ(2u, StoredItems());
}

TEST_F(WarehouseDialog, AModelPastTheBordersRoomIsNotTakenAndTheModelDialogStaysOpen) {
  ASSERT_EQ(0, Layout_drawer(Layout(kWidth, kLength)).Draw());
  // The border's content filled up to its limit with one size of the model.
  Layout one(0.0, 0.0);
  one.AddItem(LayoutItem(model_, Fastrelle_Part(L"Front"), L"38", 1, 0.0, 2));
  Layout_saver_XData filler(one);
  filler.SetTarget(FindTaggedPolyline(L"Layout"));
  int saved = 0;
  while (saved < 1000 && filler.Save()) ++saved;
  ASSERT_LT(saved, 1000);
  const std::size_t full = StoredItems();
  ASSERT_EQ(static_cast<std::size_t>(saved), full);
  headless::ClearTranscript();
  // Straight to the warehouse; its add button opens the model dialog, whose OK is refused.
  headless::PushInputs({L"@dlg click 12011", L"@dlg browse 1006", L"@file " + std::wstring(model_.str()), L"@dlg ok",
                        L"@dlg cancel", L"@dlg cancel"});
  headless::RunCommand(L"Fastrelle:Repository");
  const std::wstring said = headless::Transcript();
  EXPECT_NE(std::wstring::npos, said.find(L"Nie udało się zapisać zawartości układu na obrysie (model " +
                                          std::wstring(model_.str())))
      << headless::ToUtf8(said);
  EXPECT_EQ(full, StoredItems());
  EXPECT_EQ(0u, headless::PendingInput()) << "the model dialog closed on the refused save";
}

TEST_F(WarehouseDialog, RemoveTakesTheSelectedPartOutOfTheSavedContent) {
  RunWarehouse({L"@dlg select 12000 model", L"@dlg click 1013"});
  EXPECT_EQ(0u, Content().GetItemCount()) << headless::ToUtf8(headless::Transcript());
  EXPECT_TRUE(Pieces().empty());
}

TEST_F(WarehouseDialog, RemoveWithNoRowSelectedKeepsTheContent) {
  RunWarehouse({L"@dlg click 1013"});
  EXPECT_EQ(2u, Content().GetItemCount()) << headless::ToUtf8(headless::Transcript());
}

}  // namespace
