// The spatial index of a database's layouts: entries by slot, the box tree packed from
// them, the entries measured since (fresh), and those that are always candidates (loose).
#include "db/SpatialIndex.h"

#include <algorithm>
#include <cmath>

#include "db/DbInternal.h"
#include "db/ExtentsCache.h"
#include "db/ZcDbBlockReference.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbExtents.h"

namespace zcdb {

namespace {

// Boxes are searched grown by a hair, so that an entity whose path touches a window edge
// exactly is still a candidate whatever the rounding of its measured extents.
BoxTree::Box Padded(const BoxTree::Box& b) {
  double size = std::max({b.x1 - b.x0, b.y1 - b.y0, std::abs(b.x0), std::abs(b.y0), std::abs(b.x1), std::abs(b.y1)});
  double pad = 1e-9 + 1e-9 * size;
  return {b.x0 - pad, b.y0 - pad, b.x1 + pad, b.y1 + pad};
}

bool Finite(const BoxTree::Box& b) {
  return std::isfinite(b.x0) && std::isfinite(b.y0) && std::isfinite(b.x1) && std::isfinite(b.y1);
}

}  // namespace

SpatialIndex::Entry& SpatialIndex::At(std::uint32_t slot) {
  if (slot > entries_.size()) entries_.resize(slot);
  return entries_[slot - 1];
}

bool SpatialIndex::IsLayout(ZcDbDatabaseImpl& d, ZcDbObjectId owner) {
  if (owner.isNull() || owner.databaseSerial() != d.serial) return false;
  auto it = layouts_.find(owner.slot());
  if (it != layouts_.end()) return it->second;
  ZcDbObject* o = d.object(owner.slot());
  bool layout = o && o->isKindOf(ZcDbBlockTableRecord::desc()) && static_cast<ZcDbBlockTableRecord*>(o)->isLayout();
  layouts_[owner.slot()] = layout;
  return layout;
}

void SpatialIndex::MarkDirty(std::uint32_t slot) {
  Entry& e = At(slot);
  if (e.dirty) return;
  e.dirty = true;
  dirty_.push_back(slot);
}

void SpatialIndex::MarkReferencesDirty() {
  for (std::uint32_t slot : refs_) MarkDirty(slot);
}

void SpatialIndex::ListType(ZcDbDatabaseImpl& d, std::uint32_t slot) {
  const char* name = d.object(slot)->dxfName();
  byType_[name ? name : ""].push_back(slot);
}

void SpatialIndex::Opened(const ZcDbObject* obj) {
  if (!built_ || !obj->isKindOf(ZcDbEntity::desc())) return;
  ZcDbDatabaseImpl& d = obj->database()->impl();
  std::uint32_t slot = obj->objectId().slot();
  Entry& e = At(slot);
  if (!e.known) {  // made now: it comes last in its layout
    e.known = true;
    e.order = nextOrder_++;
    e.space = IsLayout(d, obj->ownerId()) ? obj->ownerId().slot() : 0;
    if (e.space != 0) ListType(d, slot);
  }
  if (e.space == 0 || e.open) return;
  e.open = true;
  loose_.push_back(slot);
}

void SpatialIndex::Closed(const ZcDbObject* obj) {
  if (!built_) return;
  ZcDbDatabaseImpl& d = obj->database()->impl();
  if (obj->isKindOf(ZcDbBlockTableRecord::desc())) {
    if (!IsLayout(d, obj->objectId())) MarkReferencesDirty();  // its origin may have moved
    return;
  }
  if (!obj->isKindOf(ZcDbEntity::desc())) return;
  Entry& e = At(obj->objectId().slot());
  e.open = false;
  if (e.space != 0) {
    MarkDirty(obj->objectId().slot());
    return;
  }
  // Not in a layout: the owner's box follows it (an attribute's reference), or every
  // reference's does (an entity of a block definition).
  for (ZcDbObjectId owner = obj->ownerId(); !owner.isNull();) {
    ZcDbObject* o = d.object(owner.slot());
    if (!o || owner.databaseSerial() != d.serial) return;
    if (o->isKindOf(ZcDbBlockTableRecord::desc())) {
      if (!IsLayout(d, owner)) MarkReferencesDirty();
      return;
    }
    if (At(owner.slot()).space != 0) {
      MarkDirty(owner.slot());
      return;
    }
    owner = o->ownerId();
  }
}

void SpatialIndex::Build(ZcDbDatabaseImpl& d) {
  entries_.assign(d.slots.size(), Entry());
  dirty_.clear();
  fresh_.clear();
  loose_.clear();
  refs_.clear();
  layouts_.clear();
  byType_.clear();
  dead_ = 0;
  nextOrder_ = 0;
  tree_.Build({});
  built_ = true;
  auto* blocks = d.blockTable.isNull() ? nullptr : d.objectAs<ZcDbSymbolTable>(d.blockTable);
  if (!blocks) return;
  for (ZcDbObjectId space : blocks->recordIds()) {
    if (!IsLayout(d, space)) continue;
    for (ZcDbObjectId id : d.objectAs<ZcDbBlockTableRecord>(space)->rawEntities()) {
      if (id.databaseSerial() != d.serial || !d.object(id.slot())) continue;
      Entry& e = At(id.slot());
      e.known = true;
      e.order = nextOrder_++;
      e.space = space.slot();
      ListType(d, id.slot());
      if (d.object(id.slot())->isWriteEnabled()) {
        e.open = true;
        loose_.push_back(id.slot());
      }
      MarkDirty(id.slot());
    }
  }
}

void SpatialIndex::Measure(ZcDbDatabaseImpl& d, std::uint32_t slot) {
  Entry& e = At(slot);
  e.dirty = false;
  if (e.open) return;  // measured once closed
  if (e.held == Held::Tree) ++dead_;
  e.held = Held::None;
  auto* entity = static_cast<ZcDbEntity*>(d.object(slot));
  if (!entity || e.space == 0 || entity->isErased()) return;
  if (!e.reference && entity->isKindOf(ZcDbBlockReference::desc())) {
    e.reference = true;
    refs_.push_back(slot);
  }
  ZcDbExtents ext;
  BoxTree::Box box{0, 0, 0, 0};
  if (entity->getGeomExtents(ext) == Zcad::eOk && !ext.isEmpty() &&
      Finite(box = {ext.minPoint().x, ext.minPoint().y, ext.maxPoint().x, ext.maxPoint().y})) {
    e.box = box;
    e.held = Held::Fresh;
    fresh_.push_back(slot);
  } else {  // no box to go by: the callers' own test decides
    e.held = Held::Loose;
    loose_.push_back(slot);
  }
}

void SpatialIndex::Pack() {
  std::vector<BoxTree::Item> items;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    Entry& e = entries_[i];
    if (e.held != Held::Tree && e.held != Held::Fresh) continue;
    e.held = Held::Tree;
    items.push_back({Padded(e.box), static_cast<std::uint32_t>(i + 1)});
  }
  tree_.Build(std::move(items));
  fresh_.clear();
  dead_ = 0;
}

void SpatialIndex::Refresh(ZcDbDatabaseImpl& d) {
  if (!built_) Build(d);
  std::vector<std::uint32_t> dirty;
  dirty.swap(dirty_);
  for (std::uint32_t slot : dirty)
    if (At(slot).dirty) Measure(d, slot);
  if (fresh_.size() + dead_ > 64 + tree_.size() / 8) Pack();
  // The loose list keeps each slot once, and only while it is loose.
  std::vector<std::uint32_t> loose;
  for (std::uint32_t slot : loose_) {
    const Entry& e = At(slot);
    if (e.open || e.held == Held::Loose) loose.push_back(slot);
  }
  std::sort(loose.begin(), loose.end());
  loose.erase(std::unique(loose.begin(), loose.end()), loose.end());
  loose_.swap(loose);
}

std::vector<NearEntity> SpatialIndex::Near(ZcDbDatabaseImpl& d, ZcDbObjectId space, const ZcGePoint3d& a,
                                           const ZcGePoint3d& b) {
  std::vector<NearEntity> ids;
  if (space.isNull() || space.databaseSerial() != d.serial) return ids;
  Refresh(d);
  const std::uint32_t sp = space.slot();
  const BoxTree::Box window{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
  std::vector<std::pair<std::uint32_t, std::uint32_t>> hits;  // (order, slot)
  tree_.Search(window, [&](std::uint32_t slot) {
    const Entry& e = entries_[slot - 1];
    if (e.held == Held::Tree && !e.open && e.space == sp) hits.emplace_back(e.order, slot);
  });
  for (std::uint32_t slot : fresh_) {
    const Entry& e = entries_[slot - 1];
    if (e.held == Held::Fresh && !e.open && e.space == sp && Padded(e.box).Meets(window))
      hits.emplace_back(e.order, slot);
  }
  for (std::uint32_t slot : loose_)
    if (entries_[slot - 1].space == sp) hits.emplace_back(entries_[slot - 1].order, slot);
  std::sort(hits.begin(), hits.end());
  hits.erase(std::unique(hits.begin(), hits.end()), hits.end());
  ids.reserve(hits.size());
  for (const auto& h : hits) {
    const Entry& e = entries_[h.second - 1];
    NearEntity n;
    n.id = ZcDbObjectId(d.serial, h.second);
    n.boxed = !e.open && (e.held == Held::Tree || e.held == Held::Fresh);
    n.lo.set(e.box.x0, e.box.y0, 0.0);
    n.hi.set(e.box.x1, e.box.y1, 0.0);
    ids.push_back(n);
  }
  return ids;
}

bool SpatialIndex::Bounds(ZcDbDatabaseImpl& d, ZcDbObjectId space, ZcGePoint3d& lo, ZcGePoint3d& hi) {
  if (space.isNull() || space.databaseSerial() != d.serial) return false;
  Refresh(d);
  ZcDbExtents all;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const Entry& e = entries_[i];
    if (e.space != space.slot()) continue;
    if ((e.held == Held::Tree || e.held == Held::Fresh) && !e.open) {
      all.addPoint({e.box.x0, e.box.y0, 0.0});
      all.addPoint({e.box.x1, e.box.y1, 0.0});
    } else if (e.open) {
      ZcDbExtents ext;
      auto* entity = static_cast<ZcDbEntity*>(d.object(static_cast<std::uint32_t>(i + 1)));
      if (entity && !entity->isErased() && entity->getGeomExtents(ext) == Zcad::eOk) all.addExt(ext);
    }
  }
  if (all.isEmpty()) return false;
  lo = all.minPoint();
  hi = all.maxPoint();
  return true;
}

std::vector<ZcDbObjectId> SpatialIndex::OfTypes(ZcDbDatabaseImpl& d, const std::vector<ZcDbObjectId>& spaces,
                                                const std::function<bool(const std::wstring&)>& wanted) {
  if (!built_) Build(d);
  std::vector<std::pair<std::pair<std::size_t, std::uint32_t>, std::uint32_t>> found;  // ((layout, order), slot)
  for (const auto& [name, slots] : byType_) {
    if (!wanted(std::wstring(name.begin(), name.end()))) continue;
    for (std::uint32_t slot : slots) {
      const Entry& e = entries_[slot - 1];
      for (std::size_t k = 0; k < spaces.size(); ++k)
        if (!spaces[k].isNull() && spaces[k].databaseSerial() == d.serial && e.space == spaces[k].slot() &&
            !d.object(slot)->isErased())
          found.push_back({{k, e.order}, slot});
    }
  }
  std::sort(found.begin(), found.end());
  std::vector<ZcDbObjectId> ids;
  for (const auto& f : found) ids.push_back(ZcDbObjectId(d.serial, f.second));
  return ids;
}

namespace {
// The live entities of a layout, in drawing order, looked at one by one.
std::vector<ZcDbObjectId> Scan(ZcDbDatabaseImpl& d, ZcDbObjectId space) {
  std::vector<ZcDbObjectId> ids;
  if (space.isNull() || space.databaseSerial() != d.serial) return ids;
  auto* record = d.objectAs<ZcDbBlockTableRecord>(space);
  if (!record || !record->isKindOf(ZcDbBlockTableRecord::desc())) return ids;
  for (ZcDbObjectId id : record->rawEntities())
    if (id.databaseSerial() == d.serial && d.object(id.slot()) && !d.object(id.slot())->isErased()) ids.push_back(id);
  return ids;
}
}  // namespace

std::vector<NearEntity> EntitiesNear(ZcDbDatabase* db, ZcDbObjectId space, const ZcGePoint3d& a,
                                     const ZcGePoint3d& b) {
  if (!db) return {};
  if (Caching()) return db->impl().spatial.Near(db->impl(), space, a, b);
  std::vector<NearEntity> all;
  for (ZcDbObjectId id : Scan(db->impl(), space)) {
    NearEntity n;
    n.id = id;
    all.push_back(n);
  }
  return all;
}

bool LayoutBounds(ZcDbDatabase* db, ZcDbObjectId space, ZcGePoint3d& lo, ZcGePoint3d& hi) {
  if (!db) return false;
  if (Caching()) return db->impl().spatial.Bounds(db->impl(), space, lo, hi);
  ZcDbExtents all;
  for (ZcDbObjectId id : Scan(db->impl(), space)) {
    ZcDbExtents ext;
    if (db->impl().objectAs<ZcDbEntity>(id)->getGeomExtents(ext) == Zcad::eOk) all.addExt(ext);
  }
  if (all.isEmpty()) return false;
  lo = all.minPoint();
  hi = all.maxPoint();
  return true;
}

std::vector<ZcDbObjectId> EntitiesOfTypes(ZcDbDatabase* db, const std::vector<ZcDbObjectId>& spaces,
                                          const std::function<bool(const std::wstring&)>& wanted) {
  if (!db) return {};
  if (Caching()) return db->impl().spatial.OfTypes(db->impl(), spaces, wanted);
  std::vector<ZcDbObjectId> ids;  // every one: the caller's filter decides
  for (ZcDbObjectId space : spaces)
    for (ZcDbObjectId id : Scan(db->impl(), space)) ids.push_back(id);
  return ids;
}

}  // namespace zcdb
