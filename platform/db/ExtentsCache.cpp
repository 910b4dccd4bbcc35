// The extents cache of a database: dropping what a change makes stale, the block boxes by
// pose, the measures kept on each object, and the switch that turns every cache off.
#include "db/ExtentsCache.h"

#include <cstring>
#include <functional>

#include "db/DbInternal.h"
#include "db/ZcDbBlockTableRecord.h"
#include "ge/ZcGeMatrix3d.h"
#include "headless/Database.h"

namespace {
bool gCaching = true;
thread_local int tCyclesCut = 0;
// Block boxes kept at most; past it they are measured again (poses seldom repeat then).
constexpr std::size_t kMaxPoses = 1 << 16;
}  // namespace

namespace headless {
void SetCaching(bool on) { gCaching = on; }
bool Caching() { return gCaching; }
}  // namespace headless

namespace zcdb {

bool Caching() { return gCaching; }
int CyclesCut() { return tCyclesCut; }
void CountCycleCut() { ++tCyclesCut; }

bool BlockPose::operator==(const BlockPose& o) const {
  return block == o.block && std::memcmp(v, o.v, sizeof v) == 0;
}

std::size_t BlockPoseHash::operator()(const BlockPose& p) const {
  std::size_t h = std::hash<std::uint32_t>()(p.block);
  for (double d : p.v) h = h * 1000003u ^ std::hash<double>()(d);
  return h;
}

namespace {
void Drop(ZcDbObjectState& s) {
  s.boxKept = false;
  s.contents.reset();
}
bool InBlockDefinition(ZcDbObject* owner) {
  return owner->isKindOf(ZcDbBlockTableRecord::desc()) && !static_cast<ZcDbBlockTableRecord*>(owner)->isLayout();
}
}  // namespace

void ExtentsCache::Changing(const ZcDbObject* obj) {
  ZcDbObjectState& s = obj->state();
  Drop(s);
  if (obj->isKindOf(ZcDbBlockTableRecord::desc())) {
    if (!static_cast<const ZcDbBlockTableRecord*>(obj)->isLayout()) BlocksChanged();  // its origin, its erasure
    return;
  }
  if (!obj->isKindOf(ZcDbEntity::desc())) return;
  // Up the owners: a sub-entity's owner changes with it; anything in a block definition
  // changes every reference that places it, directly or nested.
  ZcDbObjectId owner = s.owner;
  for (int depth = 0; depth < 64; ++depth) {
    ZcDbObject* o = ObjectOf(owner);
    if (!o) {
      if (owner.isNull()) BlocksChanged();  // not placed yet (a file being read): be safe
      return;
    }
    if (o->isKindOf(ZcDbBlockTableRecord::desc())) {
      if (InBlockDefinition(o)) BlocksChanged();
      return;
    }
    Drop(o->state());
    owner = o->ownerId();
  }
}

void ExtentsCache::BlocksChanged() {
  ++epoch_;
  poses_.clear();
}

bool ExtentsCache::FindPose(const BlockPose& pose, Zcad::ErrorStatus& es, ZcDbExtents& ext) const {
  auto it = poses_.find(pose);
  if (it == poses_.end()) return false;
  es = it->second.es;
  ext = it->second.ext;
  return true;
}

void ExtentsCache::KeepPose(const BlockPose& pose, Zcad::ErrorStatus es, const ZcDbExtents& ext) {
  if (poses_.size() >= kMaxPoses) poses_.clear();
  poses_[pose] = Kept{es, ext};
}

namespace {
// Measures of an object may be kept and used while it is resident and not open for write.
bool Keepable(const ZcDbObjectState& s) { return gCaching && s.db && !s.writer; }
}  // namespace

bool RecallExtents(const ZcDbEntity* entity, bool onBlocks, Zcad::ErrorStatus& es, ZcDbExtents& ext) {
  const ZcDbObjectState& s = entity->state();
  if (!Keepable(s) || !s.boxKept || (onBlocks && s.boxEpoch != s.db->impl().extents.epoch())) return false;
  es = s.boxStatus;
  ext = s.box;
  return true;
}

void KeepExtents(const ZcDbEntity* entity, Zcad::ErrorStatus es, const ZcDbExtents& ext) {
  ZcDbObjectState& s = entity->state();
  if (!Keepable(s)) return;
  s.boxKept = true;
  s.boxStatus = es;
  s.box = ext;
  s.boxEpoch = s.db->impl().extents.epoch();
}

std::shared_ptr<const PlacedContents> RecallContents(const ZcDbEntity* reference) {
  const ZcDbObjectState& s = reference->state();
  if (!Keepable(s) || s.contentsEpoch != s.db->impl().extents.epoch()) return nullptr;
  return s.contents;
}

void KeepContents(const ZcDbEntity* reference, std::shared_ptr<const PlacedContents> contents) {
  ZcDbObjectState& s = reference->state();
  if (!Keepable(s)) return;
  s.contents = std::move(contents);
  s.contentsEpoch = s.db->impl().extents.epoch();
}

std::shared_ptr<const PosedContents> RecallPosed(const ZcDbEntity* reference, const BlockPose& pose) {
  const ZcDbObjectState& s = reference->state();
  if (!Keepable(s) || !s.posed || s.posedEpoch != s.db->impl().extents.epoch() || !(s.posed->pose == pose))
    return nullptr;
  return s.posed;
}

void KeepPosed(const ZcDbEntity* reference, std::shared_ptr<const PosedContents> posed) {
  ZcDbObjectState& s = reference->state();
  if (!Keepable(s)) return;
  s.posed = std::move(posed);
  s.posedEpoch = s.db->impl().extents.epoch();
}

PlacedContents::PlacedContents(std::shared_ptr<const PosedContents> posed, const ZcGeVector3d& offset)
    : posed_(std::move(posed)), offset_(offset), placed_(posed_->parts.size()), made_(posed_->parts.size(), false) {}

PlacedContents::~PlacedContents() = default;

const ZcDbEntity* PlacedContents::entity(std::size_t i) const {
  if (!made_[i]) {
    made_[i] = true;
    std::unique_ptr<ZcDbEntity> copy(static_cast<ZcDbEntity*>(posed_->parts[i].entity->cloneObject()));
    if (copy && copy->transformBy(ZcGeMatrix3d::translation(offset_)) == Zcad::eOk) placed_[i] = std::move(copy);
  }
  return placed_[i].get();
}

}  // namespace zcdb
