// Error reports by code: a message built from a string resource and a context text (a
// file, block or part name), shown in a message box or printed on the command line.
#ifndef FRAMEWORK_ERRORHANDLER_H
#define FRAMEWORK_ERRORHANDLER_H

#include "mfc/CString.h"

/// An error report: a code and the text that fills its message.
class ErrorHandler {
public:
  ErrorHandler(int code, const CString& context) : m_code(code), m_context(context) {}
  virtual ~ErrorHandler() = default;
  virtual CString GetMessage() = 0;
  /// An error box (no owner, empty caption) with the message; the box's answer.
  virtual int Show();
  virtual void Print() = 0;

protected:
  int m_code;
  CString m_context;
};

/// The system's own report codes:
///   -1    a symbol block the system needs is missing (context: the block name)
///   -3    a file was not found; -4 a file is in use (context: the file)
///   -11   the user cancelled
///   -101..-105  the corner joins' failures
/// Any other code gives the empty message.
class Fastrelle_ErrorHandler : public ErrorHandler {
public:
  Fastrelle_ErrorHandler(int code, const CString& context) : ErrorHandler(code, context) {}
  CString GetMessage() override;
  /// As ErrorHandler::Show, with the product word as the caption.
  int Show() override;
  /// Prints the message on the command line.
  void Print() override;
};

#endif
