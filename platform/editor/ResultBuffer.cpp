// Result-buffer nodes: allocation, release of a whole list, and the table that tells
// which value member a type code uses.
#include "ed/ResultBuffer.h"

#include <cstdlib>
#include <cwchar>

ZcValueKind zcutValueKind(int code) {
  switch (code) {
    case RTSTR: return ZcValueKind::String;
    case RTREAL: case RTANG: case RTORINT: return ZcValueKind::Real;
    case RTPOINT: case RT3DPOINT: return ZcValueKind::Point;
    case RTSHORT: return ZcValueKind::Short;
    case RTLONG: return ZcValueKind::Long;
    case RTENAME: case RTPICKS: return ZcValueKind::Name;
    case -1: case -2: return ZcValueKind::Name;
    case -4: return ZcValueKind::String;
    default: break;
  }
  struct Range { int first, last; ZcValueKind kind; };
  static const Range kRanges[] = {
      {0, 9, ZcValueKind::String},      {10, 18, ZcValueKind::Point},
      {38, 59, ZcValueKind::Real},      {60, 79, ZcValueKind::Short},
      {90, 99, ZcValueKind::Long},      {100, 102, ZcValueKind::String},
      {105, 105, ZcValueKind::String},  {110, 112, ZcValueKind::Point},
      {140, 149, ZcValueKind::Real},    {160, 169, ZcValueKind::Int64},
      {170, 179, ZcValueKind::Short},   {210, 210, ZcValueKind::Point},
      {270, 299, ZcValueKind::Short},   {300, 309, ZcValueKind::String},
      {310, 319, ZcValueKind::Binary},  {320, 329, ZcValueKind::String},
      {330, 369, ZcValueKind::Name},    {370, 389, ZcValueKind::Short},
      {390, 399, ZcValueKind::Name},    {400, 409, ZcValueKind::Short},
      {410, 419, ZcValueKind::String},  {420, 429, ZcValueKind::Long},
      {430, 439, ZcValueKind::String},  {440, 449, ZcValueKind::Long},
      {450, 459, ZcValueKind::Long},    {460, 469, ZcValueKind::Real},
      {470, 479, ZcValueKind::String},  {999, 1003, ZcValueKind::String},
      {1004, 1004, ZcValueKind::Binary}, {1005, 1005, ZcValueKind::String},
      {1010, 1013, ZcValueKind::Point}, {1040, 1042, ZcValueKind::Real},
      {1070, 1070, ZcValueKind::Short}, {1071, 1071, ZcValueKind::Long},
  };
  for (const Range& r : kRanges)
    if (code >= r.first && code <= r.last) return r.kind;
  return ZcValueKind::None;
}

resbuf* zcutNewRb(int typeCode) {
  auto* rb = static_cast<resbuf*>(std::calloc(1, sizeof(resbuf)));
  if (rb) rb->restype = static_cast<short>(typeCode);
  return rb;
}

int zcutRelRb(resbuf* head) {
  while (head) {
    resbuf* next = head->rbnext;
    switch (zcutValueKind(head->restype)) {
      case ZcValueKind::String: std::free(head->resval.rstring); break;
      case ZcValueKind::Binary: std::free(head->resval.rbinary.buf); break;
      default: break;
    }
    std::free(head);
    head = next;
  }
  return RTNORM;
}

void zcutDelBuffer(wchar_t*& text) {
  std::free(text);
  text = nullptr;
}

wchar_t* zcutDupString(const wchar_t* text) {
  if (!text) return nullptr;
  std::size_t n = std::wcslen(text) + 1;
  auto* copy = static_cast<wchar_t*>(std::malloc(n * sizeof(wchar_t)));
  if (copy) std::wmemcpy(copy, text, n);
  return copy;
}
