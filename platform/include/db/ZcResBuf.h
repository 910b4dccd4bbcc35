// Result buffers: the host's linked lists of typed values, used for XData, Xrecord data,
// entity data lists (zcdbEntGet) and, by the editor, for arguments and filters.
#ifndef PLATFORM_DB_ZCRESBUF_H
#define PLATFORM_DB_ZCRESBUF_H

#include <cstdint>

#include "db/ZcDbObjectId.h"

struct ads_binary {
  short clen;
  char* buf;  // malloc'd; freed by zcutRelRb
};

union ads_u_val {
  double rreal;
  double rpoint[3];
  short rint;
  wchar_t* rstring;  // malloc'd (as by _wcsdup); freed by zcutRelRb
  std::int64_t rlname[2];
  std::int32_t rlong;
  std::int64_t mnInt64;
  ads_binary rbinary;
  unsigned char ihandle[8];
};

/// One node of a result-buffer list. `restype` is a DXF group code or an RT* type.
struct resbuf {
  resbuf* rbnext;
  short restype;
  ads_u_val resval;
};

/// What a group code holds, which decides the member of `resval` used and what
/// zcutRelRb frees.
enum class ZcResKind { String, Real, Point, Int16, Int32, Int64, Name, Binary, Handle, None };
/// The kind of a DXF group code or RT type:
///   0-9, 100-102, 300-309, 410-419, 470-479, 999-1003, 1005, 5005, -4 => String
///   10-59, 110-149, 210-239, 460-469, 1010-1059, 5001, 5002, 5009 => Real or Point
///   60-79, 170-179, 270-289, 370-389, 400-409, 1070, 5003 => Int16; 90-99, 420-429,
///   440-459, 1071, 5010 => Int32; 160-169 => Int64; 310-319, 1004 => Binary;
///   320-369, 390-399, -1, -2, 5006 => Name (an object reference)
ZcResKind zcResKind(int code);

/// A new node of type `type` with every value byte zero; null only when out of memory.
resbuf* zcutNewRb(int type);
/// Frees a whole list from its head, with the strings and binary chunks of its nodes.
/// RTNORM; also for a null head.
int zcutRelRb(resbuf* head);
/// A deep copy of a list (strings and chunks duplicated).
resbuf* zcutDuplicateRb(const resbuf* head);

#endif
