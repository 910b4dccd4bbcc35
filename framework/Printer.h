// Output channels: the host command line (ZWPrinter), message boxes (ZWAlert) and a log
// file whose output is switched off (FilePrinter); and the free printers of numbers and
// host statuses. Every text the system shows on the command line goes through these.
#ifndef FRAMEWORK_PRINTER_H
#define FRAMEWORK_PRINTER_H

#include "mfc/CString.h"

/// An output channel. Built on the stack where it is used.
class Printer {
public:
  virtual ~Printer() = default;
  /// For each line: NewLine, then the line; after the last one more NewLine.
  /// An empty array gives a single NewLine.
  virtual void PrintLines(const CStringArray& lines);
  virtual void Print(const CString& text) = 0;
  /// Print("\n").
  virtual void NewLine();
};

/// Prints on the host's command line. The text is printed as it stands, never used as a
/// format: "100%" prints "100%".
class ZWPrinter : public Printer {
public:
  void Print(const CString& text) override;
};

/// The command line plus message boxes.
class ZWAlert : public ZWPrinter {
public:
  /// Prints " es: " and the host's text for `status`, with no line feed around it.
  virtual void PrintErrorStatus(int status);
  /// A message box with the text, an empty caption and an OK button.
  virtual void ShowMessage(const CString& text);
};

/// A log channel whose output is switched off: its users still call it, nothing is
/// created or written.
class FilePrinter : public Printer {
public:
  explicit FilePrinter(const CString& fileName = CString()) : m_fileName(fileName) {}
  void Print(const CString& text) override;

protected:
  CString m_fileName;
};

/// "\n", then the value formatted "%i".
void PrintInt(int value);
/// "\n".
void PrintNewLine();
/// "\n", " es: " + the host's text for `status`, "\n". Called after every failing host call,
/// usually right after a line naming the failing method as "Class::Method".
void PrintErrorStatus(int status);

#endif
