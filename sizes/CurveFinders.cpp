// The registered curve finders of the parts model.
#include "sizes/CurveFinders.h"

#include "ed/ErrorStatus.h"

namespace {
CurveEndNumbersFinder& Ends() {
  static CurveEndNumbersFinder finder = nullptr;
  return finder;
}
SeamCurveFinder& Seams() {
  static SeamCurveFinder finder = nullptr;
  return finder;
}
}  // namespace

void SetCurveFinders(CurveEndNumbersFinder ends, SeamCurveFinder seams) {
  Ends() = ends;
  Seams() = seams;
}

int FindCurveEndNumbers(ZcDbObjectId curve, int& start, int& end) {
  return Ends() ? Ends()(curve, start, end) : static_cast<int>(Zcad::eIllegalEntityType);
}

ZcDbObjectId FindSeamCurve(const CString& size, int a, int b) {
  return Seams() ? Seams()(size, a, b) : ZcDbObjectId();
}
