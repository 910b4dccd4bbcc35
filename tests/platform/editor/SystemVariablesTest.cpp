// System variables: types, names without regard to case, ranges, read-only states.
#include "ed/SystemVariables.h"

#include "HostFixture.h"
#include "ed/HostCommands.h"
#include "ed/UserInput.h"

namespace {

class SystemVariables : public HostTest {};

resbuf Short(short v) {
  resbuf rb{};
  rb.restype = RTSHORT;
  rb.resval.rint = v;
  return rb;
}

TEST_F(SystemVariables, IntegerVariablesReadAndSetAsShortsWhateverTheCaseOfTheName) {
  for (const wchar_t* name : {L"cmdecho", L"FILEDIA", L"pickstyle", L"PICKSTYLE", L"OSMODE", L"UCSICON", L"CVPORT"}) {
    resbuf rb{};
    ASSERT_EQ(RTNORM, zcedGetVar(name, &rb)) << headless::ToUtf8(name);
    EXPECT_EQ(RTSHORT, rb.restype);
  }
  resbuf zero = Short(0);
  ASSERT_EQ(RTNORM, zcedSetVar(L"PickStyle", &zero));
  resbuf rb{};
  zcedGetVar(L"PICKSTYLE", &rb);
  EXPECT_EQ(0, rb.resval.rint);
}

TEST_F(SystemVariables, WrongTypeOutOfRangeUnknownAndReadOnlyAreRefusedAndChangeNothing) {
  resbuf big = Short(9), text{};
  text.restype = RTSTR;
  text.resval.rstring = const_cast<wchar_t*>(L"1");
  EXPECT_EQ(RTERROR, zcedSetVar(L"PICKSTYLE", &big));
  EXPECT_EQ(RTERROR, zcedSetVar(L"PICKSTYLE", &text));
  EXPECT_EQ(RTERROR, zcedSetVar(L"NOSUCHVAR", &big));
  EXPECT_EQ(RTREJ, zcedSetVar(L"CMDNAMES", &text));
  resbuf rb{};
  EXPECT_EQ(RTERROR, zcedGetVar(L"NOSUCHVAR", &rb));
  zcedGetVar(L"PICKSTYLE", &rb);
  EXPECT_EQ(1, rb.resval.rint);
}

TEST_F(SystemVariables, StringsAreNewCopiesTheCallerFrees) {
  resbuf rb{};
  ASSERT_EQ(RTNORM, zcedGetVar(L"TextStyle", &rb));
  ASSERT_EQ(RTSTR, rb.restype);
  EXPECT_STREQ(L"Standard", rb.resval.rstring);
  zcutDelBuffer(rb.resval.rstring);
  EXPECT_EQ(nullptr, rb.resval.rstring);
}

TEST_F(SystemVariables, LastPointIsShownInTheUserCoordinatesOfTheMoment) {
  headless::PushInputs({L"_O", L"4,0", L"10,10", L"_W"});
  headless::RunCommand(L"_UCS");
  ads_point p;
  zcedGetPoint(nullptr, L"\nP:", p);
  resbuf rb{};
  ASSERT_EQ(RTNORM, zcedGetVar(L"LASTPOINT", &rb));
  EXPECT_EQ(RTPOINT, rb.restype);
  EXPECT_DOUBLE_EQ(10.0, rb.resval.rpoint[0]);
  headless::RunCommand(L"_UCS");  // back to the world system
  zcedGetVar(L"LASTPOINT", &rb);
  EXPECT_DOUBLE_EQ(14.0, rb.resval.rpoint[0]);
  EXPECT_DOUBLE_EQ(10.0, rb.resval.rpoint[1]);
}

}  // namespace
