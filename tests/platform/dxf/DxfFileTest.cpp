// Drawing files: what is written reads back as the same drawing, another DXF library
// accepts it, and malformed files are refused with the line named and the database kept.
#include "db/ZcDbDatabase.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "SampleDrawing.h"
#include "db/ZcDbBlockReference.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDictionary.h"
#include "db/ZcDbGroup.h"
#include "db/ZcDbLine.h"
#include "headless/Database.h"

namespace {

std::filesystem::path TempFile(const char* name) {
  auto dir = std::filesystem::temp_directory_path() / ("fastrelle_dxf_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  return dir / name;
}

TEST(DxfFile, SavedDrawingReadsBackAsTheSameDrawing) {
  ZcDbDatabase db;
  BuildSampleDrawing(&db);
  std::string first = db.dxfText();
  ZcDbDatabase again(false, true);
  ASSERT_EQ(Zcad::eOk, again.readDxfText(first)) << std::string(again.readError().begin(), again.readError().end());
  EXPECT_EQ(first, again.dxfText());
  EXPECT_EQ(0, headless::OpenObjectCount(&again));
}

TEST(DxfFile, GroupsDictionariesAndXDataSurviveASaveAndReload) {
  ZcDbDatabase db;
  BuildSampleDrawing(&db);
  auto path = TempFile("groups.dwg");
  ASSERT_EQ(Zcad::eOk, db.saveAs(path.wstring().c_str()));
  ZcDbDatabase side(false, true);
  ASSERT_EQ(Zcad::eOk, side.readDwgFile(path.wstring().c_str()));

  ZcDbDictionary* groups = nullptr;
  ASSERT_EQ(Zcad::eOk, side.getGroupDictionary(groups, ZcDb::kForRead));
  ZcDbObjectId groupId;
  EXPECT_EQ(Zcad::eOk, groups->getAt(L"PRZÓD|38", groupId));  // keys compare without case
  groups->close();
  ZcDbGroup* group = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(group, groupId, ZcDb::kForRead));
  ZcDbObjectIdArray members;
  group->allEntityIds(members);
  EXPECT_STREQ(L"Przód|38", group->name());
  group->close();
  ASSERT_EQ(3, members.length());
  EXPECT_TRUE(members[0].objectClass()->isDerivedFrom(ZcDbLine::desc()));
  EXPECT_STREQ(L"ZcDbArc", members[1].objectClass()->name());
  EXPECT_STREQ(L"ZcDbPolyline", members[2].objectClass()->name());

  ZcDbEntity* line = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenZcDbEntity(line, members[0], ZcDb::kForRead));
  resbuf* xd = line->xData(L"Fastrelle");
  line->close();
  ASSERT_NE(nullptr, xd);
  EXPECT_STREQ(L"Przód", xd->rbnext->resval.rstring);
  EXPECT_EQ(7, xd->rbnext->rbnext->resval.rint);  // the 16-bit view of a 1071 item
  zcutRelRb(xd);

  ZcDbDictionary* nod = nullptr;
  side.getNamedObjectsDictionary(nod, ZcDb::kForRead);
  ZcDbObjectId partsId;
  EXPECT_EQ(Zcad::eOk, nod->getAt(L"Fastrelle", partsId));
  EXPECT_EQ(Zcad::eKeyNotFound, nod->getAt(L"Missing", partsId));
  nod->close();
  EXPECT_EQ(0, headless::OpenObjectCount(&side));
}

TEST(DxfFile, AnotherDxfLibraryAuditsAndReadsWhatWeWrite) {
  const char* python = "/usr/bin/python3";
  if (std::system("/usr/bin/python3 -c 'import ezdxf' 2>/dev/null") != 0) GTEST_SKIP() << "python3-ezdxf is not installed";
  ZcDbDatabase db;
  BuildSampleDrawing(&db);
  auto path = TempFile("ezdxf.dxf");
  ASSERT_EQ(Zcad::eOk, db.saveAs(path.wstring().c_str()));
  std::string cmd = std::string(python) + " " FASTRELLE_SOURCE_DIR "/tests/platform/dxf/ezdxf_check.py " + path.string();
  EXPECT_EQ(0, std::system(cmd.c_str()));
}

TEST(DxfFile, AnEntityMarkedForPaperSpaceIsReadThereAndWrittenBackThere) {
  for (const char* kind : {"LINE", "SOLID"}) {  // a modelled kind and one kept as read
    std::string text = std::string("0\nSECTION\n2\nENTITIES\n0\n") + kind +
                       "\n5\n2A\n100\nAcDbEntity\n67\n1\n8\n0\n10\n1\n20\n2\n30\n0\n11\n3\n21\n4\n31\n0\n"
                       "0\nLINE\n5\n2B\n100\nAcDbEntity\n8\n0\n10\n0\n20\n0\n30\n0\n11\n1\n21\n1\n31\n0\n"
                       "0\nENDSEC\n0\nEOF\n";
    for (int round = 0; round < 2; ++round) {  // as given, then as written
      ZcDbDatabase db(false, true);
      ASSERT_EQ(Zcad::eOk, db.readDxfText(text)) << std::string(db.readError().begin(), db.readError().end());
      ZcDbObjectId paperOne, modelOne;
      db.getZcDbObjectId(paperOne, false, ZcDbHandle(L"2A"));
      db.getZcDbObjectId(modelOne, false, ZcDbHandle(L"2B"));
      ZcDbEntity* e = nullptr;
      ASSERT_EQ(Zcad::eOk, zcdbOpenZcDbEntity(e, paperOne, ZcDb::kForRead));
      EXPECT_EQ(db.paperSpaceId(), e->ownerId()) << kind << " round " << round;
      e->close();
      zcdbOpenZcDbEntity(e, modelOne, ZcDb::kForRead);
      EXPECT_EQ(db.modelSpaceId(), e->ownerId());
      e->close();
      text = db.dxfText();
      std::size_t at = text.find(std::string("\n  0\n") + kind + "\n  5\n2A\n");
      ASSERT_NE(std::string::npos, at);
      EXPECT_EQ(0, text.compare(text.find("  8\n", at) - 6, 6, " 67\n1\n")) << "67 1 before its layer";
    }
  }
}

TEST(DxfFile, TheHandleSeedWrittenIsAboveEveryHandleOfTheFile) {
  ZcDbDatabase db;
  BuildSampleDrawing(&db);
  // a kept record whose handle is far above the database's own
  ZcDbDatabase withKept(false, true);
  ASSERT_EQ(Zcad::eOk, withKept.readDxfText(db.dxfText()));
  std::string text = withKept.dxfText();
  ASSERT_EQ(Zcad::eOk, withKept.readDxfText(text.substr(0, text.find("  0\nENDSEC\n", text.find("ENTITIES"))) +
                                            "  0\nSOLID\n  5\nFFF0\n100\nAcDbEntity\n  8\n0\n" +
                                            text.substr(text.find("  0\nENDSEC\n", text.find("ENTITIES")))));
  text = withKept.dxfText();
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  std::uint64_t seed = 0, highest = 0;
  for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
    if (lines[i] != "  5" && lines[i] != "105") continue;
    std::uint64_t h = std::stoull(lines[i + 1], nullptr, 16);
    if (i >= 1 && lines[i - 1] == "$HANDSEED") seed = h;
    else highest = std::max(highest, h);
  }
  EXPECT_GE(highest, 0xFFF0u);
  EXPECT_GT(seed, highest);
}

// --- Malformed files --------------------------------------------------------------------------

struct Malformed {
  const char* text;
  const char* lineMention;
};

TEST(DxfFile, MalformedFilesAreRefusedWithTheLineNamedAndNothingChanged) {
  const Malformed cases[] = {
      {"0\nSECTION\n2\nENTITIES\nxx\nLINE\n", "line 5:"},
      {"0\nSECTION\n2\nENTITIES\n0\nLINE\n5\n2F\n10\nabc\n0\nENDSEC\n0\nEOF\n", "line 9:"},
      {"0\nSECTION\n2\nENTITIES\n0\nLINE\n5\n2F\n", "line"},
      {"0\nSECTION\n2\nENTITIES\n0\nLINE\n5\n2F\n0\nLINE\n5\n2F\n0\nENDSEC\n0\nEOF\n", "line 9:"},
      {"0\nSECTION\n2\nENTITIES\n0\nINSERT\n5\n30\n2\nNoSuchBlock\n0\nENDSEC\n0\nEOF\n", "line 9:"},
      {"0\nSECTION\n2\nENTITIES\n0\nLINE\n5\nZZ\n0\nENDSEC\n0\nEOF\n", "line 7:"},
      {"0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n", "line 7:"},
  };
  for (const Malformed& c : cases) {
    ZcDbDatabase db;
    ZcDbBlockTableRecord* ms = nullptr;
    zcdbOpenObject(ms, db.modelSpaceId(), ZcDb::kForWrite);
    ZcDbObjectId kept;
    auto* line = new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 1, 0));
    ms->appendZcDbEntity(kept, line);
    line->close();
    ms->close();
    EXPECT_EQ(Zcad::eBadDxfFile, db.readDxfText(c.text)) << c.text;
    std::wstring err = db.readError();
    EXPECT_NE(std::wstring::npos, err.find(std::wstring(c.lineMention, c.lineMention + strlen(c.lineMention))))
        << std::string(err.begin(), err.end());
    EXPECT_TRUE(kept.isValid()) << "the database lost its content";
  }
}

TEST(DxfFile, ReadingReplacesTheContentAndInvalidatesOldIds) {
  ZcDbDatabase source;
  BuildSampleDrawing(&source);
  ZcDbDatabase db;
  ZcDbObjectId oldModel = db.modelSpaceId();
  ASSERT_EQ(Zcad::eOk, db.readDxfText(source.dxfText()));
  EXPECT_FALSE(oldModel.isValid());
  EXPECT_TRUE(db.modelSpaceId().isValid());
  EXPECT_EQ(&db, db.modelSpaceId().database());
}

TEST(DxfFile, CrLfLineEndsReadAsTheSameDrawingWithTheSameLinesNamed) {
  ZcDbDatabase source;
  BuildSampleDrawing(&source);
  std::string lf = source.dxfText(), crlf;
  for (char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  ZcDbDatabase db(false, true);
  ASSERT_EQ(Zcad::eOk, db.readDxfText(crlf));
  EXPECT_EQ(lf, db.dxfText());
  EXPECT_EQ(Zcad::eBadDxfFile, db.readDxfText("0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\nLINE\r\n8\r\n0\r\n10\r\nabc\r\n"
                                              "0\r\nENDSEC\r\n0\r\nEOF\r\n"));
  EXPECT_EQ(0u, db.readError().rfind(L"line 9:", 0)) << std::string(db.readError().begin(), db.readError().end());
}

TEST(DxfFile, MissingFileIsReportedAsNotFound) {
  ZcDbDatabase db(false, true);
  EXPECT_EQ(Zcad::eFileNotFound, db.readDwgFile(L"C:\\no\\such\\drawing.dwg"));
}

}  // namespace
