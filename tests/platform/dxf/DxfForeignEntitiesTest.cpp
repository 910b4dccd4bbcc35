// Drawings from other programs holding entity and object kinds the database does not model
// (made by ezdxf, a DXF library we did not write; meshes and face sets among them): opened
// and saved, they lose nothing (tables of kinds not modelled among it), and the kept entities
// belong to the drawing like any other.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "DrawingHelpers.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbDictionary.h"
#include "db/ZcDbGroup.h"
#include "db/ZcDbOpaqueEntity.h"
#include "headless/Database.h"

namespace {

const char* const kPython = "/usr/bin/python3";
const std::string kScript = FASTRELLE_SOURCE_DIR "/tests/platform/dxf/ezdxf_foreign.py";

bool HaveEzdxf() { return std::system("/usr/bin/python3 -c 'import ezdxf' 2>/dev/null") == 0; }

std::filesystem::path TempFile(const std::string& name) {
  auto dir = std::filesystem::temp_directory_path() / ("fastrelle_foreign_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  return dir / name;
}

std::string Narrow(const std::wstring& w) { return std::string(w.begin(), w.end()); }

// The drawing ezdxf makes in `version`, read into `db`.
void OpenMadeDrawing(const std::string& version, ZcDbDatabase& db, std::filesystem::path& path) {
  path = TempFile(version + ".dxf");
  ASSERT_EQ(0, std::system((std::string(kPython) + " " + kScript + " make " + version + " " + path.string()).c_str()));
  ASSERT_EQ(Zcad::eOk, db.readDwgFile(path.wstring().c_str())) << Narrow(db.readError());
}

// The kept entities of model space, by kind.
std::map<std::string, ZcDbObjectId> KeptEntities(ZcDbDatabase& db) {
  std::map<std::string, ZcDbObjectId> kept;
  ZcDbBlockTableRecord* ms = nullptr;
  zcdbOpenObject(ms, db.modelSpaceId(), ZcDb::kForRead);
  for (ZcDbObjectId id : ms->entityIds())
    if (id.objectClass() == ZcDbOpaqueEntity::desc()) {
      ZcDbEntity* e = nullptr;
      zcdbOpenZcDbEntity(e, id, ZcDb::kForRead);
      kept[e->dxfName()] = id;
      e->close();
    }
  ms->close();
  return kept;
}

class DxfForeignEntities : public ::testing::TestWithParam<const char*> {};

TEST_P(DxfForeignEntities, OpenedAndSavedTheyKeepEveryEntityGroupByGroup) {
  if (!HaveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  ZcDbDatabase db(false, true);
  std::filesystem::path source;
  OpenMadeDrawing(GetParam(), db, source);
  std::map<std::string, ZcDbObjectId> kept = KeptEntities(db);
  for (const char* kind : {"SOLID", "3DFACE", "DIMENSION", "POLYLINE"}) EXPECT_EQ(1u, kept.count(kind)) << kind;
  if (std::string(GetParam()) != "R12")
    for (const char* kind : {"HATCH", "RAY", "XLINE", "MLINE"}) EXPECT_EQ(1u, kept.count(kind)) << kind;
  auto saved = TempFile(std::string("saved_") + GetParam() + ".dxf");
  ASSERT_EQ(Zcad::eOk, db.saveAs(saved.wstring().c_str()));
  EXPECT_EQ(0, std::system((std::string(kPython) + " " + kScript + " compare " + source.string() + " " +
                            saved.string()).c_str()));
  // the classes of the objects kept come with them
  auto classes = [](const std::filesystem::path& file) {
    std::ifstream in(file);
    int n = 0;
    for (std::string line, last; std::getline(in, line); last = line)
      if (line == "CLASS" && (last == "  0" || last == "0")) ++n;
    return n;
  };
  EXPECT_EQ(classes(source), classes(saved));
  EXPECT_EQ(0, headless::OpenObjectCount(&db));
}

INSTANTIATE_TEST_SUITE_P(Versions, DxfForeignEntities, ::testing::Values("R12", "R2000", "R2018"));

TEST(DxfForeignEntity, BelongsToTheDrawingLikeAnyEntity) {
  if (!HaveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  ZcDbDatabase db(false, true);
  std::filesystem::path source;
  OpenMadeDrawing("R2000", db, source);
  std::map<std::string, ZcDbObjectId> kept = KeptEntities(db);

  // its layer is the database's: it is found by layer and moves to another
  ZcDbEntity* solid = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenZcDbEntity(solid, kept["SOLID"], ZcDb::kForWrite));
  EXPECT_EQ(L"Foreign", solid->layer());
  ZcDbExtents box;
  ASSERT_EQ(Zcad::eOk, solid->getGeomExtents(box));  // from its corner points
  EXPECT_EQ(ZcGePoint3d(0, 0, 0), box.minPoint());
  EXPECT_EQ(ZcGePoint3d(5, 5, 0), box.maxPoint());
  EXPECT_EQ(Zcad::eOk, solid->setLayer(L"0"));
  solid->close();

  // an infinite line has no box; a hatch's box is its boundary, not its elevation point
  ZcDbEntity* ray = nullptr;
  zcdbOpenZcDbEntity(ray, kept["RAY"], ZcDb::kForRead);
  EXPECT_EQ(Zcad::eInvalidExtents, ray->getGeomExtents(box));
  ray->close();
  ZcDbEntity* hatch = nullptr;
  zcdbOpenZcDbEntity(hatch, kept["HATCH"], ZcDb::kForRead);
  ASSERT_EQ(Zcad::eOk, hatch->getGeomExtents(box));
  EXPECT_EQ(ZcGePoint3d(40, 0, 0), box.minPoint());
  hatch->close();

  // it is erased, and joins a group
  ZcDbEntity* xline = nullptr;
  zcdbOpenZcDbEntity(xline, kept["XLINE"], ZcDb::kForWrite);
  EXPECT_EQ(Zcad::eOk, xline->erase());
  xline->close();
  ZcDbDictionary* groups = nullptr;
  db.getGroupDictionary(groups, ZcDb::kForWrite);
  auto* group = new ZcDbGroup(L"kept");
  ZcDbObjectId groupId;
  groups->setAt(L"Kept", group, groupId);
  group->append(kept["MLINE"]);
  group->close();
  groups->close();

  ZcDbDatabase again(false, true);
  ASSERT_EQ(Zcad::eOk, again.readDxfText(db.dxfText())) << Narrow(again.readError());
  std::map<std::string, ZcDbObjectId> reread = KeptEntities(again);
  EXPECT_EQ(0u, reread.count("XLINE"));
  ZcDbEntity* moved = nullptr;
  zcdbOpenZcDbEntity(moved, reread["SOLID"], ZcDb::kForRead);
  EXPECT_EQ(L"0", moved->layer());
  moved->close();
  ZcDbDictionary* groupsAgain = nullptr;
  again.getGroupDictionary(groupsAgain, ZcDb::kForRead);
  ZcDbObjectId keptGroup;
  ASSERT_EQ(Zcad::eOk, groupsAgain->getAt(L"Kept", keptGroup));
  groupsAgain->close();
  ZcDbGroup* g = nullptr;
  zcdbOpenObject(g, keptGroup, ZcDb::kForRead);
  ZcDbObjectIdArray members;
  g->allEntityIds(members);
  g->close();
  ASSERT_EQ(1, members.length());
  EXPECT_EQ(reread["MLINE"], members[0]);
}

TEST(DxfForeignEntity, HandlesItHoldsFollowTheObjectsTheyName) {
  // A multiline naming its style (an object the database keeps as read) by handle: the
  // style's handle read back names the style whatever handles the save gives.
  const std::string text =
      "0\nSECTION\n2\nENTITIES\n"
      "0\nMLINE\n5\n2A\n100\nAcDbEntity\n8\n0\n100\nAcDbMline\n2\nSTANDARD\n340\n3B\n10\n1\n20\n2\n30\n0\n"
      "0\nENDSEC\n0\nSECTION\n2\nOBJECTS\n"
      "0\nDICTIONARY\n5\nC\n330\n0\n100\nAcDbDictionary\n3\nACAD_MLINESTYLE\n350\nD\n"
      "0\nDICTIONARY\n5\nD\n330\nC\n100\nAcDbDictionary\n3\nStandard\n350\n3B\n"
      "0\nMLINESTYLE\n5\n3B\n330\nD\n100\nAcDbMlineStyle\n2\nStandard\n70\n0\n"
      "0\nENDSEC\n0\nEOF\n";
  ZcDbDatabase db(false, true);
  ASSERT_EQ(Zcad::eOk, db.readDxfText(text)) << Narrow(db.readError());
  ZcDbObjectId mline = KeptEntities(db)["MLINE"];
  ZcDbOpaqueEntity* e = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(e, mline, ZcDb::kForRead));
  std::wstring styleHandle;
  for (auto& [code, value] : e->groups())
    if (code == 340) styleHandle = value;
  std::vector<ZcGePoint3d> points = e->points();
  e->close();
  ZcDbObjectId style;
  ASSERT_EQ(Zcad::eOk, db.getZcDbObjectId(style, false, ZcDbHandle(styleHandle.c_str())));
  ZcDbObject* o = nullptr;
  zcdbOpenObject(o, style, ZcDb::kForRead);
  EXPECT_STREQ("MLINESTYLE", o->dxfName());
  o->close();
  ASSERT_EQ(1u, points.size());
  EXPECT_EQ(ZcGePoint3d(1, 2, 0), points[0]);
}

}  // namespace
