// Groups, named dictionaries, XData reading and tags.
#include "framework/UI_Group.h"

#include <gtest/gtest.h>

#include "db/ZcDbDatabase.h"
#include "db/ZcDbDictionary.h"
#include "db/ZcDbLine.h"
#include "db/ZcDbXrecord.h"
#include "framework/Tagged.h"
#include "framework/UI_Dictionary.h"
#include "framework/UI_Entity.h"
#include "framework/XData.h"
#include "framework/ZWDrawer.h"
#include "headless/Database.h"

namespace {

ZcDbObjectId AddLine(double y = 0) {
  auto* line = new ZcDbLine(ZcGePoint3d(0, y, 0), ZcGePoint3d(10, y, 0));
  ZWDrawer::Add(line);
  line->close();
  return line->objectId();
}

ZcDbObjectIdArray Members(const UI_Group& g) {
  ZcDbObjectIdArray ids;
  g.Group()->allEntityIds(ids);
  return ids;
}

TEST(UI_Group, CreatingAnExistingNameKeepsTheGroupAndItsMembers) {
  headless::NewDrawing();
  ZcDbObjectId a = AddLine(), b = AddLine(1);
  UI_Group first;
  ASSERT_TRUE(first.Create(L"Przód|38"));
  ZcDbObjectIdArray ids;
  ids.append(a).append(ZcDbObjectId()).append(b).append(a);
  EXPECT_TRUE(first.Append(ids));
  UI_Group again;
  ASSERT_TRUE(again.Create(L"Przód|38"));
  EXPECT_EQ(first.Group(), again.Group());
  ZcDbObjectIdArray members = Members(again);
  ASSERT_EQ(2, members.length());
  EXPECT_EQ(a, members[0]);
  EXPECT_EQ(b, members[1]);
  EXPECT_EQ(CString(L"Przód|38"), again.GetName());
}

TEST(UI_Group, GroupsAreFoundByNameFromAMemberOrFromTheGroupItself) {
  headless::NewDrawing();
  ZcDbObjectId a = AddLine();
  UI_Group g;
  g.Create(L"G");
  ZcDbObjectIdArray ids;
  ids.append(a);
  g.Append(ids);
  UI_Group byMember, bySelf, byName, missing;
  EXPECT_TRUE(byMember.SetFromEntity(UI_Entity(a).Entity()));
  EXPECT_EQ(g.Group(), byMember.Group());
  EXPECT_TRUE(bySelf.SetFromEntity(g.Group()));
  EXPECT_EQ(0, byName.OpenByName(L"g"));
  EXPECT_EQ(22, missing.OpenByName(L"nope"));
  EXPECT_FALSE(missing.Append(ids));
  UI_Entity alone(AddLine(2));
  ZcDbObjectId none;
  EXPECT_FALSE(alone.GetGroupId(none));
}

TEST(UI_Dictionary, AnEntryThatIsNotADictionaryIsLeftAlone) {
  ZcDbDatabase* db = headless::NewDrawing();
  UI_Dictionary made(L"Fastrelle");
  ASSERT_NE(nullptr, made.Dictionary());
  UI_Dictionary again(L"FASTRELLE");
  EXPECT_EQ(made.Dictionary(), again.Dictionary());
  ZcDbDictionary* nod = nullptr;
  db->getNamedObjectsDictionary(nod, ZcDb::kForWrite);
  auto* rec = new ZcDbXrecord;
  ZcDbObjectId id;
  nod->setAt(L"Record", rec, id);
  rec->close();
  nod->close();
  UI_Dictionary notDict(L"Record");
  EXPECT_EQ(nullptr, notDict.Dictionary());
  EXPECT_TRUE(id.isValid() && !id.isErased());
  EXPECT_EQ(0, headless::OpenObjectCount());
}

TEST(Tagged, TagsAppendInOrderAndCompareAsThePartsSay) {
  headless::NewDrawing();
  ZcDbObjectId line = AddLine();
  Tagged t(line, L"Fastrelle_Layout");
  EXPECT_FALSE(t.HasTag(L"A"));
  ASSERT_EQ(0, t.AddTag(L"A"));
  ASSERT_EQ(0, t.AddTag(L"B"));
  ASSERT_EQ(0, t.AddTag(L"A"));
  XDataReader reader;
  ASSERT_EQ(0, GetXData(reader, line, L"Fastrelle_Layout"));
  std::vector<std::wstring> items;
  for (resbuf* rb = reader.Head(); rb; rb = rb->rbnext) items.push_back(rb->resval.rstring);
  EXPECT_EQ((std::vector<std::wstring>{L"Fastrelle_Layout", L"A", L"B", L"A"}), items);
  EXPECT_TRUE(t.HasTag(L"a"));  // without regard to case
  CStringArray found;
  t.FindTags(L"a", found);      // a case-sensitive search
  EXPECT_EQ(0, found.GetSize());
  EXPECT_EQ(600, Tagged(ZcDbObjectId(), L"X").AddTag(L"A"));
  EXPECT_EQ(51, GetXData(reader, AddLine(1), L"Fastrelle_Layout"));
}

TEST(XData, ValueTextsAndHandlesOfItems) {
  headless::NewDrawing();
  XDataReader reader;
  resbuf* items = zcutNewRb(1070);
  items->resval.rint = -3;
  items->rbnext = zcutNewRb(1040);
  items->rbnext->resval.rreal = 2.5;
  items->rbnext->rbnext = zcutNewRb(1005);
  items->rbnext->rbnext->resval.rstring = static_cast<wchar_t*>(malloc(sizeof(L"FFFFFF")));
  wcscpy(items->rbnext->rbnext->resval.rstring, L"FFFFFF");
  reader.Reset(items);
  EXPECT_EQ(CString(L"-3"), XDataValueToText(reader));
  reader.SetCurrent(items->rbnext);
  EXPECT_EQ(CString(L"2.500000"), XDataValueToText(reader));
  reader.SetCurrent(items->rbnext->rbnext);
  EXPECT_TRUE(IdFromHandle(reader).isNull());  // a handle that names nothing
}

}  // namespace
