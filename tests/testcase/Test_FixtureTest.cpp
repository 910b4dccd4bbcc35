// The fixture runs its cases in order, prints a line for each that fails and a dot for each
// that passes, skips Finish only after a failed Initialize, and owns its cases.
#include "testcase/Test_Fixture.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "HostFixture.h"

namespace {

struct Counts {
  int finished = 0, deleted = 0;
};

class Scripted : public TestCase {
public:
  Scripted(const wchar_t* name, bool initializes, bool passes, Counts& counts)
      : name_(name), initializes_(initializes), passes_(passes), counts_(counts) {}
  ~Scripted() override { ++counts_.deleted; }
  bool Initialize() override { return initializes_; }
  bool Evaluate() override { return passes_; }
  void Finish() override { ++counts_.finished; }
  CString GetName() const override { return name_; }

private:
  CString name_;
  bool initializes_, passes_;
  Counts& counts_;
};

class Named : public Test_Fixture {
public:
  CString GetName() const override { return L"T_9"; }
};

using Test_FixtureTest = HostTest;

const std::wstring kComplete = L"\n_______ T_9 complete _____________ \n";

TEST_F(Test_FixtureTest, AFailedInitializeIsReportedAndItsFinishSkipped) {
  Counts counts;
  Named fixture;
  fixture.AddCase(std::make_unique<Scripted>(L"first", false, true, counts));
  EXPECT_FALSE(fixture.Evaluate());
  EXPECT_EQ(headless::Transcript(), L"\nfirst  Initialize failed! " + kComplete);
  EXPECT_EQ(counts.finished, 0);
}

class Throwing : public Scripted {
public:
  using Scripted::Scripted;
  bool Evaluate() override { throw std::runtime_error("bad input"); }
};

TEST_F(Test_FixtureTest, AFailedOrThrowingEvaluateIsReportedFinishedAndTheNextCaseStillRuns) {
  Counts counts;
  Named fixture;
  fixture.AddCase(std::make_unique<Scripted>(L"bad", true, false, counts));
  fixture.AddCase(std::make_unique<Throwing>(L"thrower", true, true, counts));
  fixture.AddCase(std::make_unique<Scripted>(L"good", true, true, counts));
  EXPECT_FALSE(fixture.Evaluate());
  EXPECT_EQ(headless::Transcript(),
            L"\n\nbad  failed! \n\nUnexpected error: bad input\n\nthrower  failed! \n." + kComplete);
  EXPECT_EQ(counts.finished, 3);
  EXPECT_EQ(fixture.PassedCount(), 1);
}

TEST_F(Test_FixtureTest, PassingCasesPrintDotsAndTheFixtureOwnsThem) {
  Counts counts;
  {
    Named fixture;
    fixture.AddCase(std::make_unique<Scripted>(L"a", true, true, counts));
    fixture.AddCase(std::make_unique<Scripted>(L"b", true, true, counts));
    EXPECT_TRUE(fixture.Evaluate());
    EXPECT_TRUE(fixture.Evaluate());  // runs again from a count of nought
    EXPECT_EQ(headless::Transcript(), L"\n.." + kComplete + L"\n.." + kComplete);
  }
  EXPECT_EQ(counts.deleted, 2);
}

TEST_F(Test_FixtureTest, ACaseWithoutAPrinterPrintsNothingAndANewPrinterReplacesTheOld) {
  Counts counts;
  Scripted quiet(L"q", true, true, counts);
  quiet.Print(L"lost");
  quiet.SetPrinter(std::make_unique<ZWPrinter>());
  quiet.SetPrinter(std::make_unique<ZWPrinter>());  // the first is deleted, once
  quiet.Print(L"a", L"b", L"c");
  EXPECT_EQ(headless::Transcript(), L"\na\nb\nc\n");
}

}  // namespace
