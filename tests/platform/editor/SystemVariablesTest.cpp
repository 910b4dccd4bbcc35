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

namespace {

short PickStyle() {
  resbuf rb{};
  zcedGetVar(L"PICKSTYLE", &rb);
  return rb.resval.rint;
}

TEST_F(SystemVariables, SetvarAndAVariableTypedAsACommandShowTheValueAndTakeANewOne) {
  headless::PushInputs({L"PICKSTYLE", L"0"});
  EXPECT_EQ(headless::CommandResult::Ran, headless::RunCommand(L"SETVAR"));
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Enter new value for PICKSTYLE <1>: "));
  EXPECT_EQ(0, PickStyle());
  headless::PushInputs({L"2"});
  EXPECT_EQ(headless::CommandResult::Ran, headless::RunCommand(L"pickstyle"));
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Enter new value for PICKSTYLE <0>: "));
  EXPECT_EQ(2, PickStyle());
  headless::PushInputs({L"3.5"});
  headless::RunCommand(L"_TEXTSIZE");
  resbuf rb{};
  zcedGetVar(L"TEXTSIZE", &rb);
  EXPECT_DOUBLE_EQ(3.5, rb.resval.rreal);
  EXPECT_TRUE(headless::ActiveCommands().empty());
}

TEST_F(SystemVariables, EnterKeepsTheValueAndARefusedValueIsAskedForAgain) {
  headless::PushInputs({L""});
  headless::RunCommand(L"PICKSTYLE");
  EXPECT_EQ(1, PickStyle());
  headless::PushInputs({L"9", L"1.5", L"3"});  // out of range, not whole, then accepted
  headless::RunCommand(L"PICKSTYLE");
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Value out of range."));
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Requires an integer value."));
  EXPECT_EQ(3, PickStyle());
  EXPECT_EQ(0u, headless::PendingInput());
  headless::PushInputs({L"9"});  // the script ends: the prompt is cancelled, the value kept
  headless::RunCommand(L"PICKSTYLE");
  EXPECT_EQ(3, PickStyle());
}

TEST_F(SystemVariables, SetvarRefusesAnUnknownNameAndShowsReadOnlyValuesWithoutAsking) {
  headless::PushInputs({L"NOSUCHVAR"});
  headless::RunCommand(L"SETVAR");
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Unknown variable name \"NOSUCHVAR\"."));
  headless::PushInputs({L"CMDNAMES", L"PICKSTYLE"});
  headless::RunCommand(L"SETVAR");
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"(read only)"));
  EXPECT_EQ(1u, headless::PendingInput());  // nothing was asked
  EXPECT_EQ(headless::CommandResult::Unknown, headless::RunCommand(L"NOSUCHVAR"));
}

}  // namespace
