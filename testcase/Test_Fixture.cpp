// Running a fixture's cases.
#include "testcase/Test_Fixture.h"

#include "framework/cmd.h"

Test_Fixture::Test_Fixture() { SetPrinter(std::make_unique<ZWPrinter>()); }

void Test_Fixture::AddCase(std::unique_ptr<TestCase> testCase) {
  if (testCase) m_cases.push_back(std::move(testCase));
}

bool Test_Fixture::Evaluate() {
  m_passed = 0;
  Print(L"\n");
  for (auto& testCase : m_cases) {
    // A case that throws is reported and counts as failed; the fixture goes on.
    bool initialized = false, passed = false;
    RunReported([&] { initialized = testCase->Initialize(); });
    if (!initialized) {
      Print(testCase->GetName() + L"  Initialize failed! ");
      continue;
    }
    RunReported([&] { passed = testCase->Evaluate(); });
    if (passed) {
      ++m_passed;
      Print(L".");
    } else {
      Print(L"\n");
      Print(testCase->GetName() + L"  failed! ");
      Print(L"\n");
    }
    RunReported([&] { testCase->Finish(); });
  }
  Print(L"\n");
  Print(L"_______ " + GetName() + L" complete _____________ ");
  Print(L"\n");
  return static_cast<int>(m_cases.size()) == m_passed;
}
