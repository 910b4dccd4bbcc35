// The grain-line command draws one arrow per pair of points into the part at the start,
// says so for a start in no part and goes on, and ends at the first point not given.
#include "construction/Thread_cmd.h"

#include "MarkingFixture.h"
#include "db/ZcDbLeader.h"

namespace {

class GrainLineCommand : public MarkingTest {
protected:
  int Leaders(const wchar_t* group) {
    int n = 0;
    for (ZcDbObjectId id : Members(group)) n += id.objectClass()->isDerivedFrom(ZcDbLeader::desc());
    return n;
  }
};

TEST_F(GrainLineCommand, EachPairOfPointsDrawsAnArrowInEverySizeUntilAPointIsNotGiven) {
  Fastrelle_Part_Drawer(L"Przód", 0).BuildFromCurves(Square());
  Run<Thread_cmd>({L"50,20", L"50,80", L"500,20", L"500,80", L"60,20", L"60,80", L"", L"70,20"});
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"nie leży w żadnej części"));
  for (const wchar_t* group : {L"Przód|0", L"Przód|38", L"Przód|40"}) EXPECT_EQ(2, Leaders(group)) << group;
  EXPECT_EQ(1u, headless::PendingInput()) << "the command ended at the blank answer";
}

}  // namespace
