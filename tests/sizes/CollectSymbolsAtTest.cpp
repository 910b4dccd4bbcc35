// Collecting the symbols of a part at a pick: a grade point brings the points of its number
// in every size, wherever grading has put them.
#include "sizes/CollectSymbolsAt.h"

#include "SizesFixture.h"
#include "sizes/Fastrelle_SizePoint.h"
#include "sizes/Fastrelle_Sizes.h"

namespace {

ZcDbObjectIdArray master;
bool MasterAt(const ZcGePoint3d&, ZcDbObjectIdArray& ids) {
  ids = master;
  return !master.isEmpty();
}

class SymbolsAt : public SizesTest {
protected:
  void SetUp() override {
    SizesTest::SetUp();
    master = ZcDbObjectIdArray();
    SetPartMasterFinder(MasterAt);
    EnsureSizeLayers(Fastrelle_Size(L"38", 1, false));
    EnsureSizeLayers(Fastrelle_Size(L"40", 2, true));
  }
  void TearDown() override {
    SetPartMasterFinder(nullptr);
    SizesTest::TearDown();
  }
  ZcDbObjectId Point(const ZcGePoint3d& at, const wchar_t* size, int number) {
    Fastrelle_SizePoint point;
    point.Insert(at, size);
    point.SetNumber(number);
    return point.Id();
  }
};

TEST_F(SymbolsAt, AGradePointCollectsByNumberWhereAnotherPlacesPointLiesNearer) {
  master.append(Point(ZcGePoint3d(0, 0, 0), L"0", 1));
  master.append(Point(ZcGePoint3d(3, 0, 0), L"0", 2));
  ZcDbObjectId one38 = Point(ZcGePoint3d(10, 0, 0), L"38", 1);  // graded far out
  Point(ZcGePoint3d(1, 0, 0), L"38", 2);                         // nearer the pick in 38
  ZcDbObjectId one40 = Point(ZcGePoint3d(0, 0, 0), L"40", 1);
  Point(ZcGePoint3d(3, 0, 0), L"40", 2);

  std::vector<std::unique_ptr<Fastrelle_Points_Gradable>> found;
  ASSERT_EQ(0, CollectSymbolsAt(ZcGePoint3d(0.5, 0, 0), found));
  ASSERT_EQ(1u, found.size());
  EXPECT_EQ(one38, found[0]->FindInSize(L"38"));
  EXPECT_EQ(one40, found[0]->FindInSize(L"40"));
}

TEST_F(SymbolsAt, NoPartOrNoSymbolNearThePickGives374) {
  std::vector<std::unique_ptr<Fastrelle_Points_Gradable>> found;
  EXPECT_EQ(374, CollectSymbolsAt(ZcGePoint3d(0, 0, 0), found));
  master.append(Point(ZcGePoint3d(0, 0, 0), L"0", 1));
  EXPECT_EQ(374, CollectSymbolsAt(ZcGePoint3d(20, 0, 0), found));
  EXPECT_TRUE(found.empty());
}

}  // namespace
