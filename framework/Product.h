// The product word: the command group of the main and base command sets, the caption of
// error boxes and the prefix of the system's names in the drawing and the host.
#ifndef FRAMEWORK_PRODUCT_H
#define FRAMEWORK_PRODUCT_H

#include "mfc/CString.h"

/// "Fastrelle".
extern const CString kProductWord;

/// A copy of the product word.
CString ProductGroupName();

#endif
