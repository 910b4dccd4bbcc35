// Renaming a group: its dictionary entry takes the new name, members stay, and the drawing
// file keeps it.
#include "db/ZcDbGroup.h"

#include <gtest/gtest.h>

#include "DrawingHelpers.h"
#include "db/ZcDbDictionary.h"
#include "db/ZcDbLine.h"

namespace {

ZcDbObjectId AddGroup(ZcDbDatabase& db, const wchar_t* name, ZcDbObjectId member) {
  ZcDbDictionary* groups = nullptr;
  db.getGroupDictionary(groups, ZcDb::kForWrite);
  auto* g = new ZcDbGroup(name);
  ZcDbObjectId id;
  groups->setAt(name, g, id);
  groups->close();
  g->append(member);
  g->close();
  return id;
}

Zcad::ErrorStatus Rename(ZcDbObjectId group, const wchar_t* name) {
  ZcDbGroup* g = nullptr;
  zcdbOpenObject(g, group, ZcDb::kForWrite);
  Zcad::ErrorStatus es = g->setName(name);
  g->close();
  return es;
}

std::wstring NameOf(ZcDbObjectId group) {
  ZcDbGroup* g = nullptr;
  zcdbOpenObject(g, group, ZcDb::kForRead);
  std::wstring name;
  g->getName(name);
  g->close();
  return name;
}

TEST(GroupNames, ARenameKeepsMembersAndReadsBackFromTheFile) {
  ZcDbDatabase db;
  ZcDbObjectId line = AppendEntity(db, new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 0, 0)));
  ZcDbObjectId group = AddGroup(db, L"Przód|38", line);
  ASSERT_EQ(Zcad::eOk, Rename(group, L"Tył|38"));
  EXPECT_EQ(L"Tył|38", NameOf(group));

  ZcDbDictionary* groups = nullptr;
  db.getGroupDictionary(groups, ZcDb::kForRead);
  EXPECT_FALSE(groups->has(L"Przód|38"));
  EXPECT_TRUE(groups->has(L"tył|38"));
  groups->close();
  ZcDbObject* member = nullptr;
  zcdbOpenObject(member, line, ZcDb::kForRead);
  ZcDbObjectIdArray reactors = member->getPersistentReactors();
  member->close();
  ASSERT_EQ(1, reactors.length());
  EXPECT_EQ(group, reactors[0]);

  ZcDbDatabase again;
  ASSERT_EQ(Zcad::eOk, again.readDxfText(db.dxfText()));
  again.getGroupDictionary(groups, ZcDb::kForRead);
  ZcDbObject* read = nullptr;
  ASSERT_EQ(Zcad::eOk, groups->getAt(L"Tył|38", read, ZcDb::kForRead));
  groups->close();
  ZcDbObjectIdArray members;
  static_cast<ZcDbGroup*>(read)->allEntityIds(members);
  read->close();
  EXPECT_EQ(1, members.length());
  EXPECT_FALSE(again.dxfText().find("Przód") != std::string::npos);
}

TEST(GroupNames, ANameTakenInAnyCaseOrEmptyIsRefusedButACaseChangeIsAllowed) {
  ZcDbDatabase db;
  ZcDbObjectId a = AppendEntity(db, new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 0, 0)));
  ZcDbObjectId b = AppendEntity(db, new ZcDbLine(ZcGePoint3d(0, 1, 0), ZcGePoint3d(1, 1, 0)));
  ZcDbObjectId first = AddGroup(db, L"A|38", a);
  AddGroup(db, L"B|38", b);
  EXPECT_EQ(Zcad::eDuplicateKey, Rename(first, L"b|38"));
  EXPECT_EQ(Zcad::eInvalidInput, Rename(first, L""));
  EXPECT_EQ(L"A|38", NameOf(first));
  EXPECT_EQ(Zcad::eOk, Rename(first, L"a|38"));
  EXPECT_EQ(L"a|38", NameOf(first));
  EXPECT_EQ(0, db.numOpenObjects());
}

}  // namespace
