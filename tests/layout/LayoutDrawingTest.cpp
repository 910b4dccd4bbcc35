// Finding the layout's entities by their tags: the border among polylines, piece blocks
// and their references, the material tag.
#include "layout/LayoutDrawing.h"

#include "LayoutFixture.h"
#include "framework/ResBuf.h"

namespace {

using LayoutDrawing = LayoutTest;

TEST_F(LayoutDrawing, TheFirstTaggedPolylineInDrawingOrderIsTheOneFound) {
  AddPolyline({{0, 0}, {5, 5}});
  ZcDbObjectId first = AddPolyline({{0, 0}, {10, 0}});
  ZcDbObjectId second = AddPolyline({{0, 0}, {20, 0}});
  ZcDbObjectId line = AddLine({0, 0, 0}, {1, 1, 0});
  Tagged(line, kLayoutApplication).AddTag(L"Layout");  // not a polyline
  Tagged(second, kLayoutApplication).AddTag(L"Layout");
  Tagged(first, L"OtherApplication").AddTag(L"Layout");  // another application's tag
  EXPECT_EQ(second, FindTaggedPolyline(L"LAYOUT"));
  Tagged(first, kLayoutApplication).AddTag(L"Layout");
  EXPECT_EQ(first, FindTaggedPolyline(L"Layout"));
  EXPECT_TRUE(FindTaggedPolyline(L"EndLine").isNull());
}

TEST_F(LayoutDrawing, PieceReferencesComeBlockByBlockAndOnlyOfTaggedBlocks) {
  ZcDbObjectId a = PieceBlock(L"m|A|S|S|B", {Rectangle(10, 10)});
  ZcDbObjectId b = PieceBlock(L"m|B|S|S|B", {Rectangle(10, 10)});
  ZcDbObjectId plain = PieceBlock(L"plain", {Rectangle(10, 10)}, false);
  {
    // Untag the plain block: a block without "Form" is no piece.
    ZcDbObject* o = nullptr;
    zcdbOpenObject(o, plain, ZcDb::kForWrite);
    ResBuf none;
    none.Add(1001, kLayoutApplication);
    o->setXData(none.Head());
    o->close();
  }
  ZcDbObjectId b1 = Place(b, {0, 0, 0}), a1 = Place(a, {20, 0, 0}), b2 = Place(b, {40, 0, 0});
  Place(plain, {60, 0, 0});
  ZcDbObjectIdArray blocks = ListFormBlocks();
  ASSERT_EQ(2, blocks.length());
  EXPECT_EQ(a, blocks[0]);
  EXPECT_EQ(b, blocks[1]);
  ZcDbObjectIdArray pieces = CollectPieceReferences();
  ASSERT_EQ(3, pieces.length());
  EXPECT_EQ(a1, pieces[0]);
  EXPECT_EQ(b1, pieces[1]);
  EXPECT_EQ(b2, pieces[2]);
  Erase(b1);
  EXPECT_EQ(2, CollectPieceReferences().length());
}

TEST_F(LayoutDrawing, TheMaterialIsTheTextAfterItsTag) {
  ZcDbObjectId block = PieceBlock(L"m|A|S|S|B", {Rectangle(10, 10)});
  EXPECT_EQ(L"", GetFormMaterial(block));
  Tagged(block, kLayoutApplication).AddTag(L"material=Len");
  Tagged(block, kLayoutApplication).AddTag(L"material=Wełna");
  EXPECT_EQ(L"Len", GetFormMaterial(block));
}

}  // namespace
