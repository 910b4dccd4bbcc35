// String tags in XData.
#include "framework/Tagged.h"

#include <cstdlib>
#include <cstring>

#include "db/ZcDbDatabase.h"
#include "db/ZcDbSymbolTable.h"
#include "framework/Printer.h"
#include "framework/XData.h"

namespace {
resbuf* StringItem(int code, const CString& text) {
  resbuf* rb = zcutNewRb(code);
  if (!rb) return nullptr;
  std::size_t n = static_cast<std::size_t>(text.GetLength()) + 1;
  rb->resval.rstring = static_cast<wchar_t*>(std::malloc(n * sizeof(wchar_t)));
  std::memcpy(rb->resval.rstring, text.GetString(), n * sizeof(wchar_t));
  return rb;
}
}  // namespace

int Tagged::AddTag(const CString& text) {
  if (!m_id.isValid()) return Zcad::eNullIterator;
  XDataReader reader;
  GetXData(reader, m_id, m_app);
  resbuf* head = reader.Head();
  if (!head) {
    zcdbRegApp(m_app);
    head = StringItem(1001, m_app);
    if (!head) return Zcad::eInvalidKey;
    reader.Reset(head);
  }
  resbuf* tail = head;
  while (tail->rbnext) tail = tail->rbnext;
  tail->rbnext = StringItem(1000, text);
  ZcDbObject* obj = nullptr;
  int es = zcdbOpenObject(obj, m_id, ZcDb::kForWrite);
  if (es == Zcad::eOk) {
    es = obj->setXData(head);
    obj->close();
  }
  if (es != Zcad::eOk) PrintErrorStatus(es);
  return es;
}

bool Tagged::HasTag(const CString& text) const {
  XDataReader reader;
  if (GetXData(reader, m_id, m_app) != Zcad::eOk) return false;
  for (resbuf* rb = reader.Head()->rbnext; rb; rb = rb->rbnext) {
    reader.SetCurrent(rb);
    if (XDataValueToText(reader).CollateNoCase(text) == 0) return true;
  }
  return false;
}

void Tagged::FindTags(const CString& text, CStringArray& found) const {
  XDataReader reader;
  if (GetXData(reader, m_id, m_app) != Zcad::eOk) return;
  for (resbuf* rb = reader.Head()->rbnext; rb; rb = rb->rbnext) {
    reader.SetCurrent(rb);
    CString value = XDataValueToText(reader);
    if (value.Find(text) >= 0) found.Add(value);
  }
}
