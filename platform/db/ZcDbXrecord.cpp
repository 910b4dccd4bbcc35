// Xrecords: a copy of a result-buffer list, and the XRECORD record.
#include "db/ZcDbXrecord.h"

#include <cstdlib>
#include <cstring>

#include "db/DbInternal.h"
#include "db/ZcDbDxfFiler.h"

ZCRX_DEFINE_MEMBERS(ZcDbXrecord, ZcDbObject)

ZcDbXrecord::ZcDbXrecord() = default;
ZcDbXrecord::~ZcDbXrecord() { zcutRelRb(data_); }

Zcad::ErrorStatus ZcDbXrecord::rbChain(resbuf*& list) const {
  list = zcutDuplicateRb(data_);
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbXrecord::setFromRbChain(const resbuf* list) {
  for (const resbuf* rb = list; rb; rb = rb->rbnext) {
    if (rb->restype <= 0 || rb->restype >= 1000 || zcResKind(rb->restype) == ZcResKind::None)
      return Zcad::eInvalidInput;
    ZcResKind kind = zcResKind(rb->restype);
    if ((kind == ZcResKind::Real && !zcdb::Finite(rb->resval.rreal)) ||
        (kind == ZcResKind::Point && !zcdb::Finite(rb->resval.rpoint[0], rb->resval.rpoint[1], rb->resval.rpoint[2])))
      return Zcad::eInvalidInput;  // no number that is not finite
  }
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  zcutRelRb(data_);
  data_ = zcutDuplicateRb(list);
  return Zcad::eOk;
}

ZcDbObject* ZcDbXrecord::cloneObject() const {
  auto* c = new ZcDbXrecord;
  c->data_ = zcutDuplicateRb(data_);
  copyXDataTo(c);
  return c;
}

// XRECORD: 100 AcDbXrecord, 280 1 (duplicate records kept), then each item with its own
// code: strings as text, reals, points as three groups, integers, names as handles.
void ZcDbXrecord::dxfOutFields(ZcDbDxfFiler* f) const {
  ZcDbObject::dxfOutFields(f);
  f->writeRaw(100, "AcDbXrecord");
  f->writeInt(280, 1);
  for (const resbuf* rb = data_; rb; rb = rb->rbnext) {
    int code = rb->restype;
    switch (zcResKind(code)) {
      case ZcResKind::String:
      case ZcResKind::Handle: f->writeString(code, rb->resval.rstring ? rb->resval.rstring : L""); break;
      case ZcResKind::Real: f->writeDouble(code, rb->resval.rreal); break;
      case ZcResKind::Point:
        f->writePoint3d(code, ZcGePoint3d(rb->resval.rpoint[0], rb->resval.rpoint[1], rb->resval.rpoint[2]));
        break;
      case ZcResKind::Int16: f->writeInt(code, rb->resval.rint); break;
      case ZcResKind::Int32: f->writeInt(code, rb->resval.rlong); break;
      case ZcResKind::Int64: f->writeInt(code, rb->resval.mnInt64); break;
      case ZcResKind::Name: {
        ZcDbObjectId id;
        zcdbGetObjectId(id, rb->resval.rlname);
        f->writeObjectId(code, id);
        break;
      }
      default: break;
    }
  }
}

Zcad::ErrorStatus ZcDbXrecord::dxfInFields(ZcDbDxfFiler* f) {
  if (Zcad::ErrorStatus es = ZcDbObject::dxfInFields(f); es != Zcad::eOk) return es;
  f->seekMarker("AcDbXrecord");
  ZcDbDxfPair p;
  resbuf** tail = &data_;
  bool first = true;
  while (f->next(p)) {
    if (first && p.code == 280) {  // the cloning flag, not data
      first = false;
      continue;
    }
    first = false;
    resbuf* rb = zcutNewRb(p.code);
    switch (zcResKind(p.code)) {
      case ZcResKind::String:
      case ZcResKind::Handle: {
        std::wstring s = f->toString(p);
        rb->resval.rstring = static_cast<wchar_t*>(std::malloc((s.size() + 1) * sizeof(wchar_t)));
        std::memcpy(rb->resval.rstring, s.c_str(), (s.size() + 1) * sizeof(wchar_t));
        break;
      }
      case ZcResKind::Real: rb->resval.rreal = f->toDouble(p); break;
      case ZcResKind::Point: {
        ZcGePoint3d pt = f->toPoint3d(p);
        rb->resval.rpoint[0] = pt.x, rb->resval.rpoint[1] = pt.y, rb->resval.rpoint[2] = pt.z;
        break;
      }
      case ZcResKind::Int16: rb->resval.rint = static_cast<short>(f->toInt(p)); break;
      case ZcResKind::Int32: rb->resval.rlong = static_cast<std::int32_t>(f->toInt(p)); break;
      case ZcResKind::Int64: rb->resval.mnInt64 = f->toInt(p); break;
      case ZcResKind::Name: zcdbGetAdsName(rb->resval.rlname, f->toObjectId(p)); break;
      default: break;
    }
    *tail = rb;
    tail = &rb->rbnext;
  }
  return f->hasError() ? Zcad::eBadDxfFile : Zcad::eOk;
}
