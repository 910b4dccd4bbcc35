// The quick form's error message.
#include "construction/Fastrelle_Form_ErrorHandler.h"

#include "framework/ResString.h"

CString Fastrelle_Form_ErrorHandler::GetMessage() { return m_code == kNoClosedOutline ? LoadResString(40308) : CString(); }
