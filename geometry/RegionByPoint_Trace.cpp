// The regions of the host's boundary trace around a seed point.
#include "geometry/RegionByPoint_Trace.h"

#include "db/ZcDbPolyline.h"
#include "ed/SelectionSets.h"
#include "framework/Printer.h"
#include "framework/ZWDrawer.h"
#include "geometry/RegionByEntities.h"
#include "geometry/UI_Region.h"

namespace {
constexpr int kNoPolylineId = Zcad::eNullIterator;
constexpr int kUseCurves = Zcad::eAmbiguousInput;

void Report(int status) {
  ZWPrinter().Print(L"RegionByPoint_Trace::Draw");
  PrintErrorStatus(status);
}

// The region of a traced polyline in model space; the polyline only lends its curve.
int RegionOfPolyline(ZcDbPolyline* polyline, ZcDbObjectIdArray& drawn) {
  if (int status = AppendToModelSpace(polyline, ZcDbObjectId())) {
    delete polyline;
    return status;
  }
  ZcDbObjectId id = polyline->objectId();
  polyline->close();
  if (!id.isValid()) return kNoPolylineId;
  RegionByEntities maker;
  maker.m_curveIds.append(id);
  maker.m_owner = GetModelSpaceId();
  int status = maker.Make();
  if (status != 0) Report(status);
  if (maker.m_regionId.isValid()) drawn.append(maker.m_regionId);
  ZcDbObject* object = nullptr;
  if (zcdbOpenObject(object, id, ZcDb::kForWrite) == Zcad::eOk) {
    object->erase(true);
    object->close();
  }
  return 0;
}
}  // namespace

int RegionByPoint_Trace::Draw() {
  ZcDbVoidPtrArray boundary;
  m_status = zcedTraceBoundary(m_seed, true, boundary);
  if (m_status != 0) return m_status;
  bool setAside = false;
  for (int i = 0; i < boundary.length(); ++i) {
    auto* entity = boundary[i] ? static_cast<ZcDbEntity*>(static_cast<ZcRxObject*>(boundary[i])) : nullptr;
    if (!entity) continue;
    if (ZcDbRegion* region = CastToRegion(entity)) {
      m_status = ZWDrawer::Add(region);
      if (m_status == 0) {
        m_ids.append(region->objectId());
        region->close();
      } else {
        delete region;
        Report(m_status);
      }
    } else if (entity->isKindOf(ZcDbPolyline::desc())) {
      if (int status = RegionOfPolyline(static_cast<ZcDbPolyline*>(entity), m_ids)) {
        for (int j = i + 1; j < boundary.length(); ++j) delete static_cast<ZcRxObject*>(boundary[j]);
        return m_status = status;
      }
    } else {
      delete entity;
      setAside = true;
    }
  }
  if (setAside) {
    ZWPrinter().Print(L"! make region by curves! ");
    PrintErrorStatus(kUseCurves);
  }
  return 0;
}
