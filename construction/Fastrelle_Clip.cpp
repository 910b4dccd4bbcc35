// The dart tool: its two seam points, the apex on the centre line, and the dart made at
// the pick.
#include "construction/Fastrelle_Clip.h"

#include "construction/Fastrelle_Forms.h"
#include "construction/Fastrelle_Part_Drawer.h"
#include "construction/Fastrelle_Parts.h"
#include "db/ZcDbLine.h"
#include "ed/zced.h"
#include "framework/Printer.h"
#include "framework/ResString.h"
#include "framework/ZWDrawer.h"
#include "geometry/PointHelpers.h"
#include "sizes/Fastrelle_SizePoints.h"

namespace {

// A line appended to model space: 0 with its id, or the failure (printed).
int AddLegLine(const ZcGePoint3d& from, const ZcGePoint3d& to, ZcDbObjectId& id) {
  auto* line = new ZcDbLine(from, to);
  if (int es = ZWDrawer::Add(line)) {
    delete line;
    zcutPrintText(L"\nFastrelle_Clip::OnPick");
    PrintErrorStatus(es);
    return es;
  }
  id = line->objectId();
  if (int es = line->close()) {
    zcutPrintText(L"\nFastrelle_Clip::OnPick");
    PrintErrorStatus(es);
    return es;
  }
  return 0;
}

}  // namespace

void Fastrelle_Clip::SetPoints(const ZcGePoint3d& start, const ZcGePoint3d& end) {
  m_start = start;
  m_end = end;
  PointAtDistance(0.5 * start.distanceTo(end), m_mid);
  m_normal = NormalAtDistance(0.0);
  m_lastPoint = m_mid;
}

int Fastrelle_Clip::PickStart() {
  ZcGePoint3d start, end;
  if (GetPointFromUser(LoadResString(40006), nullptr, start) != RTNORM) return kDragCancelled;
  // A dart without width would make legs of no length and three points in one place.
  for (;;) {
    if (GetPointFromUser(LoadResString(40007), &start, end) != RTNORM) return kDragCancelled;
    if (!end.isEqualTo(start)) break;
    zcutPrintText(LoadResString(42305).str());
  }
  SetPoints(start, end);
  return 0;
}

int Fastrelle_Clip::OnDrag() {
  NotifyMove();
  return 0;
}

int Fastrelle_Clip::PointAtDistance(double distance, ZcGePoint3d& point) {
  point = PointAtDistanceTowards(m_start, m_end, distance);
  return 0;
}

ZcGeVector3d Fastrelle_Clip::NormalAtDistance(double) { return (m_end - m_start).perpVector(); }

ZcGePoint3d Fastrelle_Clip::EndPoint() { return PerpendicularFoot(m_lastPoint, m_mid, m_mid + m_normal); }

double Fastrelle_Clip::GetLength() { return DistancePointToLine(EndPoint(), m_start, m_end); }

int Fastrelle_Clip::OnPick() {
  // The previews (the mark above all) follow the pick, which need not come where the last
  // motion was, or after any motion at all.
  NotifyMove();
  ZcGePoint3d apex = EndPoint();
  Fastrelle_Part part;
  if (!FindPartAtPoint(apex, part)) {
    zcutPrintText(LoadResString(42300).str());
    return 374;
  }
  int n = NextGradePointNumber();
  ZcDbObjectIdArray legs;
  for (const ZcGePoint3d& from : {m_start, m_end}) {
    ZcDbObjectId id;
    if (int es = AddLegLine(from, apex, id)) return es;
    legs.append(id);
  }
  // The legs become the master's extra elements (group "0") and are copied into every
  // size; they stay, so the dart survives any later rebuild from the master.
  Fastrelle_Part_Drawer drawer(part.GetName(), nullptr);
  if (int es = drawer.AddEntities(legs, 2)) {
    zcutPrintText(L"\nFastrelle_Clip::OnPick");
    PrintErrorStatus(es);
    return es;
  }
  const ZcGePoint3d points[] = {m_start, m_end, apex};
  for (int i = 0; i < 3; ++i) {
    if (int es = AddGradePointInAllSizes(part.GetName(), points[i], n + i)) {
      zcutPrintText(L"\nFastrelle_Clip::OnPick");
      PrintErrorStatus(es);
      return es;
    }
  }
  return kDragFinish;
}
