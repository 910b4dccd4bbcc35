// The MText wrapper.
#include "framework/UIS_MText.h"

#include "framework/Printer.h"
#include "framework/ZWDrawer.h"
#include "framework/ZWTextStyle.h"

int UIS_MText::Make(const CString& contents, const ZcGePoint3d& location, ZcDbObjectId owner,
                    double height, bool inModelSpace) {
  if (height > 0) m_height = height;
  else if (!(m_height > 0)) m_height = DefaultTextHeight();
  if (m_mtext && !m_mtext->isNewObject() && !m_mtext->isErased()) {
    ZcDbMText* w = nullptr;
    if ((m_status = zcdbOpenObject(w, m_mtext->objectId(), ZcDb::kForWrite)) != Zcad::eOk) return m_status;
    w->setContents(contents);
    w->setLocation(location);
    w->setTextHeight(m_height);
    return m_status = w->close();
  }
  auto* mtext = new ZcDbMText;
  mtext->setDatabaseDefaults();
  mtext->setContents(contents);
  mtext->setLocation(location);
  mtext->setTextHeight(m_height);
  m_status = inModelSpace ? ZWDrawer::Add(mtext) : AppendToModelSpace(mtext, owner);
  if (m_status != Zcad::eOk) {
    delete mtext;
    return m_status;
  }
  mtext->close();
  m_mtext = mtext;
  return m_status;
}

int UIS_MText::Create(const CString& contents, const ZcGePoint3d& location, double height) {
  return Make(contents, location, ZcDbObjectId(), height, true);
}

int UIS_MText::CreateInBlock(const CString& contents, const ZcGePoint3d& location,
                             ZcDbObjectId owner, double height) {
  return Make(contents, location, owner, height, false);
}

int UIS_MText::setRotation(double angle) {
  if (!m_mtext) return Zcad::eWrongObjectType;
  bool opened = false;
  if (!m_mtext->isWriteEnabled()) {
    ZcDbMText* w = nullptr;
    if (int es = zcdbOpenObject(w, m_mtext->objectId(), ZcDb::kForWrite)) return es;
    opened = true;
  }
  int es = m_mtext->setRotation(angle);
  if (es != Zcad::eOk) {
    ZWPrinter().Print(L"UIS_MText::setRotation");
    PrintErrorStatus(es);
  }
  if (opened) m_mtext->close();
  return es;
}

int UIS_MText::setLocation(const ZcGePoint3d& p) {
  if (!m_mtext || (m_mtext->isWriteEnabled() && !m_mtext->isNewObject())) return Zcad::eWrongObjectType;
  ZcDbMText* w = nullptr;
  if (int es = zcdbOpenObject(w, m_mtext->objectId(), ZcDb::kForWrite)) return es;
  int es = w->setLocation(p);
  w->close();
  return es;
}

int UIS_MText::setContents(const CString& text) {
  if (!m_mtext) return Zcad::eWrongObjectType;
  ZcDbMText* w = nullptr;
  if (int es = zcdbOpenObject(w, m_mtext->objectId(), ZcDb::kForWrite)) return es;
  w->setContents(text);
  return w->close();
}
