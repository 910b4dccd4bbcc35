// Drawings that carry a preview (a THUMBNAILIMAGE section) read as any other drawing; the
// preview itself is read apart, by the drawing lists.
#include "db/ZcDbDatabase.h"

#include <gtest/gtest.h>

#include "SampleDrawing.h"
#include "headless/Database.h"

TEST(DxfPreview, ADrawingWithAPreviewReadsAsTheSameDrawing) {
  ZcDbDatabase db;
  BuildSampleDrawing(&db);
  std::string text = db.dxfText();
  size_t eof = text.rfind("\nEOF");
  size_t code = text.rfind('\n', eof - 1);
  std::string withPreview = text;
  withPreview.insert(code + 1, "  0\nSECTION\n  2\nTHUMBNAILIMAGE\n 90\n3\n310\n0A0B0C\n  0\nENDSEC\n");
  ZcDbDatabase again(false, true);
  ASSERT_EQ(Zcad::eOk, again.readDxfText(withPreview)) << std::string(again.readError().begin(), again.readError().end());
  EXPECT_EQ(text, again.dxfText());
  EXPECT_EQ(0, headless::OpenObjectCount(&again));
}
