// The construction module's test command: its case makes its own input on an empty drawing,
// passes twice in a row and leaves the drawing empty; a drawing that is not empty is
// refused and kept; an end point passes strictly within 0.1 only.
#include "modules/construction/t_2236_inputCase.h"

#include <gtest/gtest.h>

#include "modules/ModuleCaseFixture.h"
#include "modules/construction/T_0002236.h"

namespace {

using TfasTest = ModuleCaseTest;

TEST_F(TfasTest, TheFixturePassesTwiceInARowAndLeavesTheDrawingEmpty) {
  for (int run = 0; run < 2; ++run) {
    headless::ClearTranscript();
    T_0002236 fixture;
    EXPECT_TRUE(fixture.Evaluate()) << headless::ToUtf8(headless::Transcript());
    // The cut regenerates the view ("Regenerating model."); the case's dot follows.
    EXPECT_NE(headless::Transcript().find(L"..\n_______ T_0002236 complete _____________ \n"), std::wstring::npos);
    EXPECT_EQ(headless::Transcript().find(L"failed"), std::wstring::npos);
    EXPECT_EQ(ZWTestCase::NotEmptyReason(), CString());
  }
}

TEST_F(TfasTest, ADrawingThatIsNotEmptyIsRefusedAndKept) {
  ZcDbObjectId line = AddLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(10, 0, 0));
  T_0002236 fixture;
  EXPECT_FALSE(fixture.Evaluate());
  EXPECT_EQ(headless::Transcript(),
            L"\n\n\nDrawing is not empty before test: \nt_2236_inputCase\nmodelSpace is not empty\n"
            L"t_2236_inputCase  Initialize failed! \n_______ T_0002236 complete _____________ \n");
  EXPECT_FALSE(line.isErased());
}

TEST_F(TfasTest, AnEndPointPassesOnlyStrictlyWithinTheTolerance) {
  t_2236_inputCase testCase;
  ZcGePoint3d expected(0, 0, 0);
  EXPECT_TRUE(testCase.PointNear(ZcGePoint3d(0, 0.05, 0), expected, L" SP is invalid "));
  EXPECT_EQ(headless::Transcript(), L"");
  EXPECT_FALSE(testCase.PointNear(ZcGePoint3d(0.1, 0, 0), expected, L" SP is invalid "));
  EXPECT_NE(headless::Transcript().find(L" while expected is less than : \n0.100000"), std::wstring::npos);
  EXPECT_NE(headless::Transcript().find(L"t_2236_inputCase::Evaluate\n SP is invalid "), std::wstring::npos);
}

TEST_F(TfasTest, TheSeamLiesTheAllowanceFromTheExpectedCutAwayFromTheOrigin) {
  ZcGePoint3d seam = t_2236_inputCase::SeamEndFor(t_2236_inputCase::kExpectedStart, 8.0);
  EXPECT_NEAR(seam.x, 1087.223358, 1e-3);
  EXPECT_NEAR(seam.y, 401.054506, 1e-3);
}

}  // namespace
