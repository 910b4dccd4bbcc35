// The plot module's error reports: a model drawing that is missing or in use, named in a
// message of the plot strings. Used by the model file selector and the model dialog.
#ifndef LAYOUT_FASTRELLE_PLOT_ERRORHANDLER_H
#define LAYOUT_FASTRELLE_PLOT_ERRORHANDLER_H

#include "framework/ErrorHandler.h"

/// Codes: -3 the file (context) was not found (43203); -4 the file is in use (43208).
/// Any other code gives the empty message.
class Fastrelle_Plot_ErrorHandler : public ErrorHandler {
public:
  Fastrelle_Plot_ErrorHandler(int code, const CString& context) : ErrorHandler(code, context) {}
  CString GetMessage() override;
  /// A message box captioned with the product word; its answer.
  int Show() override;
  void Print() override;
};

/// 0 for a file that exists and can be read with others denied writing; -3 when it does
/// not exist (or is a folder); -4 when it is in use.
int CheckModelFile(const CString& path);

#endif
