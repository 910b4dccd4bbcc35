// The plot module's test command: its case turns the shipped test model's front into a piece
// of the expected area, passes twice in a row and leaves the drawing empty; a missing or
// malformed model, a folder in its place, or a drawing without the part fails the case with
// its path named and leaves nothing behind.
#include "modules/plot/t_FillOpenForm.h"

#include <fstream>
#include <gtest/gtest.h>

#include "db/ZcDbDatabase.h"
#include "modules/ModuleCaseFixture.h"
#include "modules/plot/T_2018.h"

namespace {

class TestPlotTest : public ModuleCaseTest {
protected:
  static CString ShippedModel() {
    return CString(headless::FromUtf8(FASTRELLE_SOURCE_DIR "/install/Tests/T_2018.dwg").c_str());
  }
  /// Runs one case as a fixture runs it; true when it passed.
  bool Run(t_FillOpenForm& testCase) {
    if (!testCase.Initialize()) return false;
    bool passed = testCase.Evaluate();
    testCase.Finish();
    return passed;
  }
};

TEST_F(TestPlotTest, TheShippedModelGivesThePieceAreaTwiceAndLeavesTheDrawingEmpty) {
  for (int run = 0; run < 2; ++run) {
    t_FillOpenForm testCase(ShippedModel());
    EXPECT_TRUE(Run(testCase)) << headless::ToUtf8(headless::Transcript());
    EXPECT_EQ(ZWTestCase::NotEmptyReason(), CString());
  }
}

TEST_F(TestPlotTest, AMissingOrMalformedModelFailsWithItsPathAndLeavesNothing) {
  TempFolder folder;
  std::ofstream(folder.Native("broken.dwg")) << "not a drawing\n";
  ASSERT_EQ(ZcDbDatabase().saveAs(folder.Windows("other.dwg").c_str()), Zcad::eOk);  // a drawing without the part
  std::filesystem::create_directory(folder.Native("folder.dwg"));
  for (const char* name : {"missing.dwg", "broken.dwg", "other.dwg", "folder.dwg"}) {
    headless::ClearTranscript();
    t_FillOpenForm testCase(CString(folder.Windows(name).c_str()));
    EXPECT_FALSE(Run(testCase));
    EXPECT_NE(headless::Transcript().find(L"falied to load part: " + std::wstring(folder.Windows(name))),
              std::wstring::npos)
        << headless::ToUtf8(headless::Transcript());
    EXPECT_EQ(ZWTestCase::NotEmptyReason(), CString());
  }
}

TEST_F(TestPlotTest, ADrawingThatIsNotEmptyIsRefusedWithTheFurtherLine) {
  AddLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(10, 0, 0));
  T_2018 fixture;
  EXPECT_FALSE(fixture.Evaluate());
  EXPECT_NE(headless::Transcript().find(L"modelSpace is not empty\nt_FillOpenForm::Initialize\nt_FillOpenForm  Initialize failed! "), std::wstring::npos);
}

}  // namespace
