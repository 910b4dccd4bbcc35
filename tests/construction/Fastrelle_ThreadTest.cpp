// The grain-line arrow joins the part at its start in every size, and is not drawn
// outside any part; symbols inserted at a place join the part there.
#include "construction/Fastrelle_Thread.h"

#include "PartsFixture.h"
#include "construction/Fastrelle_Part_Drawer.h"
#include "db/ZcDbLeader.h"
#include "sizes/Fastrelle_SizePoints.h"

namespace {

using GrainLine = PartsTest;

TEST_F(GrainLine, TheArrowJoinsThePartAtItsStartInEverySizeOnTheTechLayer) {
  Fastrelle_Part_Drawer(L"Front", 0).BuildFromCurves(Square());
  const int before = Members(L"Front|38").length();
  ASSERT_EQ(0, Fastrelle_Thread(ZcGePoint3d(50, 20, 0), ZcGePoint3d(50, 80, 0)).Draw());
  ZcDbObjectIdArray in38 = Members(L"Front|38");
  ASSERT_EQ(before + 1, in38.length());
  EXPECT_EQ(L"38~", Read<ZcDbEntity>(in38[before])->layer());
  EXPECT_EQ(L"0~", Read<ZcDbEntity>(Members(L"Front|0")[before])->layer());
  const std::size_t drawn = ModelSpace().size();
  EXPECT_EQ(374, Fastrelle_Thread(ZcGePoint3d(500, 20, 0), ZcGePoint3d(500, 80, 0)).Draw());
  EXPECT_EQ(drawn, ModelSpace().size());
}

TEST_F(GrainLine, ASymbolInsertedInAPartJoinsItInEverySizeAndOutsideOneStays) {
  Fastrelle_Part_Drawer(L"Front", 0).BuildFromCurves(Square());
  Fastrelle_SizePoints points;
  const int before = Members(L"Front|40").length();
  ASSERT_EQ(0, points.InsertSymbol(ZcGePoint3d(30, 30, 0), 1.0));
  EXPECT_EQ(before + 1, Members(L"Front|40").length());
  EXPECT_EQ(3, points.GetCount());  // the reference and its copies in 38 and 40
  EXPECT_EQ(374, points.InsertSymbol(ZcGePoint3d(300, 300, 0), 1.0));
  Fastrelle_Points_Gradable unknown(L"NoSuchBlock");
  EXPECT_EQ(379, unknown.InsertSymbol(ZcGePoint3d(30, 30, 0), 1.0));
}

}  // namespace
