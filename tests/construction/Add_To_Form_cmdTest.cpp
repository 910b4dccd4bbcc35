// Adding an entity to a part: by default it joins the part's master on its own line kind
// and is copied once into every size; "Zaznaczony" puts it into the picked element's group
// only; a target in no part, an entity already in a part or nothing picked change nothing.
#include "construction/Add_To_Form_cmd.h"

#include "MarkingFixture.h"

namespace {

class AddToFormCommand : public MarkingTest {
protected:
  void SetUp() override {
    MarkingTest::SetUp();
    Fastrelle_Part_Drawer(L"Przód", 0).BuildFromCurves(Square());
    for (const wchar_t* group : {L"Przód|0", L"Przód|38", L"Przód|40"}) before_.push_back(Members(group).length());
  }
  /// How many members each of the part's groups gained.
  std::vector<int> Gained() {
    std::vector<int> gained;
    const wchar_t* groups[] = {L"Przód|0", L"Przód|38", L"Przód|40"};
    for (int i = 0; i < 3; ++i) gained.push_back(Members(groups[i]).length() - before_[i]);
    return gained;
  }
  std::vector<int> before_;
};

TEST(AddToFormKind, TheLayerSuffixGivesTheLineKind) {
  EXPECT_EQ(3, Add_To_Form_cmd::KindOfLayer(L"38'"));
  EXPECT_EQ(2, Add_To_Form_cmd::KindOfLayer(L"^40~"));
  EXPECT_EQ(1, Add_To_Form_cmd::KindOfLayer(L"38"));
  EXPECT_EQ(1, Add_To_Form_cmd::KindOfLayer(L"0"));
}

TEST_F(AddToFormCommand, InAllSizesTheEntityJoinsTheMasterOnItsKindAndEachSizeGetsOneCopy) {
  ZcDbObjectId line = AddLine({20, 20, 0}, {40, 40, 0});
  Run<Add_To_Form_cmd>({L"30,30", L"0,50"});
  EXPECT_EQ((std::vector<int>{1, 1, 1}), Gained());
  ZcDbObjectIdArray master = Members(L"Przód|0");
  EXPECT_EQ(line, master[master.length() - 1]);
  EXPECT_EQ(L"0", Read<ZcDbEntity>(line)->layer());
  ZcDbObjectIdArray in38 = Members(L"Przód|38");
  EXPECT_EQ(L"38", Read<ZcDbEntity>(in38[in38.length() - 1])->layer());
  EXPECT_FALSE(Read<ZcDbEntity>(line)->isHighlighted());
  ZcDbObjectId extra = AddLine({20, 60, 0}, {40, 60, 0}, L"0~");  // an extra element stays one
  Run<Add_To_Form_cmd>({L"30,60", L"0,50"});
  EXPECT_EQ((std::vector<int>{2, 2, 2}), Gained());
  in38 = Members(L"Przód|38");
  EXPECT_EQ(L"38~", Read<ZcDbEntity>(in38[in38.length() - 1])->layer());
  EXPECT_EQ(L"0~", Read<ZcDbEntity>(extra)->layer());
}

TEST_F(AddToFormCommand, InThePickedSizeOnlyTheEntityJoinsThatGroupAlone) {
  ZcDbObjectId line = AddLine({20, 20, 0}, {40, 40, 0});
  Run<Add_To_Form_cmd>({L"Zaznaczony", L"30,30", L"0,50"});
  std::vector<int> gained = Gained();
  EXPECT_EQ(1, gained[0] + gained[1] + gained[2]);
  EXPECT_EQ(0, gained[0]) << "the picked element is the last drawn copy, not the master";
  EXPECT_FALSE(Read<ZcDbEntity>(line)->isHighlighted());
}

TEST_F(AddToFormCommand, ATargetInNoPartOrAnEntityOfAPartChangesNothing) {
  ZcDbObjectId line = AddLine({20, 20, 0}, {40, 40, 0});
  AddLine({300, 300, 0}, {320, 300, 0});
  Run<Add_To_Form_cmd>({L"30,30", L"310,300"});
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"nie należy do żadnej części"));
  EXPECT_FALSE(Read<ZcDbEntity>(line)->isHighlighted());
  Run<Add_To_Form_cmd>({L"0,50", L"100,50"});
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"należy już do części"));
  EXPECT_EQ(1u, headless::PendingInput()) << "the target was not asked";
  headless::ClearInput();
  Run<Add_To_Form_cmd>({L"30,30", L"@cancel"});
  EXPECT_EQ((std::vector<int>{0, 0, 0}), Gained());
  EXPECT_FALSE(Read<ZcDbEntity>(line)->isHighlighted());
  EXPECT_EQ(L"0", Read<ZcDbEntity>(line)->layer());
}

}  // namespace
