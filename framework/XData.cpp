// Reading XData.
#include "framework/XData.h"

#include "db/ZcDbDatabase.h"

XDataReader::~XDataReader() { zcutRelRb(m_head); }

void XDataReader::Reset(resbuf* head) {
  if (head != m_head) zcutRelRb(m_head);
  m_head = m_current = head;
}

int GetXData(XDataReader& reader, ZcDbObjectId id, const CString& app) {
  ZcDbObject* obj = nullptr;
  int es = zcdbOpenObject(obj, id, ZcDb::kForRead);
  if (es != Zcad::eOk) return es;
  resbuf* list = obj->xData(app);
  obj->close();
  if (!list) return Zcad::eInvalidKey;
  reader.Reset(list);
  return Zcad::eOk;
}

CString XDataValueToText(const XDataReader& reader) {
  const resbuf* rb = reader.Current();
  CString text;
  if (!rb) return text;
  int code = rb->restype;
  if ((code >= 1000 && code <= 1003) || code == 1005) {
    text = rb->resval.rstring ? rb->resval.rstring : L"";
  } else if ((code >= 1010 && code <= 1013) || (code >= 1020 && code <= 1023) ||
             (code >= 1030 && code <= 1033)) {
    text.Format(L"%0.6f", rb->resval.rpoint[0]);
  } else if (code >= 1040 && code <= 1042) {
    text.Format(L"%0.6f", rb->resval.rreal);
  } else if (code == 1070) {
    text.Format(L"%i", static_cast<int>(rb->resval.rint));
  }
  return text;
}

ZcDbObjectId IdFromHandle(const XDataReader& reader) {
  CString text = XDataValueToText(reader);
  ZcDbObjectId id;
  ads_name name;
  if (text.IsEmpty() || zcdbHandEnt(text, name) != RTNORM) return id;
  if (zcdbGetObjectId(id, name) != Zcad::eOk) id.setNull();
  return id;
}
