// The crossing search: partners come from the box of each subject, the excluded ids never
// count, and each search answers from its own points only.
#include "geometry/Intersections.h"

#include "GeometryTest.h"

namespace {

class IntersectionsTest : public GeometryTest {};

TEST_F(IntersectionsTest, CrossingsAreFoundMarkedAndNotCarriedOver) {
  ZcDbObjectId subject = AddLine({0, 0, 0}, {10, 10, 0});
  ZcDbObjectId crossing = AddLine({0, 10, 0}, {10, 0, 0}), excluded = AddLine({0, 5, 0}, {10, 5, 0});
  AddLine({50, 50, 0}, {60, 60, 0});
  IntersectionsDefault search;
  search.m_subjectIds.append(subject);
  search.m_excludedIds.append(excluded);
  EXPECT_EQ(0, search.CheckAll());
  ASSERT_EQ(1, search.m_points.length());
  EXPECT_TRUE(Near(search.m_points[0], {5, 5, 0}));
  EXPECT_EQ(1, search.m_candidates.length());
  ASSERT_EQ(0, search.MarkIntersectionPoints());
  EXPECT_EQ(1, search.m_markerIds.length());

  Erase(crossing);
  Erase(search.m_markerIds[0]);
  EXPECT_FALSE(search.HasAny()) << "the earlier search's point does not answer";
  EXPECT_TRUE(search.m_points.isEmpty());
}

}  // namespace
