// The document's file name follows the drawing: none for a new one, the file it was read
// from, then the file it was saved to.
#include "framework/Document.h"

#include <gtest/gtest.h>

#include "db/ZcDbDatabase.h"
#include "ed/ZcApDocManager.h"
#include "headless/Database.h"
#include "support/TempFolder.h"

namespace {

TEST(GetDocumentFileName, IsEmptyForANewDrawingThenTheFileReadThenTheFileSavedTo) {
  ZcDbDatabase* db = headless::NewDrawing();
  EXPECT_EQ(CString(), GetDocumentFileName());
  TempFolder folder;
  std::wstring first = folder.Windows("tył.dwg"), second = folder.Windows("tył 2.dwg");
  ASSERT_EQ(Zcad::eOk, db->saveAs(first.c_str()));
  db = headless::NewDrawing();
  ASSERT_EQ(Zcad::eOk, db->readDwgFile(first.c_str()));
  EXPECT_EQ(CString(first), GetDocumentFileName());
  EXPECT_NE(Zcad::eOk, db->readDwgFile(folder.Windows("brak.dwg").c_str()));
  EXPECT_EQ(CString(first), GetDocumentFileName(db));  // a failed read changes nothing
  EXPECT_EQ(CString(first), GetDocumentFileName(zcDocManagerPtr()->curDocument()));
  ASSERT_EQ(Zcad::eOk, db->saveAs(second.c_str()));
  EXPECT_EQ(CString(second), GetDocumentFileName());
  ZcDbDatabase side(false, true);
  EXPECT_EQ(CString(), GetDocumentFileName(&side));
}

}  // namespace
