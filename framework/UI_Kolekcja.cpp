// The entity collection and its iterator.
#include "framework/UI_Kolekcja.h"

#include <algorithm>
#include <utility>

#include "db/ZcDbBlockReference.h"
#include "db/ZcDbCurve.h"
#include "db/ZcDbMText.h"
#include "ed/zced.h"
#include "framework/CommandSequences.h"
#include "framework/Layers.h"
#include "framework/Printer.h"
#include "framework/ResBuf.h"
#include "framework/SSGet.h"
#include "framework/UI_Entity.h"
#include "framework/ZWDrawer.h"
#include "framework/ZWVariable.h"

namespace {

// Prints a status through the error printer, the label before or after it.
void Report(int status, const CString& labelAfter, const CString& labelBefore = CString()) {
  ZWAlert alert;
  if (!labelBefore.IsEmpty()) alert.Print(L"\n" + labelBefore);
  alert.NewLine();
  alert.PrintErrorStatus(status);
  if (!labelAfter.IsEmpty()) alert.Print(L"\n" + labelAfter);
}

// Runs `change` on every entity that opens, in a write scope; a failed open or upgrade is
// printed and that entity skipped.
template <class F>
void ForEachWritable(const ZcDbObjectIdArray& ids, F change) {
  for (ZcDbObjectId id : ids) {
    UI_Entity e(id);
    if (!e.Entity()) continue;
    if (int es = e.Reopen(1)) {
      Report(es, CString());
      continue;
    }
    change(e);
    e.Close();
  }
}

// Appends the ids of a host set to `ids` and frees it.
void AppendSet(const ads_name set, ZcDbObjectIdArray& ids) {
  SSGet reader;
  reader.ReadSet(set);
  ids.append(reader.Ids());
  zcedSSFree(set);
}

}  // namespace

int UI_Kolekcja::Add(ZcDbObjectId id) {
  if (!id.isValid()) return Zcad::eNullIterator;
  if (m_ids.contains(id)) return 260;
  m_ids.append(id);
  return 0;
}

int UI_Kolekcja::Select(const CString& prompt, const CStringArray& typeNames) {
  ZWPrinter().Print(prompt);
  ResBuf filter;
  filter.BeginOr();
  for (int i = 0; i < typeNames.GetSize(); ++i) filter.Add(0, typeNames[i]);
  filter.EndOr();
  ads_name set;
  if (zcedSSGet(nullptr, nullptr, nullptr, filter.Head(), set) == RTNORM) AppendSet(set, m_ids);
  return 0;
}

int UI_Kolekcja::SelectCrossing(ResBuf& filter, const ZcGePoint3d& corner1, const ZcGePoint3d& corner2) {
  SaveAndSet_pickstyle(filter);
  ads_point c1 = {corner1.x, corner1.y, corner1.z}, c2 = {corner2.x, corner2.y, corner2.z};
  ads_name set;
  int result = zcedSSGet(L"C", c1, c2, filter.Head(), set);
  Restore_pickstyle(filter);
  if (result == RTNORM) AppendSet(set, m_ids);
  return 0;
}

int UI_Kolekcja::GetPoints(ZcGePoint3dArray& points) {
  for (ZcDbObjectId id : m_ids) {
    UI_Entity e(id);
    if (e.Entity() && e.Reopen(0) == 0) e.GetPoints(points);
  }
  return 0;
}

void UI_Kolekcja::DeleteAll() {
  for (ZcDbObjectId id : m_ids) {
    ZcDbEntity* e = nullptr;
    Zcad::ErrorStatus es = zcdbOpenZcDbEntity(e, id, ZcDb::kForWrite);
    if (es != Zcad::eOk) {
      Report(es, CString(), L"UI_Kolekcja::DeleteAll");
      continue;
    }
    e->erase(true);
    e->close();
  }
}

int UI_Kolekcja::Move(const ZcGePoint3d& from, const ZcGePoint3d& to) {
  return ApplyTransform(ZcGeMatrix3d::translation(to - from));
}

int UI_Kolekcja::ApplyTransform(const ZcGeMatrix3d& m) {
  const ZcDbObjectId modelSpace = GetModelSpaceId();
  bool allInModelSpace = true;
  for (ZcDbObjectId id : m_ids) {
    ZcDbEntity* e = nullptr;
    if (int es = zcdbOpenZcDbEntity(e, id, ZcDb::kForWrite)) return es;
    int es = 0;
    if (e->isKindOf(ZcDbMText::desc())) {
      auto* text = static_cast<ZcDbMText*>(e);
      es = text->setLocation(text->location() + m.translation());
    } else {
      es = e->transformBy(m);
    }
    if (e->ownerId() != modelSpace) allInModelSpace = false;
    e->close();
    if (es) return es;
  }
  if (allInModelSpace) MoveIdsByZero(m_ids);
  return 0;
}

int UI_Kolekcja::TransformBy(const ZcGeMatrix3d& m) {
  ForEachWritable(m_ids, [&](UI_Entity& e) { e.Entity()->transformBy(m); });
  return 0;
}

int UI_Kolekcja::CopyTo(UI_Kolekcja& other) {
  for (ZcDbObjectId id : m_ids) {
    UI_Entity e(id);
    if (!e.Entity()) continue;
    ZcDbObjectId copy;
    int es = e.Copy(copy);
    if (es == 0) es = other.Add(copy);
    if (es) Report(es, CString());
  }
  return 0;
}

int UI_Kolekcja::SetLayer(const CString& layerName) {
  if (layerName.IsEmpty()) return Zcad::eInvalidInput;
  if (!FindLayer(layerName)) {
    ZcDbLayerTableRecord* record = nullptr;
    CreateLayer(layerName, record);
  }
  for (ZcDbObjectId id : m_ids) {
    UI_Entity e(id);
    if (e.Entity()) e.setLayer(layerName);
  }
  return 0;
}

int UI_Kolekcja::SetLTScale(double scale) {
  ForEachWritable(m_ids, [&](UI_Entity& e) {
    if (int es = e.Entity()->setLinetypeScale(scale)) {
      Report(es, L"UI_Entity::SetLTScale");
      Report(es, CString());
    }
  });
  return 0;
}

int UI_Kolekcja::SetLinetype(ZcDbObjectId linetypeId) {
  if (!linetypeId.isValid()) return 0;
  for (ZcDbObjectId id : m_ids) {
    UI_Entity e(id);
    if (e.Entity()) e.SetLinetype(linetypeId);
  }
  return 0;
}

void UI_Kolekcja::SetColorIndex(int index) {
  if (index < 0) return;
  ForEachWritable(m_ids, [&](UI_Entity& e) { e.Entity()->setColorIndex(static_cast<std::uint16_t>(index)); });
}

void UI_Kolekcja::SetColor(const ZcCmColor& color) {
  ForEachWritable(m_ids, [&](UI_Entity& e) { e.Entity()->setColor(color); });
}

void UI_Kolekcja::KeepClass(const ZcRxClass* cls, UI_Kolekcja& other) {
  for (ZcDbObjectId id : m_ids) {
    ZcDbObject* o = nullptr;
    if (zcdbOpenObject(o, id, ZcDb::kForRead) != Zcad::eOk) continue;
    bool keep = o->isKindOf(cls);
    o->close();
    if (keep) other.Add(id);
  }
}

void UI_Kolekcja::RemoveNonEntities() {
  ZcDbObjectIdArray kept(0, 8);
  for (ZcDbObjectId id : m_ids) {
    ZcDbObject* o = nullptr;
    if (zcdbOpenObject(o, id, ZcDb::kForRead) == Zcad::eOk) {
      bool entity = o->isKindOf(ZcDbEntity::desc());
      o->close();
      if (!entity) continue;
    }
    kept.append(id);
  }
  m_ids = kept;
}

double UI_Kolekcja::GetDistFrom(int index, const ZcGePoint3d& point) {
  double distance = -1.0;
  ZcDbObject* o = nullptr;
  if (index < 0 || index >= m_ids.length() || zcdbOpenObject(o, m_ids[index], ZcDb::kForRead) != Zcad::eOk)
    return distance;
  if (o->isKindOf(ZcDbBlockReference::desc())) distance = point.distanceTo(static_cast<ZcDbBlockReference*>(o)->position());
  if (o->isKindOf(ZcDbCurve::desc())) {
    ZcGePoint3d closest;
    if (int es = static_cast<ZcDbCurve*>(o)->getClosestPointTo(point, closest))
      Report(es, CString(), L"UI_Kolekcja::GetDistFrom");
    else
      distance = point.distanceTo(closest);
  }
  o->close();
  return distance;
}

void UI_Kolekcja::SortByDistance(const ZcGePoint3d& point) {
  std::vector<std::pair<double, int>> order;
  for (int i = 0; i < m_ids.length(); ++i) order.emplace_back(GetDistFrom(i, point), i);
  std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  ZcDbObjectIdArray old = m_ids;
  m_ids.removeAll();
  for (const auto& entry : order) Add(old[entry.second]);
}

int UI_Kolekcja::GetCommon(const ZcDbObjectIdArray& ids, ZcDbObjectIdArray& common) {
  for (ZcDbObjectId id : m_ids) {
    ZcDbObject* o = nullptr;
    if (zcdbOpenObject(o, id, ZcDb::kForRead) != Zcad::eOk) continue;
    o->close();
    for (ZcDbObjectId other : ids)
      if (other == id) common.append(id);
  }
  return 0;
}

ZcDbObject* UI_Kolekcja_Iterator::Next() {
  if (m_current) m_status = m_current->close();
  m_current = nullptr;
  if (m_index < m_collection.Length()) {
    Zcad::ErrorStatus es = zcdbOpenObject(m_current, m_collection.Ids()[m_index],
                                          m_mode ? ZcDb::kForWrite : ZcDb::kForRead);
    if (es != Zcad::eOk) m_status = es;
    ++m_index;
  }
  m_done = m_index >= m_collection.Length();
  return m_current;
}
