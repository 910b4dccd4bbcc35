// The interactive input calls answered from the input queue: keywords and their
// shortcuts, Enter, cancel, bad answers asked again, distances, texts and raw input.
#include "ed/UserInput.h"

#include "DialogFixture.h"
#include "HostFixture.h"
#include "ed/SystemVariables.h"
#include "headless/Host.h"
#include "mfc/CDialog.h"

namespace {

class UserInput : public HostTest {};

TEST_F(UserInput, KeywordAnsweredByItsCapitalLetterOrAPrefixGivesTheKeywordAsListed) {
  headless::PushInputs({L"z", L"POZ", L"pionowe"});
  wchar_t buf[133];
  for (const wchar_t* expected : {L"poZiome", L"poZiome", L"Pionowe"}) {
    zcedInitGet(0, L"poZiome Pionowe");
    ASSERT_EQ(RTNORM, zcedGetKword(L"\nKierunek[poZiome/Pionowe]:", buf));
    EXPECT_STREQ(expected, buf);
  }
  headless::PushInputs({L"po", L"Pi"});  // a prefix short of the capital names neither
  zcedInitGet(0, L"poZiome Pionowe");
  ASSERT_EQ(RTNORM, zcedGetKword(L"\nKierunek[poZiome/Pionowe]:", buf));
  EXPECT_STREQ(L"Pionowe", buf);
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Requires an option keyword (poZiome/Pionowe)."));
  headless::PushInputs({L"p", L"2p"});  // digits belong to the shortcut
  zcedInitGet(0, L"3P 2P");
  ASSERT_EQ(RTNORM, zcedGetKword(L"\nSpos [3P/2P]:", buf));
  EXPECT_STREQ(L"2P", buf);
}

TEST_F(UserInput, EnterIsRefusedUnderNoNullAndAWrongAnswerIsAskedAgainWithAMessage) {
  headless::PushInputs({L"", L"C", L"B"});
  wchar_t buf[133];
  zcedInitGet(RSG_NONULL, L"A B");
  ASSERT_EQ(RTNORM, zcedGetKword(L"\nTryb[A/B]:", buf));
  EXPECT_STREQ(L"B", buf);
  std::wstring t = headless::Transcript();
  EXPECT_NE(std::wstring::npos, t.find(L"An answer is required"));
  EXPECT_NE(std::wstring::npos, t.find(L"Requires an option keyword (A/B)."));
  // The settings of zcedInitGet hold for one call only: Enter is now allowed.
  headless::PushInput(L"");
  EXPECT_EQ(RTNONE, zcedGetKword(L"\nTryb:", buf));
}

TEST_F(UserInput, CancelLineAndExhaustedQueueBothCancel) {
  wchar_t buf[133];
  ads_point p;
  headless::PushInput(L"@cancel");
  zcedInitGet(0, L"A");
  EXPECT_EQ(RTCAN, zcedGetKword(L"\nTryb:", buf));
  EXPECT_EQ(RTCAN, zcedGetPoint(nullptr, L"\nPunkt:", p));
}

TEST_F(UserInput, PointsAbsoluteRelativeAndPolarAndKeywordsAtAPointPrompt) {
  headless::PushInputs({L"10,20", L"@5,0", L"@10<90", L"Koniec"});
  ads_point p;
  ASSERT_EQ(RTNORM, zcedGetPoint(nullptr, L"\nP:", p));
  ASSERT_EQ(RTNORM, zcedGetPoint(nullptr, L"\nP:", p));
  EXPECT_DOUBLE_EQ(15.0, p[0]);
  ASSERT_EQ(RTNORM, zcedGetPoint(nullptr, L"\nP:", p));
  EXPECT_NEAR(15.0, p[0], 1e-12);
  EXPECT_NEAR(30.0, p[1], 1e-12);
  zcedInitGet(0, L"Koniec");
  EXPECT_EQ(RTKWORD, zcedGetPoint(nullptr, L"\nP:", p));
  wchar_t kw[133];
  zcedGetInput(kw);
  EXPECT_STREQ(L"Koniec", kw);
  resbuf last{};
  ASSERT_EQ(RTNORM, zcedGetVar(L"lastpoint", &last));
  EXPECT_NEAR(30.0, last.resval.rpoint[1], 1e-12);
}

TEST_F(UserInput, AnAnswerWhosePointIsNotFiniteIsRefusedAndAskedAgain) {
  headless::PushInputs({L"1e308,0", L"@1e308,0", L"@-1e308<0", L"1e308,0", L"-1e308,0"});
  ads_point p;
  ASSERT_EQ(RTNORM, zcedGetPoint(nullptr, L"\nP:", p));
  ASSERT_EQ(RTNORM, zcedGetPoint(nullptr, L"\nP:", p));  // the sum overflows: asked again
  EXPECT_EQ(0.0, p[0]);  // "@-1e308<0" from the first point
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"@1e308,0\nRequires a point."));
  ads_point base = {-1e308, 0, 0};
  double d = 0;
  ASSERT_EQ(RTNORM, zcedGetDist(base, L"\nD:", &d));  // 2e308 away is refused; the next answer is taken
  EXPECT_EQ(0.0, d);
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"The distance is too large."));
  EXPECT_EQ(0u, headless::PendingInput());
}

TEST_F(UserInput, DistanceFromANumberABasePointOrTwoPoints) {
  headless::PushInputs({L"12.5", L"3,4", L"1,1", L"1,6", L"-2", L"2"});
  double d;
  ads_point base = {0, 0, 0};
  ASSERT_EQ(RTNORM, zcedGetDist(nullptr, L"\nD:", &d));
  EXPECT_DOUBLE_EQ(12.5, d);
  ASSERT_EQ(RTNORM, zcedGetDist(base, L"\nD:", &d));
  EXPECT_DOUBLE_EQ(5.0, d);
  ASSERT_EQ(RTNORM, zcedGetDist(nullptr, L"\nD:", &d));
  EXPECT_DOUBLE_EQ(5.0, d);
  zcedInitGet(RSG_NONEG, nullptr);
  ASSERT_EQ(RTNORM, zcedGetDist(nullptr, L"\nD:", &d));
  EXPECT_DOUBLE_EQ(2.0, d);
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"must not be negative"));
  // decimal numbers only, not the C library's hexadecimal ones
  headless::PushInputs({L"0x10", L"1e2", L"0x10,0x1p4", L"@0x10<0", L"5,2"});
  ASSERT_EQ(RTNORM, zcedGetDist(nullptr, L"\nD:", &d));
  EXPECT_DOUBLE_EQ(100.0, d);
  ads_point p;
  ASSERT_EQ(RTNORM, zcedGetPoint(nullptr, L"\nP:", p));
  EXPECT_DOUBLE_EQ(5.0, p[0]);
  EXPECT_EQ(0u, headless::PendingInput());
}

TEST_F(UserInput, TextLongerThanTheBufferIsRefusedNotCut) {
  headless::PushInputs({std::wstring(200, L'x'), L"krótki tekst"});
  wchar_t buf[133];
  ASSERT_EQ(RTNORM, zcedGetString(1, L"\nNazwa:", buf));
  EXPECT_STREQ(L"krótki tekst", buf);
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"longer than 132"));
  headless::PushInput(L"dwa słowa");
  ASSERT_EQ(RTNORM, zcedGetString(0, L"\nNazwa:", buf));
  EXPECT_STREQ(L"dwa", buf);
}

TEST_F(UserInput, RawInputGivesMotionPicksKeysAndCancel) {
  headless::PushInputs({L"@move 1,2", L"3,4", L"12", L"@move 5,5", L"@text 1,5", L"@cancel"});
  int type = 0;
  resbuf rb{};
  ASSERT_EQ(RTNORM, zcedGrRead(1, &type, &rb));
  EXPECT_EQ(5, type);
  EXPECT_DOUBLE_EQ(2.0, rb.resval.rpoint[1]);
  ASSERT_EQ(RTNORM, zcedGrRead(1, &type, &rb));
  EXPECT_EQ(3, type);
  std::vector<int> keys;
  for (int i = 0; i < 3; ++i) {
    ASSERT_EQ(RTNORM, zcedGrRead(0, &type, &rb));
    EXPECT_EQ(2, type);
    keys.push_back(rb.resval.rint);
  }
  EXPECT_EQ((std::vector<int>{'1', '2', 13}), keys);
  // Without tracking, motion is not reported; "@text" types what looks like a point.
  ASSERT_EQ(RTNORM, zcedGrRead(0, &type, &rb));
  EXPECT_EQ(2, type);
  EXPECT_EQ('1', rb.resval.rint);
  for (int i = 0; i < 3; ++i) zcedGrRead(0, &type, &rb);
  EXPECT_EQ(RTCAN, zcedGrRead(0, &type, &rb));
  EXPECT_EQ(RTCAN, zcedGrRead(0, &type, &rb));
}

// The drag reader's own script lines: the keys a drag needs and a look at the floating
// dialogs, neither of which may reach the drag as typed characters.
class DragReader : public DialogTest {
protected:
  void SetUp() override {
    headless::DrawingView();  // the view arrow keys go to lives as long as the host
    DialogTest::SetUp();
  }
  // The codes of the keys read until the reader answers something else.
  std::vector<int> ReadKeys() {
    std::vector<int> codes;
    int type = 0;
    resbuf rb{};
    while (zcedGrRead(1, &type, &rb) == RTNORM && type == 2) codes.push_back(rb.resval.rint);
    return codes;
  }
};

TEST_F(DragReader, KeyLinesSendEnterSpaceEscapeAndBackspaceAsOneKeyEach) {
  headless::PushInputs({L"@key Enter", L"@key space", L"  @KEY Escape ", L"@key Backspace", L"@cancel"});
  EXPECT_EQ((std::vector<int>{13, 32, 27, 8}), ReadKeys());
}

TEST_F(DragReader, ArrowsGoToTheViewAndAnUnknownKeyIsSkippedWithAMessage) {
  headless::PushInputs({L"@key Left", L"@key F5", L"@key Enter", L"@cancel"});
  EXPECT_EQ((std::vector<int>{13}), ReadKeys());
  std::wstring t = headless::Transcript();
  EXPECT_NE(std::wstring::npos, t.find(L"Unknown key \"F5\""));
  EXPECT_EQ(std::wstring::npos, t.find(L"Unknown key \"Left\""));
}

TEST_F(DragReader, DialogShowPrintsEveryFloatingDialogAndIsNotTyped) {
  CDialogEx tape;
  ASSERT_TRUE(tape.Create(101));
  tape.ShowWindow(SW_SHOW);
  tape.SetWindowText(L"__Fastrelle_miarka 50.0000");
  headless::PushInputs({L"@dlg show", L"@dlg click 1", L"@move 3,4", L"@cancel"});
  int type = 0;
  resbuf rb{};
  ASSERT_EQ(RTNORM, zcedGrRead(1, &type, &rb));
  EXPECT_EQ(5, type);  // neither dialog line became keys
  std::wstring t = headless::Transcript();
  EXPECT_NE(std::wstring::npos, t.find(L"\n@dlg show\n[Dialog 101 \"__Fastrelle_miarka 50.0000\"]"));
  EXPECT_NE(std::wstring::npos, t.find(L"can only be \"@dlg show\""));
  EXPECT_EQ(RTCAN, zcedGrRead(1, &type, &rb));
  tape.DestroyWindow();
  headless::ClearTranscript();
  headless::PushInputs({L"@dlg show", L"@cancel"});
  EXPECT_EQ(RTCAN, zcedGrRead(1, &type, &rb));
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"No floating dialog is open."));
}

}  // namespace
