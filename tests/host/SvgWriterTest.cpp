// The picture of a table: a merged range is one box with its first cell's text, and a
// cell's alignment decides where its text stands.
#include "host/SvgWriter.h"

#include <gtest/gtest.h>

#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbTable.h"
#include "support/TempFolder.h"

namespace {

TEST(SvgWriter, AMergedRangeIsOneBoxAndTextsStandByTheirAlignment) {
  ZcDbDatabase db;
  auto* table = new ZcDbTable;
  table->insertColumns(0, 10.0, 3);
  table->insertRows(0, 5.0, 2);
  table->mergeCells(0, 0, 0, 2);
  table->setTextString(0, 0, L"Zestawienie");
  table->setTextString(0, 1, L"ukryty");
  table->setTextString(1, 0, L"RAZEM:");
  table->setAlignment(1, 0, 4);
  table->setTextString(1, 2, L"4");
  table->setAlignment(1, 2, 9);
  ZcDbBlockTableRecord* ms = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(ms, db.modelSpaceId(), ZcDb::kForWrite));
  ms->appendZcDbEntity(table);
  table->close();
  ms->close();

  TempFolder dir;
  std::wstring reason;
  ASSERT_TRUE(WriteSvg(db, dir.Native("t.svg"), reason));
  const std::string svg = ReadBytes(dir.Native("t.svg"));
  EXPECT_NE(std::string::npos, svg.find("d=\"M0,0 h30 v-5 h-30 Z\""));  // the title over all columns
  EXPECT_EQ(std::string::npos, svg.find("ukryty"));
  std::size_t boxes = 0;
  for (std::size_t at = svg.find("<path"); at != std::string::npos; at = svg.find("<path", at + 1)) ++boxes;
  EXPECT_EQ(4u, boxes);
  // middle left: 0.5 in, half-way down the row; bottom right: 0.5 from the right edge
  EXPECT_NE(std::string::npos, svg.find("translate(0.5,-8.75)"));
  EXPECT_NE(std::string::npos, svg.find("translate(29.5,-9.5)"));
  EXPECT_NE(std::string::npos, svg.find("text-anchor=\"end\""));
}

}  // namespace
