// The warehouse dialog in the loaded modules, driven as a script drives it over a model
// drawing of the part "Front" in sizes 38 and 40: a double-click on a size cell places one
// piece of that size, insert-all places every piece still to place, each inside the border
// and clear of the others; the remove button takes the selected row out of the saved
// content. No window is left on any path.
#include "layout/Warehouse2018_dlg.h"

#include "PieceFixture.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbExtents.h"
#include "framework/Folders.h"
#include "framework/Tagged.h"
#include "headless/Windows.h"
#include "layout/LayoutDrawing.h"
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
  void RunWarehouse(std::vector<std::wstring> actions) {
    std::vector<std::wstring> lines = {L"@dlg set 1014 200", L"@dlg set 1015 600",  L"@dlg ok",
                                       L"@dlg browse 1006",  L"@file " + std::wstring(model_.str()), L"@dlg ok"};
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
