// Malformed drawing files: each is refused with a message naming a line of the file, and the
// database keeps exactly the drawing it had.
#include <gtest/gtest.h>

#include <string>

#include "SampleDrawing.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDictionary.h"
#include "headless/Database.h"

namespace {

std::string Narrow(const std::wstring& w) { return std::string(w.begin(), w.end()); }

// A whole valid file with `records` as the ENTITIES section.
std::string WithEntities(const std::string& records) {
  return "0\nSECTION\n2\nENTITIES\n" + records + "0\nENDSEC\n0\nEOF\n";
}

struct Case {
  const char* what;
  std::string text;
  int line;  // the line the message must name
};

class DxfMalformed : public ::testing::TestWithParam<Case> {};

TEST_P(DxfMalformed, IsRefusedNamingItsLineAndTheDrawingStaysAsItWas) {
  const Case& c = GetParam();
  ZcDbDatabase db;
  BuildSampleDrawing(&db);
  std::string before = db.dxfText();
  ZcDbObjectId model = db.modelSpaceId();
  EXPECT_EQ(Zcad::eBadDxfFile, db.readDxfText(c.text)) << c.what;
  std::wstring err = db.readError();
  std::wstring want = L"line " + std::to_wstring(c.line) + L":";
  EXPECT_EQ(0u, err.find(want)) << c.what << ": " << Narrow(err);
  EXPECT_GT(err.size(), want.size() + 3) << "the message says what is wrong";
  EXPECT_EQ(before, db.dxfText()) << c.what;
  EXPECT_TRUE(model.isValid());
  EXPECT_EQ(0, db.numOpenObjects());
}

const std::string kLine = "0\nLINE\n5\n2F\n8\n0\n10\n0\n20\n0\n30\n0\n11\n1\n21\n1\n31\n0\n";

INSTANTIATE_TEST_SUITE_P(
    Files, DxfMalformed,
    ::testing::Values(
        Case{"empty", "", 1},
        Case{"a code that is not a number", "0\nSECTION\n2\nENTITIES\n 1x\nLINE\n", 5},
        Case{"a code out of range", "0\nSECTION\n2\nENTITIES\n2000\nLINE\n", 5},
        Case{"a value missing at the end", "0\nSECTION\n2\nENTITIES\n0\n", 5},
        Case{"no section name", "0\nSECTION\n0\nENDSEC\n0\nEOF\n", 1},
        Case{"text where a section begins", "0\nSECTIONS\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n", 1},
        Case{"a section never closed", "0\nSECTION\n2\nENTITIES\n" + kLine + "0\nSECTION\n2\nOBJECTS\n", 23},
        Case{"a file cut after a section", "0\nSECTION\n2\nENTITIES\n" + kLine + "0\nENDSEC\n", 24},
        Case{"a real that is not a number", WithEntities("0\nLINE\n5\n2F\n10\n1.5.2\n"), 9},
        Case{"an integer that is not a number", WithEntities("0\nLINE\n5\n2F\n62\nred\n"), 9},
        Case{"a handle used twice", WithEntities(kLine + kLine), 23},
        Case{"a handle that is not hexadecimal", WithEntities("0\nLINE\n5\nXYZ\n"), 7},
        Case{"an attribute without its insert", WithEntities("0\nATTRIB\n5\n30\n2\nTAG\n"), 5},
        Case{"a vertex without its polyline", WithEntities("0\nVERTEX\n5\n30\n"), 5},
        Case{"an insert of a block never defined", WithEntities("0\nINSERT\n5\n30\n2\nNoSuch\n"), 9},
        Case{"a block inside a block",
             "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nA\n0\nBLOCK\n2\nB\n0\nENDBLK\n0\nENDSEC\n0\nEOF\n", 9},
        Case{"a block never ended", "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nA\n" + kLine + "0\nENDSEC\n0\nEOF\n", 9},
        Case{"a block whose name is not allowed",
             "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nA<B\n0\nENDBLK\n0\nENDSEC\n0\nEOF\n", 5},
        Case{"a layer record in the linetype table",
             "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLTYPE\n0\nLAYER\n5\n40\n2\nX\n0\nENDTAB\n0\nENDSEC\n0\nEOF\n", 9},
        Case{"a header variable without its code 9", "0\nSECTION\n2\nHEADER\n1\nAC1015\n0\nENDSEC\n0\nEOF\n", 5},
        Case{"a block record without a name",
             "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nBLOCK_RECORD\n0\nBLOCK_RECORD\n5\n1F\n0\nENDTAB\n0\nENDSEC\n0\nEOF\n", 9},
        Case{"an infinite coordinate", WithEntities("0\nLINE\n5\n2F\n10\ninf\n"), 9},
        Case{"a coordinate that is not a number", WithEntities("0\nLINE\n5\n2F\n10\n0\n20\nnan\n"), 11},
        Case{"a coordinate beyond the doubles", WithEntities("0\nCIRCLE\n5\n2F\n40\n1e999\n"), 9},
        Case{"an infinite number in a kept record", WithEntities("0\nSOLID\n5\n2F\n100\nAcDbTrace\n11\n-1e400\n"), 11},
        Case{"a record without a type", WithEntities("0\n\n5\n2F\n"), 5},
        Case{"a second table of block records",
             "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nBLOCK_RECORD\n0\nENDTAB\n0\nTABLE\n2\nBLOCK_RECORD\n0\nENDTAB\n"
             "0\nENDSEC\n0\nEOF\n", 11},
        Case{"a block name holding a NUL",
             std::string("0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\n*D\0\n0\nENDBLK\n0\nENDSEC\n0\nEOF\n", 57), 5},
        Case{"a record type that is not a name", WithEntities(std::string("0\nX\0Y\n5\n2F\n", 11)), 5},
        Case{"a block reference holding its own block",
             "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nA\n0\nINSERT\n2\nA\n0\nENDBLK\n0\nENDSEC\n0\nEOF\n", 9}),
    [](const ::testing::TestParamInfo<Case>& info) { return "case" + std::to_string(info.index); });

TEST(DxfMalformedReferences, ReferencesToMissingHandlesAreRefusedOrDropped) {
  // A group naming an entity the file does not hold, and the group dictionary naming a
  // group the file does not hold: the file is read without them or refused, never with a
  // dangling id.
  const std::string text =
      "0\nSECTION\n2\nENTITIES\n" + kLine +
      "0\nENDSEC\n0\nSECTION\n2\nOBJECTS\n"
      "0\nDICTIONARY\n5\nC\n330\n0\n3\nACAD_GROUP\n350\nD\n3\nOther\n350\nBEEF\n"
      "0\nDICTIONARY\n5\nD\n330\nC\n3\nG\n350\nE\n3\nH\n350\nDEAD\n"
      "0\nGROUP\n5\nE\n330\nD\n300\nG\n70\n0\n71\n1\n340\n2F\n340\nABC\n"
      "0\nENDSEC\n0\nEOF\n";
  ZcDbDatabase db;
  Zcad::ErrorStatus es = db.readDxfText(text);
  if (es != Zcad::eOk) {
    EXPECT_EQ(0u, db.readError().find(L"line ")) << Narrow(db.readError());
    return;
  }
  ZcDbDictionary* groups = nullptr;
  ASSERT_EQ(Zcad::eOk, db.getGroupDictionary(groups, ZcDb::kForRead));
  ZcDbObjectId id;
  EXPECT_NE(Zcad::eOk, groups->getAt(L"H", id));
  groups->close();
  std::string again = db.dxfText();
  ZcDbDatabase other;
  EXPECT_EQ(Zcad::eOk, other.readDxfText(again)) << Narrow(other.readError());
}

TEST(DxfMalformedBlocks, ACycleOfBlockReferencesIsRefusedNamingItsBlocks) {
  const std::string text =
      "0\nSECTION\n2\nBLOCKS\n"
      "0\nBLOCK\n2\nFront\n0\nINSERT\n2\nBack\n0\nENDBLK\n"
      "0\nBLOCK\n2\nBack\n0\nLINE\n10\n0\n20\n0\n11\n1\n21\n0\n0\nINSERT\n2\nFront\n0\nENDBLK\n"
      "0\nENDSEC\n0\nEOF\n";
  ZcDbDatabase db;
  EXPECT_EQ(Zcad::eBadDxfFile, db.readDxfText(text));
  std::wstring err = db.readError();
  EXPECT_NE(std::wstring::npos, err.find(L"cycle")) << Narrow(err);
  EXPECT_NE(std::wstring::npos, err.find(L"\"Front\"")) << Narrow(err);
  EXPECT_NE(std::wstring::npos, err.find(L"\"Back\"")) << Narrow(err);
}

TEST(DxfMalformedBlocks, BlocksNestedDeeperThanADrawingNeedsAreRefusedNamingTheOuterOne) {
  // B1 holds B0, B2 holds B1...: 256 levels read, 257 are refused at the outer block's line
  // (B0 takes lines 5-20, each block after it ten)
  auto nested = [](int levels) {
    std::string text = "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nB0\n0\nLINE\n10\n0\n20\n0\n11\n1\n21\n0\n0\nENDBLK\n";
    for (int i = 1; i < levels; ++i)
      text += "0\nBLOCK\n2\nB" + std::to_string(i) + "\n0\nINSERT\n2\nB" + std::to_string(i - 1) + "\n0\nENDBLK\n";
    return text + "0\nENDSEC\n0\nEOF\n";
  };
  ZcDbDatabase db;
  EXPECT_EQ(Zcad::eOk, db.readDxfText(nested(256))) << Narrow(db.readError());
  ZcDbDatabase deeper;
  EXPECT_EQ(Zcad::eBadDxfFile, deeper.readDxfText(nested(257)));
  EXPECT_EQ(L"line " + std::to_wstring(21 + 255 * 10) + L": the block \"B256\" nests blocks 257 levels deep; "
            L"at most 256 can be read", deeper.readError());
}

}  // namespace

namespace {

TEST(DxfWithoutTables, EmptyBlocksKeepTheirNamesAsWritten) {
  // Another writer's file with blocks but without a BLOCK_RECORD table.
  const std::string text =
      "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nLabel\n10\n1\n20\n2\n30\n0\n0\nENDBLK\n"
      "0\nBLOCK\n2\nFull\n0\nLINE\n10\n0\n20\n0\n30\n0\n11\n1\n21\n0\n31\n0\n0\nENDBLK\n0\nENDSEC\n0\nEOF\n";
  ZcDbDatabase db;
  ASSERT_EQ(Zcad::eOk, db.readDxfText(text)) << Narrow(db.readError());
  ZcDbBlockTable* table = nullptr;
  ASSERT_EQ(Zcad::eOk, db.getBlockTable(table, ZcDb::kForRead));
  std::wstring names;
  for (ZcDbObjectId id : table->recordIds()) {
    ZcDbBlockTableRecord* rec = nullptr;
    zcdbOpenObject(rec, id, ZcDb::kForRead);
    names += rec->name() + L";";
    if (rec->name() == L"Label") {
      EXPECT_EQ(ZcGePoint3d(1, 2, 0), rec->origin());
    }
    rec->close();
  }
  table->close();
  EXPECT_NE(std::wstring::npos, names.find(L";Label;")) << Narrow(names);
  EXPECT_NE(std::wstring::npos, names.find(L"Full;")) << Narrow(names);
  EXPECT_EQ(std::wstring::npos, names.find(L"LABEL")) << Narrow(names);
}

}  // namespace
