// Result buffers: the host's linked lists of typed values, through which commands get
// their arguments, filters their tests, system variables their values and entity data
// lists their items. Used by the editor calls and by every caller that builds such lists.
#ifndef PLATFORM_ED_RESULTBUFFER_H
#define PLATFORM_ED_RESULTBUFFER_H

#include <cstddef>
#include <cstdint>

#include "ed/ErrorStatus.h"

typedef double ads_real;
typedef ads_real ads_point[3];
typedef std::int64_t ads_name[2];

/// The value of one node. Which member is meaningful follows from the node's type code
/// (see zcutValueKind); strings are owned by the node.
union resval {
  ads_real rreal;
  ads_real rpoint[3];
  short rint;
  std::int32_t rlong;
  std::int64_t mnInt64;
  wchar_t* rstring;
  std::int64_t rlname[2];
  struct {
    std::size_t clentLength;
    char* buf;
  } rbinary;
};

/// One node of a result-buffer list: the next node, the type code (an RT code such as
/// RTSTR, or a DXF group code such as 8 for a layer name) and the value.
struct resbuf {
  resbuf* rbnext;
  short restype;
  union resval resval;
};

/// What a type code's value is held as.
enum class ZcValueKind { None, Real, Point, Short, Long, Int64, String, Name, Binary };

/// The value kind of a type code, RT codes and DXF group codes alike:
///   RTSTR, -4, 0..9, 100, 300..309, 1000..1003, 1005 => String
///   RTREAL, RTANG, 38..59, 140..149, 1040..1042      => Real
///   RTPOINT, RT3DPOINT, 10..18, 210, 1010..1013      => Point
///   RTSHORT, 60..79, 170..179, 270..299, 1070        => Short
///   RTLONG, 90..99, 420..429, 1071                    => Long
///   RTENAME, -1, -2, 330..369, 390..399               => Name
///   RTNONE, RTLB, RTLE and unknown codes              => None
ZcValueKind zcutValueKind(int typeCode);

/// A new zeroed node of the given type, not linked; null when memory runs out.
resbuf* zcutNewRb(int typeCode);
/// Frees a whole list from its head, with the strings and binary chunks its nodes own
/// (allocated with the malloc family, as _wcsdup does). A null head is fine. RTNORM.
int zcutRelRb(resbuf* head);
/// Frees a string the host handed out (a system variable's text) and nulls the pointer.
void zcutDelBuffer(wchar_t*& text);
/// A malloc-family copy of `text` (null for null), the allocation the lists expect.
wchar_t* zcutDupString(const wchar_t* text);

#endif
