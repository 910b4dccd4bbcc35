// Attributes by id.
#include "framework/UI_Attribute_Ref.h"

#include <memory>

#include "framework/Printer.h"

int UI_Attribute_Ref::open(int mode) {
  if (!m_id.isValid()) return Zcad::eNullObjectId;
  ZcDbEntity* ent = nullptr;
  int es = zcdbOpenZcDbEntity(ent, m_id, mode == 1 ? ZcDb::kForWrite : ZcDb::kForRead);
  if (es != Zcad::eOk) {
    ZWPrinter().Print(L"UI_Attribute_Ref::open");
    PrintErrorStatus(es);
    return es;
  }
  if (!ent->isKindOf(ZcDbAttribute::desc())) {
    ent->close();
    ZWPrinter().Print(L"UI_Attribute_Ref::open");
    return Zcad::eNotThatKindOfClass;
  }
  m_attribute = static_cast<ZcDbAttribute*>(ent);
  return Zcad::eOk;
}

int UI_Attribute_Ref::close() {
  if (!m_attribute) return Zcad::eWasNotOpen;
  int es = m_attribute->close();
  m_attribute = nullptr;
  return es;
}

int UI_Attribute_Ref::setText(const CString& text) {
  if (int es = open(1)) return es;
  int first = Zcad::eOk;
  if (m_attribute->isMTextAttribute()) {
    std::unique_ptr<ZcDbMText> mtext(m_attribute->getMTextAttribute());
    first = mtext->setContents(text);
    if (first == Zcad::eOk) first = m_attribute->setMTextAttribute(mtext.get());
    if (first != Zcad::eOk) PrintErrorStatus(first);
  } else {
    first = m_attribute->setTextString(text);
  }
  int closed = close();
  return first != Zcad::eOk ? first : closed;
}

CString UI_Attribute_Ref::getTag() {
  if (open(0) != Zcad::eOk) return CString();
  CString tag(m_attribute->tag());
  close();
  return tag;
}
