// The quick form leaves the view's shade mode and "OSMODE" as they were, whether it builds
// a part or ends without one, and leaves no region or stray curve behind; the command set
// touches neither at start-up and unload.
#include "construction/Fastrelle_QuickForm_Cmd.h"

#include "PartsFixture.h"
#include "construction/Construction_cmds.h"
#include "db/ZcDbRegion.h"
#include "framework/Guards.h"
#include "headless/Database.h"
#include "headless/Host.h"

namespace {

class QuickForm : public PartsTest {
protected:
  void SetUp() override {
    PartsTest::SetUp();
    SetShort(L"OSMODE", 37);
    ZW_View().SetMode(2);
  }
  void ExpectSettingsKept() {
    EXPECT_EQ(37, GetShort(L"OSMODE"));
    EXPECT_EQ(2, ZW_View().GetMode());
  }
  int Count(const ZcRxClass* cls) {
    int n = 0;
    for (ZcDbObjectId id : ModelSpace())
      if (!id.isErased() && id.objectClass()->isDerivedFrom(cls)) ++n;
    return n;
  }
};

TEST_F(QuickForm, BuildingAndDroppingTheCommandSetChangesNoSetting) {
  { Construction_cmds set; }
  ExpectSettingsKept();
}

TEST_F(QuickForm, APickedOutlineBecomesThePartAndNothingElseStays) {
  Square();
  headless::PushInputs({L"50,50", L"", L"Front", L""});
  Fastrelle_QuickForm_Cmd().Run();
  ExpectSettingsKept();
  EXPECT_EQ(0, Count(ZcDbRegion::desc()));
  EXPECT_EQ(8, Members(L"Front|40").length());  // four lines, four grade points
  EXPECT_EQ(4, References(L"Front|0"));
}

TEST_F(QuickForm, AFailedTraceOrACancelledNameLeavesNoRegionAndNoCurve) {
  Square();
  const std::size_t drawn = ModelSpace().size();
  headless::PushInputs({L"50,50", L"500,500", L"@box OK"});
  Fastrelle_QuickForm_Cmd().Run();
  ExpectSettingsKept();
  EXPECT_EQ(0, Count(ZcDbRegion::desc()));
  headless::PushInputs({L"50,50", L"", L"@cancel"});
  Fastrelle_QuickForm_Cmd().Run();
  ExpectSettingsKept();
  std::size_t live = 0;
  for (ZcDbObjectId id : ModelSpace()) live += !id.isErased();
  EXPECT_EQ(drawn, live);
  EXPECT_FALSE(HasPartsDictionary());
}

TEST_F(QuickForm, AFailedUnionIsPrintedAndLeavesNoRegion) {
  Square();
  Square(100);
  headless::FailRegionUnion(1);
  headless::PushInputs({L"50,50", L"150,50", L"", L"Front", L""});
  Fastrelle_QuickForm_Cmd().Run();
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Nie udało się połączyć obszarów"));
  EXPECT_EQ(0, Count(ZcDbRegion::desc()));
  EXPECT_EQ(4, References(L"Front|0"));  // the first outline alone
  ExpectSettingsKept();
}

}  // namespace
