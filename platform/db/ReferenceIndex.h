// The index of a database's block references by the block they place, behind
// getBlockReferenceIds. Private to platform/db; the object protocol keeps it true.
#ifndef PLATFORM_DB_REFERENCEINDEX_H
#define PLATFORM_DB_REFERENCEINDEX_H

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "db/ZcDbObjectId.h"

class ZcDbObject;
struct ZcDbDatabaseImpl;

namespace zcdb {

/// Built from every object at the first question. From then on a reference made resident,
/// opened for write or closed is filed again (under the block it then names) at the next
/// question, and stays a candidate while it is open for write. A block's list may hold
/// references filed elsewhere since; they are dropped as they are met.
class ReferenceIndex {
public:
  /// `obj` is made resident, opened for write or closed.
  void Note(const ZcDbObject* obj);
  /// The live references to `block` (owned by a live object), in the order they were made.
  std::vector<ZcDbObjectId> ReferencesTo(ZcDbDatabaseImpl& d, ZcDbObjectId block);

private:
  void Build(ZcDbDatabaseImpl& d);
  void File(ZcDbDatabaseImpl& d, std::uint32_t slot);

  bool built_ = false;
  std::unordered_map<std::uint32_t, std::vector<std::uint32_t>> byBlock_;  // block slot -> references
  std::vector<std::uint32_t> filed_;    // by slot - 1: the block slot it is filed under (0: none)
  std::vector<std::uint32_t> pending_;  // slots to file again
  std::vector<bool> isPending_;         // by slot - 1
};

}  // namespace zcdb

#endif
