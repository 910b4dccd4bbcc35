// The draw-order table of a block and its SORTENTSTABLE record.
#include "db/ZcDbSortentsTable.h"

#include <algorithm>
#include <map>

#include "db/DbInternal.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDxfFiler.h"

ZCRX_DEFINE_MEMBERS(ZcDbSortentsTable, ZcDbObject)

std::vector<ZcDbObjectId> ZcDbSortentsTable::currentOrder() const {
  auto* btr = dynamic_cast<ZcDbBlockTableRecord*>(zcdb::ObjectOf(block_));
  std::vector<ZcDbObjectId> live;
  if (!btr) return live;
  for (ZcDbObjectId e : btr->rawEntities())
    if (!e.isErased()) live.push_back(e);
  // the stored order first, then entities it does not know, in record order
  std::vector<ZcDbObjectId> out;
  for (ZcDbObjectId e : order_)
    if (std::find(live.begin(), live.end(), e) != live.end()) out.push_back(e);
  for (ZcDbObjectId e : live)
    if (std::find(out.begin(), out.end(), e) == out.end()) out.push_back(e);
  return out;
}

Zcad::ErrorStatus ZcDbSortentsTable::moveToBottom(const ZcDbObjectIdArray& ids) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  std::vector<ZcDbObjectId> order = currentOrder(), out;
  for (ZcDbObjectId id : ids)
    if (std::find(order.begin(), order.end(), id) == order.end()) return Zcad::eInvalidInput;
  for (ZcDbObjectId id : ids) out.push_back(id);
  for (ZcDbObjectId e : order)
    if (!ids.contains(e)) out.push_back(e);
  order_ = out;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbSortentsTable::moveToTop(const ZcDbObjectIdArray& ids) {
  if (Zcad::ErrorStatus es = assertWrite(); es != Zcad::eOk) return es;
  std::vector<ZcDbObjectId> order = currentOrder(), out;
  for (ZcDbObjectId id : ids)
    if (std::find(order.begin(), order.end(), id) == order.end()) return Zcad::eInvalidInput;
  for (ZcDbObjectId e : order)
    if (!ids.contains(e)) out.push_back(e);
  for (ZcDbObjectId id : ids) out.push_back(id);
  order_ = out;
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbSortentsTable::getFullDrawOrder(ZcDbObjectIdArray& ids) const {
  for (ZcDbObjectId e : currentOrder()) ids.append(e);
  return Zcad::eOk;
}

// SORTENTSTABLE: 100 AcDbSortentsTable, 330 the block record, then pairs 331 entity and
// 5 sort handle for the entities drawn out of record order. Sort handles are the record
// order's handles, sorted, handed out along the draw order: an entity is drawn at the place
// its sort handle has among them.
void ZcDbSortentsTable::dxfOutFields(ZcDbDxfFiler* f) const {
  ZcDbObject::dxfOutFields(f);
  f->writeRaw(100, "AcDbSortentsTable");
  f->writeObjectId(330, block_);
  std::vector<ZcDbObjectId> order = currentOrder();
  std::vector<std::uint64_t> handles;
  for (ZcDbObjectId e : order) handles.push_back(e.handle().value());
  std::sort(handles.begin(), handles.end());
  for (std::size_t i = 0; i < order.size(); ++i)
    if (order[i].handle().value() != handles[i]) {
      f->writeObjectId(331, order[i]);
      f->writeHandle(5, handles[i]);
    }
}

Zcad::ErrorStatus ZcDbSortentsTable::dxfInFields(ZcDbDxfFiler* f) {
  if (Zcad::ErrorStatus es = ZcDbObject::dxfInFields(f); es != Zcad::eOk) return es;
  f->seekMarker("AcDbSortentsTable");
  ZcDbDxfPair p;
  std::map<ZcDbObjectId, std::uint64_t> sortHandle;
  ZcDbObjectId pending;
  while (f->next(p)) {
    if (p.code == 330) block_ = f->toObjectId(p);
    else if (p.code == 331) pending = f->toObjectId(p);
    else if (p.code == 5 && !pending.isNull()) sortHandle[pending] = f->toHandle(p);
  }
  order_.clear();
  if (auto* btr = dynamic_cast<ZcDbBlockTableRecord*>(zcdb::ObjectOf(block_))) {
    std::vector<std::pair<std::uint64_t, ZcDbObjectId>> keyed;
    for (ZcDbObjectId e : btr->rawEntities()) {
      auto it = sortHandle.find(e);
      keyed.emplace_back(it != sortHandle.end() ? it->second : e.handle().value(), e);
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& k : keyed) order_.push_back(k.second);
  }
  return f->hasError() ? Zcad::eBadDxfFile : Zcad::eOk;
}
