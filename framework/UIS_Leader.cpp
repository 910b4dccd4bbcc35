// The leader wrapper.
#include "framework/UIS_Leader.h"

#include "db/ZcDbDatabase.h"
#include "framework/ZWDrawer.h"

UIS_Leader::UIS_Leader(ZcDbObjectId id) {
  if (ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase()) {
    m_arrowSize = db->dimasz();
    m_dimScale = db->dimscale();
  }
  ZcDbLeader* leader = nullptr;
  if (id.isValid() && zcdbOpenObject(leader, id, ZcDb::kForRead) == Zcad::eOk) {
    m_leader = leader;
    leader->close();
  }
}

int UIS_Leader::Create(const ZcGePoint3d& from, const ZcGePoint3d& to) {
  if (from.distanceTo(to) < 1e-5) return Zcad::eNotApplicable;
  ZcGePoint3d a(to.x, to.y, to.z), b(from.x, from.y, from.z);
  if (m_leader && !m_leader->isNewObject() && !m_leader->isErased() && m_leader->numVertices() == 2) {
    ZcDbLeader* w = nullptr;
    if (int es = zcdbOpenObject(w, m_leader->objectId(), ZcDb::kForWrite)) return es;
    w->setVertexAt(0, a);
    w->setVertexAt(1, b);
    w->setDimscale(m_dimScale);
    w->setDimasz(m_arrowSize);
    return w->close();
  }
  auto* leader = new ZcDbLeader;
  leader->setDatabaseDefaults();
  leader->setDimscale(m_dimScale);
  leader->setDimasz(m_arrowSize);
  leader->appendVertex(a);
  leader->appendVertex(b);
  int es = ZWDrawer::Add(leader);
  if (es != Zcad::eOk) {
    delete leader;
    return es;
  }
  m_leader = leader;
  return leader->close();
}

ZcGeVector3d UIS_Leader::GetDirection() {
  if (!m_leader) return ZcGeVector3d();
  ZcDbLeader* r = nullptr;
  if (zcdbOpenObject(r, m_leader->objectId(), ZcDb::kForRead) != Zcad::eOk) return ZcGeVector3d();
  ZcGePoint3d s, e;
  r->getStartPoint(s);
  r->getEndPoint(e);
  if (r->close() != Zcad::eOk) return ZcGeVector3d();
  return s - e;
}
