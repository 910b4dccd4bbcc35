// Walking block references.
#include "framework/BlocksReference_Iterator.h"

#include <cmath>

#include "db/ZcDbBlockReference.h"
#include "framework/BlockReference.h"

namespace {
// The reference's position, read with an open of its own; false when it is no reference.
bool PositionOf(ZcDbObjectId id, ZcGePoint3d& position, CString* name = nullptr) {
  ZcDbBlockReference* ref = nullptr;
  if (zcdbOpenObject(ref, id, ZcDb::kForRead) != Zcad::eOk) return false;
  position = ref->position();
  ref->close();
  if (name) *name = GetBlockReferenceName(ref);
  return true;
}
}  // namespace

void BlocksReference_Iterator::SetIds(ZcDbObjectIdArray ids) {
  for (ZcDbObjectId id : ids) {
    ZcGePoint3d p;
    if (PositionOf(id, p)) m_ids.append(id);
  }
}

int BlocksReference_Iterator::FindNearest(const ZcGePoint3d& point, ZcDbObjectId& nearest) {
  nearest.setNull();
  double best = 0;
  for (First(); !IsDone(); Next()) {
    ZcGePoint3d p;
    if (!PositionOf(m_ids[m_index], p)) return Zcad::eNullObjectId;
    double d = point.distanceTo(p);
    if (nearest.isNull() || d < best) {
      nearest = m_ids[m_index];
      best = d;
    }
  }
  return Zcad::eOk;
}

void BlocksReference_Iterator::KeepBlockName(const CString& blockName) {
  if (m_ids.isEmpty()) return;
  for (int i = m_ids.length() - 1; i >= 0; --i) {
    ZcGePoint3d p;
    CString name;
    if (!PositionOf(m_ids[i], p, &name) || name.CollateNoCase(blockName) != 0) m_ids.removeAt(i);
  }
  m_index = 0;
  m_current = m_ids.isEmpty() ? ZcDbObjectId() : m_ids[0];
}

int BlocksReference_Iterator::GetNearestBlockNames(const ZcGePoint3d& point, CStringArray& names,
                                                   double tolerance) {
  CStringArray found;
  bool haveBest = false;
  double best = 0;
  for (First(); !IsDone(); Next()) {
    ZcGePoint3d p;
    CString name;
    if (!PositionOf(m_ids[m_index], p, &name)) return Zcad::eWrongObjectType;
    double c = point.distanceTo(p);
    if (!haveBest) {
      haveBest = true;
      best = c;
      found.Add(name);
    } else if (std::fabs(c - best) < tolerance) {
      bool present = false;
      for (const CString& n : found) present |= n == name;
      if (!present) found.Add(name);
    } else if (c < best) {
      found.RemoveAll();
      found.Add(name);
      best = c;
    }
  }
  names.Append(found);
  return Zcad::eOk;
}
