// A fixture: an ordered list of test cases it owns, run one after the other by Evaluate,
// with a dot per passed case and a closing line naming the fixture.
#ifndef TESTCASE_TEST_FIXTURE_H
#define TESTCASE_TEST_FIXTURE_H

#include <vector>

#include "testcase/TestCase.h"

class Test_Fixture : public TestCase {
public:
  /// With its own command-line printer.
  Test_Fixture();

  /// Runs the cases in order and prints, on the fixture's printer:
  ///   "\n"; per case: "<name>  Initialize failed! " when Initialize fails (its Finish is
  ///   skipped), else "." when Evaluate passes or "\n<name>  failed! \n" when it fails (Finish
  ///   runs in both cases); then "\n_______ <fixture> complete _____________ \n".
  /// True when every case passed. A failing case never stops the next; one that throws is
  /// reported as a command's exception is and counts as failed (its Finish still runs).
  bool Evaluate() override;
  CString GetName() const override { return L"Test_Fixture"; }

  /// Appends a case; the fixture owns it from then on.
  void AddCase(std::unique_ptr<TestCase> testCase);
  int PassedCount() const { return m_passed; }

protected:
  std::vector<std::unique_ptr<TestCase>> m_cases;
  int m_passed = 0;
};

#endif
