// Result buffers: the code -> value kind table, and making, copying and freeing lists.
#include "db/ZcResBuf.h"

#include <cstdlib>
#include <cstring>
#include <cwchar>

ZcResKind zcResKind(int code) {
  if (code == -4 || code == 5005) return ZcResKind::String;
  if (code == -1 || code == -2 || code == 5006 || code == 5007) return ZcResKind::Name;
  if (code == 5001 || code == 5004 || code == 5008) return ZcResKind::Real;
  if (code == 5002 || code == 5009) return ZcResKind::Point;
  if (code == 5003) return ZcResKind::Int16;
  if (code == 5010) return ZcResKind::Int32;
  if (code < 0) return ZcResKind::None;
  if (code <= 9) return ZcResKind::String;
  if (code <= 19) return ZcResKind::Point;
  if (code <= 59) return ZcResKind::Real;
  if (code <= 79) return ZcResKind::Int16;
  if (code <= 99) return ZcResKind::Int32;
  if (code <= 102) return ZcResKind::String;
  if (code == 105) return ZcResKind::String;
  if (code >= 110 && code <= 112) return ZcResKind::Point;
  if (code >= 113 && code <= 149) return ZcResKind::Real;
  if (code >= 160 && code <= 169) return ZcResKind::Int64;
  if (code >= 170 && code <= 179) return ZcResKind::Int16;
  if (code >= 210 && code <= 239) return ZcResKind::Real;
  if (code >= 270 && code <= 289) return ZcResKind::Int16;
  if (code >= 290 && code <= 299) return ZcResKind::Int16;
  if (code >= 300 && code <= 309) return ZcResKind::String;
  if (code >= 310 && code <= 319) return ZcResKind::Binary;
  if (code >= 320 && code <= 369) return ZcResKind::Name;
  if (code >= 370 && code <= 389) return ZcResKind::Int16;
  if (code >= 390 && code <= 399) return ZcResKind::Name;
  if (code >= 400 && code <= 409) return ZcResKind::Int16;
  if (code >= 410 && code <= 419) return ZcResKind::String;
  if (code >= 420 && code <= 429) return ZcResKind::Int32;
  if (code >= 430 && code <= 439) return ZcResKind::String;
  if (code >= 440 && code <= 459) return ZcResKind::Int32;
  if (code >= 460 && code <= 469) return ZcResKind::Real;
  if (code >= 470 && code <= 479) return ZcResKind::String;
  if (code == 999 || (code >= 1000 && code <= 1003)) return ZcResKind::String;
  if (code == 1004) return ZcResKind::Binary;
  if (code == 1005) return ZcResKind::Handle;
  if (code >= 1010 && code <= 1013) return ZcResKind::Point;
  if (code >= 1020 && code <= 1059) return ZcResKind::Real;
  if (code == 1070) return ZcResKind::Int16;
  if (code == 1071) return ZcResKind::Int32;
  return ZcResKind::None;
}

resbuf* zcutNewRb(int type) {
  auto* rb = static_cast<resbuf*>(std::calloc(1, sizeof(resbuf)));
  if (rb) rb->restype = static_cast<short>(type);
  return rb;
}

int zcutRelRb(resbuf* head) {
  while (head) {
    resbuf* next = head->rbnext;
    ZcResKind kind = zcResKind(head->restype);
    if (kind == ZcResKind::String || kind == ZcResKind::Handle) std::free(head->resval.rstring);
    if (kind == ZcResKind::Binary) std::free(head->resval.rbinary.buf);
    std::free(head);
    head = next;
  }
  return RTNORM;
}

resbuf* zcutDuplicateRb(const resbuf* head) {
  resbuf* out = nullptr;
  resbuf** tail = &out;
  for (; head; head = head->rbnext) {
    resbuf* rb = zcutNewRb(head->restype);
    rb->resval = head->resval;
    ZcResKind kind = zcResKind(head->restype);
    if ((kind == ZcResKind::String || kind == ZcResKind::Handle) && head->resval.rstring) {
      std::size_t n = std::wcslen(head->resval.rstring) + 1;
      rb->resval.rstring = static_cast<wchar_t*>(std::malloc(n * sizeof(wchar_t)));
      std::memcpy(rb->resval.rstring, head->resval.rstring, n * sizeof(wchar_t));
    }
    if (kind == ZcResKind::Binary && head->resval.rbinary.buf) {
      std::size_t n = head->resval.rbinary.clen > 0 ? head->resval.rbinary.clen : 0;
      rb->resval.rbinary.buf = static_cast<char*>(std::malloc(n + 1));
      std::memcpy(rb->resval.rbinary.buf, head->resval.rbinary.buf, n);
    }
    *tail = rb;
    tail = &rb->rbnext;
  }
  return out;
}
