// Merged cells and cell alignment of tables: the summary tables rely on merged title and
// total rows that survive edits, saving and reading, and on a refused bad range.
#include "db/ZcDbTable.h"

#include <gtest/gtest.h>

#include <memory>

#include "db/ZcDbDatabase.h"
#include "db/ZcDbExtents.h"

namespace {

struct Bounds {
  int top = -1, bottom = -1, left = -1, right = -1;
  bool merged = false;
};
Bounds RangeAt(const ZcDbTable& t, int row, int col) {
  Bounds b;
  b.merged = t.isMergedCell(row, col, &b.top, &b.bottom, &b.left, &b.right);
  return b;
}

ZcDbTable* Table(int rows, int cols) {
  auto* t = new ZcDbTable;
  t->insertColumns(0, 10.0, cols);
  t->insertRows(0, 4.0, rows);
  return t;
}

TEST(ZcDbTableMerges, ARangeIsRefusedOutsideTheTableReversedOrOverAnother) {
  std::unique_ptr<ZcDbTable> t(Table(4, 5));
  EXPECT_EQ(Zcad::eInvalidIndex, t->mergeCells(0, 0, 0, 5));
  EXPECT_EQ(Zcad::eInvalidIndex, t->mergeCells(1, 0, 0, 3));
  EXPECT_EQ(Zcad::eInvalidIndex, t->mergeCells(-1, 0, 0, 3));
  ASSERT_EQ(Zcad::eOk, t->mergeCells(0, 0, 0, 3));
  EXPECT_EQ(Zcad::eInvalidIndex, t->mergeCells(0, 1, 3, 4));
  ASSERT_EQ(Zcad::eOk, t->mergeCells(3, 3, 0, 3));
  Bounds b = RangeAt(*t, 0, 2);
  EXPECT_TRUE(b.merged);
  EXPECT_EQ(0, b.left);
  EXPECT_EQ(3, b.right);
  EXPECT_FALSE(RangeAt(*t, 0, 4).merged);
  EXPECT_EQ(Zcad::eOk, t->unmergeCells(3, 3, 2, 2));
  EXPECT_FALSE(RangeAt(*t, 3, 0).merged);
  EXPECT_TRUE(RangeAt(*t, 0, 0).merged);
  ZcDbExtents e;  // merging changes nothing of the outline
  t->getGeomExtents(e);
  EXPECT_DOUBLE_EQ(50.0, e.maxPoint().x);
  EXPECT_DOUBLE_EQ(-16.0, e.minPoint().y);
}

TEST(ZcDbTableMerges, RangesMoveWithInsertedAndDeletedRowsAndACutRangeIsUnmerged) {
  std::unique_ptr<ZcDbTable> t(Table(5, 4));
  t->mergeCells(1, 2, 0, 3);
  t->mergeCells(4, 4, 0, 1);
  ASSERT_EQ(Zcad::eOk, t->insertRows(0, 4.0, 2));  // above both: they move down
  EXPECT_EQ(3, RangeAt(*t, 3, 0).top);
  EXPECT_EQ(6, RangeAt(*t, 6, 1).top);
  ASSERT_EQ(Zcad::eOk, t->insertRows(4, 4.0));  // between rows 3 and 4 of the first range
  EXPECT_FALSE(RangeAt(*t, 3, 0).merged);
  EXPECT_EQ(7, RangeAt(*t, 7, 0).top);
  ASSERT_EQ(Zcad::eOk, t->deleteRows(0, 2));
  EXPECT_EQ(5, RangeAt(*t, 5, 0).top);
  ASSERT_EQ(Zcad::eOk, t->insertColumns(1, 5.0));  // through the range: unmerged
  EXPECT_FALSE(RangeAt(*t, 5, 0).merged);
  t->mergeCells(0, 0, 1, 2);
  ASSERT_EQ(Zcad::eOk, t->insertColumns(0, 5.0));
  EXPECT_EQ(2, RangeAt(*t, 0, 3).left);
  ASSERT_EQ(Zcad::eOk, t->deleteRows(0));
  EXPECT_FALSE(RangeAt(*t, 0, 3).merged);
}

TEST(ZcDbTableAlignment, HoldsTheHostValuesOneToNineAndNewCellsAreTopLeft) {
  std::unique_ptr<ZcDbTable> t(Table(2, 2));
  EXPECT_EQ(1, t->alignment(1, 1));
  EXPECT_EQ(Zcad::eOk, t->setAlignment(1, 0, 4));
  EXPECT_EQ(Zcad::eInvalidInput, t->setAlignment(1, 0, 10));
  EXPECT_EQ(Zcad::eInvalidInput, t->setAlignment(1, 0, 0));
  EXPECT_EQ(Zcad::eInvalidIndex, t->setAlignment(2, 0, 4));
  EXPECT_EQ(4, t->alignment(1, 0));
  EXPECT_EQ(0, t->alignment(5, 0));
}

std::string TableFile(const std::string& cells) {
  return "0\nSECTION\n2\nENTITIES\n0\nACAD_TABLE\n5\n30\n100\nAcDbEntity\n8\n0\n100\nAcDbBlockReference\n"
         "10\n0\n20\n0\n30\n0\n100\nAcDbTable\n91\n2\n92\n2\n141\n1\n141\n1\n142\n1\n142\n1\n" +
         cells + "0\nENDSEC\n0\nEOF\n";
}

TEST(ZcDbTableFile, MergesAndAlignmentReadBackAndABadSpanIsRefusedNamingItsLine) {
  ZcDbDatabase db(false, true);
  const std::string cell = "171\n1\n1\nx\n";
  ASSERT_EQ(Zcad::eOk, db.readDxfText(TableFile("171\n1\n173\n1\n175\n2\n176\n1\n170\n4\n1\nRAZEM:\n" + cell +
                                                cell + cell)));
  ZcDbDatabase again(false, true);
  ASSERT_EQ(Zcad::eOk, again.readDxfText(db.dxfText()));
  std::string text = again.dxfText();
  EXPECT_NE(std::string::npos, text.find("175\n2\n176\n1\n170\n4\n"));
  EXPECT_EQ(text, db.dxfText());

  ZcDbDatabase bad(false, true);
  EXPECT_EQ(Zcad::eBadDxfFile, bad.readDxfText(TableFile("171\n1\n175\n3\n176\n1\n1\na\n" + cell + cell + cell)));
  const std::wstring error = bad.readError();
  EXPECT_EQ(0u, error.find(L"line 37:")) << std::string(error.begin(), error.end());
  EXPECT_EQ(Zcad::eBadDxfFile,
            bad.readDxfText(TableFile("171\n1\n175\n2\n176\n1\n1\na\n171\n1\n175\n1\n176\n2\n" + cell + cell)));
  EXPECT_NE(std::wstring::npos, bad.readError().find(L"overlaps"));
  EXPECT_EQ(Zcad::eBadDxfFile,
            bad.readDxfText(TableFile("171\n1\n175\n9223372036854775807\n176\n9223372036854775807\n" + cell + cell + cell)));
}

}  // namespace
