// A free name for a new size, proposed from the drawing's last size name: what the size
// rules dialog's "+" adds.
#ifndef SIZES_UNIQUESIZENAME_H
#define SIZES_UNIQUESIZENAME_H

#include <vector>

#include "mfc/CString.h"

/// UniqueSizeName over a given listing (layer-table order, "0" included).
/// The last name L is cut at "_" (empty pieces dropped); when its last piece starts with
/// one of "0123456789.,-", that piece read as a 64-bit integer is counted up until the
/// pieces joined by "_" name no size (case aside); else, or when the piece does not fit
/// in 64 bits, L + "_1" (counted on as L + "_2", ... while taken). An empty listing gives
/// string 43161 ("Nienazwany").
///   0 38 40 42 => 43;   0 => 1;   M_2 => M_3;   XL => XL_1;   A__7 => A_7
///   M_12345678901234567890 => M_12345678901234567890_1;   0 38 40 41 (41 as "41") => 42
CString UniqueSizeNameFrom(const std::vector<CString>& names);

/// The proposal for the working drawing's sizes (CollectSizeNames).
CString UniqueSizeName();

#endif
