// Aligning entities on two pairs of points.
#include "construction/Align_cmd.h"

#include "ed/ErrorStatus.h"
#include "framework/CommandSequences.h"
#include "framework/ResBuf.h"
#include "framework/ResString.h"
#include "framework/Selections.h"
#include "geometry/PointHelpers.h"

void Align_cmd::Run() {
  m_ids = SelectEntities();
  if (m_ids.isEmpty()) return;
  ZcGePoint3d points[4];
  for (int i = 0; i < 4; ++i) {
    const ZcGePoint3d* base = i % 2 ? &points[i - 1] : nullptr;
    if (GetPointFromUser(LoadResString(43110 + i), base, points[i]) != RTNORM) return;
  }
  ResBuf align;
  align.AddString(L"_ALIGN");
  align.AddIds(m_ids);
  align.AddString(L"");
  for (const ZcGePoint3d& p : points) align.AddPoint(WorldToUser(p));
  align.AddString(L"");
  align.AddString(L"_N");
  RunCommandAndWait(align);
}
