// A CStringArray under the system's own name, for code that passes string arrays around.
#ifndef FRAMEWORK_UI_STRINGARRAY_H
#define FRAMEWORK_UI_STRINGARRAY_H

#include "mfc/CString.h"

/// A CStringArray; it adds nothing.
class UI_StringArray : public CStringArray {};

#endif
