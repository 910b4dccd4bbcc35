// The size tools over a drawing with parts: renaming a size with its part groups, copying
// every part into a new size, making the sizes of an imported list.
#include "sizes/RenameSize.h"

#include "construction/Fastrelle_Part_Drawer.h"
#include "construction/PartSizeGroup.h"
#include "construction/PartsFixture.h"
#include "headless/Host.h"
#include "sizes/ApplySizeToAllParts.h"
#include "sizes/SizeCreator.h"

namespace {

class SizeTools : public PartsTest {
protected:
  void SetUp() override {
    PartsTest::SetUp();
    ASSERT_EQ(0, Fastrelle_Part_Drawer(L"Front", 0).BuildFromCurves(Square()));
    ASSERT_EQ(0, Fastrelle_Part_Drawer(L"Back", 0).BuildFromCurves(Square(300.0)));
    layers_ = LayerNames();
  }
  std::wstring layers_;
};

TEST_F(SizeTools, RenamingASizeRenamesItsLayersAndEveryPartsGroup) {
  ASSERT_EQ(0, RenameSize(L"38")(L"36"));
  EXPECT_EQ(L"0 36 36' 36~ ^40 ^40' ^40~ 0' 0~", LayerNames());
  for (const wchar_t* part : {L"Front", L"Back"}) {
    EXPECT_FALSE(HasGroup((CString(part) + L"|38").GetString()));
    EXPECT_EQ(8, Members((CString(part) + L"|36").GetString()).length());
  }
  // The base size keeps its marker; a second rename starts from the new name.
  ASSERT_EQ(0, RenameSize(L"40")(L"41"));
  ASSERT_EQ(0, RenameSize(L"41")(L"42"));
  EXPECT_EQ(L"0 36 36' 36~ ^42 ^42' ^42~ 0' 0~", LayerNames());
  EXPECT_TRUE(HasGroup(L"Front|42"));
  EXPECT_EQ(L"^42", Read<ZcDbEntity>(Members(L"Front|42")[0])->layer());
}

TEST_F(SizeTools, RenamingANonSizeOrToARefusedNameChangesNothing) {
  const std::size_t entities = ModelSpace().size();
  EXPECT_EQ(374, RenameSize(L"44")(L"46"));  // no such size: "0'" and "0~" stay
  EXPECT_EQ(374, RenameSize(L"")(L"46"));
  for (const wchar_t* refused : {L"", L"   ", L"a|b", L"4^0", L"38'", L"4~", L"0", L"defpoints", L"40", L"38"})
    EXPECT_EQ(3, RenameSize(L"38")(refused)) << headless::ToUtf8(refused);
  EXPECT_EQ(layers_, LayerNames());
  EXPECT_TRUE(HasGroup(L"Front|38"));
  EXPECT_TRUE(HasGroup(L"Back|40"));
  EXPECT_EQ(entities, ModelSpace().size());
}

TEST_F(SizeTools, APartWithoutAGroupInTheSizeDoesNotStopARename) {
  PartSizeGroup(nullptr, L"Front", L"38").Erase();
  ASSERT_EQ(0, RenameSize(L"38")(L"37"));
  EXPECT_TRUE(HasGroup(L"Back|37"));
  EXPECT_FALSE(HasGroup(L"Front|37"));
}

TEST_F(SizeTools, ANewSizeGetsACopyOfEveryPartWithSeamGeometry) {
  EnsureSizeLayers(Fastrelle_Size(L"42", 3, false));
  ASSERT_EQ(0, ApplySizeToAllParts(Fastrelle_Size(L"42", 3, false)));
  for (const wchar_t* group : {L"Front|42", L"Back|42"}) {
    ZcDbObjectIdArray members = Members(group);
    ASSERT_EQ(8, members.length()) << group;
    EXPECT_EQ(L"42", Read<ZcDbEntity>(members[0])->layer());
    EXPECT_EQ(L"42~", Read<ZcDbEntity>(members[7])->layer());
  }
  // A master of no seam line is left out.
  for (ZcDbObjectId id : Members(L"Back|0"))
    if (!Read<ZcDbEntity>(id)->isKindOf(ZcDbBlockReference::desc())) Erase(id);
  EnsureSizeLayers(Fastrelle_Size(L"44", 3, false));
  ASSERT_EQ(0, ApplySizeToAllParts(Fastrelle_Size(L"44", 3, false)));
  EXPECT_EQ(8, Members(L"Front|44").length());
  EXPECT_FALSE(HasGroup(L"Back|44"));
}

TEST_F(SizeTools, ImportedSizesNeverMakeASecondBase) {
  std::vector<Fastrelle_Size> list{{L"38", 1, false}, {L"42", 4, true}, {L"42", 4, false}, {L"M", 2, false}};
  ASSERT_EQ(0, SizeCreator().Create(list));
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(L"0 38 38' 38~ ^40 ^40' ^40~ 0' 0~ 42 42' 42~ M M' M~", LayerNames());
  EXPECT_EQ(4, LayerColor(L"42~"));
  EXPECT_EQ(L"40", GetBaseSizeName());
}

TEST_F(SizeTools, AnImportedBaseBecomesTheBaseOfADrawingWithoutOne) {
  Fastrelle_Sizes_ZW sizes;
  sizes.LoadFromLayers();
  sizes.SetBaseSize(L"");
  std::vector<Fastrelle_Size> list{{L"38", 1, true}, {L"44", 1, false}};
  ASSERT_EQ(0, SizeCreator().Create(list));
  EXPECT_EQ(L"38", GetBaseSizeName());
  EXPECT_EQ(L"0 ^38 ^38' ^38~ 40 40' 40~ 0' 0~ 44 44' 44~", LayerNames());
}

}  // namespace
