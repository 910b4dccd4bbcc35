// Ordering picked curves into a chain and closing its gaps.
#include "geometry/CurveChain.h"

#include <cmath>

#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbLine.h"
#include "framework/ZWDrawer.h"
#include "geometry/StretchByDataBase.h"
#include "geometry/UI_Curve.h"

namespace {
constexpr double kJoined = 1e-8;

ZcGePoint3d EndOf(UI_Curve& c, int end) {
  ZcGePoint3d s, e;
  c.GetEndPoints(s, e);
  return end ? e : s;
}

// The crossings and touches of P and Q, less those at `joint` when the curves already meet
// there (the other pair of ends of a chain of two); false when the host fails.
bool Contacts(UI_Curve& p, UI_Curve& q, const ZcGePoint3d* joint, ZcGePoint3dArray& contacts) {
  ZcGePoint3dArray points;
  if (!p.Curve() || !q.Curve() || p.Curve()->intersectWith(q.Curve(), ZcDb::kOnBothOperands, points)) return false;
  for (UI_Curve* c : {&q, &p}) {  // ends lying on the other curve touch it
    UI_Curve& other = c == &q ? p : q;
    for (int end : {0, 1}) {
      ZcGePoint3d e = EndOf(*c, end);
      double d = other.DistanceToPoint(e);
      if (d < 0) return false;
      if (d < kJoined) points.append(e);
    }
  }
  for (const ZcGePoint3d& t : points)
    if (!joint || t.distanceTo(*joint) > kJoined) contacts.append(t);
  return true;
}
}  // namespace

bool NearestEnds(ZcDbObjectId p, ZcDbObjectId q, int& pEnd, int& qEnd, double& gap) {
  UI_Curve a(p), b(q);
  if (!a.Curve() || !b.Curve()) return false;
  gap = -1.0;
  for (int i : {0, 1})
    for (int j : {0, 1}) {
      double d = EndOf(a, i).distanceTo(EndOf(b, j));
      if (gap < 0 || d < gap) gap = d, pEnd = i, qEnd = j;
    }
  return true;
}

int StretchCurveEndToPoint(ZcDbObjectId id, const ZcGePoint3d& t) {
  UI_Curve curve(id);
  ZcDbCurve* c = curve.Curve();
  if (!c) return 374;
  ZcGePoint3d q, s, e;
  double k = 0.0, end = 0.0;
  if (int es = c->getClosestPointTo(t, q)) return es;
  if (int es = c->getParamAtPoint(q, k)) return es;
  if (int es = c->getEndParam(end)) return es;
  if (k < 1e-6 || std::fabs(k - end) < 1e-6) return 0;
  curve.GetEndPoints(s, e);
  StretchByDataBase stretch;
  stretch.ids.append(id);
  int status = stretch.Apply(k < 0.5 * end ? s : e, t);
  ZcDbEntity* w = nullptr;
  if (zcdbOpenObject(w, id, ZcDb::kForWrite) == Zcad::eOk) {
    w->setColorIndex(3);
    w->close();
  }
  return status;
}

void CurveChain::Order(ZcDbObjectIdArray& ids) {
  if (ids.isEmpty()) return;
  m_remaining = ids;
  m_ordered.setLogicalLength(0);
  m_ordered.append(ids[0]);
  AddNext(ids[0]);

  ids.setLogicalLength(0);
  int n = m_ordered.length();
  int firstPEnd = -1, firstQEnd = -1;
  for (int i = 0; i + 1 < n; ++i) {
    ZcDbObjectId p = m_ordered[i], q = m_ordered[i + 1];
    UI_Curve pc(p);
    ids.append(pc.Curve() ? p : ZcDbObjectId());
    int pEnd = 0, qEnd = 0;
    double gap = 0.0;
    if (!NearestEnds(p, q, pEnd, qEnd, gap)) continue;
    if (i == 0) firstPEnd = pEnd, firstQEnd = qEnd;
    if (gap > kJoined) CloseGap(p, q, pEnd, qEnd, ids);
  }
  ZcDbObjectId last = m_ordered[n - 1], first = m_ordered[0];
  UI_Curve lc(last);
  ids.append(lc.Curve() ? last : ZcDbObjectId());
  if (n == 2 && firstPEnd >= 0) {
    // Both joins read the same pair: close the ends the first join left.
    UI_Curve a(first), b(last);
    int pEnd = 1 - firstQEnd, qEnd = 1 - firstPEnd;
    if (EndOf(b, pEnd).distanceTo(EndOf(a, qEnd)) > kJoined) CloseGap(last, first, pEnd, qEnd, ids);
  } else if (n > 2) {
    int pEnd = 0, qEnd = 0;
    double gap = 0.0;
    if (NearestEnds(last, first, pEnd, qEnd, gap) && gap > kJoined) CloseGap(last, first, pEnd, qEnd, ids);
  }
}

void CurveChain::AddNext(ZcDbObjectId id) {
  // A loop rather than one call per curve: long outlines need no deep stack.
  while (id.isValid()) {
    m_remaining.remove(id);
    UI_Curve current(id);
    if (!current.Curve()) return;
    int best = -1;
    double bestGap = 0.0;
    for (int i = 0; i < m_remaining.length(); ++i) {
      double gap = current.EndPointGap(m_remaining[i]);
      if (gap >= 0 && (best < 0 || gap < bestGap)) best = i, bestGap = gap;
    }
    if (best < 0) return;
    ZcDbObjectId picked = m_remaining[best];
    m_ordered.insertAt(m_ordered.find(id), picked);
    id = picked;
  }
}

void CurveChain::CloseGap(ZcDbObjectId p, ZcDbObjectId q, int pEnd, int qEnd, ZcDbObjectIdArray& out) {
  UI_Curve pc(p), qc(q);
  ZcGePoint3d joint = EndOf(pc, 1 - pEnd);
  bool joinedElsewhere = joint.distanceTo(EndOf(qc, 1 - qEnd)) <= kJoined;
  ZcGePoint3dArray contacts;
  if (!Contacts(pc, qc, joinedElsewhere ? &joint : nullptr, contacts)) return;
  if (contacts.isEmpty()) {  // apart: a joining line between the two ends
    auto* line = new ZcDbLine(EndOf(pc, pEnd), EndOf(qc, qEnd));
    ZcDbObjectId owner = pc.Entity() ? pc.Entity()->ownerId() : ZcDbObjectId();
    if (AppendToModelSpace(line, owner) != 0) {
      delete line;
      return;
    }
    out.append(line->objectId());
    line->close();
    return;
  }
  StretchCurveEndToPoint(p, contacts[0]);
  StretchCurveEndToPoint(q, contacts[0]);
}
