// The quick form's error box: the message for an outline that could not be traced.
#ifndef CONSTRUCTION_FASTRELLE_FORM_ERRORHANDLER_H
#define CONSTRUCTION_FASTRELLE_FORM_ERRORHANDLER_H

#include "framework/ErrorHandler.h"

/// Code -201: text 40308 ("no closed outline around the point"); no message otherwise.
class Fastrelle_Form_ErrorHandler : public Fastrelle_ErrorHandler {
public:
  explicit Fastrelle_Form_ErrorHandler(int code) : Fastrelle_ErrorHandler(code, CString()) {}
  CString GetMessage() override;
};

/// The code of every failed trace.
constexpr int kNoClosedOutline = -201;

#endif
