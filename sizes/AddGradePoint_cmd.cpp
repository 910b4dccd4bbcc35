// The add-grade-point command: the settings check, then the registered drag.
#include "sizes/AddGradePoint_cmd.h"

#include "framework/ErrorHandler.h"
#include "framework/Fastrelle_Settings.h"
#include "framework/UI_DwgBlock.h"

namespace {
GradePointDrag& Drag() {
  static GradePointDrag drag = nullptr;
  return drag;
}
}  // namespace

void SetGradePointDrag(GradePointDrag drag) { Drag() = drag; }

void AddGradePoint_cmd::Run() {
  m_result = -1;
  const CString symbol = GetSettingPath(L"GradePoint");
  const double scale = GetSettingDouble(L"GradePointSize");
  if (!(scale > 0) || UI_DwgBlock::FileTitle(GetSettingString(L"GradePoint")).IsEmpty() || !Drag()) {
    Fastrelle_ErrorHandler(-1, L"GradePoint").Show();
    return;
  }
  m_result = Drag()(symbol, scale);
}
