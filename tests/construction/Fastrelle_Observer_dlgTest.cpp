#include "construction/Fastrelle_Observer_dlg.h"

#include "DragFixture.h"
#include "construction/Fastrelle_Picket.h"

namespace {

using LengthDialog = DragTest;

TEST_F(LengthDialog, ShowsTheLiveLengthWhileTheDragReadsAndGoesAtTheFinish) {
  AddLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(100, 0, 0));
  Fastrelle_Observer_dlg dialog;
  ASSERT_TRUE(dialog.Create());
  dialog.ShowWindow(SW_SHOW);
  Fastrelle_Picket tape;
  tape.Attach(&dialog);
  headless::PushInputs({L"0,0", L"@move 50,1", L"@dlg show", L"@key Escape"});
  ASSERT_EQ(0, tape.PickStart());
  EXPECT_EQ(180, tape.Run());
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"8011 static \"50.0000\""));
  EXPECT_EQ(CString(L"50.0000"), dialog.Text());
  dialog.OnFinish();
  EXPECT_FALSE(dialog.IsWindow());
  dialog.OnMove();  // after the window is gone: nothing
  dialog.OnFinish();
}

TEST_F(LengthDialog, ClosedByTheUserItIgnoresLaterMoves) {
  Fastrelle_Observer_dlg dialog;
  ASSERT_TRUE(dialog.Create());
  dialog.ShowWindow(SW_SHOW);
  ::SendMessageW(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  EXPECT_FALSE(dialog.IsWindow());
  Fastrelle_Picket tape;
  tape.Attach(&dialog);
  tape.NotifyBegin();
  dialog.OnMove();
  EXPECT_TRUE(dialog.Text().IsEmpty());
}

}  // namespace
