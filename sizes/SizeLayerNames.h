// How a size is spelt in layer names: the base-size marker and the two line-kind suffixes,
// the size name and base flag read back from a layer name, the check every size name
// passes before layers are made for it, and layer names quoted for selection filters.
// Used by the line kinds, the size model and the size-list readers.
#ifndef SIZES_SIZELAYERNAMES_H
#define SIZES_SIZELAYERNAMES_H

#include "mfc/CString.h"

/// "^": put before the size name in every layer of the base size.
const CString& BaseSizeMarker();
/// "'": ends the cut-line layer of a size.
const CString& CutLineSuffix();
/// "~": ends the extra-elements layer of a size.
const CString& TechLineSuffix();

/// The size a layer belongs to: the layer name with every marker removed, wherever it
/// stands. "^40'" => "40", "A^B" => "AB", "0" => "0".
CString SizeNameOfLayer(const CString& layerName);
/// True when the layer name holds the base-size marker anywhere.
bool IsBaseSizeLayer(const CString& layerName);
/// True for "DEFPOINTS" in any case: the one layer that is no size.
bool IsDefpointsName(const CString& name);

/// The check every size made or read passes (size "0" itself is the caller's exception):
/// not empty or blanks only; none of "^", "'", "~", "|"; not "0" or "DEFPOINTS" in any case; and a valid
/// layer name once the marker and a suffix are added. False with the reason (Polish, for
/// the user) when it fails.
///   "38" => true;  "38'" => false;  "defpoints" => false;  "a|b" => false
bool CheckSizeName(const CString& name, CString* reason = nullptr);

/// The text as a selection filter matches it literally: a backquote before each of
/// # @ . * ? [ ] ~ , and the backquote. "38.5" => "38`.5"; "^40~" => "^40`~".
CString QuoteForFilter(const CString& text);

#endif
