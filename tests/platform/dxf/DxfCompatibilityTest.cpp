// Files of other writers: the forms this reader accepts beside its own, and what it leaves
// out without failing.
#include "db/ZcDbDatabase.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "db/ZcDb2dPolyline.h"
#include "db/ZcDbArc.h"
#include "db/ZcDbBlockReference.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDictionary.h"
#include "db/ZcDbLeader.h"
#include "db/ZcDbMText.h"
#include "db/ZcDbText.h"

namespace {

// DXF text from "code value" lines written one pair per line with '|' between them.
std::string Dxf(const std::string& pairs) {
  std::string out;
  for (char c : pairs) out.push_back(c == '|' ? '\n' : c);
  return out + "\n";
}

ZcDbObjectIdArray ModelSpace(ZcDbDatabase& db) {
  ZcDbBlockTableRecord* ms = nullptr;
  zcdbOpenObject(ms, db.modelSpaceId(), ZcDb::kForRead);
  ZcDbObjectIdArray ids = ms->entityIds();
  ms->close();
  return ids;
}

template <class T>
T* Open(ZcDbObjectId id) {
  T* obj = nullptr;
  if (zcdbOpenObject(obj, id, ZcDb::kForRead) != Zcad::eOk) return nullptr;
  obj->close();
  return obj;
}

ZcDbObjectId BlockNamed(ZcDbDatabase& db, const wchar_t* name) {
  ZcDbBlockTable* table = nullptr;
  ZcDbObjectId id;
  if (db.getBlockTable(table, ZcDb::kForRead) != Zcad::eOk) return id;
  table->getAt(name, id);
  table->close();
  return id;
}

// Reads the pairs (as Dxf writes them) into db; a failure names the reader's error.
::testing::AssertionResult Reads(ZcDbDatabase& db, const std::string& pairs) {
  if (db.readDxfText(Dxf(pairs)) == Zcad::eOk) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << std::string(db.readError().begin(), db.readError().end());
}

TEST(DxfCompatibility, HeavyPolylinesAndAttributesFollowTheirOwners) {
  ZcDbDatabase db(false, true);
  ASSERT_TRUE(Reads(db,
      "0|SECTION|2|BLOCKS|0|BLOCK|2|Mark|10|0|20|0|30|0|0|ENDBLK|0|ENDSEC|"
      "0|SECTION|2|ENTITIES|"
      "0|POLYLINE|66|1|70|1|0|VERTEX|10|0|20|0|42|1|0|VERTEX|10|10|20|0|0|SEQEND|"
      "0|POLYLINE|66|1|70|16|0|VERTEX|10|0|20|0|0|SEQEND|"
      "0|INSERT|66|1|2|Mark|10|5|20|5|0|ATTRIB|10|5|20|5|40|2|1|42|2|NUM|70|0|0|SEQEND|"
      "0|HATCH|8|0|0|ENDSEC|0|EOF"));
  ZcDbObjectIdArray ids = ModelSpace(db);
  ASSERT_EQ(4, ids.length());  // the face set and the hatch are kept as read
  EXPECT_STREQ("POLYLINE", Open<ZcDbEntity>(ids[1])->dxfName());
  EXPECT_STREQ("HATCH", Open<ZcDbEntity>(ids[3])->dxfName());
  auto* pl = Open<ZcDb2dPolyline>(ids[0]);
  ASSERT_NE(nullptr, pl);
  EXPECT_EQ(2u, pl->numVerts());
  EXPECT_TRUE(pl->isClosed());
  EXPECT_DOUBLE_EQ(1.0, pl->vertexAt(0).bulge);
  auto* ref = Open<ZcDbBlockReference>(ids[2]);
  ASSERT_NE(nullptr, ref);
  ZcDbObjectIdArray attrs = ref->attributeIds();
  ASSERT_EQ(1, attrs.length());
  auto* a = Open<ZcDbAttribute>(attrs[0]);
  EXPECT_EQ(L"NUM", a->tag());
  EXPECT_EQ(L"42", a->textString());
  EXPECT_EQ(ref->objectId(), a->ownerId());
}

TEST(DxfCompatibility, ArcsOfTheOtherSideAreTurnedToFaceUp) {
  ZcDbDatabase db(false, true);
  ASSERT_EQ(Zcad::eOk, db.readDxfText(Dxf(
      "0|SECTION|2|ENTITIES|0|ARC|10|5|20|0|30|0|40|1|50|0|51|90|210|0|220|0|230|-1|0|ENDSEC|0|EOF")));
  auto* arc = Open<ZcDbArc>(ModelSpace(db)[0]);
  ASSERT_NE(nullptr, arc);
  EXPECT_EQ(ZcGePoint3d(-5, 0, 0), arc->center());
  ZcGePoint3d s, e;
  arc->getStartPoint(s);
  arc->getEndPoint(e);
  EXPECT_LT(s.distanceTo(ZcGePoint3d(-5, 1, 0)), 1e-12);  // seen from +Z: from the top
  EXPECT_LT(e.distanceTo(ZcGePoint3d(-6, 0, 0)), 1e-12);  // to the left
}

TEST(DxfCompatibility, HeavyPolylinesTakeTheirDefaultsPlaneAndFittedVerticesFromTheFile) {
  ZcDbDatabase db(false, true);
  ASSERT_TRUE(Reads(db,
      "0|SECTION|2|ENTITIES|"
      // default widths 2 and 3 (the second vertex its own), elevation 4, seen from -Z
      "0|POLYLINE|66|1|10|0|20|0|30|4|40|2|41|3|70|0|210|0|220|0|230|-1|"
      "0|VERTEX|10|5|20|0|42|0.5|0|VERTEX|10|10|20|5|40|1|41|0|0|SEQEND|"
      // spline-fit (flag 4): the frame points (16) are not on the curve, the fitted ones (8) are
      "0|POLYLINE|66|1|70|4|0|VERTEX|10|0|20|0|70|16|0|VERTEX|10|0|20|0|70|8|"
      "0|VERTEX|10|9|20|9|70|16|0|VERTEX|10|4|20|3|70|8|0|VERTEX|10|8|20|0|70|16|0|VERTEX|10|8|20|0|70|8|"
      "0|SEQEND|0|ENDSEC|0|EOF"));
  auto* pl = Open<ZcDb2dPolyline>(ModelSpace(db)[0]);
  ASSERT_NE(nullptr, pl);
  ASSERT_EQ(2u, pl->numVerts());
  EXPECT_EQ(ZcGePoint3d(-5, 0, -4), pl->vertexAt(0).p);
  EXPECT_EQ(ZcGePoint3d(-10, 5, -4), pl->vertexAt(1).p);
  EXPECT_DOUBLE_EQ(-0.5, pl->vertexAt(0).bulge);  // the arc bulges to the same side as seen
  EXPECT_DOUBLE_EQ(2.0, pl->vertexAt(0).startWidth);
  EXPECT_DOUBLE_EQ(3.0, pl->vertexAt(0).endWidth);
  EXPECT_DOUBLE_EQ(1.0, pl->vertexAt(1).startWidth);
  EXPECT_DOUBLE_EQ(0.0, pl->vertexAt(1).endWidth);
  auto* fitted = Open<ZcDb2dPolyline>(ModelSpace(db)[1]);
  ASSERT_NE(nullptr, fitted);
  ASSERT_EQ(3u, fitted->numVerts());
  EXPECT_EQ(ZcGePoint3d(4, 3, 0), fitted->vertexAt(1).p);
  // written and read again, the polyline stays where it was seen
  ZcDbDatabase again(false, true);
  ASSERT_EQ(Zcad::eOk, again.readDxfText(db.dxfText()));
  auto* back = Open<ZcDb2dPolyline>(ModelSpace(again)[0]);
  ASSERT_NE(nullptr, back);
  EXPECT_EQ(ZcGePoint3d(-10, 5, -4), back->vertexAt(1).p);
  EXPECT_DOUBLE_EQ(-0.5, back->vertexAt(0).bulge);
  EXPECT_DOUBLE_EQ(3.0, back->vertexAt(0).endWidth);
}

TEST(DxfCompatibility, TextOfTheOtherSideKeepsItsNormal) {
  // its points are in the coordinates of its plane: written back with the normal they need
  ZcDbDatabase db(false, true);
  ASSERT_EQ(Zcad::eOk, db.readDxfText(Dxf(
      "0|SECTION|2|ENTITIES|0|TEXT|10|5|20|5|30|0|40|1|1|T|210|0|220|0|230|-1|0|ENDSEC|0|EOF")));
  EXPECT_EQ(ZcGeVector3d(0, 0, -1), Open<ZcDbText>(ModelSpace(db)[0])->normal());
  ZcDbDatabase again(false, true);
  ASSERT_EQ(Zcad::eOk, again.readDxfText(db.dxfText()));
  auto* text = Open<ZcDbText>(ModelSpace(again)[0]);
  EXPECT_EQ(ZcGeVector3d(0, 0, -1), text->normal());
  EXPECT_EQ(ZcGePoint3d(5, 5, 0), text->position());
  // seen from above it stands left of the Y axis, and moves the way it is moved
  ZcDbExtents box;
  ASSERT_EQ(Zcad::eOk, text->getGeomExtents(box));
  EXPECT_DOUBLE_EQ(-5.0, box.maxPoint().x);
  ZcDbText* moved = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(moved, text->objectId(), ZcDb::kForWrite));
  EXPECT_EQ(Zcad::eOk, moved->transformBy(ZcGeMatrix3d::translation(ZcGeVector3d(10, 1, 0))));
  EXPECT_TRUE(moved->position().isEqualTo(ZcGePoint3d(-5, 6, 0))) << moved->position().x;
  moved->close();
}

TEST(DxfCompatibility, ACaretIsAControlCharacterOnlyBeforeTheLettersThatSpellOne) {
  // other writers put a caret as it stands: a size's layer "^40", a fraction stacked "\S1^2;"
  ZcDbDatabase db(false, true);
  ASSERT_TRUE(Reads(db,
      "0|SECTION|2|TABLES|0|TABLE|2|LAYER|0|LAYER|2|^40|70|0|62|7|6|CONTINUOUS|0|ENDTAB|0|ENDSEC|"
      "0|SECTION|2|ENTITIES|0|LINE|8|^40|10|0|20|0|11|1|21|0|"
      "0|MTEXT|8|0|10|0|20|0|40|1|1|\\S1^2;^Ja^ b^|0|ENDSEC|0|EOF"));
  ZcDbObjectIdArray ids = ModelSpace(db);
  EXPECT_EQ(L"^40", Open<ZcDbEntity>(ids[0])->layer());
  EXPECT_EQ(L"\\S1^2;\na^b^", Open<ZcDbMText>(ids[1])->contents());
  ZcDbDatabase again(false, true);
  ASSERT_EQ(Zcad::eOk, again.readDxfText(db.dxfText()));
  EXPECT_EQ(L"^40", Open<ZcDbEntity>(ModelSpace(again)[0])->layer());
  EXPECT_EQ(L"\\S1^2;\na^b^", Open<ZcDbMText>(ModelSpace(again)[1])->contents());
}

TEST(DxfCompatibility, ALeaderKeepsItsDimensionStyleAndPathType) {
  ZcDbDatabase db(false, true);
  ASSERT_TRUE(Reads(db,
      "0|SECTION|2|ENTITIES|0|LEADER|8|0|100|AcDbLeader|3|Narrow|71|1|72|1|76|2|10|0|20|0|30|0|10|5|20|5|30|0|"
      "0|ENDSEC|0|EOF"));
  ASSERT_NE(nullptr, Open<ZcDbLeader>(ModelSpace(db)[0]));
  std::string written = db.dxfText();
  EXPECT_NE(std::string::npos, written.find("AcDbLeader\n  3\nNarrow\n 71\n1\n 72\n1\n")) << written;
}

TEST(DxfCompatibility, ABlockStandingForAnotherDrawingKeepsItsPath) {
  ZcDbDatabase db(false, true);
  ASSERT_TRUE(Reads(db,
      "0|SECTION|2|BLOCKS|0|BLOCK|2|Plan|70|36|10|0|20|0|30|0|1|..\\rzuty\\plan \\U+0142.dxf|0|ENDBLK|"
      "0|BLOCK|2|Mark|70|0|10|0|20|0|30|0|1|not a path|0|ENDBLK|0|ENDSEC|"
      "0|SECTION|2|ENTITIES|0|INSERT|2|Plan|10|0|20|0|0|ENDSEC|0|EOF"));
  ZcDbDatabase again(false, true);
  ASSERT_EQ(Zcad::eOk, again.readDxfText(db.dxfText()));
  for (ZcDbDatabase* d : {&db, &again}) {
    ZcDbObjectId mark = BlockNamed(*d, L"Mark");
    auto* xref = Open<ZcDbBlockTableRecord>(BlockNamed(*d, L"Plan"));
    ASSERT_NE(nullptr, xref);
    EXPECT_EQ(4, xref->xrefFlags());  // "resolved" (32) is the state of a session, not kept
    EXPECT_EQ(L"..\\rzuty\\plan ł.dxf", xref->xrefPath());
    EXPECT_EQ(0, Open<ZcDbBlockTableRecord>(mark)->xrefFlags());
    EXPECT_EQ(L"", Open<ZcDbBlockTableRecord>(mark)->xrefPath());
  }
}

TEST(DxfCompatibility, AReferenceInRowsAndColumnsIsKeptAsReadWithItsAttributes) {
  // an older file's MINSERT (no subclass markers), its attribute on a layer of its own
  ZcDbDatabase db(false, true);
  ASSERT_TRUE(Reads(db,
      "0|SECTION|2|BLOCKS|0|BLOCK|2|Mark|10|0|20|0|30|0|0|ENDBLK|0|ENDSEC|"
      "0|SECTION|2|ENTITIES|0|INSERT|8|0|66|1|2|Mark|10|1|20|2|30|0|70|3|71|2|44|5|45|6|"
      "0|ATTRIB|8|Opisy|10|1|20|2|30|0|40|1|1|A1|2|NUM|70|0|0|SEQEND|8|0|0|ENDSEC|0|EOF"));
  ZcDbObjectIdArray ids = ModelSpace(db);
  ASSERT_EQ(1, ids.length());
  auto* kept = Open<ZcDbEntity>(ids[0]);
  EXPECT_STREQ("INSERT", kept->dxfName());
  EXPECT_EQ(nullptr, Open<ZcDbBlockReference>(ids[0]));  // not a reference placing its block once
  const std::string written = db.dxfText();
  EXPECT_NE(std::string::npos, written.find("AcDbMInsertBlock\n 66\n1\n  2\nMark\n")) << written;
  EXPECT_NE(std::string::npos, written.find(" 70\n3\n 71\n2\n 44\n5")) << written;
  const std::size_t attrib = written.find("ATTRIB\n");
  ASSERT_NE(std::string::npos, attrib) << written;
  EXPECT_NE(std::string::npos, written.find("  8\nOpisy\n100\nAcDbText\n 10\n1\n", attrib)) << written;
  EXPECT_NE(std::string::npos, written.find("  1\nA1\n100\nAcDbAttribute\n  2\nNUM\n 70\n0\n", attrib)) << written;
  ZcDbDatabase again(false, true);
  ASSERT_EQ(Zcad::eOk, again.readDxfText(written));
  EXPECT_EQ(written, again.dxfText());
}

TEST(DxfCompatibility, AComplexLineTypeKeepsTheTextItDrawsBetweenItsDashes) {
  ZcDbDatabase db(false, true);
  ASSERT_TRUE(Reads(db,
      "0|SECTION|2|TABLES|0|TABLE|2|STYLE|0|STYLE|5|2A|2|Opisy|70|0|40|0|41|1|50|0|71|0|42|2.5|3|txt|4||0|ENDTAB|"
      "0|TABLE|2|LTYPE|0|LTYPE|5|30|2|GAZ|70|0|3|Gaz -- G --|72|65|73|3|40|1|49|0.5|74|0|"
      "49|-0.2|74|2|75|0|340|2A|46|0.1|50|0|44|-0.1|45|-0.05|9|G|49|-0.25|74|0|0|ENDTAB|0|ENDSEC|0|EOF"));
  const std::string element = " 49\n-0.2\n 74\n2\n 75\n0\n340\n2A\n 46\n0.1\n 50\n0.0\n 44\n-0.1\n 45\n-0.05\n  9\nG\n 49\n-0.25\n 74\n0\n";
  const std::string written = db.dxfText();
  EXPECT_NE(std::string::npos, written.find(element)) << written;
  ZcDbDatabase again(false, true);
  ASSERT_EQ(Zcad::eOk, again.readDxfText(written));
  EXPECT_NE(std::string::npos, again.dxfText().find(element));
  // dashes set anew drop what was drawn between the old ones
  ZcDbLinetypeTable* table = nullptr;
  ASSERT_EQ(Zcad::eOk, db.getLinetypeTable(table, ZcDb::kForRead));
  ZcDbObjectId id;
  table->getAt(L"GAZ", id);
  table->close();
  ZcDbLinetypeTableRecord* gas = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(gas, id, ZcDb::kForWrite));
  EXPECT_EQ(Zcad::eOk, gas->setDashes({0.5, -0.2}));
  gas->close();
  EXPECT_EQ(std::string::npos, db.dxfText().find("  9\nG\n"));
}

TEST(DxfCompatibility, TheEntitiesOfAFurtherLayoutAreWrittenWithItsBlock) {
  ZcDbDatabase db(false, true);
  ASSERT_TRUE(Reads(db,
      "0|SECTION|2|BLOCKS|0|BLOCK|2|*Paper_Space0|70|0|10|0|20|0|30|0|"
      "0|LINE|67|1|8|0|10|0|20|0|30|0|11|5|21|5|31|0|0|CIRCLE|67|1|8|0|10|1|20|1|30|0|40|1|0|ENDBLK|0|ENDSEC|"
      "0|SECTION|2|ENTITIES|0|LINE|8|0|10|0|20|0|30|0|11|1|21|0|31|0|0|ENDSEC|0|EOF"));
  ZcDbDatabase again(false, true);
  ASSERT_EQ(Zcad::eOk, again.readDxfText(db.dxfText()));
  auto* block = Open<ZcDbBlockTableRecord>(BlockNamed(again, L"*Paper_Space0"));
  ASSERT_NE(nullptr, block);
  EXPECT_EQ(2, block->entityIds().length());
  EXPECT_EQ(1, ModelSpace(again).length());
}

TEST(DxfCompatibility, PropertiesOtherProgramsGiveAnEntityAreWrittenBackOnce) {
  // a material, a colour name, a transparency and a shadow mode, on a line and on a solid
  // kept as read; a material that names nothing is left out
  const std::string common = "100|AcDbEntity|8|0|347|2F|430|RAL$5002|440|33554559|284|1|";
  ZcDbDatabase db(false, true);
  ASSERT_TRUE(Reads(db,
      "0|SECTION|2|ENTITIES|0|LINE|5|30|" + common + "100|AcDbLine|10|0|20|0|30|0|11|1|21|0|31|0|"
      "0|SOLID|5|31|" + common + "100|AcDbTrace|10|0|20|0|30|0|11|1|21|0|31|0|12|0|22|1|32|0|13|1|23|1|33|0|"
      "0|LINE|5|32|100|AcDbEntity|8|0|347|99|100|AcDbLine|10|0|20|0|30|0|11|1|21|0|31|0|0|ENDSEC|"
      "0|SECTION|2|OBJECTS|0|DICTIONARY|5|C|3|M|350|2F|0|MATERIAL|5|2F|330|C|100|AcDbMaterial|1|Tkanina|"
      "0|ENDSEC|0|EOF"));
  const std::string written = db.dxfText();
  const std::string kept = "347\n2F\n430\nRAL$5002\n440\n33554559\n284\n1\n";
  const std::size_t first = written.find(kept);
  ASSERT_NE(std::string::npos, first) << written;
  const std::size_t second = written.find(kept, first + 1);
  ASSERT_NE(std::string::npos, second) << written;
  EXPECT_EQ(std::string::npos, written.find(kept, second + 1));
  EXPECT_EQ(std::string::npos, written.find("440\n33554559\n", second + kept.size()));
  EXPECT_EQ(std::string::npos, written.find("347\n99\n"));
  ZcDbDatabase again(false, true);
  ASSERT_EQ(Zcad::eOk, again.readDxfText(written));
  EXPECT_EQ(written, again.dxfText());
}

TEST(DxfCompatibility, AByteOrderMarkBeforeTheFirstGroupMarksUtf8TextAndLosesNoOtherByte) {
  // whatever the header says: UTF-8 where it is well formed, a byte that is not as Windows-1252
  ZcDbDatabase db(false, true);
  ASSERT_TRUE(Reads(db, "\xEF\xBB\xBF" "0|SECTION|2|HEADER|9|$ACADVER|1|AC1015|9|$DWGCODEPAGE|3|ANSI_1250|0|ENDSEC|"
                        "0|SECTION|2|ENTITIES|0|TEXT|10|0|20|0|40|1|1|\xC5\x82uk \xE9|0|ENDSEC|0|EOF"));
  EXPECT_EQ(L"łuk é", Open<ZcDbText>(ModelSpace(db)[0])->textString());
}

TEST(DxfCompatibility, TextIsDecodedByTheFilesCodePage) {
  const std::string ansi1250 = "0|SECTION|2|HEADER|9|$ACADVER|1|AC1015|9|$DWGCODEPAGE|3|ANSI_1250|0|ENDSEC|"
                               "0|SECTION|2|ENTITIES|0|TEXT|10|0|20|0|40|1|1|Prz\xF3" "d \xB3uk|0|ENDSEC|0|EOF";
  const std::string utf8 = "0|SECTION|2|HEADER|9|$ACADVER|1|AC1021|0|ENDSEC|"
                           "0|SECTION|2|ENTITIES|0|TEXT|10|0|20|0|40|1|1|Prz\xC3\xB3" "d \xC5\x82uk|0|ENDSEC|0|EOF";
  const std::string escaped = "0|SECTION|2|ENTITIES|0|TEXT|10|0|20|0|40|1|1|Prz\\U+00F3d \\U+0142uk ^I^ |0|ENDSEC|0|EOF";
  for (const std::string& file : {ansi1250, utf8}) {
    ZcDbDatabase db(false, true);
    ASSERT_EQ(Zcad::eOk, db.readDxfText(Dxf(file)));
    EXPECT_EQ(L"Przód łuk", Open<ZcDbText>(ModelSpace(db)[0])->textString());
  }
  ZcDbDatabase db(false, true);
  ASSERT_EQ(Zcad::eOk, db.readDxfText(Dxf(escaped)));
  EXPECT_EQ(L"Przód łuk \t^", Open<ZcDbText>(ModelSpace(db)[0])->textString());
  // a NUL character is written escaped and whole, not as the end of the text
  ZcDbDatabase withNul(false, true);
  ASSERT_EQ(Zcad::eOk, withNul.readDxfText(Dxf("0|SECTION|2|ENTITIES|0|TEXT|10|0|20|0|40|1|1|a^@b|0|ENDSEC|0|EOF")));
  ZcDbDatabase again(false, true);
  ASSERT_EQ(Zcad::eOk, again.readDxfText(withNul.dxfText()));
  EXPECT_EQ(std::wstring(L"a\0b", 3), Open<ZcDbText>(ModelSpace(again)[0])->textString());
}

TEST(DxfCompatibility, TextOfOtherWindowsCodePagesReadsAsTheyMeanIt) {
  // Cyrillic "Пола", and a Japanese character whose second byte is a backslash in ASCII
  const std::string cyrillic = "0|SECTION|2|HEADER|9|$ACADVER|1|AC1015|9|$DWGCODEPAGE|3|ANSI_1251|0|ENDSEC|"
                               "0|SECTION|2|ENTITIES|0|TEXT|10|0|20|0|40|1|1|\xCF\xEE\xEB\xE0|0|ENDSEC|0|EOF";
  const std::string japanese = "0|SECTION|2|HEADER|9|$ACADVER|1|AC1015|9|$DWGCODEPAGE|3|ANSI_932|0|ENDSEC|"
                               "0|SECTION|2|ENTITIES|0|TEXT|10|0|20|0|40|1|1|\x95\x5CU+0041|0|ENDSEC|0|EOF";
  const std::string unknown = "0|SECTION|2|HEADER|9|$ACADVER|1|AC1015|9|$DWGCODEPAGE|3|ANSI_77777|0|ENDSEC|"
                              "0|SECTION|2|ENTITIES|0|TEXT|10|0|20|0|40|1|1|\xE9|0|ENDSEC|0|EOF";
  const std::pair<std::string, std::wstring> cases[] = {
      {cyrillic, L"Пола"}, {japanese, L"\x8868U+0041"}, {unknown, L"é"}};  // an unknown one as 1252
  for (const auto& [file, text] : cases) {
    ZcDbDatabase db(false, true);
    ASSERT_EQ(Zcad::eOk, db.readDxfText(Dxf(file)));
    EXPECT_EQ(text, Open<ZcDbText>(ModelSpace(db)[0])->textString());
    ZcDbDatabase again(false, true);  // written in this database's code page, nothing lost
    ASSERT_EQ(Zcad::eOk, again.readDxfText(db.dxfText()));
    EXPECT_EQ(text, Open<ZcDbText>(ModelSpace(again)[0])->textString());
  }
}

TEST(DxfCompatibility, EveryUpperHalfByteOfWindows1250ReadsAsTheCodePageSaysAndWritesBack) {
  // The code page's characters for 0x80..0xFF; U+FFFD where it defines none.
  const wchar_t kCp1250[128] = {
      0x20AC, 0xFFFD, 0x201A, 0xFFFD, 0x201E, 0x2026, 0x2020, 0x2021,
      0xFFFD, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
      0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
      0xFFFD, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
      0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
      0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
      0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
      0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
      0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
      0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
      0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
      0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
      0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
      0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
      0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
      0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9};
  std::string bytes;
  for (int b = 0x80; b < 0x100; ++b) bytes.push_back(static_cast<char>(b));
  ZcDbDatabase db(false, true);
  ASSERT_EQ(Zcad::eOk, db.readDxfText(Dxf("0|SECTION|2|HEADER|9|$ACADVER|1|AC1015|9|$DWGCODEPAGE|3|ANSI_1250|0|ENDSEC|"
                                          "0|SECTION|2|ENTITIES|0|TEXT|10|0|20|0|40|1|1|" + bytes + "|0|ENDSEC|0|EOF")));
  std::wstring text = Open<ZcDbText>(ModelSpace(db)[0])->textString();
  ASSERT_EQ(128u, text.size());
  for (int i = 0; i < 128; ++i) EXPECT_EQ(kCp1250[i], text[i]) << "byte 0x" << std::hex << 0x80 + i;
  // written back in the same code page: each defined byte as itself
  std::string written;
  for (int i = 0; i < 128; ++i) written += kCp1250[i] == 0xFFFD ? std::string("\\U+FFFD") : std::string(1, char(0x80 + i));
  EXPECT_NE(std::string::npos, db.dxfText().find("\n" + written + "\n"));
}

TEST(DxfCompatibility, MalformedUtf8TextNeverReadsAsAnotherCharacter) {
  // C0 AF is an overlong "/": U+FFFD in a UTF-8 file, its two Windows-1252 characters in a
  // 1252 one, where only well-formed UTF-8 is taken as such.
  const std::pair<const char*, const wchar_t*> cases[] = {{"AC1021", L"a\uFFFD\uFFFDb"},
                                                           {"AC1015", L"a\u00C0\u00AFb"}};
  for (const auto& [version, expected] : cases) {
    ZcDbDatabase db(false, true);
    std::string file = std::string("0|SECTION|2|HEADER|9|$ACADVER|1|") + version +
                       "|9|$DWGCODEPAGE|3|ANSI_1252|0|ENDSEC|"
                       "0|SECTION|2|ENTITIES|0|TEXT|10|0|20|0|40|1|1|a\xC0\xAF" "b|0|ENDSEC|0|EOF";
    ASSERT_EQ(Zcad::eOk, db.readDxfText(Dxf(file)));
    EXPECT_EQ(expected, Open<ZcDbText>(ModelSpace(db)[0])->textString()) << version;
  }
}

TEST(DxfCompatibility, OlderRecordsKeptAsReadGetTheSubclassesOfTheirKind) {
  // Dimensions of every type (7 is none), without subclass markers as older files write them.
  for (int type = 0; type < 8; ++type) {
    ZcDbDatabase db(false, true);
    ASSERT_EQ(Zcad::eOk, db.readDxfText(Dxf("0|SECTION|2|ENTITIES|0|DIMENSION|8|0|10|1|20|2|70|" + std::to_string(type) +
                                            "|13|3|23|4|15|5|25|6|40|7|0|ENDSEC|0|EOF")));
    std::string text = db.dxfText();
    std::size_t at = text.find("DIMENSION\n");
    ASSERT_NE(std::string::npos, text.find("100\nAcDbDimension\n", at)) << type;
    ZcDbDatabase again(false, true);
    ASSERT_EQ(Zcad::eOk, again.readDxfText(text)) << type;
    EXPECT_EQ(text, again.dxfText()) << type;
  }
}

TEST(DxfCompatibility, AKeptRecordWhoseSubclassMarkerIsEmptyWritesBackTheSame) {
  // the empty marker is a marker: no other is put before it, so the file reads back unchanged
  ZcDbDatabase db(false, true);
  ASSERT_EQ(Zcad::eOk, db.readDxfText(Dxf("0|SECTION|2|ENTITIES|0|SOLID|8|0|100||10|0|20|0|11|1|21|0|0|ENDSEC|0|EOF")));
  std::string text = db.dxfText();
  ZcDbDatabase again(false, true);
  ASSERT_EQ(Zcad::eOk, again.readDxfText(text));
  EXPECT_EQ(text, again.dxfText());
}

TEST(DxfCompatibility, AnglesReadFromAFileWriteBackTheSameEverySave) {
  // degrees turn into radians (an arc's past a turn come back within one) and back: a
  // drawing saved again must not drift by an ulp
  std::string entities;
  for (int k = 1; k <= 200; ++k) {
    std::string degrees = std::to_string(360 + k * 2.5);
    entities += "0|ARC|10|50|20|0|40|50|50|0|51|" + degrees + "|0|TEXT|10|0|20|0|40|5|1|T|50|" + degrees +
                "|51|" + std::to_string(k * 0.3) + "|0|INSERT|2|B|10|0|20|0|50|" + degrees + "|";
  }
  ZcDbDatabase db(false, true);
  ASSERT_TRUE(Reads(db, "0|SECTION|2|BLOCKS|0|BLOCK|2|B|10|0|20|0|0|ENDBLK|0|ENDSEC|0|SECTION|2|ENTITIES|" +
                        entities + "0|ENDSEC|0|EOF"));
  std::string written = db.dxfText();
  ZcDbDatabase again(false, true);
  ASSERT_EQ(Zcad::eOk, again.readDxfText(written));
  EXPECT_EQ(written, again.dxfText());
}

TEST(DxfCompatibility, EveryObjectsSectionOfAFileIsRead) {
  // the root dictionary and one record in the first section, the other record in a second
  ZcDbDatabase db(false, true);
  ASSERT_EQ(Zcad::eOk, db.readDxfText(Dxf("0|SECTION|2|OBJECTS|0|DICTIONARY|5|C|3|A|350|D|3|B|350|E|"
                                          "0|XRECORD|5|D|330|C|1|first|0|ENDSEC|"
                                          "0|SECTION|2|OBJECTS|0|XRECORD|5|E|330|C|1|second|0|ENDSEC|0|EOF")));
  ZcDbDictionary* root = nullptr;
  ASSERT_EQ(Zcad::eOk, db.getNamedObjectsDictionary(root, ZcDb::kForRead));
  EXPECT_TRUE(root->has(L"A") && root->has(L"B"));
  root->close();
  std::string text = db.dxfText();
  EXPECT_NE(std::string::npos, text.find("first"));
  EXPECT_NE(std::string::npos, text.find("second"));
}

TEST(DxfCompatibility, TheSpacesBlocksOfAnR12FileAreTheSpaces) {
  ZcDbDatabase db(false, true);
  ASSERT_EQ(Zcad::eOk, db.readDxfText(Dxf("0|SECTION|2|HEADER|9|$ACADVER|1|AC1009|0|ENDSEC|0|SECTION|2|BLOCKS|"
                                          "0|BLOCK|2|$MODEL_SPACE|10|0|20|0|0|ENDBLK|0|BLOCK|2|$PAPER_SPACE|10|0|20|0|"
                                          "0|ENDBLK|0|BLOCK|2|A|10|0|20|0|0|ENDBLK|0|ENDSEC|0|EOF")));
  ZcDbBlockTable* table = nullptr;
  ASSERT_EQ(Zcad::eOk, db.getBlockTable(table, ZcDb::kForRead));
  EXPECT_EQ(3, table->recordIds().length());  // the two spaces and A
  EXPECT_FALSE(table->has(L"$MODEL_SPACE"));
  EXPECT_FALSE(table->has(L"$PAPER_SPACE"));
  table->close();
}

TEST(DxfCompatibility, RecordsKeptAsReadReadBackAsWrittenWhateverTheirValuesHold) {
  // a binary chunk ending in carriage returns, a text holding a NUL and a caret
  const std::string text = "0\nSECTION\n2\nENTITIES\n0\nWIPEOUT\n5\n2A\n100\nAcDbEntity\n8\n0\n"
                           "100\nAcDbWipeout\n310\nAB\r\r\r\n1\nx^@y^ z\n0\nENDSEC\n0\nEOF\n";
  ZcDbDatabase db(false, true);
  ASSERT_EQ(Zcad::eOk, db.readDxfText(text));
  std::string written = db.dxfText();
  EXPECT_NE(std::string::npos, written.find("310\nAB\n  1\nx^@y^ z\n"));
  ZcDbDatabase again(false, true);
  ASSERT_EQ(Zcad::eOk, again.readDxfText(written));
  EXPECT_EQ(written, again.dxfText());
}

TEST(DxfCompatibility, CurrentSettingsComeFromTheHeader) {
  ZcDbDatabase source;
  ZcDbLayerTable* t = nullptr;
  source.getLayerTable(t, ZcDb::kForWrite);
  auto* layer = new ZcDbLayerTableRecord;
  layer->setName(L"Szew");
  ZcDbObjectId layerId;
  t->add(layerId, layer);
  layer->close();
  t->close();
  source.setClayer(layerId);
  source.setTextsize(7.5);
  ZcDbDatabase db(false, true);
  ASSERT_EQ(Zcad::eOk, db.readDxfText(source.dxfText()));
  ZcDbLayerTableRecord* current = Open<ZcDbLayerTableRecord>(db.clayer());
  ASSERT_NE(nullptr, current);
  EXPECT_EQ(L"Szew", current->name());
  EXPECT_DOUBLE_EQ(7.5, db.textsize());
}

}  // namespace

namespace {

TEST(DxfCompatibility, EveryXDataItemKindReadsBackWithItsValue) {
  ZcDbDatabase db;
  ZcDbRegAppTable* apps = nullptr;
  db.getRegAppTable(apps, ZcDb::kForWrite);
  auto* app = new ZcDbRegAppTableRecord;
  app->setName(L"App");
  apps->add(app);
  app->close();
  apps->close();
  ZcDbBlockTableRecord* ms = nullptr;
  zcdbOpenObject(ms, db.modelSpaceId(), ZcDb::kForWrite);
  auto* text = new ZcDbText(ZcGePoint3d(), L"x");
  ms->appendZcDbEntity(text);
  ms->close();
  resbuf* list = zcutNewRb(1001);
  list->resval.rstring = static_cast<wchar_t*>(malloc(sizeof(L"App")));
  wcscpy(list->resval.rstring, L"App");
  resbuf* tail = list;
  auto add = [&](int code) { return tail = tail->rbnext = zcutNewRb(code); };
  add(1040)->resval.rreal = 0.1;
  resbuf* pt = add(1011);
  pt->resval.rpoint[0] = 1, pt->resval.rpoint[1] = -2, pt->resval.rpoint[2] = 3;
  add(1070)->resval.rint = -7;
  add(1071)->resval.rlong = 123456789;
  resbuf* bin = add(1004);
  bin->resval.rbinary.clen = 3;
  bin->resval.rbinary.buf = static_cast<char*>(malloc(3));
  memcpy(bin->resval.rbinary.buf, "\x00\xFF\x10", 3);
  ASSERT_EQ(Zcad::eOk, text->setXData(list));
  text->close();
  zcutRelRb(list);

  ZcDbDatabase again(false, true);
  ASSERT_EQ(Zcad::eOk, again.readDxfText(db.dxfText()));
  auto* read = Open<ZcDbText>(ModelSpace(again)[0]);
  resbuf* back = read->xData(L"App");
  ASSERT_NE(nullptr, back);
  resbuf* r = back->rbnext;
  EXPECT_EQ(0.1, r->resval.rreal);
  r = r->rbnext;
  EXPECT_EQ(-2.0, r->resval.rpoint[1]);
  r = r->rbnext;
  EXPECT_EQ(-7, r->resval.rint);
  r = r->rbnext;
  EXPECT_EQ(123456789, r->resval.rlong);
  r = r->rbnext;
  ASSERT_EQ(3, r->resval.rbinary.clen);
  EXPECT_EQ(0, memcmp(r->resval.rbinary.buf, "\x00\xFF\x10", 3));
  zcutRelRb(back);
}

}  // namespace
