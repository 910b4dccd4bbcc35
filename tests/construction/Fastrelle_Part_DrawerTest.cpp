// The part drawer: records that read without creating anything, building a part from
// curves into every size, copying into sizes that lack it, renaming.
#include "construction/Fastrelle_Part_Drawer.h"

#include "PartsFixture.h"
#include "construction/Fastrelle_Forms.h"
#include "construction/Fastrelle_Parts.h"
#include "construction/PartSizeGroup.h"
#include "db/ZcDbText.h"
#include "db/ZcDbXrecord.h"
#include "ed/ResultBuffer.h"
#include "framework/BlockReference.h"
#include "sizes/Fastrelle_SizePoints.h"
#include "sizes/RebuildPartsInAllSizes.h"

namespace {

using Parts = PartsTest;

TEST_F(Parts, OpeningAnUnknownPartCreatesNothingAndReadsTypeZeroQuantityOne) {
  Fastrelle_Part_Drawer part(L"Front", nullptr);
  EXPECT_FALSE(part.ReadRecord());
  EXPECT_EQ(0, part.GetType());
  EXPECT_EQ(1, part.GetQuantity());
  EXPECT_FALSE(HasPartsDictionary());
  Fastrelle_Part_Drawer unnamed(CString(), nullptr);
  EXPECT_FALSE(HasPartsDictionary());
}

TEST_F(Parts, RecordsKeepTypeAndQuantityAndRefuseValuesOutOfRange) {
  {
    Fastrelle_Part_Drawer part(L"Front", 2);
    part.SetQuantity(4);
    EXPECT_EQ(3, part.SetType(7));
    part.SetQuantity(40000);
  }
  Fastrelle_Part_Drawer read(L"front", nullptr);
  EXPECT_TRUE(read.ReadRecord());
  EXPECT_EQ(2, read.GetType());
  EXPECT_EQ(4, read.GetQuantity());
  // The same name again, in another case: that part, its quantity kept.
  Fastrelle_Part_Drawer again(L"FRONT", 1);
  EXPECT_EQ(L"Front", again.GetName());
  EXPECT_EQ(4, again.GetQuantity());
  Fastrelle_Parts parts;
  parts.Load(nullptr);
  ASSERT_EQ(1u, parts.Parts().size());
  EXPECT_EQ(1, parts.Parts()[0].GetType());
}

// Old drawings hold 16-bit values, as 1070 or 1071 items: low 16 bits, sign-extended.
TEST_F(Parts, RecordValuesReadAsSixteenBitsAndAMissingQuantityFailsKeepingTheType) {
  Fastrelle_Part_Drawer(L"Front", 0);
  ZcDbObjectId recordId;
  {
    ZcDbDictionary* named = nullptr;
    db_->getNamedObjectsDictionary(named, ZcDb::kForRead);
    ZcDbObjectId partsId;
    named->getAt(L"Fastrelle", partsId);
    named->close();
    ZcDbDictionary* parts = nullptr;
    zcdbOpenObject(parts, partsId, ZcDb::kForRead);
    parts->getAt(L"Front", recordId);
    parts->close();
  }
  auto store = [&](std::vector<std::pair<int, std::int32_t>> items) {
    resbuf* head = zcutNewRb(1001);
    head->resval.rstring = zcutDupString(L"FastrellePart");
    resbuf* last = head->rbnext = zcutNewRb(1000);
    last->resval.rstring = zcutDupString(L"Front");
    for (auto [code, value] : items) {
      last = last->rbnext = zcutNewRb(code);
      if (code == 1070) last->resval.rint = static_cast<short>(value);
      else last->resval.rlong = value;
    }
    ZcDbObject* record = nullptr;
    zcdbOpenObject(record, recordId, ZcDb::kForWrite);
    record->setXData(head);
    record->close();
    zcutRelRb(head);
  };
  store({{1070, 2}, {1071, 65537}});
  Fastrelle_Part_Drawer read(L"Front", nullptr);
  EXPECT_TRUE(read.ReadRecord());
  EXPECT_EQ(2, read.GetType());
  EXPECT_EQ(1, read.GetQuantity());
  store({{1071, 1}});
  Fastrelle_Part_Drawer partial(L"Front", nullptr);
  EXPECT_FALSE(partial.ReadRecord());
  EXPECT_EQ(1, partial.GetType());
}

TEST_F(Parts, BuildingFromCurvesMakesTheMasterAndACopyInEverySize) {
  ZcDbObjectIdArray curves = Square();
  ZcDbObjectId circle = AddCircle(ZcGePoint3d(50, 50, 0), 10);
  curves.append(circle);
  Fastrelle_Part_Drawer part(L"Front", 0);
  ASSERT_EQ(0, part.BuildFromCurves(curves));
  for (const wchar_t* group : {L"Front|0", L"Front|38", L"Front|40"}) {
    EXPECT_EQ(11, Members(group).length()) << group;  // 4 lines, the circle's polyline, 6 points
    EXPECT_EQ(6, References(group)) << group;
  }
  // The circle stays where it was, outside the part.
  EXPECT_FALSE(PartSizeGroup::IsInPart(circle));
  EXPECT_EQ(L"0", Read<ZcDbEntity>(circle)->layer());
  EXPECT_EQ(L"^40", Read<ZcDbEntity>(Members(L"Front|40")[0])->layer());
  EXPECT_EQ(L"38~", Read<ZcDbEntity>(Members(L"Front|38")[10])->layer());
  EXPECT_EQ(7, NextGradePointNumber());
}

TEST_F(Parts, BuildingAnExistingPartAgainCopiesOnlyTheNewCurves) {
  Fastrelle_Part_Drawer(L"Front", 0).BuildFromCurves(Square());
  Fastrelle_Part_Drawer(L"Front", 0).SetQuantity(3);
  ZcDbObjectIdArray more;
  more.append(AddLine(ZcGePoint3d(200, 0, 0), ZcGePoint3d(300, 0, 0)));
  Fastrelle_Part_Drawer part(L"Front", 0);
  ASSERT_EQ(0, part.BuildFromCurves(more));
  EXPECT_EQ(3, part.GetQuantity());
  EXPECT_EQ(8 + 3, Members(L"Front|38").length());
  // Curves already in a part are left out of a new one.
  Fastrelle_Part_Drawer other(L"Back", 0);
  EXPECT_EQ(0, other.BuildFromCurves(Members(L"Front|0")));
  EXPECT_FALSE(HasGroup(L"Back|0"));
}

TEST_F(Parts, RebuildingTwiceFillsOnlySizesWithoutTheirPartAndKeepsQuantities) {
  Fastrelle_Part_Drawer(L"Front", 0).BuildFromCurves(Square());
  Fastrelle_Part_Drawer(L"Front", 0).SetQuantity(2);
  EnsureSizeLayers(Fastrelle_Size(L"42", 3, false));
  const std::size_t before = ModelSpace().size();
  EXPECT_EQ(0, RebuildPartsInAllSizes());
  EXPECT_EQ(8, Members(L"Front|42").length());
  EXPECT_EQ(8, Members(L"Front|38").length());
  const std::size_t once = ModelSpace().size();
  EXPECT_EQ(before + 8, once);
  EXPECT_EQ(0, RebuildPartsInAllSizes());
  EXPECT_EQ(once, ModelSpace().size());
  EXPECT_EQ(2, Fastrelle_Part_Drawer(L"Front", nullptr).GetQuantity());
}

TEST_F(Parts, RenamingKeepsGradeNumbersAndReplacesTheNameOnlyAsAWord) {
  Fastrelle_Part_Drawer part(L"1", 0);
  part.BuildFromCurves(Square());
  for (int i = 0; i < 10; ++i) Fastrelle_Part_Drawer(L"1", 0).BuildFromCurves(Square(1000.0 + 200 * i));
  ASSERT_EQ(0, part.Rename(L"2"));
  EXPECT_FALSE(HasGroup(L"1|38"));
  EXPECT_TRUE(HasGroup(L"2|38"));
  EXPECT_TRUE(HasGroup(L"2|0"));
  std::vector<int> numbers;
  for (ZcDbObjectId id : Members(L"2|40"))
    if (Fastrelle_SizePoint point(id); point.IsReference()) numbers.push_back(point.GetNumber());
  ASSERT_EQ(44u, numbers.size());
  EXPECT_EQ(10, numbers[9]);
  EXPECT_EQ(21, numbers[20]);
}

TEST_F(Parts, RenamingReplacesTheOldNameInLabelsOnlyAsAWholeWord) {
  Fastrelle_Part_Drawer(L"1", 0).BuildFromCurves(Square());
  ZcDbBlockTable* blocks = nullptr;
  db_->getBlockTable(blocks, ZcDb::kForWrite);
  auto* label = new ZcDbBlockTableRecord;
  label->setName(L"Label");
  blocks->add(label);
  auto* name = new ZcDbAttributeDefinition(ZcGePoint3d(0, 0, 0), L"x", L"NAME");
  label->appendZcDbEntity(name);
  name->close();
  label->close();
  blocks->close();
  ZcDbObjectId ref;
  ASSERT_EQ(0, InsertBlock(L"Label", ZcGePoint3d(50, 50, 0), 1.0, 0.0, &ref));
  SetAttributeValue(Read<ZcDbBlockReference>(ref), L"NAME", L"1 (x1) 10 21");
  PartSizeGroup(nullptr, L"1", L"38").AddEntity(ref);
  ASSERT_EQ(0, Fastrelle_Part_Drawer(L"1", nullptr).Rename(L"2"));
  CString text;
  GetAttributeValue(Read<ZcDbBlockReference>(ref), L"NAME", text);
  EXPECT_EQ(L"2 (x1) 10 21", text);
}

TEST_F(Parts, ARenameBlockedInOneSizeRenamesNothing) {
  Fastrelle_Part_Drawer(L"A", 0).BuildFromCurves(Square());
  MakeGroup(L"B|40", {});
  EXPECT_NE(0, Fastrelle_Part_Drawer(L"A", nullptr).Rename(L"B"));
  EXPECT_TRUE(HasGroup(L"A|38"));
  EXPECT_TRUE(HasGroup(L"A|0"));
  EXPECT_FALSE(HasGroup(L"B|38"));
  EXPECT_NE(0, Fastrelle_Part_Drawer(L"A", nullptr).Rename(L"B|C"));
  EXPECT_NE(0, Fastrelle_Part_Drawer(L"A", nullptr).Rename(L""));
}

TEST_F(Parts, FindAtTakesTheLaterOfOverlappingPartsAndNeverOneMissingASize) {
  Fastrelle_Part_Drawer(L"A", 0).BuildFromCurves(Square());
  Fastrelle_Part_Drawer(L"B", 0).BuildFromCurves(Square(50, 50));
  Fastrelle_Part found;
  ASSERT_TRUE(FindPartAtPoint(ZcGePoint3d(75, 75, 0), found));
  EXPECT_EQ(L"B", found.GetName());
  ASSERT_TRUE(FindPartAtPoint(ZcGePoint3d(10, 10, 0), found));
  EXPECT_EQ(L"A", found.GetName());
  Fastrelle_Part untouched(L"none");
  EXPECT_FALSE(FindPartAtPoint(ZcGePoint3d(500, 500, 0), untouched));
  EXPECT_EQ(L"none", untouched.GetName());
  PartSizeGroup(nullptr, L"B", L"38").Erase();
  ASSERT_TRUE(FindPartAtPoint(ZcGePoint3d(75, 75, 0), found));
  EXPECT_EQ(L"A", found.GetName());
}

TEST_F(Parts, PartsAndTheirGroupsSurviveASaveAndReopen) {
  Fastrelle_Part_Drawer(L"Przód", 2).BuildFromCurves(Square());
  Fastrelle_Part_Drawer(L"Przód", nullptr).SetQuantity(3);
  ZcDbDatabase reopened(false, true);
  ASSERT_EQ(Zcad::eOk, reopened.readDxfText(db_->dxfText()));
  Fastrelle_Parts parts;
  parts.Load(&reopened);
  ASSERT_EQ(1u, parts.Parts().size());
  EXPECT_EQ(L"Przód", parts.Parts()[0].GetName());
  EXPECT_EQ(2, parts.Parts()[0].GetType());
  EXPECT_EQ(3, parts.Parts()[0].GetQuantity());
  for (const wchar_t* size : {L"0", L"38", L"40"}) {
    ZcDbObjectIdArray ids;
    EXPECT_EQ(0, PartSizeGroup(&reopened, L"Przód", size).GetIds(ids));
    EXPECT_EQ(8, ids.length()) << size;
  }
}

TEST_F(Parts, AFailingCopyLeavesNoStrayCopiesAndIsReturned) {
  ZcDbObjectIdArray ids;
  ids.append(AddLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 0, 0)));
  ids.append(AddLine(ZcGePoint3d(0, 1, 0), ZcGePoint3d(1, 1, 0)));
  Erase(ids[1]);
  Fastrelle_Part_Drawer part(L"Front", 0);
  EXPECT_NE(0, part.AddEntities(ids, 0));
  std::size_t live = 0;
  for (ZcDbObjectId id : ModelSpace()) live += !id.isErased();
  EXPECT_EQ(1u, live);
  EXPECT_EQ(0, Members(L"Front|38").length());
}

TEST_F(Parts, AddingToAPartWithoutNameAddsNothing) {
  Fastrelle_Part_Drawer nameless(ZcDbObjectId{});
  ZcDbObjectIdArray one;
  one.append(AddLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 0, 0)));
  EXPECT_NE(0, nameless.AddEntities(one, 1));
  EXPECT_EQ(1u, ModelSpace().size());
  EXPECT_NE(0, AddGradePointInAllSizes(CString(), ZcGePoint3d(), 1));
}

}  // namespace
