// The editor's side of result buffers (the lists themselves, with zcutNewRb, zcutRelRb and
// the code -> value kind table, are the database's): the strings the host hands out and
// takes in. Used by the editor calls and by every caller that builds such lists.
#ifndef PLATFORM_ED_RESULTBUFFER_H
#define PLATFORM_ED_RESULTBUFFER_H

#include "db/ZcResBuf.h"
#include "ed/ErrorStatus.h"

typedef double ads_real;

/// Frees a string the host handed out (a system variable's text) and nulls the pointer.
void zcutDelBuffer(wchar_t*& text);
/// A malloc-family copy of `text` (null for null), the allocation the lists expect.
wchar_t* zcutDupString(const wchar_t* text);

#endif
