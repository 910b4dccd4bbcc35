// The product word.
#include "framework/Product.h"

const CString kProductWord(L"Fastrelle");

CString ProductGroupName() { return kProductWord; }
