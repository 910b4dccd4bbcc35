// A developer test case, as the resource modules' test commands run them: it prepares
// (Initialize), checks (Evaluate) and cleans up (Finish), printing through a printer it owns.
// Test_Fixture runs a list of cases; ZWTestCase is a case that needs an empty drawing.
#ifndef TESTCASE_TESTCASE_H
#define TESTCASE_TESTCASE_H

#include <memory>

#include "framework/Printer.h"

class TestCase {
public:
  TestCase() = default;
  virtual ~TestCase();
  TestCase(const TestCase&) = delete;
  TestCase& operator=(const TestCase&) = delete;

  /// Prepares the case; false when it cannot run (Finish is then not called). True here.
  virtual bool Initialize() { return true; }
  /// The check itself; true when it passes.
  virtual bool Evaluate() = 0;
  /// Cleans up after Evaluate, whether it passed or not. Nothing here.
  virtual void Finish() {}
  /// Prints `text` through the case's printer; nothing without one.
  virtual void Print(const CString& text);
  /// Prints the three texts as lines (the printer's PrintLines: a line feed before each
  /// and one after the last).
  virtual void Print(const CString& first, const CString& second, const CString& third);
  /// Gives the case its printer; it owns it from then on (the one it had is deleted).
  virtual void SetPrinter(std::unique_ptr<Printer> printer);
  virtual CString GetName() const { return L"TestCase"; }

protected:
  std::unique_ptr<Printer> m_printer;
};

#endif
