// The references of each block: filed by the block they name, filed again after a change.
#include "db/ReferenceIndex.h"

#include <algorithm>

#include "db/DbInternal.h"
#include "db/ZcDbBlockReference.h"

namespace zcdb {

void ReferenceIndex::Note(const ZcDbObject* obj) {
  if (!built_ || !obj->isKindOf(ZcDbBlockReference::desc())) return;
  std::uint32_t slot = obj->objectId().slot();
  if (slot > isPending_.size()) isPending_.resize(slot, false);
  if (isPending_[slot - 1]) return;
  isPending_[slot - 1] = true;
  pending_.push_back(slot);
}

void ReferenceIndex::File(ZcDbDatabaseImpl& d, std::uint32_t slot) {
  if (slot > filed_.size()) filed_.resize(slot, 0);
  auto* ref = static_cast<ZcDbBlockReference*>(d.object(slot));
  ZcDbObjectId block = ref->blockTableRecord();
  std::uint32_t under = !block.isNull() && block.databaseSerial() == d.serial ? block.slot() : 0;
  if (filed_[slot - 1] == under) return;
  filed_[slot - 1] = under;
  if (under) byBlock_[under].push_back(slot);
}

void ReferenceIndex::Build(ZcDbDatabaseImpl& d) {
  byBlock_.clear();
  filed_.assign(d.slots.size(), 0);
  pending_.clear();
  isPending_.assign(d.slots.size(), false);
  built_ = true;
  for (std::uint32_t slot = 1; slot <= d.slots.size(); ++slot)
    if (d.object(slot)->isKindOf(ZcDbBlockReference::desc())) Note(d.object(slot));
}

std::vector<ZcDbObjectId> ReferenceIndex::ReferencesTo(ZcDbDatabaseImpl& d, ZcDbObjectId block) {
  std::vector<ZcDbObjectId> ids;
  if (block.isNull() || block.databaseSerial() != d.serial) return ids;
  if (!built_) Build(d);
  std::vector<std::uint32_t> still;  // open for write: filed again once closed
  for (std::uint32_t slot : pending_) {
    File(d, slot);
    if (d.object(slot)->isWriteEnabled()) still.push_back(slot);
    else isPending_[slot - 1] = false;
  }
  pending_.swap(still);
  auto it = byBlock_.find(block.slot());
  std::vector<std::uint32_t> slots;
  if (it != byBlock_.end()) {
    std::vector<std::uint32_t>& list = it->second;
    list.erase(std::remove_if(list.begin(), list.end(), [&](std::uint32_t s) { return filed_[s - 1] != block.slot(); }),
               list.end());
    std::sort(list.begin(), list.end());
    list.erase(std::unique(list.begin(), list.end()), list.end());
    slots = list;
  }
  // A reference open for write may name the block already.
  for (std::uint32_t slot : pending_) slots.push_back(slot);
  std::sort(slots.begin(), slots.end());
  slots.erase(std::unique(slots.begin(), slots.end()), slots.end());
  for (std::uint32_t slot : slots) {
    auto* ref = static_cast<ZcDbBlockReference*>(d.object(slot));
    if (ref->isErased() || ref->blockTableRecord() != block) continue;
    ZcDbObject* owner = ObjectOf(ref->ownerId());
    if (owner && !owner->isErased()) ids.push_back(ref->objectId());
  }
  return ids;
}

}  // namespace zcdb
