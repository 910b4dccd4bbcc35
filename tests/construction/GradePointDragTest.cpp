// The AddPoint drag from queued input: a cancel at the start or in mid-drag leaves the
// drawing as it was and no window; a point dragged along a graded size's seam lands on
// every size's own seam, the master's on the master.
#include "construction/GradePointDrag.h"

#include <fstream>
#include <regex>
#include <sstream>

#include "SquarePartFixture.h"
#include "sizes/AddGradePoint_cmd.h"
#include "sizes/Fastrelle_SizePoints.h"
#include "support/TempFolder.h"

namespace {

class GradePointDrag : public SquarePartTest {
protected:
  /// The drawing as DXF text with handles and references to them blanked: a symbol
  /// inserted and erased again uses up handles, so those written at the save move on.
  std::string Dxf() {
    const std::string path = folder_.Native("drawing.dxf");
    EXPECT_EQ(Zcad::eOk, db_->saveAs(headless::FromUtf8(path).c_str()));
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    static const std::regex handle("(\\n *(5|105|330|340|350|360)\\r?\\n)[0-9A-F]+");
    return std::regex_replace(text.str(), handle, "$1H");
  }
  int Run(std::vector<std::wstring> input) {
    headless::PushInputs(input);
    AddGradePoint_cmd command;
    command.Run();
    return command.Result();
  }
  TempFolder folder_;
};

TEST_F(GradePointDrag, ACancelAtTheStartOrInMidDragLeavesTheDrawingAsItWas) {
  const std::string before = Dxf();
  EXPECT_EQ(180, Run({L"@cancel"}));
  EXPECT_EQ(before, Dxf());
  EXPECT_EQ(180, Run({L"0,0", L"@move 50,1", L"@move 60,1", L"@cancel"}));
  EXPECT_EQ(before, Dxf());
  EXPECT_EQ(5, NextGradePointNumber());
}

TEST_F(GradePointDrag, ALengthTypedAlongAGradedSizesSeamPlacesThePointInEverySizeOnItsOwnSeam) {
  // 42's bottom edge lies 20 below the others: the drag runs along 42 alone.
  for (double x : {0.0, 100.0}) ASSERT_EQ(0, Fastrelle_SizePoint(NumberAt(x, 0), L"42").MoveTo(ZcGePoint3d(x, -20, 0)));
  EXPECT_EQ(0, Run({L"0,-20", L"@move 50,-19", L"@text 30"}));
  ExpectAt(At(5, L"42"), 30, -20);
  ExpectAt(At(5, L"0"), 30, 0);  // the master's point on the master
  ExpectAt(At(5, L"38"), 30, 0);
  ExpectAt(At(5, L"40"), 30, 0);
  ExpectAt(At(5, L"44"), 30, 0);
  // Each size's bottom edge is split at its own point.
  int pieces = 0;
  for (ZcDbObjectId id : Members(L"Front|42"))
    if (ZcDbLine* line = Read<ZcDbLine>(id))
      pieces += line->startPoint().distanceTo(ZcGePoint3d(30, -20, 0)) < 1e-9 || line->endPoint().distanceTo(ZcGePoint3d(30, -20, 0)) < 1e-9;
  EXPECT_EQ(2, pieces);
  EXPECT_EQ(1, References(L"Front|0") - 4);
}

}  // namespace
