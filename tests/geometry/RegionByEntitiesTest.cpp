// Regions from a list of curve ids: the owner and the curves are checked first, the region
// goes into model space by default.
#include "geometry/RegionByEntities.h"

#include "GeometryTest.h"
#include "db/ZcDbRegion.h"

namespace {

class RegionByEntitiesTest : public GeometryTest {};

TEST_F(RegionByEntitiesTest, MakesTheRegionInModelSpaceOrSaysWhatIsMissing) {
  RegionByEntities none;
  EXPECT_EQ(Zcad::eInvalidInput, none.Make());
  EXPECT_EQ(db_->modelSpaceId(), none.m_owner);

  RegionByEntities badOwner;
  badOwner.m_owner = ZcDbObjectId(db_->modelSpaceId().databaseSerial(), 999999);  // no such slot
  badOwner.m_curveIds.append(AddCircle({0, 0, 0}, 1));
  EXPECT_EQ(Zcad::eUndefinedBlock, badOwner.Make());

  RegionByEntities disc;
  disc.m_curveIds.append(AddCircle({5, 5, 0}, 2));
  ASSERT_EQ(0, disc.Make());
  auto* region = Read<ZcDbRegion>(disc.m_regionId);
  ASSERT_NE(nullptr, region);
  EXPECT_EQ(db_->modelSpaceId(), region->ownerId());
  double area = 0;
  region->getArea(area);
  EXPECT_NEAR(4 * M_PI, area, 1e-12);
}

}  // namespace
