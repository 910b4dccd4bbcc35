// Result-buffer lists owned by the system's code.
#include "framework/ResBuf.h"

ResBuf::~ResBuf() { zcutRelRb(m_head); }

bool ResBuf::Append(resbuf* rb) {
  if (!rb) return false;
  if (m_tail) m_tail->rbnext = rb;
  else m_head = rb;
  m_tail = rb;
  return true;
}

void ResBuf::AddPoint(const ZcGePoint3d& p) {
  resbuf* rb = zcutNewRb(RTPOINT);
  if (!rb) return;
  rb->resval.rpoint[0] = p.x;
  rb->resval.rpoint[1] = p.y;
  rb->resval.rpoint[2] = p.z;
  Append(rb);
}

void ResBuf::AddString(const CString& text) { Add(RTSTR, text); }

void ResBuf::AddReal(double value) {
  resbuf* rb = zcutNewRb(RTREAL);
  if (rb) rb->resval.rreal = value;
  Append(rb);
}

void ResBuf::AddShort(short value) {
  resbuf* rb = zcutNewRb(RTSHORT);
  if (rb) rb->resval.rint = value;
  Append(rb);
}

bool ResBuf::Add(int code, const CString& text) {
  if (zcResKind(code) != ZcResKind::String) return false;
  resbuf* rb = zcutNewRb(code);
  if (!rb) return false;
  rb->resval.rstring = zcutDupString(text);
  return Append(rb);
}

CString ResBuf::FirstText() const {
  if (!m_head || zcResKind(m_head->restype) != ZcResKind::String || !m_head->resval.rstring) return CString();
  return CString(m_head->resval.rstring);
}
