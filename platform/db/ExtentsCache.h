// What a database keeps of the extents it measured: each entity's own box while it stays
// unchanged, and per block the box of its contents under each rotation, scale and normal
// that references place it with. References read it for their boxes and intersections;
// the object protocol (opening for write, closing, making resident) keeps it true. Private
// to platform/db.
#ifndef PLATFORM_DB_EXTENTSCACHE_H
#define PLATFORM_DB_EXTENTSCACHE_H

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "db/ZcDbExtents.h"
#include "db/ZcDbObjectId.h"
#include "ge/ZcGeVector3d.h"
#include "ed/ErrorStatus.h"

class ZcDbEntity;
class ZcDbObject;

namespace zcdb {

/// Whether caches and indexes are used (headless::SetCaching); on unless a test or the
/// benchmark's peer turns them off. Off, every answer is worked out again as it is asked.
bool Caching();

/// A block placed by a reference without its position: the block, the rotation, the scale
/// factors and the normal, compared exactly.
struct BlockPose {
  std::uint32_t block = 0;
  double v[7] = {0, 0, 0, 0, 0, 0, 0};  // rotation, sx, sy, sz, normal x, y, z
  bool operator==(const BlockPose& o) const;
};
struct BlockPoseHash {
  std::size_t operator()(const BlockPose& p) const;
};

/// One entity of a reference's contents as the reference poses it (rotated, scaled and
/// turned to its normal about the block's origin, not yet moved to its position; nested
/// references opened down to their own contents), with its box when it has one.
struct PosedPart {
  std::unique_ptr<ZcDbEntity> entity;
  bool boxed = false;
  ZcGePoint3d lo, hi;
};
struct PosedContents {
  BlockPose pose;
  std::vector<PosedPart> parts;
};

/// A reference's contents where it places them: its posed contents moved by its position.
/// A move by a translation keeps the posed contents and only changes the offset. Each
/// part's entity is made at its first use (most parts are passed over by their boxes) and
/// kept with the contents; a part that cannot be moved has none.
struct PlacedContents {
  PlacedContents(std::shared_ptr<const PosedContents> posed, const ZcGeVector3d& offset);
  ~PlacedContents();
  std::size_t size() const { return posed_->parts.size(); }
  bool boxed(std::size_t i) const { return posed_->parts[i].boxed; }
  ZcGePoint3d lo(std::size_t i) const { return posed_->parts[i].lo + offset_; }
  ZcGePoint3d hi(std::size_t i) const { return posed_->parts[i].hi + offset_; }
  /// The part as placed, or null.
  const ZcDbEntity* entity(std::size_t i) const;

private:
  std::shared_ptr<const PosedContents> posed_;
  ZcGeVector3d offset_;
  mutable std::vector<std::unique_ptr<ZcDbEntity>> placed_;
  mutable std::vector<bool> made_;
};

/// The cache of one database. A change to a block definition (an entity in one, its record,
/// an entity made or moved there) starts a new epoch: every block box is dropped, and the
/// boxes and contents kept by references measured in an earlier epoch are not used.
class ExtentsCache {
public:
  /// `obj` is opened for write, closed after it, or made resident: its own measures are
  /// dropped, and its owners' (an attribute's reference), or every block box when it lies
  /// in a block definition.
  void Changing(const ZcDbObject* obj);
  /// The contents of some block changed.
  void BlocksChanged();
  std::uint64_t epoch() const { return epoch_; }

  bool FindPose(const BlockPose& pose, Zcad::ErrorStatus& es, ZcDbExtents& ext) const;
  void KeepPose(const BlockPose& pose, Zcad::ErrorStatus es, const ZcDbExtents& ext);

private:
  struct Kept {
    Zcad::ErrorStatus es;
    ZcDbExtents ext;
  };
  std::uint64_t epoch_ = 1;
  std::unordered_map<BlockPose, Kept, BlockPoseHash> poses_;
};

/// The extents kept for a resident entity that is not open for write, measured since it
/// last changed (and, `onBlocks`, in this epoch of block definitions); false when there
/// are none to go by.
bool RecallExtents(const ZcDbEntity* entity, bool onBlocks, Zcad::ErrorStatus& es, ZcDbExtents& ext);
/// Keeps what was just measured for the entity, when it may be kept (see RecallExtents).
void KeepExtents(const ZcDbEntity* entity, Zcad::ErrorStatus es, const ZcDbExtents& ext);
/// The contents kept for a resident reference in this epoch, or null.
std::shared_ptr<const PlacedContents> RecallContents(const ZcDbEntity* reference);
void KeepContents(const ZcDbEntity* reference, std::shared_ptr<const PlacedContents> contents);
/// The posed contents kept for a resident reference in this epoch under `pose`, or null.
/// They outlive changes to the reference itself: moving it does not change them.
std::shared_ptr<const PosedContents> RecallPosed(const ZcDbEntity* reference, const BlockPose& pose);
void KeepPosed(const ZcDbEntity* reference, std::shared_ptr<const PosedContents> posed);

/// Whether two boxes, grown by the tolerance points are compared with (at the size of their
/// numbers), are apart: what lies in one then meets nothing of the other.
bool BoxesApart(const ZcGePoint3d& alo, const ZcGePoint3d& ahi, const ZcGePoint3d& blo, const ZcGePoint3d& bhi);

/// How many times a walk over block contents has cut a cycle (a block holding itself):
/// an answer worked out while the count moved depends on where the walk began and is not
/// kept.
int CyclesCut();
void CountCycleCut();

}  // namespace zcdb

#endif
