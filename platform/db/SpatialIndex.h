// The database's spatial index: the extents of the entities of its layouts, cached in a box
// tree, so that windows, picks and boundary tracing look only at the entities near them.
// Private to platform: the database's object protocol keeps it true, the editor asks it.
#ifndef PLATFORM_DB_SPATIALINDEX_H
#define PLATFORM_DB_SPATIALINDEX_H

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "db/BoxTree.h"
#include "db/ZcDbObjectId.h"
#include "ge/ZcGePoint3d.h"

class ZcDbDatabase;
class ZcDbObject;
struct ZcDbDatabaseImpl;

namespace zcdb {

/// An entity the index finds near a box, with the extents it holds for it (`boxed` false
/// for an entity open for write or without extents).
struct NearEntity {
  ZcDbObjectId id;
  bool boxed = false;
  ZcGePoint3d lo, hi;
};

/// The extents of the entities of model and paper space, measured through each entity's own
/// getGeomExtents. Built from the layouts at the first question; from then on an entity
/// opened for write (or made) is a candidate of every question until it is closed, and is
/// measured again at the next question after that (erasing and unerasing happen while open
/// for write). A change inside a block definition (or to the definition) has every block
/// reference measured again; a change to an attribute or other sub-entity, its owner.
/// Entities made resident or moved between blocks other than through appendZcDbEntity
/// (copies, a file's content) make it build itself again at the next question.
class SpatialIndex {
public:
  // --- The object protocol tells it -----------------------------------------------------
  /// `obj` is open for write (opened, upgraded or just made resident that way).
  void Opened(const ZcDbObject* obj);
  /// `obj` was open for write and is closed (or downgraded to read).
  void Closed(const ZcDbObject* obj);
  /// Objects became resident, or entities changed blocks, other than through the above.
  void Forget() { built_ = false; }

  // --- Questions ------------------------------------------------------------------------------
  /// The entities of the layout `space` whose extents may meet the box of `a` and `b` in
  /// the XY plane, in drawing order (the layout's order). Every entity that meets it is
  /// there; entities open for write and entities without extents are there too.
  std::vector<NearEntity> Near(ZcDbDatabaseImpl& d, ZcDbObjectId space, const ZcGePoint3d& a,
                               const ZcGePoint3d& b);
  /// The box holding the extents of every entity of the layout (it may be larger after
  /// erasures); false when there is none with extents.
  bool Bounds(ZcDbDatabaseImpl& d, ZcDbObjectId space, ZcGePoint3d& lo, ZcGePoint3d& hi);
  /// The entities of the layouts `spaces` whose DXF name `wanted` accepts, erased ones left
  /// out, layout by layout in the order given and each in drawing order: only the entities
  /// of the accepted names are looked at.
  std::vector<ZcDbObjectId> OfTypes(ZcDbDatabaseImpl& d, const std::vector<ZcDbObjectId>& spaces,
                                    const std::function<bool(const std::wstring&)>& wanted);

private:
  enum class Held : std::uint8_t { None, Tree, Fresh, Loose };
  struct Entry {
    BoxTree::Box box{0, 0, 0, 0};  // the extents as measured (XY)
    std::uint32_t order = 0;  // drawing order
    std::uint32_t space = 0;  // slot of the layout record; 0 when not in a layout
    Held held = Held::None;   // where its box is: the tree, the fresh list, or none (Loose)
    bool known = false;       // order and space are set
    bool open = false;        // open for write: a candidate whatever its box
    bool dirty = false;       // measure at the next question
    bool reference = false;   // listed in refs_
  };

  void Refresh(ZcDbDatabaseImpl& d);
  void Build(ZcDbDatabaseImpl& d);
  void Measure(ZcDbDatabaseImpl& d, std::uint32_t slot);
  void Pack();
  void MarkDirty(std::uint32_t slot);
  void MarkReferencesDirty();
  void ListType(ZcDbDatabaseImpl& d, std::uint32_t slot);
  bool IsLayout(ZcDbDatabaseImpl& d, ZcDbObjectId owner);
  Entry& At(std::uint32_t slot);

  bool built_ = false;
  std::vector<Entry> entries_;         // by slot - 1
  std::vector<std::uint32_t> dirty_;   // slots to measure
  std::vector<std::uint32_t> fresh_;   // slots measured since the tree was packed
  std::vector<std::uint32_t> loose_;   // slots that are always candidates
  std::vector<std::uint32_t> refs_;    // slots of block references in layouts
  std::unordered_map<std::uint32_t, bool> layouts_;  // block record slot -> is a layout
  std::unordered_map<std::string, std::vector<std::uint32_t>> byType_;  // DXF name -> slots in layouts
  std::size_t dead_ = 0;               // tree items no longer current
  std::uint32_t nextOrder_ = 0;
  BoxTree tree_;
};

/// The index's questions on a database (see SpatialIndex). With caching off (zcdb::Caching)
/// they give every entity of the layouts instead (near a box, unboxed; of any type), for
/// the callers' own tests to decide.
std::vector<NearEntity> EntitiesNear(ZcDbDatabase* db, ZcDbObjectId space, const ZcGePoint3d& a,
                                     const ZcGePoint3d& b);
bool LayoutBounds(ZcDbDatabase* db, ZcDbObjectId space, ZcGePoint3d& lo, ZcGePoint3d& hi);
std::vector<ZcDbObjectId> EntitiesOfTypes(ZcDbDatabase* db, const std::vector<ZcDbObjectId>& spaces,
                                          const std::function<bool(const std::wstring&)>& wanted);

}  // namespace zcdb

#endif
