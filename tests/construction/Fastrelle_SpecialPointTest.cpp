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

}  // namespace
