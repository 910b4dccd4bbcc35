// The test case's printing.
#include "testcase/TestCase.h"

TestCase::~TestCase() = default;

void TestCase::Print(const CString& text) {
  if (m_printer) m_printer->Print(text);
}

void TestCase::Print(const CString& first, const CString& second, const CString& third) {
  if (!m_printer) return;
  CStringArray lines;
  lines.Add(first);
  lines.Add(second);
  lines.Add(third);
  m_printer->PrintLines(lines);
}

void TestCase::SetPrinter(std::unique_ptr<Printer> printer) { m_printer = std::move(printer); }
