// Registration of the geometry helpers' services with the framework.
#include "geometry/GeometryServices.h"

#include "ed/ErrorStatus.h"
#include "framework/Transforms.h"
#include "geometry/UI_Curve.h"

namespace {
int CopyCurveToPolyline(ZcDbObjectId curveId, ZcDbObjectId& polylineId) {
  UI_Curve curve;
  if (!curve.Attach(curveId) || !curve.Curve()) return Zcad::eNotThatKindOfClass;
  return curve.AddCurveToPolyline(polylineId);
}
}  // namespace

void RegisterGeometryServices() { SetCurvePolylineCopier(&CopyCurveToPolyline); }

void UnregisterGeometryServices() { SetCurvePolylineCopier(nullptr); }
