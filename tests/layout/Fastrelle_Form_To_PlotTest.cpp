// Piece blocks built from a model drawing: the lines of the line choice copied, grade
// points and descriptions left behind, the grain turned onto X, the sides mirrored, the
// piece centred and filled, tagged; built once; failures that leave no block behind.
#include "layout/Fastrelle_Form_To_Plot.h"

#include "PieceFixture.h"
#include "db/ZcDbOpaqueEntity.h"
#include "db/ZcDbSortentsTable.h"
#include "framework/Tagged.h"

namespace {

class FormToPlot : public PieceTest {
protected:
  Fastrelle_Form_To_Plot Piece(const CString& model, int side, int lines, const wchar_t* size = L"38") {
    Fastrelle_Form_To_Plot piece(0.0);
    piece.m_modelPath = model;
    piece.m_sizeName = size;
    piece.m_side = side;
    piece.m_lines = lines;
    return piece;
  }
  static bool HasTag(ZcDbObjectId block, const CString& tag) { return Tagged(block, L"Fastrelle_Layout").HasTag(tag); }
  static std::wstring Transcript() { return headless::Transcript(); }
};

TEST_F(FormToPlot, CutLinesComeTurnedOntoTheGrainCentredFilledAndTagged) {
  DrawModelPart(L"Front");
  CString model = SaveModel("model.dwg");
  Fastrelle_Form_To_Plot piece = Piece(model, 0, 0);
  ASSERT_EQ(0, piece.LoadPart(L"Front"));
  EXPECT_EQ(L"model|Front|38|S|C", piece.GetBlockName());
  ZcDbObjectId block = BlockId(L"model|Front|38|S|C");
  ASSERT_TRUE(block.isValid());
  EXPECT_EQ(block, piece.m_blockId);
  EXPECT_TRUE(HasTag(block, L"Form"));
  EXPECT_TRUE(HasTag(block, L"model=" + model));
  EXPECT_TRUE(HasTag(block, L"material=Len"));

  int cut = 0, tech = 0, leaders = 0, regions = 0;
  for (ZcDbObjectId id : Entities(block)) {
    auto* e = Read<ZcDbEntity>(id);
    EXPECT_EQ(nullptr, dynamic_cast<ZcDbBlockReference*>(e)) << "grade points and descriptions stay in the model";
    EXPECT_NE(L"38", e->layer()) << "no seam line with cut lines only";
    cut += e->layer() == L"38'" && !dynamic_cast<ZcDbRegion*>(e);
    tech += e->layer() == L"38~";
    leaders += dynamic_cast<ZcDbLeader*>(e) != nullptr;
    regions += dynamic_cast<ZcDbRegion*>(e) != nullptr;
  }
  EXPECT_EQ(4, cut);
  EXPECT_EQ(1, tech);
  EXPECT_EQ(1, leaders);
  EXPECT_EQ(1, regions);
  ZcDbSortentsTable* order = nullptr;
  ZcDbBlockTableRecord* record = nullptr;
  ASSERT_EQ(0, zcdbOpenObject(record, block, ZcDb::kForWrite));
  ASSERT_EQ(0, record->getSortentsTable(order, ZcDb::kForRead));
  ZcDbObjectIdArray drawn;
  order->getFullDrawOrder(drawn);
  order->close();
  record->close();
  EXPECT_EQ(drawn[0].objectClass(), ZcDbRegion::desc()) << "the fill lies under the lines";

  ZcGeVector3d grain = piece.GetDirection();
  EXPECT_NEAR(0.0, grain.y, 1e-9);
  EXPECT_GT(grain.x, 0.0);
  ZcDbExtents box = Box(block);
  EXPECT_NEAR(0.0, box.minPoint().x + box.maxPoint().x, 1e-9);
  EXPECT_NEAR(0.0, box.minPoint().y + box.maxPoint().y, 1e-9);
  EXPECT_NEAR(kCutArea, piece.GetArea(), 1e-6);
}

TEST_F(FormToPlot, EachLineChoiceCopiesItsLayersAndFillsItsOutline) {
  DrawModelPart(L"Front");
  CString model = SaveModel("model.dwg");
  Fastrelle_Form_To_Plot seam = Piece(model, 0, 1), both = Piece(model, 0, 2, L"40");
  ASSERT_EQ(0, seam.LoadPart(L"Front"));
  ASSERT_EQ(0, both.LoadPart(L"Front"));
  EXPECT_EQ(L"model|Front|40|S|B", both.GetBlockName());
  EXPECT_NEAR(kSeamArea, seam.GetArea(), 1e-6);
  EXPECT_NEAR(kCutArea, both.GetArea(), 1e-6);
  EXPECT_TRUE(Ends(seam.m_blockId, L"38'").empty());
  EXPECT_EQ(8u, Ends(seam.m_blockId, L"38").size());
  EXPECT_EQ(8u, Ends(both.m_blockId, L"^40").size());
  EXPECT_EQ(8u, Ends(both.m_blockId, L"^40'").size());
}

TEST_F(FormToPlot, SidesLAndBAreMirrorsAboutTheGrainOfSideS) {
  DrawModelPart(L"Front");
  CString model = SaveModel("model.dwg");
  Fastrelle_Form_To_Plot s = Piece(model, 0, 0), l = Piece(model, 1, 0), b = Piece(model, 4, 0);
  ASSERT_EQ(0, s.LoadPart(L"Front"));
  ASSERT_EQ(0, l.LoadPart(L"Front"));
  ASSERT_EQ(0, b.LoadPart(L"Front"));
  std::vector<ZcGePoint3d> straight = Ends(s.m_blockId, L"38'");
  std::vector<ZcGePoint3d> left = Ends(l.m_blockId, L"38'"), bottom = Ends(b.m_blockId, L"38'");
  ASSERT_EQ(8u, straight.size());
  ASSERT_EQ(8u, left.size());
  ASSERT_EQ(8u, bottom.size());
  for (const ZcGePoint3d& p : straight) {
    bool mirrored = std::any_of(left.begin(), left.end(), [&](const ZcGePoint3d& q) {
      return std::abs(q.x - p.x) < 1e-7 && std::abs(q.y + p.y) < 1e-7;
    });
    EXPECT_TRUE(mirrored) << p.x << "," << p.y;
  }
  for (std::size_t i = 0; i < left.size(); ++i) {
    EXPECT_NEAR(left[i].x, bottom[i].x, 1e-7);
    EXPECT_NEAR(left[i].y, bottom[i].y, 1e-7);
  }
  EXPECT_NEAR(kCutArea, l.GetArea(), 1e-6);
}

TEST_F(FormToPlot, WithoutGrainLineSideLMirrorsAboutTheHorizontalWithoutNaN) {
  DrawModelPart(L"Front", -1.0);
  CString model = SaveModel("model.dwg");
  Fastrelle_Form_To_Plot s = Piece(model, 0, 0), l = Piece(model, 1, 0);
  ASSERT_EQ(0, s.LoadPart(L"Front"));
  ASSERT_EQ(0, l.LoadPart(L"Front"));
  EXPECT_NE(std::wstring::npos, Transcript().find(L"no grain line"));
  EXPECT_EQ(0.0, l.GetDirection().length());
  std::vector<ZcGePoint3d> straight = Ends(s.m_blockId, L"38'"), left = Ends(l.m_blockId, L"38'");
  ASSERT_EQ(straight.size(), left.size());
  for (const ZcGePoint3d& q : left) {
    ASSERT_TRUE(std::isfinite(q.x) && std::isfinite(q.y));
    bool mirrored = std::any_of(straight.begin(), straight.end(), [&](const ZcGePoint3d& p) {
      return std::abs(q.x - p.x) < 1e-7 && std::abs(q.y + p.y) < 1e-7;
    });
    EXPECT_TRUE(mirrored) << q.x << "," << q.y;
  }
}

TEST_F(FormToPlot, ASecondLoadFindsTheBlockAndBuildsNothing) {
  DrawModelPart(L"Front");
  CString model = SaveModel("model.dwg");
  ASSERT_EQ(0, Piece(model, 2, 0).LoadPart(L"Front"));
  const int blocks = BlockCount();
  const int objects = db_->numObjects();
  Fastrelle_Form_To_Plot again = Piece(model, 2, 0);
  EXPECT_EQ(0, again.LoadPart(L"Front"));
  EXPECT_EQ(BlockId(L"model|Front|38|R|C"), again.m_blockId);
  EXPECT_EQ(blocks, BlockCount());
  EXPECT_EQ(objects, db_->numObjects());
}

TEST_F(FormToPlot, APartGoneFromTheModelShowsItsMessageAndGives22) {
  DrawModelPart(L"Front");
  CString model = SaveModel("model.dwg");
  const int blocks = BlockCount();
  EXPECT_EQ(22, Piece(model, 0, 2).LoadPart(L"Back"));
  ASSERT_EQ(1u, headless::MessageBoxes().size());
  EXPECT_NE(std::wstring::npos, Transcript().find(L"43209"));  // the plot strings are not loaded here
  EXPECT_EQ(blocks, BlockCount());
}

TEST_F(FormToPlot, BadInputIsRefusedWithAMessageAndLeavesNoBlock) {
  DrawModelPart(L"Front");
  CString model = SaveModel("model.dwg");
  const int blocks = BlockCount();
  EXPECT_EQ(3, Piece(model, 0, 2).LoadPart(L""));
  EXPECT_NE(std::wstring::npos, Transcript().find(L"Part name is empty"));
  // A title holding "|" would make a key that does not read back.
  EXPECT_EQ(3, Piece(L"C:\\m\\a|b.dwg", 0, 2).LoadPart(L"Front"));
  EXPECT_NE(std::wstring::npos, Transcript().find(L"a|b.dwg"));
  // A model file that is missing, and one that does not read: named, with the reason.
  EXPECT_EQ(Zcad::eFileNotFound, Piece(CString(folder_.Windows("none.dwg").c_str()), 0, 2).LoadPart(L"Front"));
  EXPECT_NE(std::wstring::npos, Transcript().find(L"none.dwg"));
  WriteBytes(folder_.Native("broken.dwg"), "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\nabc\n");
  EXPECT_EQ(Zcad::eBadDxfFile, Piece(CString(folder_.Windows("broken.dwg").c_str()), 0, 2).LoadPart(L"Front"));
  EXPECT_NE(std::wstring::npos, Transcript().find(L"broken.dwg: line"));
  EXPECT_EQ(blocks, BlockCount());
}

// An entity that cannot be turned (kept as read, like a hatch) fails the build after the
// copy: the block goes, so a later load does not take a half-built piece for a whole one.
TEST_F(FormToPlot, AFailureAfterTheCopyLeavesNoBlockBehind) {
  DrawModelPart(L"Front");
  auto* hatch = new ZcDbOpaqueEntity("HATCH");
  ZcDbObjectIdArray kept;
  kept.append(Add(hatch, L"38"));
  ASSERT_EQ(0, PartSizeGroup(nullptr, L"Front", L"38").AddToGroup(kept));
  CString model = SaveModel("model.dwg");
  const int blocks = BlockCount();
  Fastrelle_Form_To_Plot piece = Piece(model, 0, 2);
  int first = piece.LoadPart(L"Front");
  EXPECT_NE(0, first);
  EXPECT_FALSE(BlockId(piece.GetBlockName()).isValid());
  EXPECT_FALSE(piece.m_blockId.isValid());
  EXPECT_EQ(blocks, BlockCount());
  EXPECT_EQ(first, Piece(model, 0, 2).LoadPart(L"Front")) << "the second load fails alike, it finds no block";
  // The same part in the other size has no such entity and builds.
  EXPECT_EQ(0, Piece(model, 0, 2, L"40").LoadPart(L"Front"));
}

TEST_F(FormToPlot, ModelsSharingAFileTitleDoNotShareBlocks) {
  DrawModelPart(L"Front");
  CString first = SaveModel("a/model.dwg");
  DrawModelPart(L"Front", 90.0);
  CString second = SaveModel("b/model.dwg");
  ASSERT_EQ(0, Piece(first, 0, 2).LoadPart(L"Front"));
  EXPECT_EQ(48, Piece(second, 0, 2).LoadPart(L"Front"));
  std::wstring t = Transcript();
  EXPECT_NE(std::wstring::npos, t.find(first.GetString()));
  EXPECT_NE(std::wstring::npos, t.find(second.GetString()));
  // The same model named with the other separators and case is the same model.
  CString same = first;
  same.Replace(L'\\', L'/');
  same.MakeUpper();
  EXPECT_EQ(0, Piece(same, 0, 2).LoadPart(L"Front"));
}

TEST_F(FormToPlot, APlacedReferenceReadsBackItsKeyAndRotation) {
  DrawModelPart(L"Front");
  CString model = SaveModel("model.dwg");
  ASSERT_EQ(0, Piece(model, 4, 1).LoadPart(L"Front"));
  ZcDbObjectId ref;
  ASSERT_EQ(0, InsertBlock(L"model|Front|38|B|S", ZcGePoint3d(300, 100, 0), 1.0, kPi / 2, &ref));
  Fastrelle_Form_To_Plot placed(ref);
  EXPECT_EQ(0, placed.Status());
  EXPECT_EQ(L"model", placed.m_modelPath);
  EXPECT_EQ(L"38", placed.m_sizeName);
  EXPECT_TRUE(placed.m_partName.IsEmpty());
  EXPECT_EQ(4, placed.m_side);
  EXPECT_EQ(1, placed.m_lines);
  EXPECT_NEAR(90.0, placed.m_rotation, 1e-9);
  EXPECT_NEAR(kSeamArea, placed.GetArea(), 1e-6);
  Fastrelle_Form_To_Plot line(AddLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 0, 0)));
  EXPECT_EQ(600, line.Status());
  EXPECT_EQ(0.0, line.GetArea());
}

}  // namespace
