#include "construction/Fastrelle_SpecialPoint.h"

#include "SymbolFixture.h"
#include "framework/Fastrelle_Settings.h"
#include "framework/Folders.h"

namespace {

using SpecialPoint = SymbolTest;

TEST_F(SpecialPoint, ADrawingPathIsDefinedAsABlockAndAMissingOneInsertsNothing) {
  Fastrelle_SpecialPoint missing(L"NoSuchSymbol", 1.0);
  const std::size_t before = ModelSpace().size();
  EXPECT_NE(0, missing.Insert(ZcGePoint3d(5, 5, 0)));
  EXPECT_FALSE(missing.IsInserted());
  EXPECT_EQ(before, ModelSpace().size());
  Fastrelle_SpecialPoint drawing(ResolveInstallPath(L"Templates\\PartDescription.dwg"), 2.0);
  ASSERT_EQ(0, drawing.Insert(ZcGePoint3d(5, 5, 0)));
  auto* ref = Read<ZcDbBlockReference>(drawing.Reference());
  ASSERT_TRUE(ref);
  EXPECT_EQ(L"PartDescription", Read<ZcDbBlockTableRecord>(ref->blockTableRecord())->name());
  EXPECT_NEAR(2.0, ref->scaleFactors().sx, 1e-12);
}

TEST_F(SpecialPoint, PlacedAlongADirectionItsYAxisFollowsIt) {
  Fastrelle_SpecialPoint mark(L"Mark", 1.0);
  ASSERT_EQ(0, mark.PlaceAlong(ZcGePoint3d(10, 20, 0), ZcGeVector3d(0, 1, 0)));  // the first place inserts
  ZcDbObjectId first = mark.Reference();
  EXPECT_NEAR(0.0, Read<ZcDbBlockReference>(first)->rotation(), 1e-12);
  ASSERT_EQ(0, mark.PlaceAlong(ZcGePoint3d(30, 20, 0), ZcGeVector3d(0, -2, 0)));
  EXPECT_EQ(first, mark.Reference());  // slid, not inserted again
  ZcGePoint3d at;
  ASSERT_TRUE(mark.GetPosition(at));
  EXPECT_TRUE(at.isEqualTo(ZcGePoint3d(30, 20, 0)));
  EXPECT_NEAR(3.1415926535897931, Read<ZcDbBlockReference>(first)->rotation(), 1e-12);
  EXPECT_EQ(0, mark.Erase());
  EXPECT_FALSE(mark.IsInserted());
  EXPECT_EQ(0, mark.Erase());  // nothing held: nothing to do
}

}  // namespace
