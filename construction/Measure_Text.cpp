// The length text that follows the tape's end.
#include "construction/Measure_Text.h"

#include "construction/Fastrelle_Miarka_Subject.h"
#include "db/ZcDbMText.h"
#include "ed/zced.h"
#include "framework/Printer.h"
#include "framework/Strings.h"
#include "framework/ZWDrawer.h"
#include "framework/ZWVariable.h"
#include "geometry/PointHelpers.h"

namespace {
constexpr double kHalfPi = 1.5707963267948966;
}

Measure_Text::Measure_Text() {
  double height = 0.0;
  GetVariableReal(L"VIEWSIZE", height);
  if (AddMText(CString(), ZcGePoint3d::kOrigin, height > 0.0 ? height / 30.0 : 1.0, m_id) != 0) m_id = ZcDbObjectId();
}

Measure_Text::~Measure_Text() {
  ZcDbMText* text = nullptr;
  if (m_id.isNull() || zcdbOpenObject(text, m_id, ZcDb::kForWrite) != Zcad::eOk) return;
  text->erase();
  text->close();
}

void Measure_Text::OnMove() {
  if (!m_subject || m_id.isNull()) return;
  double viewSize = 0.0;
  GetVariableReal(L"VIEWSIZE", viewSize);
  CString contents = FormatDouble(m_subject->GetLength(), L"%0.2f");
  ZcGePoint3d at = m_subject->EndPoint();
  ZcGeVector3d normal = m_subject->NormalAtEnd();
  double rotation = AngleInXYPlane(ZcGePoint3d::kOrigin, ZcGePoint3d::kOrigin + normal) + kHalfPi;
  ZcDbMText* text = nullptr;
  if (Zcad::ErrorStatus es = zcdbOpenObject(text, m_id, ZcDb::kForWrite); es != Zcad::eOk) {
    zcutPrintText(L"\nMeasure_Text::OnMove");
    PrintErrorStatus(es);
    return;
  }
  if (viewSize > 0.0) text->setTextHeight(viewSize / 30.0);
  text->setContents(contents);
  text->setLocation(at);
  text->setRotation(rotation);
  text->close();
}
