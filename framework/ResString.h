// String resources by number, with the one fallback the whole system relies on.
#ifndef FRAMEWORK_RESSTRING_H
#define FRAMEWORK_RESSTRING_H

#include "mfc/CString.h"

/// The string resource `id`, found along the extension-module chain. When no loaded module
/// has it, prints "Pusty tekst", then "\n" and the number, and returns the empty text; the
/// caller goes on with what it got. Not cached: every call loads again.
CString LoadResString(UINT id);

#endif
