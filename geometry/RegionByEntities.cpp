// A region made from a list of curve ids.
#include "geometry/RegionByEntities.h"

#include "framework/ZWDrawer.h"
#include "geometry/UI_Region.h"

int RegionByEntities::Make() {
  if (m_owner.isNull()) m_owner = GetModelSpaceId();
  if (!m_owner.isValid()) return Zcad::eUndefinedBlock;
  if (m_curveIds.isEmpty()) return Zcad::eInvalidInput;
  UI_Region holder;
  if (int status = MakeRegionFromCurves(holder, m_curveIds, m_owner)) return status;
  m_regionId = holder.m_id;
  return 0;
}
