// The modules started (their dialog templates and strings) over a drawing of sizes 38,
// 40 (base), 42 and 44 holding the part "Front": the square (0,0)-(100,100) with a grade
// point at each corner in every size; no window may outlive a test. Used by the grading
// dialog and grade-point drag tests.
#ifndef TESTS_CONSTRUCTION_SQUAREPARTFIXTURE_H
#define TESTS_CONSTRUCTION_SQUAREPARTFIXTURE_H

#include "construction/Fastrelle_QuickForm_Cmd.h"
#include "construction/PartsFixture.h"
#include "framework/Folders.h"
#include "headless/Windows.h"

class SquarePartTest : public PartsTest {
protected:
  void SetUp() override {
    PartsTest::SetUp();
    GetInstallPath();  // this program's install folder stays the shared one, not the module's copy
    ASSERT_TRUE(StartFastrelle(FreshInstall()));
    EnsureSizeLayers(Fastrelle_Size(L"42", 3, false));
    EnsureSizeLayers(Fastrelle_Size(L"44", 4, false));
    Square();
    headless::PushInputs({L"50,50", L"", L"Front", L""});
    Fastrelle_QuickForm_Cmd().Run();
    headless::ClearTranscript();
    windows_ = headless::LiveWindowCount();
  }
  void TearDown() override {
    headless::SetDialogActionHook(nullptr);
    EXPECT_EQ(windows_, headless::LiveWindowCount()) << "a window outlived the test";
    PartsTest::TearDown();
  }

  static ZcGePoint3d At(int number, const wchar_t* size) { return Fastrelle_SizePoint(number, size).GetPosition(); }
  static int NumberAt(double x, double y) { return Fastrelle_SizePoint(ZcGePoint3d(x, y, 0)).GetNumber(); }
  static void ExpectAt(const ZcGePoint3d& p, double x, double y) {
    EXPECT_NEAR(x, p.x, 1e-9);
    EXPECT_NEAR(y, p.y, 1e-9);
  }

  std::size_t windows_ = 0;
};

#endif
